// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ChangeStamp.h"
#include "data/PersonStore.h"
#include "data/WinnerStore.h"
#include "draw/engine/PoolDigest.h"

#include <QList>
#include <QtGlobal>

#include <optional>

class CAdoDatabase;

// The participants who have not won yet, kept in memory between picks: reading them is the
// costliest statement of the draw (0.1 to 0.3 s at 100,000). The pool is read once and then kept
// current: the changes this connection's stores journal (PoolJournal) are applied to it, and the
// change token (ChangeStamp) tells when another connection changed the data, which has the next
// Update read the pool again. Wins stored by other stations are the exception: a few of them
// leave the pool as it is, and the pick that meets such a winner drops the entry (ConfirmAt).
//
// Entries are whole participant rows in the order the database returns them (the half-range
// rule works on that order), so that a chosen participant's row goes to the screen without
// being read again; Revision tells whether that row may have changed since it was taken.
class CandidatePool
{
public:
    // Participants added since the pool was read beyond which it is read again.
    static constexpr int MaxJournalledAdditions = 500;
    // Wins stored by other stations since the pool was read beyond which it is read again.
    static constexpr int MaxOtherWins = 500;

    explicit CandidatePool(CAdoDatabase& database);

    // Brings the pool up to date, from the journal when it can and by reading it otherwise;
    // false when it is empty afterwards or the read failed (see ReadFailed).
    bool Update();
    // Update for an idle moment: does nothing when the data did not change since the pool was
    // last current, or since a read failed here (that read's box was shown; the next Update
    // tries again). True when the data had changed (the pool was brought up to date).
    bool Refresh();
    // Takes in what this connection's stores have journalled since the pool was current (the
    // win just stored), without reading; true when the pool is current afterwards. When it is
    // not, the next Update reads it again.
    bool CatchUp();

    // The last read failed; the database layer has shown its box.
    bool ReadFailed() const { return m_readFailed; }
    const QList<PersonRow>& Entries() const { return m_entries; }
    qsizetype Size() const { return m_entries.size(); }
    const PersonRow& At(qsizetype index) const { return m_entries.at(index); }
    // Whether the participant of entry index may still win, asked of the database: true unless
    // they have won since the pool was read (at another station), in which case the entry is
    // dropped. A failed question counts as not won: the insert of the win is the final word.
    bool ConfirmAt(qsizetype index);
    // Counts the reads and the journalled changes of participants. While the pool is current
    // at the same revision, a row taken from it is still what the database holds: nothing but
    // wins has changed since.
    quint64 Revision() const { return m_revision; }
    // The order-independent digest of the entries' participant numbers (PoolDigest), kept up to
    // date with every change of the pool; the draw log names the pool of each pick with it.
    QString Digest() const { return m_digest.Hex(); }

private:
    // Whether the pool current at m_token can be brought to token (change count count) without
    // reading: other connections changed nothing or only stored a few wins, and the stores
    // journalled every change of this connection (applied here).
    bool CatchUp(const ChangeStamp& token, quint64 count);
    // Brings the pool from change count from to count to with the stores' journal; false when
    // the journal does not hold every change in between.
    bool ApplyJournal(quint64 from, quint64 to);
    // Takes an entry that leaves the pool out of the digest; true, for use in removeIf.
    bool Drop(const PersonRow& candidate);

    CAdoDatabase& m_database;
    WinnerStore m_winners;
    QList<PersonRow> m_entries;
    PoolDigest m_digest;
    // The database's change token when the pool was last current: while it holds, the pool is
    // not read again.
    std::optional<ChangeStamp> m_token;
    quint64 m_count = 0; // the connection's change count at that moment
    bool m_readFailed = false;
    std::optional<ChangeStamp> m_refreshFailedToken; // where Refresh last failed
    quint64 m_revision = 0;
};
