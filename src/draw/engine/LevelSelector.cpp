// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/LevelSelector.h"

#include "draw/engine/DrawHost.h"
#include "draw/engine/DrawTexts.h"

#include <optional>
#include <utility>

using enum DrawTexts::Text;

LevelSelector::LevelSelector(DrawHost& host, CAdoDatabase& database)
    : m_host(host), m_prizes(database)
{
    m_roundSizes.fill(PrizeStore::DefaultRoundSize);
}

void LevelSelector::LoadPrizeNames()
{
    PrizeStore::RoundSizes sizes;
    if (std::optional<PrizeStore::PrizeNames> names = m_prizes.Names(&sizes)) {
        m_prizeNames = std::move(*names);
        m_roundSizes = sizes;
    }
}

void LevelSelector::ChangeLevel(int delta)
{
    Change(m_level, m_level + delta, MaxValue, DrawTexts::LevelName());
}

void LevelSelector::ChangeQuota(int delta)
{
    int changed = m_quota + delta;
    int maximum = MaxValue;
    if (changed > MaxValue) {
        // Past 8 the quota takes the level's round size only, as the prize settings left it.
        LoadPrizeNames();
        maximum = RoundSize(m_level); // 8 at least
        changed = delta < 0 ? MaxValue : (m_quota < maximum ? maximum : m_quota + 1);
    }
    Change(m_quota, changed, maximum, DrawTexts::QuotaName());
}

void LevelSelector::Change(int& value, int changed, int maximum, const QString& skinName)
{
    if (changed > maximum) {
        m_host.ShowSysInfo(maximum > MaxValue ? DrawTexts::MaximumQuota(maximum)
                                              : DrawTexts::Load(Maximum));
        return;
    }
    if (changed < 1) {
        m_host.ShowSysInfo(DrawTexts::Load(Minimum));
        return;
    }
    value = changed;
    m_host.SetSkinText(skinName, QString::number(value));
}

void LevelSelector::FollowRoundSize()
{
    if (m_quota > MaxValue && m_quota != RoundSize(m_level)) {
        m_quota = RoundSize(m_level);
        m_host.SetSkinText(DrawTexts::QuotaName(), QString::number(m_quota));
    }
}
