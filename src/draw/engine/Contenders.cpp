// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/Contenders.h"

#include "data/PersonStore.h"
#include "draw/engine/CandidatePool.h"
#include "draw/engine/DrawTexts.h"

Contenders::Contenders(CAdoDatabase& database, CandidatePool& pool)
    : m_database(database), m_pool(pool), m_eligibility(database), m_takingPart(database)
{}

bool Contenders::LoadRules()
{
    std::optional<EligibilityStore::Rules> rules = m_eligibility.Read();
    m_rules = rules.value_or(m_rules);
    return rules.has_value();
}

bool Contenders::Update()
{
    if (m_pool.Update()) {
        m_takingPart.Update(); // a failed read has shown its box; what was read before stays
    }
    m_takingPart.Select(m_pool);
    return m_takingPart.Size() > 0;
}

EligibleView Contenders::Of(int level) const
{
    return EligibleView(m_pool, RuleInForce(level), m_takingPart.Admitted());
}

void Contenders::Reselect()
{
    m_takingPart.Select(m_pool);
}

QString Contenders::NobodyLeftText() const
{
    if (m_pool.Size() > 0) {
        return DrawTexts::NoneCheckedIn();
    }
    return PersonStore(m_database).Count().value_or(1) == 0
               ? DrawTexts::NoParticipants()
               : DrawTexts::Load(DrawTexts::Text::EveryoneWon);
}

QString Contenders::NobodyForLevelText(int level, const QString& prize) const
{
    if (m_pool.Size() == 0) {
        return DrawTexts::Load(DrawTexts::Text::EveryoneWon);
    }
    return m_takingPart.Size() == 0 ? DrawTexts::NoneCheckedIn()
                                    : DrawTexts::NobodyEligible(level, prize);
}
