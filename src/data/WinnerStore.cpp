// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/WinnerStore.h"

#include "data/CAdoDatabase.h"
#include "data/DatabaseTransaction.h"
#include "data/SqlStatements.h"

#include <QSet>

std::optional<QList<PersonRow>> WinnerStore::CandidatePool()
{
    // Winners first: a win stored between the two reads leaves its participant in the pool,
    // where the pick's already-won test drops it, rather than a participant out of it.
    QSet<QString> won;
    if (!m_database.ReadRows(
            QLatin1String(SqlStatements::SelectWinnerIds), 1,
            [&won](const QString* row) { won.insert(PersonRow::IdKey(row[0])); })) {
        return std::nullopt;
    }
    QList<PersonRow> pool;
    const bool read = m_database.ReadRows(
        QLatin1String(SqlStatements::SelectPoolPersons), 4, [&](const QString* row) {
            if (won.isEmpty() || !won.contains(PersonRow::IdKey(row[0]))) {
                pool.append({row[0], row[1], row[2], row[3]});
            }
        });
    if (!read) {
        return std::nullopt;
    }
    return pool;
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
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::InsertWinnerInGroup),
                              {id, CAdoDatabase::TextValue(win.sDateTime), win.step, win.sNo,
                               CAdoDatabase::TextValue(win.JP), id, id, id})) {
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
                     m_database.GetFieldText(QStringLiteral("JP")),
                     m_database.GetFieldText(QStringLiteral("PersonGroup"))});
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
