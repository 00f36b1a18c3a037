// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the winners record at 1,000 and 10,000 winners: opening and refreshing the dialog on
// an SQLite database, and sorting a shown list by each kind of column (the dialog's own
// columns, then one column per comparison rule). Prints tables; asserts nothing.
#include "data/CAdoDatabase.h"
#include "records/CPrizeRecordDlg.h"
#include "records/CRecordListCtrl.h"
#include "data/DatabaseCreator.h"
#include "platform/core/MessageService.h"
#include "support/QuietMessages.h"
#include "records/core/RecordTableModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Median milliseconds of runs calls, events handled; prepare runs untimed before each.
double MedianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        work();
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// count participants, each a winner, spread over the eight levels.
bool Fill(CAdoDatabase& db, int count)
{
    return db.OpenQuery(
               QStringLiteral(
                   "with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
                   "insert into person(PersonID,PersonName,Company) select printf('%08d', i * 7919 "
                   "% 100000000), '参加者' || i, '部门' || (i % 13) from n"),
               {count}) &&
           db.OpenQuery(QStringLiteral(
               "insert into ComePrize(PersonID,sDateTime,step,sNo,JP) select PersonID, "
               "printf('2026-12-07 %02d:%02d:%02d', rowid / 3600 % 24, rowid / 60 % 60, rowid % "
               "60), 1 + rowid % 8, 1 + rowid / 8, (1 + rowid % 8) || '等奖' from person"));
}

// Rows in which each column meets one comparison rule.
std::vector<QStringList> RuleRows(int count)
{
    std::vector<QStringList> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int scrambled = (i * 7919) % count;
        rows.push_back({QString::number(scrambled),
                        QStringLiteral("%1/%2/20%3")
                            .arg(1 + scrambled % 28, 2, 10, QLatin1Char('0'))
                            .arg(1 + scrambled % 12, 2, 10, QLatin1Char('0'))
                            .arg(scrambled % 30, 2, 10, QLatin1Char('0')),
                        QStringLiteral("参加者%1").arg(scrambled)});
    }
    return rows;
}

void PrintRow(const char* name, const std::vector<double>& ms)
{
    std::printf("| %s | %.2f | %.2f |\n", name, ms[0], ms[1]);
}

} // namespace

int main(int argc, char** argv)
{
    PreferOffscreenPlatform();
    QApplication app(argc, argv);
    QuietMessages messages;
    MessageService::Install(&messages);
    const QString schema = QStringLiteral(SORTILO_SOURCE_DIR "/res/schema.sql");
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    const int sizes[] = {1000, 10000};

    struct Sort
    {
        const char* name;
        int column;
    };
    const Sort dialogSorts[] = {{"sort: level (text with blanks)", 0},
                                {"sort: place (text with blanks)", 1},
                                {"sort: participant number", 2},
                                {"sort: name", 3},
                                {"sort: time", 4},
                                {"sort: prize", 5}};
    const Sort ruleSorts[] = {{"sort: digits (numbers)", 0},
                              {"sort: dd/mm/yyyy (dates)", 1},
                              {"sort: Chinese text (locale)", 2}};

    std::vector<double> open, refresh;
    std::vector<std::vector<double>> dialogSortMs(std::size(dialogSorts));
    std::vector<std::vector<double>> ruleSortMs(std::size(ruleSorts));
    for (const int size : sizes) {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/Data.db");
        QString error;
        CAdoDatabase db;
        if (!DatabaseCreator::CreateSqlite(path, {schema}, &error) ||
            !db.ConnectDatabase(QString(), path) || !Fill(db, size)) {
            std::fprintf(stderr, "cannot make the database: %s %s\n", qPrintable(error),
                         qPrintable(db.LastError()));
            return 1;
        }

        open.push_back(MedianMs(
            5, [] {},
            [&] {
                CPrizeRecordDlg dialog(db);
                dialog.show();
                QCoreApplication::processEvents();
            }));
        CPrizeRecordDlg dialog(db);
        dialog.List().Model().SetCollationLocale(chinese);
        dialog.show();
        refresh.push_back(MedianMs(
            5, [] {}, [&] { dialog.FillRecordList(); }));
        for (size_t i = 0; i < std::size(dialogSorts); ++i) {
            dialogSortMs[i].push_back(MedianMs(
                5, [&] { dialog.FillRecordList(); },
                [&] { dialog.List().SortByColumn(dialogSorts[i].column, true); }));
        }

        CRecordListCtrl list;
        list.SetColumns(QStringLiteral("n,80;date,100;text,120"));
        list.Model().SetCollationLocale(chinese);
        list.resize(400, 500);
        list.show();
        const std::vector<QStringList> rows = RuleRows(size);
        for (size_t i = 0; i < std::size(ruleSorts); ++i) {
            ruleSortMs[i].push_back(MedianMs(
                5,
                [&] {
                    list.DeleteAllRows();
                    list.AddRows(rows);
                },
                [&] { list.SortByColumn(ruleSorts[i].column, true); }));
        }
    }

    std::printf("Winners record on SQLite, shown offscreen; text sorts use the zh_CN collation; "
                "median of 5 runs in ms.\n\n");
    std::printf("| winners | 1,000 | 10,000 |\n|---|---:|---:|\n");
    PrintRow("open the dialog (query, fill, count, first paint)", open);
    PrintRow("refresh", refresh);
    for (size_t i = 0; i < std::size(dialogSorts); ++i) {
        PrintRow(dialogSorts[i].name, dialogSortMs[i]);
    }
    for (size_t i = 0; i < std::size(ruleSorts); ++i) {
        PrintRow(ruleSorts[i].name, ruleSortMs[i]);
    }
    MessageService::Install(nullptr);
    return 0;
}
