// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/engine/DrawHost.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <vector>

class DrawEngine;

// A draw host that records what the engine shows and runs its timers on a virtual clock: a whole
// round takes milliseconds. Timers behave like window timers (periodic until stopped; starting a
// running id restarts it). Timer 17 is the host's own, as in the real window.
class FakeDrawHost final : public DrawHost
{
public:
    struct Cell
    {
        QString text = QStringLiteral("0");
        QColor colour;
    };
    struct TimerCall
    {
        long long at;
        int id;
        int interval; // -1 for a stop
    };

    struct RoundShown
    {
        QString prize;
        int level = 0;
        QList<PersonRow> winners;
    };

    void Attach(DrawEngine* engine) { m_engine = engine; }

    void SetSkinText(const QString& name, const QString& text) override;
    void EnableSkinButton(const QString& name, bool enable) override;
    void ShowSysInfo(const QString& text) override;
    void SetReelText(int position, const QString& text, const QColor& colour) override;
    void ClearWinnersList() override { winnersList.clear(); }
    void AppendWinner(const QString& id, const QString& name) override;
    void ShowRoundWinners(const QString& prizeName, int level,
                          const QList<PersonRow>& winners) override
    {
        roundWinners.append({prizeName, level, winners});
    }
    void ShowMessageBox(const QString& text) override { ShowDetailedMessageBox(text, QString()); }
    void ShowDetailedMessageBox(const QString& text, const QString& detail) override
    {
        boxes << text;
        boxDetails << detail;
        if (onBox) {
            onBox(text); // what a box's event loop may deliver meanwhile
        }
    }
    void StartTimer(int id, int intervalMs) override;
    void StopTimer(int id) override;
    void PlayDrawingSound() override { ++drawingSounds; }
    void RestartBackgroundMusic() override { ++musicRestarts; }

    long long Now() const { return m_now; }
    bool IsTimerRunning(int id) const { return m_timers.count(id) != 0; }
    // Runs every timer that falls due within ms, in order of expiry.
    void Advance(long long ms);
    // Runs timers until done() holds or limitMs have passed; the final value of done().
    bool RunUntil(const std::function<bool()>& done, long long limitMs);

    QString Text(const QString& name) const { return texts.value(name); }
    // Text of the reels, one character a cell, "_" for an empty cell.
    QString ReelLine() const;

    QHash<QString, QString> texts;
    QHash<QString, bool> buttons;
    QStringList buttonLog; // "NAME=0/1"
    QStringList sysInfos;
    QStringList boxes;
    QStringList boxDetails; // one a box, empty for a box without detail
    std::array<Cell, 8> reels;
    QList<QPair<QString, QString>> winnersList;
    QList<RoundShown> roundWinners; // every big round shown
    int drawingSounds = 0;
    int musicRestarts = 0;
    std::vector<TimerCall> timerCalls;
    // Called after every SetSkinText (to look at the database at that moment).
    std::function<void(const QString& name, const QString& text)> onSkinText;
    // Called while a message box is shown.
    std::function<void(const QString& text)> onBox;

private:
    struct Timer
    {
        int interval;
        long long due;
    };
    bool Step(long long limit);

    DrawEngine* m_engine = nullptr;
    std::map<int, Timer> m_timers;
    long long m_now = 0;
};
