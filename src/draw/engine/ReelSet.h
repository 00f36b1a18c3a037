// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/engine/ReelStrip.h"

#include <QColor>
#include <QString>

#include <array>
#include <functional>

class DrawHost;
class RandomSource;

// The eight reels of the draw: where each stands, which have stopped, and what each stops on.
// Reel i runs on the host's timer i. Once armed with the winner's number, reel 1 looks for its
// character, and each further reel looks for its own once the reel before it has stopped; a
// looking reel slows down tick by tick at the slow prize levels. A character the reels do not
// carry stops its reel at once, and a reel past the number's end turns empty without looking.
class ReelSet
{
public:
    static constexpr int Count = ReelStrip::ReelCount;

    static QColor RollingColour() { return QColor(0, 50, 0); }

    explicit ReelSet(DrawHost& host);

    int Position(int reel) const // reel 1..8
    {
        return reel >= 1 && reel <= Count ? m_positions[reel - 1] : -1;
    }
    bool Stopped(int reel) const { return reel >= 1 && reel <= Count && m_stopped[reel - 1]; }
    bool OneArmed() const { return m_oneArmed; }
    int SlowDownCounter() const { return m_slowDownCounter; }

    // Positions advance without wrapping; every timer message of the host wraps them first.
    void WrapPositions();
    // A pick begins: every reel starts on a random character and rolls; none is armed.
    void Roll(RandomSource& random);
    // The winner's number: reel 1 may look for its character.
    void Arm(const QString& id);
    void Disarm() { m_oneArmed = false; }
    // One tick of reel 1..8 (a stopped reel's late tick does nothing). When the last reel
    // stops, lastStopped(stoppedByMatch) runs; when it returns false the reels stay as it left
    // them.
    void Tick(int reel, bool slowDown, const std::function<bool(bool stoppedByMatch)>& lastStopped);
    // The winner's number on every reel in colour (empty past its end).
    void ShowTarget(const QColor& colour);
    // Empties every reel, so that no number looks like a winner's.
    void Clear();

private:
    DrawHost& m_host;
    std::array<int, Count> m_positions;
    std::array<bool, Count> m_stopped{};
    std::array<QString, Count> m_cells; // what each reel stops on; empty past the end
    bool m_oneArmed = false;
    int m_slowDownCounter = 0;
};
