// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/engine/DrawEngine.h"
#include "draw/engine/DrawHost.h"

#include <QColor>
#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <map>
#include <vector>

// A draw host that shows nothing and runs the window timers on a virtual clock, so the figures
// are the engine's own work and the database's. A box is printed to standard error.
// With it, the costs of a draw round. (Header only: its users link the draw engine.)
class VirtualClockHost final : public DrawHost
{
public:
    void SetSkinText(const QString&, const QString&) override {}
    void EnableSkinButton(const QString&, bool) override {}
    void ShowSysInfo(const QString&) override {}
    void SetReelText(int, const QString&, const QColor&) override {}
    void ClearWinnersList() override {}
    void AppendWinner(const QString&, const QString&) override {}
    void ShowMessageBox(const QString& text) override
    {
        std::fprintf(stderr, "unexpected box: %s\n", qPrintable(text));
    }
    void StartTimer(int id, int intervalMs) override
    {
        m_timers[id] = {intervalMs, m_now + intervalMs};
    }
    void StopTimer(int id) override { m_timers.erase(id); }
    void PlayDrawingSound() override {}
    void RestartBackgroundMusic() override {}

    // The next due timer: its id, with the clock moved to its expiry; 0 when none runs.
    int NextTimer()
    {
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (next == m_timers.end() || it->second.due < next->second.due) {
                next = it;
            }
        }
        if (next == m_timers.end()) {
            return 0;
        }
        m_now = next->second.due;
        next->second.due += next->second.interval;
        return next->first;
    }

private:
    struct Timer
    {
        int interval;
        long long due;
    };
    std::map<int, Timer> m_timers;
    long long m_now = 0;
};

// The costs of draw rounds in milliseconds, gathered message by message.
struct RoundCosts
{
    // Second and later picks of a round: the reveal timer's start of the pick plus the choice
    // 300 ms later.
    std::vector<double> picks;
    // Reel timer messages, except the last reel's that stores and shows the winner.
    std::vector<double> ticks;
    // The last reel's timer message that stores (durable insert) and shows the winner.
    std::vector<double> stores;
};

// Delivers the host's timer messages to the engine until its round is over, adding their costs.
// With stopAfter >= 0 the operator presses Stop after that many messages; returns the cost of
// that Stop (0 without).
inline double RunRound(DrawEngine& engine, VirtualClockHost& host, RoundCosts& costs,
                       int stopAfter = -1)
{
    QElapsedTimer clock;
    double stop = 0;
    double pending = -1;
    for (int message = 0; !engine.IsIdle(); ++message) {
        if (message == stopAfter) {
            clock.start();
            engine.StopRoll();
            stop = clock.nsecsElapsed() / 1e6;
        }
        const int id = host.NextTimer();
        if (id == 0) {
            break;
        }
        const bool beginsPick = id == DrawEngine::RevealTimer && engine.WinnerRevealed() &&
                                engine.PickNumber() < engine.RoundQuota();
        const bool reelTick = id >= 1 && id <= DrawEngine::ReelCount;
        const bool lastReelLooking = id == DrawEngine::ReelCount && engine.ReelStopped(7);
        clock.start();
        engine.OnTimer(id);
        const double ms = clock.nsecsElapsed() / 1e6;
        if (beginsPick) {
            pending = ms;
        } else if (id == DrawEngine::NextPickTimer && pending >= 0) {
            costs.picks.push_back(pending + ms);
            pending = -1;
        } else if (reelTick && lastReelLooking && engine.WinnerRevealed()) {
            costs.stores.push_back(ms);
        } else if (reelTick) {
            costs.ticks.push_back(ms);
        }
    }
    return stop;
}
