// Cost of the winners record at 1,000 and 10,000 winners: filling the list (one row at a time
// and in one step) and sorting it by each kind of column, on a shown list. Prints a table;
// asserts nothing.
#include "CRecordListCtrl.h"
#include "RecordTableModel.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Median milliseconds of runs calls; prepare runs untimed before each.
template <class Prepare, class Work> double MedianMs(int runs, Prepare prepare, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Rows as the winners dialog shows them, in the order its query returns them.
std::vector<QStringList> WinnerRows(int count)
{
    static const QStringList surnames = {"王", "李", "张", "刘", "陈", "杨", "赵", "黄"};
    std::vector<QStringList> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int step = 1 + i * 8 / count;
        const QString id = QStringLiteral("%1").arg((i * 7919) % 100000, 8, 10, QLatin1Char('0'));
        const QString date = QStringLiteral("%1/%2/20%3")
                                 .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                 .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                 .arg(i % 30, 2, 10, QLatin1Char('0'));
        rows.push_back(
            {QStringLiteral("     %1").arg(step), QString::number(i + 1), id,
             QStringLiteral("  ") + surnames[i % surnames.size()] + QString::number(i % 97), date,
             QStringLiteral("%1等奖").arg(step), QStringLiteral("  Dept %1").arg(i % 13)});
    }
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    std::printf("%-34s %10s %10s\n", "winners record (median ms)", "1,000", "10,000");
    struct Column
    {
        const char* name;
        int column;
        QLocale locale;
    };
    const QLocale c = QLocale::c();
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    const Column sorts[] = {{"sort: digits (place)", 1, c},
                            {"sort: dd/mm/yyyy dates", 4, c},
                            {"sort: digits (8-digit IDs)", 2, c},
                            {"sort: text (names), C locale", 3, c},
                            {"sort: text (names), zh_CN", 3, chinese},
                            {"sort: text with blanks, zh_CN", 0, chinese}};

    std::vector<std::vector<double>> table(2 + std::size(sorts));
    for (int count : {1000, 10000}) {
        const std::vector<QStringList> rows = WinnerRows(count);
        CRecordListCtrl list;
        list.SetColumns("a,100;b,100;c,80;d,80;e,200;f,150;g,150;");
        list.resize(800, 500);
        list.show();
        QCoreApplication::processEvents();
        const auto empty = [&] {
            list.DeleteAllRows();
            QCoreApplication::processEvents();
        };
        table[0].push_back(MedianMs(5, empty, [&] {
            for (const QStringList& row : rows) {
                list.AddRow(row);
            }
        }));
        table[1].push_back(MedianMs(5, empty, [&] { list.AddRows(rows); }));
        for (size_t i = 0; i < std::size(sorts); ++i) {
            const auto refill = [&] {
                empty();
                list.AddRows(rows);
                QCoreApplication::processEvents();
            };
            list.Model().SetCollationLocale(sorts[i].locale);
            table[2 + i].push_back(
                MedianMs(5, refill, [&] { list.SortByColumn(sorts[i].column, true); }));
        }
    }
    const char* names[] = {"fill: one AddRow per winner", "fill: all rows in one step"};
    for (size_t r = 0; r < table.size(); ++r) {
        std::printf("%-34s %10.2f %10.2f\n", r < 2 ? names[r] : sorts[r - 2].name, table[r][0],
                    table[r][1]);
    }
    return 0;
}
