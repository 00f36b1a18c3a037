// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/WinnerStore.h"

#include "data/CAdoDatabase.h"
#include "data/DatabaseTransaction.h"
#include "data/DrawLog.h"
#include "data/PreparedStatement.h"
#include "data/SqlStatements.h"
#include "platform/core/MessageService.h"

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
    return m_database.OpenQuery(QLatin1String(SqlStatements::SelectOutOfPoolById),
                                {personId, personId}) &&
           !m_database.IsEOF();
}

bool WinnerStore::IsStored(const QString& personId)
{
    return m_database.OpenQuery(QLatin1String(SqlStatements::SelectWinById), {personId}) &&
           !m_database.IsEOF();
}

std::optional<bool> WinnerStore::FillPlace(const ComePrizeRow& win)
{
    if (win.replaces == 0) {
        return true;
    }
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::MarkReplaced),
                              {CAdoDatabase::TextValue(win.PersonID),
                               CAdoDatabase::TextValue(win.sDateTime), win.replaces, win.step}) ||
        !m_database.OpenQuery(QLatin1String(SqlStatements::SelectReplacement), {win.replaces})) {
        return std::nullopt;
    }
    // Taken by this win only when the place now names it (another station's replacement, an
    // undo of the void, or a place of another level leaves it otherwise).
    return !m_database.IsEOF() &&
           PersonRow::IdKey(m_database.GetFieldText(QStringLiteral("ReplacedBy"))) ==
               PersonRow::IdKey(win.PersonID) &&
           m_database.GetFieldText(QStringLiteral("ReplacedTime")) == win.sDateTime;
}

bool WinnerStore::InsertWinner(const ComePrizeRow& win, WinRefusal* refusal, const PickPool& pool)
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
    const quint64 before = m_database.ChangeCount();
    DatabaseTransaction transaction(m_database);
    if (!transaction.IsActive()) {
        return refuse(WinRefusal::Cause::Failed, m_database.LastError());
    }
    // A replacement takes the log's head first, as voids and their undos do, so that they
    // wait for each other in one order.
    DrawLog log(m_database);
    if (win.replaces != 0 && !log.Lock()) {
        return refuse(WinRefusal::Cause::Failed, log.Error());
    }
    const QVariant id = CAdoDatabase::TextValue(win.PersonID);
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::InsertWinnerInGroup),
                              {id, CAdoDatabase::TextValue(win.sDateTime), win.step, win.sNo,
                               CAdoDatabase::TextValue(win.JP), id, id, id})) {
        const QString detail = m_database.LastError();
        // Asked rather than read from the driver's words, which differ by engine: a stored
        // win means the database refused a second one.
        return refuse(IsStored(win.PersonID) ? WinRefusal::Cause::AlreadyWon
                                             : WinRefusal::Cause::Failed,
                      detail);
    }
    if (const std::optional<bool> filled = FillPlace(win); !filled || !*filled) {
        return refuse(filled ? WinRefusal::Cause::PlaceTaken : WinRefusal::Cause::Failed,
                      filled ? QString() : m_database.LastError());
    }
    QString logError;
    if (!LogWin(win.PersonID, pool, &logError, win.replaces)) {
        return refuse(WinRefusal::Cause::Failed, logError);
    }
    if (!transaction.Commit()) {
        return refuse(WinRefusal::Cause::Failed, m_database.LastError());
    }
    // The win's statements and its commit are one change of the pool.
    m_database.Journal().Record(before, m_database.ChangeCount(), PoolJournal::Kind::WinAdded,
                                {win.PersonID, QString(), QString()});
    return true;
}

