// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

class CAdoDatabase;

// The eight prize names and round sizes, kept in the one row of table JP (sNo 555). A failed
// statement has already shown the layer's "Error: %s" box; callers add their own text.
class PrizeStore
{
public:
    static constexpr int Levels = 8;
    // step1 .. step8: the names of the first to the eighth prize.
    using PrizeNames = std::array<QString, Levels>;
    // roundSize1 .. roundSize8: how many winners one round of each level may draw.
    using RoundSizes = std::array<int, Levels>;
    static constexpr int DefaultRoundSize = 8;
    static constexpr int MaxRoundSize = 1000;

    explicit PrizeStore(CAdoDatabase& database) : m_database(database) {}

    // nullopt when the query failed or the row is missing. sizes: also the round sizes of the
    // same row (see ReadRoundSizes), left alone when there is none.
    std::optional<PrizeNames> Names(RoundSizes* sizes = nullptr);
    // Writes the eight names; a missing row is made with them, so the names are never dropped
    // unsaid. False when a statement failed.
    bool UpdateNames(const PrizeNames& names);
    // Each within DefaultRoundSize..MaxRoundSize whatever the row holds (another program, or a
    // hand, may have written it); nullopt when the query failed or the row is missing.
    std::optional<RoundSizes> ReadRoundSizes();
    // Writes the eight sizes, each brought within DefaultRoundSize..MaxRoundSize, into the row
    // (made, without names, when missing); false when a statement failed.
    bool UpdateRoundSizes(const RoundSizes& sizes);
    static int BoundedRoundSize(int size);

private:
    CAdoDatabase& m_database;
};
