// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/EligibilityRule.h"

#include <QHash>
#include <QString>

#include <array>
#include <optional>

class CAdoDatabase;

// The eligibility rule of each prize level, kept in table LevelGroup where every station reads
// it, and the counts the prize settings show. A failed statement has already shown the layer's
// "Error: %s" box; callers add their own text.
class EligibilityStore
{
public:
    static constexpr int Levels = 8;
    // Levels 1..8 at 0..7.
    using Rules = std::array<EligibilityRule, Levels>;

    explicit EligibilityStore(CAdoDatabase& database) : m_database(database) {}

    // nullopt when the query failed. Rows of levels outside 1..8 are ignored.
    std::optional<Rules> Read();
    // Replaces every level's rule, in one transaction; false when a statement failed.
    bool Write(const Rules& rules);

    // Participants without a win per group (those without a group under ""), and their total.
    struct Counts
    {
        QHash<QString, qsizetype> perGroup;
        qsizetype total = 0;
    };
    std::optional<Counts> CandidateCounts();

private:
    CAdoDatabase& m_database;
};