bool WinnerStore::InsertRound(const QList<ComePrizeRow>& wins, QList<PersonRow>* stored,
                              WinRefusal* refusal, QString* refusedId, const QList<PickPool>& pools)
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
        DrawLog log(m_database);
        QHash<QString, qint64> replaces; // by IdKey: the voided place each replacement fills
        for (const ComePrizeRow& win : wins) {
            if (win.replaces != 0) {
                replaces.insert(PersonRow::IdKey(win.PersonID), win.replaces);
            }
        }
        if (!replaces.isEmpty() && !log.Lock()) {
            return refuse(WinRefusal::Cause::Failed, QString(), log.Error());
        }
        {
            // One statement prepared once and run for each win: at a thousand wins a round
            // trip per win is what the round costs.
            PreparedStatement insert(m_database, QLatin1String(SqlStatements::InsertWinnerInGroup));
            for (const ComePrizeRow& win : wins) {
                const QVariant id = CAdoDatabase::TextValue(win.PersonID);
                if (!insert.Run({id, CAdoDatabase::TextValue(win.sDateTime), win.step, win.sNo,
                                 CAdoDatabase::TextValue(win.JP), id, id, id})) {
                    const QString detail = m_database.LastError();
                    transaction.Rollback();
                    // Refused on the unique index when the participant won meanwhile elsewhere.
                    return refuse(IsStored(win.PersonID) ? WinRefusal::Cause::AlreadyWon
                                                         : WinRefusal::Cause::Failed,
                                  win.PersonID, detail);
                }
            }
        }
        for (const ComePrizeRow& win : wins) {
            if (const std::optional<bool> filled = FillPlace(win); !filled || !*filled) {
                const QString detail = filled ? QString() : m_database.LastError();
                transaction.Rollback();
                return refuse(filled ? WinRefusal::Cause::PlaceTaken : WinRefusal::Cause::Failed,
                              win.PersonID, detail);
            }
        }
        // The names as stored, read before the commit so that a failed read stores nothing.
        const ComePrizeRow& first = wins.first();
        if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectRoundWins),
                                  {first.step, CAdoDatabase::TextValue(first.sDateTime)})) {
            return refuse(WinRefusal::Cause::Failed, QString(), m_database.LastError());
        }
        // Another station may have stored a round of the same level in the same second: only
        // this round's participants (each wins once) are taken.
        QSet<QString> ours;
        for (const ComePrizeRow& win : wins) {
            ours.insert(PersonRow::IdKey(win.PersonID));
        }
        QList<LoggedWin> logged;
        logged.reserve(wins.size());
        for (; !m_database.IsEOF(); m_database.MoveNext()) {
            const auto field = [this](const char* name) {
                return m_database.GetFieldText(QLatin1String(name));
            };
            if (!ours.contains(PersonRow::IdKey(field("PersonID")))) {
                continue;
            }
            logged.append({field("PersonID"), field("sDateTime"), field("step"), field("sNo"),
                           field("JP"), field("PersonName"), field("Company")});
            const LoggedWin& win = logged.constLast();
            kept.insert(PersonRow::IdKey(win.PersonID),
                        {win.PersonID, win.PersonName, win.Company});
        }
        // Every win's log entry, in place order, appended under one turn of the log's head.
        QList<QPair<QString, QJsonObject>> entries;
        entries.reserve(logged.size());
        for (qsizetype place = 0; place < logged.size(); ++place) {
            const LoggedWin& win = logged.at(place);
            entries.append({QLatin1String(DrawLog::Win),
                            DrawLog::WinPayload(win, pools.value(place),
                                                replaces.value(PersonRow::IdKey(win.PersonID)))});
        }
        if (logged.size() != wins.size() || !log.Append(entries)) {
            const QString detail = log.Error();
            transaction.Rollback();
            return refuse(WinRefusal::Cause::Failed, QString(), detail);
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

bool WinnerStore::LogWin(const QString& personId, const PickPool& pool, QString* error,
                         qint64 replaces)
{
    DrawLog log(m_database);
    const std::optional<LoggedWin> stored = log.StoredWin(personId);
    if (!stored) {
        *error = m_database.LastError();
        return false;
    }
    if (!log.Append(QLatin1String(DrawLog::Win), DrawLog::WinPayload(*stored, pool, replaces))) {
        *error = log.Error();
        return false;
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
    DatabaseTransaction transaction(m_database);
    // The log's head is taken first: a win another station stores meanwhile is then either
    // removed here and logged before the clearing, or kept and logged after it.
    DrawLog log(m_database);
    if (!transaction.IsActive() || !log.Lock()) {
        return false;
    }
    const std::optional<int> removed = Count();
    // The voided wins go with the wins: a new event's pool holds everyone again.
    if (!removed || !m_database.OpenQuery(QLatin1String(SqlStatements::DeleteAllWinners)) ||
        !m_database.OpenQuery(QLatin1String(SqlStatements::DeleteAllVoidedWins))) {
        return false;
    }
    if (m_database.Target().driver == DatabaseTarget::Driver::Sqlite) {
        if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectWinnerIndexUnique))) {
            return false;
        }
        if (!m_database.IsEOF() && m_database.GetFieldText(QStringLiteral("isUnique")) == u"0" &&
            (!m_database.OpenQuery(QLatin1String(SqlStatements::DropWinnerIndex)) ||
             !m_database.OpenQuery(QLatin1String(SqlStatements::CreateUniqueWinnerIndex)))) {
            return false;
        }
    }
    if (!log.Append(QLatin1String(DrawLog::Clear), {{QStringLiteral("removed"), *removed}})) {
        // A failed statement has shown its box; a log without its head row has not.
        if (log.Error() != m_database.LastError()) {
            ShowMessage(QStringLiteral("Error: %1").arg(log.Error()));
        }
        return false;
    }
    return transaction.Commit();
}
