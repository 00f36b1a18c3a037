// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/EligibilityStore.h"

#include "data/CAdoDatabase.h"
#include "data/DatabaseTransaction.h"
#include "data/SqlStatements.h"

#include <QVariant>

std::optional<EligibilityStore::Rules> EligibilityStore::Read()
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectLevelGroups))) {
        return std::nullopt;
    }
    std::array<int, Levels> modes{};
    std::array<QStringList, Levels> groups;
    for (; !m_database.IsEOF(); m_database.MoveNext()) {
        const int level = m_database.GetFieldText(QStringLiteral("step")).toInt();
        if (level < 1 || level > Levels) {
            continue;
        }
        modes[level - 1] = m_database.GetFieldText(QStringLiteral("mode")).toInt();
        groups[level - 1] << m_database.GetFieldText(QStringLiteral("PersonGroup"));
    }
    Rules rules;
    for (int i = 0; i < Levels; ++i) {
        rules[i] = EligibilityRule(EligibilityRule::ModeFromNumber(modes[i]), groups[i]);
    }
    return rules;
}

namespace {

// Journals a statement or commit of the rules: the draw's kept pool steps over it instead of
// being read again.
bool PoolUntouched(CAdoDatabase& database, bool done)
{
    if (done) {
        database.Journal().Record(database.ChangeCount(), PoolJournal::Kind::NothingForPool, {});
    }
    return done;
}

} // namespace

bool EligibilityStore::Write(const Rules& rules)
{
    DatabaseTransaction transaction(m_database);
    if (!transaction.IsActive() ||
        !PoolUntouched(m_database,
                       m_database.OpenQuery(QLatin1String(SqlStatements::DeleteLevelGroups)))) {
        return false;
    }
    const QString insert = QLatin1String(SqlStatements::InsertLevelGroup);
    for (int level = 1; level <= Levels; ++level) {
        const EligibilityRule& rule = rules[level - 1];
        if (rule.AdmitsEveryone()) {
            continue;
        }
        const int mode = int(rule.GetMode());
        // A rule naming no group keeps its mode in a row without a group.
        QVariantList groups;
        for (const QString& group : rule.Groups()) {
            groups << CAdoDatabase::TextValue(group);
        }
        if (groups.isEmpty()) {
            groups << QVariant(QMetaType(QMetaType::QString));
        }
        for (const QVariant& group : groups) {
            if (!PoolUntouched(m_database, m_database.OpenQuery(insert, {level, mode, group}))) {
                return false;
            }
        }
    }
    return PoolUntouched(m_database, transaction.Commit());
}

std::optional<EligibilityStore::Counts> EligibilityStore::CandidateCounts()
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectGroupCandidateCounts))) {
        return std::nullopt;
    }
    Counts counts;
    for (; !m_database.IsEOF(); m_database.MoveNext()) {
        const qsizetype n = m_database.GetFieldText(QStringLiteral("num")).toLongLong();
        counts.perGroup[m_database.GetFieldText(QStringLiteral("PersonGroup"))] += n;
        counts.total += n;
    }
    return counts;
}
