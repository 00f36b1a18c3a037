// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/ReelSet.h"

#include "draw/engine/DrawEngine.h"
#include "draw/engine/DrawHost.h"
#include "draw/engine/RandomSource.h"

ReelSet::ReelSet(DrawHost& host) : m_host(host)
{
    m_positions.fill(-1);
}

void ReelSet::WrapPositions()
{
    for (int& position : m_positions) {
        if (position < 0 || position >= ReelStrip::Size) {
            position = 0;
        }
    }
}

void ReelSet::Roll(RandomSource& random)
{
    for (int& position : m_positions) {
        position = DrawEngine::RandomInRange(random, 0, ReelStrip::Size);
    }
    for (int reel = 1; reel <= Count; ++reel) {
        m_host.StartTimer(reel, ReelStrip::IntervalMs);
    }
    m_oneArmed = false;
    m_stopped.fill(false);
}

void ReelSet::Arm(const QString& id)
{
    for (int reel = 1; reel <= Count; ++reel) {
        m_cells[reel - 1] = ReelStrip::Cell(id, reel);
    }
    m_oneArmed = true;
}

void ReelSet::Tick(int reel, bool slowDown,
                   const std::function<bool(bool stoppedByMatch)>& lastStopped)
{
    const int i = reel - 1;
    if (m_stopped[i]) {
        return; // a late tick must not set a stopped reel rolling again
    }
    QString shown(ReelStrip::At(m_positions[i]));
    const bool looking = reel == 1 ? m_oneArmed : m_stopped[i - 1];
    if (looking) {
        const QString& target = m_cells[i];
        if (target.isEmpty()) {
            // The ID is shorter than this reel: it turns empty without searching.
            m_stopped[i] = true;
            m_slowDownCounter = 0;
            m_host.StopTimer(reel);
            m_host.SetReelText(reel, QString(), RollingColour());
            if (reel == Count) {
                lastStopped(false);
            }
            return;
        }
        m_host.StartTimer(reel, ReelStrip::LookingIntervalMs(reel, m_slowDownCounter));
        // A character the reel does not carry (punctuation, a Chinese character) would never
        // come round: the reel stops on it at once, so every round finishes.
        if (target == shown || !ReelStrip::Carries(target)) {
            shown = target;
            m_stopped[i] = true;
            m_slowDownCounter = 0;
            m_host.StopTimer(reel);
            if (reel < Count) {
                m_host.PlayDrawingSound();
            } else if (!lastStopped(true)) {
                return; // refused: the reels stay cleared
            }
        }
        m_slowDownCounter = slowDown ? m_slowDownCounter + 1 : 0;
    }
    m_host.SetReelText(reel, shown, RollingColour());
    ++m_positions[i];
}

void ReelSet::ShowTarget(const QColor& colour)
{
    for (int reel = 1; reel <= Count; ++reel) {
        m_host.SetReelText(reel, m_cells[reel - 1], colour);
    }
}

void ReelSet::Clear()
{
    for (int reel = 1; reel <= Count; ++reel) {
        m_host.SetReelText(reel, QString(), RollingColour());
    }
}
