// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/FakeDrawHost.h"

#include "draw/engine/DrawEngine.h"

void FakeDrawHost::SetSkinText(const QString& name, const QString& text)
{
    texts[name] = text;
    if (onSkinText) {
        onSkinText(name, text);
    }
}

void FakeDrawHost::EnableSkinButton(const QString& name, bool enable)
{
    buttons[name] = enable;
    buttonLog << name + (enable ? QStringLiteral("=1") : QStringLiteral("=0"));
}

void FakeDrawHost::ShowSysInfo(const QString& text)
{
    texts[QStringLiteral("ID_SYSINFO")] = text;
    sysInfos << text;
    StartTimer(DrawEngine::SysInfoTimer, 1000);
}

void FakeDrawHost::SetReelText(int position, const QString& text, const QColor& colour)
{
    if (position >= 1 && position <= 8) {
        reels[position - 1] = {text, colour};
    }
}

void FakeDrawHost::AppendWinner(const QString& id, const QString& name)
{
    winnersList.append({id, name});
}

void FakeDrawHost::StartTimer(int id, int intervalMs)
{
    m_timers[id] = {intervalMs, m_now + intervalMs};
    timerCalls.push_back({m_now, id, intervalMs});
}

void FakeDrawHost::StopTimer(int id)
{
    m_timers.erase(id);
    timerCalls.push_back({m_now, id, -1});
}

bool FakeDrawHost::Step(long long limit)
{
    auto next = m_timers.end();
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (next == m_timers.end() || it->second.due < next->second.due) {
            next = it;
        }
    }
    if (next == m_timers.end() || next->second.due > limit) {
        return false;
    }
    const int id = next->first;
    m_now = next->second.due;
    next->second.due += next->second.interval;
    if (id == DrawEngine::SysInfoTimer) {
        StopTimer(id);
        texts[QStringLiteral("ID_SYSINFO")] = QString();
    }
    if (m_engine) {
        m_engine->OnTimer(id);
    }
    return true;
}

void FakeDrawHost::Advance(long long ms)
{
    const long long end = m_now + ms;
    while (Step(end)) {
    }
    m_now = end;
}

bool FakeDrawHost::RunUntil(const std::function<bool()>& done, long long limitMs)
{
    const long long end = m_now + limitMs;
    while (!done()) {
        if (!Step(end)) {
            m_now = end;
            return done();
        }
    }
    return true;
}

QString FakeDrawHost::ReelLine() const
{
    QString line;
    for (const Cell& cell : reels) {
        line += cell.text.isEmpty() ? QStringLiteral("_") : cell.text;
    }
    return line;
}
