// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what opening the participant dialog costs (reading every participant, building the
// list and painting it once) at 1,000 to 100,000 participants, and what one find-box filter
// costs at each size, on the offscreen platform.
#include "data/CAdoDatabase.h"
#include "registry/CPersonDlg.h"
#include "data/DatabaseCreator.h"
#include "platform/core/MessageService.h"
#include "registry/PersonTableModel.h"
#include "support/QuietMessages.h"
#include "data/SqlStatements.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool Fill(CAdoDatabase& db, int participants)
{
    bool ok = db.OpenQuery(QStringLiteral("begin"));
    for (int i = 0; ok && i < participants; ++i) {
        ok = db.OpenQuery(QLatin1String(SqlStatements::InsertPerson),
                          {QStringLiteral("E%1").arg(i, 6, 10, QLatin1Char('0')),
                           QStringLiteral("员工%1号").arg(i),
                           QStringLiteral("第%1部门").arg(i % 40)});
    }
    return ok && db.OpenQuery(QStringLiteral("commit"));
}

// Makes the view lay out and paint what changed.
void Paint(CPersonDlg& dlg)
{
    QApplication::processEvents();
    dlg.Ui().list->viewport()->repaint();
}

} // namespace

int main(int argc, char** argv)
{
    PreferOffscreenPlatform();
    QApplication app(argc, argv);
    QuietMessages messages;
    MessageService::Install(&messages);

    std::printf(
        "Participant dialog (offscreen): open = construct, read every participant, show "
        "and paint once (median of 5);\nfilter = one find text typed at once, model "
        "filtered and the list repainted (median of 9 texts: a number, a name, no match);\n"
        "narrow = one more character typed after a filter; page = one page of the full list "
        "scrolled and repainted (median of 40, spread over the list).\n\n");
    std::printf("| participants | open ms | filter ms | narrow ms | page ms | rows shown by "
                "\"员工1\" |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|\n");
    for (const int size : {1000, 10000, 100000}) {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/Data.db");
        QString error;
        if (!DatabaseCreator::CreateSqlite(
                path, {QStringLiteral(SORTILO_SOURCE_DIR "/res/schema.sql")}, &error)) {
            std::fprintf(stderr, "cannot create the database: %s\n", qPrintable(error));
            return 1;
        }
        CAdoDatabase db;
        if (!db.ConnectDatabase(QString(), path)) {
            return 1;
        }
        db.SetDurability(CAdoDatabase::Durability::Bulk);
        if (!Fill(db, size)) {
            std::fprintf(stderr, "cannot fill the database: %s\n", qPrintable(db.LastError()));
            return 1;
        }

        std::vector<double> openMs;
        QElapsedTimer clock;
        for (int run = 0; run < 5; ++run) {
            clock.start();
            CPersonDlg dlg(db, dir.path() + QLatin1Char('/'));
            dlg.show();
            Paint(dlg);
            openMs.push_back(clock.nsecsElapsed() / 1e6);
        }

        CPersonDlg dlg(db, dir.path() + QLatin1Char('/'));
        dlg.show();
        Paint(dlg);
        std::vector<double> filterMs;
        std::vector<double> narrowMs;
        const QStringList texts{QStringLiteral("e0012"), QStringLiteral("员工7"),
                                QStringLiteral("nobody")};
        for (int run = 0; run < 3; ++run) {
            for (const QString& text : texts) {
                dlg.Ui().find->clear();
                Paint(dlg);
                clock.start();
                dlg.Ui().find->setText(text);
                Paint(dlg);
                filterMs.push_back(clock.nsecsElapsed() / 1e6);
                clock.start();
                dlg.Ui().find->setText(text + QLatin1Char('3'));
                Paint(dlg);
                narrowMs.push_back(clock.nsecsElapsed() / 1e6);
            }
        }
        dlg.Ui().find->clear();
        Paint(dlg);
        std::vector<double> pageMs;
        QScrollBar* bar = dlg.Ui().list->verticalScrollBar();
        for (int step = 0; step < 40; ++step) {
            clock.start();
            bar->setValue(bar->maximum() * step / 39);
            Paint(dlg);
            pageMs.push_back(clock.nsecsElapsed() / 1e6);
        }
        dlg.Ui().find->setText(QStringLiteral("员工1"));
        std::printf("| %d | %.1f | %.2f | %.2f | %.2f | %d |\n", size, MedianOf(openMs),
                    MedianOf(filterMs), MedianOf(narrowMs), MedianOf(pageMs),
                    dlg.Model().rowCount());
        std::fflush(stdout);
    }
    MessageService::Install(nullptr);
    return 0;
}
