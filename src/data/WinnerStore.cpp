// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/WinnerStore.h"

#include "data/CAdoDatabase.h"
#include "data/DatabaseTransaction.h"
#include "data/PreparedStatement.h"
#include "data/SqlStatements.h"

#include <QHash>
#include <QSet>

std::optional<QList<PersonRow>> WinnerStore::CandidatePool()
{
    // Winners first: a win stored between the two reads leaves its participant in the pool,
    // where the pick's already-won test drops it, rather than a participant out of it.
    const std::optional<QSet<QString>> winners = WinnerKeys();
    if (!winners) {
        return std::nullopt;
    }
    const QSet<QString>& won = *winners;
    QList<PersonRow> pool;
    const bool read = m_database.ReadRows(
        QLatin1String(SqlStatements::SelectPoolPersons), 3, [&](const QString* row) {
            if (won.isEmpty() || !won.contains(PersonRow::IdKey(row[0]))) {
                pool.append({row[0], row[1], row[2]});
            }
        });
    if (!read) {
        return std::nullopt;
    }
    return pool;
}

std::optional<QSet<QString>> WinnerStore::WinnerKeys()
{
    QSet<QString> won;
    if (!m_database.ReadRows(
            QLatin1String(SqlStatements::SelectWinnerIds), 1,
            [&won](const QString* row) { won.insert(PersonRow::IdKey(row[0])); })) {
        return std::nullopt;
    }
    return won;
}

bool WinnerStore::HasWon(const QString& personId)
{
    return m_database.OpenQuery(QLatin1String(SqlStatements::SelectWinById), {personId}) &&
           !m_database.IsEOF();
}

bool WinnerStore::InsertWinner(const ComePrizeRow& win, WinRefusal* refusal)
{
    // The layer's own boxes would come before the caller's: the layer stays quiet, and its
    // words go into the refusal.
    const CAdoDatabase::QuietFailures quiet(m_database);
    const auto refuse = [&](WinRefusal::Cause cause, const QString& detail) {
        if (refusal) {
            *refusal = {cause, detail};
        }
        return false;
    };
    // A win stored into a file that is no longer at its path would be lost with it.
    if (!m_database.CheckFileInPlace()) {
        return refuse(WinRefusal::Cause::FileGone, m_database.LastError());
    }
    const QVariant id = CAdoDatabase::TextValue(win.PersonID);
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::InsertWinner),
                              {id, CAdoDatabase::TextValue(win.sDateTime), win.step, win.sNo,
                               CAdoDatabase::TextValue(win.JP), id, id})) {
        const QString detail = m_database.LastError();
        // Asked rather than read from the driver's words, which differ by engine: a stored
        // win means the database refused a second one.
        return refuse(HasWon(win.PersonID) ? WinRefusal::Cause::AlreadyWon
                                           : WinRefusal::Cause::Failed,
                      detail);
    }
    m_database.Journal().Record(m_database.ChangeCount(), PoolJournal::Kind::WinAdded,
                                {win.PersonID, QString(), QString()});
    return true;
}

