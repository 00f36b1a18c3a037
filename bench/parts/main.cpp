// SPDX-License-Identifier: GPL-3.0-or-later
// What one tick of the draw window's self-contained pieces costs: a reel cell repaint (every
// 10 ms per rolling reel), a full reel repaint, and a credits panel tick. Prints a table.
#include "skin/credits/widgets/CCreditsPanel.h"
#include "draw/reels/CReelDisplay.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Row
{
    const char* what;
    double median;
    double p90;
};

// Runs work `rounds` times, each time `batch` calls, and reports microseconds per call.
Row Measure(const char* what, int rounds, int batch, const std::function<void(int)>& work)
{
    std::vector<double> per;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < batch; ++i) {
            work(r * batch + i);
        }
        per.push_back(double(t.nsecsElapsed()) / 1000.0 / batch);
    }
    std::sort(per.begin(), per.end());
    return {what, per[per.size() / 2], per[per.size() * 9 / 10]};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    CReelDisplay reels;
    reels.resize(591, 130); // the template's control at the usual dialog-unit scale
    reels.show();
    QCoreApplication::processEvents();
    const QString chars = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");

    CCreditsPanel panel;
    panel.resize(634, 83);
    panel.SetCredits(QStringLiteral("|Sortilo\t|Anniversary draw\n|thanks to everyone"), '|');
    panel.SetSpeed(2, 0);
    panel.Start();
    panel.show();
    QCoreApplication::processEvents();

    std::vector<Row> rows;
    rows.push_back(Measure("reel cell: SetReelText + repaint", 21, 200, [&](int i) {
        const int cell = i % 8 + 1;
        reels.SetReelText(cell, chars.mid(i % 36, 1), Qt::white);
        reels.repaint(reels.CellRect(cell));
    }));
    rows.push_back(Measure("reel: full repaint", 21, 50, [&](int) { reels.repaint(); }));
    rows.push_back(Measure("credits: Tick (no paint)", 21, 200,
                           [&](int) { panel.Roll().Tick(panel.size()); }));
    rows.push_back(Measure("credits: Tick + repaint", 21, 200, [&](int) {
        panel.Tick();
        panel.repaint();
    }));

    std::printf("%-36s %12s %12s\n", "operation (offscreen)", "median us", "p90 us");
    for (const Row& r : rows) {
        std::printf("%-36s %12.1f %12.1f\n", r.what, r.median, r.p90);
    }
    std::printf("budget: 8 reels x 100 ticks/s = 800 cell repaints per second\n");
    return 0;
}
