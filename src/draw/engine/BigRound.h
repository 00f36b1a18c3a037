// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/EligibilityRule.h"
#include "data/PersonStore.h"
#include "data/WinnerStore.h"

#include <QList>
#include <QPair>
#include <QSet>
#include <QString>

#include <vector>

class CAdoDatabase;
class CandidatePool;
class DrawHost;
class RandomSource;

// A round of more than eight winners, drawn at once when the operator stops the reels: every
// winner is chosen from the candidate pool, uniformly and without repetition, and all of them
// are stored in one transaction before anything is shown, so that a failure or a kill leaves
// all or none of the round stored.
//
// The choice is the sequence of single picks the round stands for: each pick takes one entry of
// what is left of the pool, every entry equally likely, and with the half-range rule on every
// second pick (counted across rounds, as the single picks count) takes only from the first half
// of what is left when more than 4 are left. An entry whose participant has won meanwhile (at
// another station) is dropped and the pick made again, as a single pick does. When another
// station stores one of the chosen winners before the round is stored, the database refuses the
// round; the winners are then read again and the whole round chosen anew, a few times at most.
class BigRound
{
public:
    // Choices made before the round gives up on the stations that keep winning its winners.
    static constexpr int MaxAttempts = 3;

    enum class Outcome
    {
        Stored,
        TooFew,  // the pool holds fewer participants without a win than the round draws
        Refused, // the database refused the round (see Refusal); nothing is stored
    };

    explicit BigRound(CAdoDatabase& database) : m_database(database), m_store(database) {}

    // Draws and stores count winners of round (its time, level and prize; the places are set
    // here, 1..count, or from places). halfRangeToggle is the engine's, flipped once for each
    // pick made. Only entries rule admits, and when checkedIn is given only those it holds, are
    // chosen. places: the place (sNo) and the voided win (VoidID) each winner fills, in order.
    Outcome Draw(CandidatePool& pool, const EligibilityRule& rule, const QSet<QString>* checkedIn,
                 RandomSource& random, const ComePrizeRow& round, int count, bool halfRangeRule,
                 bool& halfRangeToggle, const QList<QPair<int, qint64>>& places = {});

    // The stored winners in place order, as stored (number upper-cased, name and remark of the
    // moment); empty unless the last Draw stored them.
    const QList<PersonRow>& Winners() const { return m_winners; }
    // The stored wins, as Winners (time, level, place and voided win of each).
    const QList<ComePrizeRow>& Wins() const { return m_wins; }
    const WinRefusal& Refusal() const { return m_refusal; }
    // The participant whose win the database refused, or the first chosen when none was named.
    const QString& RefusedId() const { return m_refusedId; }

    // Tells the operator in one box why the round of count winners stored nothing (outcome is
    // TooFew or Refused).
    void TellFailure(DrawHost& host, Outcome outcome, int count) const;

    // Shows the stored round on host: the small winners list tells how many won, the winner
    // lines list the first eight places, and the host's round view gets every winner. Returns
    // the line under the reels (the first winner's name). replacement: the lines say that the
    // winners fill voided places.
    QString Show(DrawHost& host, const QString& prize, int level, bool replacement = false) const;

    // Chooses count entries of entries as the picks above do; entries whose IdKey is in won are
    // dropped when met. Indices into entries in order of choice; fewer than count when the pool
    // ran out.
    static std::vector<int> Choose(const QList<PersonRow>& entries, const QSet<QString>& won,
                                   RandomSource& random, int count, bool halfRangeRule,
                                   bool& halfRangeToggle,
                                   std::vector<std::pair<int, int>>* ranges = nullptr);

private:
    CAdoDatabase& m_database;
    WinnerStore m_store;
    QList<PersonRow> m_winners;
    QList<ComePrizeRow> m_wins;
    WinRefusal m_refusal;
    QString m_refusedId;
};