bool WinnerStore::InsertRound(const QList<ComePrizeRow>& wins, QList<PersonRow>* stored,
                              WinRefusal* refusal, QString* refusedId)
{
    const CAdoDatabase::QuietFailures quiet(m_database);
    const auto refuse = [&](WinRefusal::Cause cause, const QString& id, const QString& detail) {
        if (refusal) {
            *refusal = {cause, detail};
        }
        if (refusedId) {
            *refusedId = id;
        }
        return false;
    };
    if (wins.isEmpty()) {
        return true;
    }
    if (!m_database.CheckFileInPlace()) {
        return refuse(WinRefusal::Cause::FileGone, QString(), m_database.LastError());
    }
    QHash<QString, PersonRow> kept; // by IdKey, as the round stored them
    {
        DatabaseTransaction transaction(m_database);
        if (!transaction.IsActive()) {
            return refuse(WinRefusal::Cause::Failed, QString(), m_database.LastError());
        }
        // One statement prepared once and run for each win: at a thousand wins a round trip
        // per win is what the round costs.
        PreparedStatement insert(m_database, QLatin1String(SqlStatements::InsertWinner));
        for (const ComePrizeRow& win : wins) {
            const QVariant id = CAdoDatabase::TextValue(win.PersonID);
            if (!insert.Run({id, CAdoDatabase::TextValue(win.sDateTime), win.step, win.sNo,
                             CAdoDatabase::TextValue(win.JP), id, id})) {
                const QString detail = m_database.LastError();
                transaction.Rollback();
                // Refused on the unique index when the participant won meanwhile elsewhere.
                return refuse(HasWon(win.PersonID) ? WinRefusal::Cause::AlreadyWon
                                                   : WinRefusal::Cause::Failed,
                              win.PersonID, detail);
            }
        }
        // The names as stored, read before the commit so that a failed read stores nothing.
        const ComePrizeRow& first = wins.first();
        if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectRoundWins),
                                  {first.step, CAdoDatabase::TextValue(first.sDateTime)})) {
            return refuse(WinRefusal::Cause::Failed, QString(), m_database.LastError());
        }
        for (; !m_database.IsEOF(); m_database.MoveNext()) {
            const QString id = m_database.GetFieldText(QStringLiteral("PersonID"));
            kept.insert(PersonRow::IdKey(id),
                        {id, m_database.GetFieldText(QStringLiteral("PersonName")),
                         m_database.GetFieldText(QStringLiteral("Company"))});
        }
        if (!transaction.Commit()) {
            return refuse(WinRefusal::Cause::Failed, QString(), m_database.LastError());
        }
    }
    // Not journalled: the commit leaves a gap in the journal, so a kept candidate pool is read
    // again at the next round.
    if (stored) {
        stored->clear();
        stored->reserve(wins.size());
        for (const ComePrizeRow& win : wins) {
            stored->append(kept.value(PersonRow::IdKey(win.PersonID), {win.PersonID, {}, {}}));
        }
    }
    return true;
}

std::optional<QString> WinnerStore::WinnerName(const QString& personId)
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectWinnerName), {personId}) ||
        m_database.IsEOF()) {
        return std::nullopt;
    }
    return m_database.GetFieldText(QStringLiteral("PersonName"));
}

std::optional<QList<WinnerRecordRow>> WinnerStore::ReadRecords(const char* sql)
{
    if (!m_database.OpenQuery(QLatin1String(sql))) {
        return std::nullopt;
    }
    QList<WinnerRecordRow> rows;
    rows.reserve(m_database.GetRecordCount());
    for (; !m_database.IsEOF(); m_database.MoveNext()) {
        rows.append({m_database.GetFieldText(QStringLiteral("PersonID")),
                     m_database.GetFieldText(QStringLiteral("PersonName")),
                     m_database.GetFieldText(QStringLiteral("company")),
                     m_database.GetFieldText(QStringLiteral("sDateTime")),
                     m_database.GetFieldText(QStringLiteral("step")),
                     m_database.GetFieldText(QStringLiteral("sNo")),
                     m_database.GetFieldText(QStringLiteral("JP"))});
    }
    return rows;
}

std::optional<QList<WinnerRecordRow>> WinnerStore::Records()
{
    return ReadRecords(SqlStatements::SelectWinnersRecord);
}

std::optional<QList<WinnerRecordRow>> WinnerStore::ExportRows()
{
    return ReadRecords(SqlStatements::SelectWinnersForExport);
}

std::optional<int> WinnerStore::Count()
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::CountWinners)) || m_database.IsEOF()) {
        return std::nullopt;
    }
    return m_database.GetFieldText(QStringLiteral("num")).toInt();
}

bool WinnerStore::DeleteAll()
{
    if (m_database.Target().driver != DatabaseTarget::Driver::Sqlite) {
        return m_database.OpenQuery(QLatin1String(SqlStatements::DeleteAllWinners));
    }
    DatabaseTransaction transaction(m_database);
    if (!transaction.IsActive() ||
        !m_database.OpenQuery(QLatin1String(SqlStatements::DeleteAllWinners)) ||
        !m_database.OpenQuery(QLatin1String(SqlStatements::SelectWinnerIndexUnique))) {
        return false;
    }
    if (!m_database.IsEOF() && m_database.GetFieldText(QStringLiteral("isUnique")) == u"0" &&
        (!m_database.OpenQuery(QLatin1String(SqlStatements::DropWinnerIndex)) ||
         !m_database.OpenQuery(QLatin1String(SqlStatements::CreateUniqueWinnerIndex)))) {
        return false;
    }
    return transaction.Commit();
}
