// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/PrizeStore.h"

#include "data/CAdoDatabase.h"
#include "data/SqlStatements.h"

#include <algorithm>

std::optional<PrizeStore::PrizeNames> PrizeStore::Names(RoundSizes* sizes)
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectPrizeNames)) ||
        m_database.IsEOF()) {
        return std::nullopt;
    }
    PrizeNames names;
    for (int level = 1; level <= Levels; ++level) {
        names[level - 1] = m_database.GetFieldText(QStringLiteral("step%1").arg(level));
        if (sizes) {
            bool number = false;
            const int size =
                m_database.GetFieldText(QStringLiteral("roundSize%1").arg(level)).toInt(&number);
            (*sizes)[level - 1] = number ? BoundedRoundSize(size) : DefaultRoundSize;
        }
    }
    return names;
}

bool PrizeStore::UpdateNames(const PrizeNames& names)
{
    QVariantList values;
    for (const QString& name : names) {
        values << CAdoDatabase::TextValue(name);
    }
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectPrizeNames))) {
        return false;
    }
    return m_database.OpenQuery(QLatin1String(m_database.IsEOF() ? SqlStatements::InsertPrizeNames
                                                                 : SqlStatements::UpdatePrizeNames),
                                values);
}

int PrizeStore::BoundedRoundSize(int size)
{
    return std::clamp(size, DefaultRoundSize, MaxRoundSize);
}

std::optional<PrizeStore::RoundSizes> PrizeStore::ReadRoundSizes()
{
    RoundSizes sizes;
    if (!Names(&sizes)) {
        return std::nullopt;
    }
    return sizes;
}

bool PrizeStore::UpdateRoundSizes(const RoundSizes& sizes)
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectPrizeNames))) {
        return false;
    }
    if (m_database.IsEOF() && !m_database.OpenQuery(QLatin1String(SqlStatements::InsertPrizeRow))) {
        return false;
    }
    QVariantList values;
    for (const int size : sizes) {
        values << BoundedRoundSize(size);
    }
    return m_database.OpenQuery(QLatin1String(SqlStatements::UpdateRoundSizes), values);
}
