// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/VoidStore.h"

#include "data/CAdoDatabase.h"
#include "data/DatabaseTransaction.h"
#include "data/DrawLog.h"
#include "data/SqlStatements.h"

#include <utility>

namespace {

constexpr const char* ReturnsToPoolOption = "voidReturnsToPool";

// The current row of a VoidedWin query.
VoidedWinRow CurrentRow(const CAdoDatabase& database)
{
    const auto field = [&database](const char* name) {
        return database.GetFieldText(QLatin1String(name));
    };
    return {field("VoidID").toLongLong(),
            field("PersonID"),
            field("PersonName"),
            field("Company"),
            field("PersonGroup"),
            field("sDateTime"),
            field("step").toInt(),
            field("sNo").toInt(),
            field("JP"),
            field("VoidTime"),
            field("Reason"),
            field("Station"),
            field("ReturnToPool").toInt() != 0,
            field("ReplacedBy"),
            field("ReplacedTime")};
}

} // namespace

VoidStore::VoidStore(CAdoDatabase& database, QString station)
    : m_database(database), m_station(std::move(station))
{}

bool VoidStore::Void(const QString& personId, const QString& reason, const QString& time,
                     VoidRefusal* refusal)
{
    const CAdoDatabase::QuietFailures quiet(m_database);
    const auto refuse = [&](VoidRefusal::Cause cause, const QString& detail) {
        if (refusal) {
            *refusal = {cause, detail};
        }
        return false;
    };
    const auto failed = [&] { return refuse(VoidRefusal::Cause::Failed, m_database.LastError()); };
    DatabaseTransaction transaction(m_database);
    // The log's head is taken before the win is read: a void, an undo or a replacement at
    // another station then comes wholly before or after this one. The void is numbered by its
    // log entry, which is unique across the stations.
    DrawLog log(m_database);
    if (!transaction.IsActive() || !log.Lock()) {
        return refuse(VoidRefusal::Cause::Failed, log.Error());
    }
    const std::optional<QPair<qint64, QString>> head = log.Head();
    // The option is shared by the stations; the void keeps the value it had at this moment.
    const std::optional<bool> returnToPool = ReturnsToPool();
    if (!head || !returnToPool) {
        return failed();
    }
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectWinToVoid), {personId})) {
        return failed();
    }
    if (m_database.IsEOF()) {
        return refuse(VoidRefusal::Cause::NoSuchWin, QString());
    }
    const auto field = [this](const char* name) {
        return m_database.GetFieldText(QLatin1String(name));
    };
    const LoggedWin win{field("PersonID"), field("sDateTime"),  field("step"),   field("sNo"),
                        field("JP"),       field("PersonName"), field("Company")};
    const QString group = field("PersonGroup");
    const qint64 voidId = head->first + 1;
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::InsertVoidedWin),
                              {voidId, win.PersonID, CAdoDatabase::TextValue(win.PersonName),
                               CAdoDatabase::TextValue(win.Company), CAdoDatabase::TextValue(group),
                               CAdoDatabase::TextValue(win.sDateTime), win.step.toInt(),
                               win.sNo.toInt(), CAdoDatabase::TextValue(win.JP),
                               CAdoDatabase::TextValue(time), CAdoDatabase::TextValue(reason),
                               CAdoDatabase::TextValue(m_station), *returnToPool ? 1 : 0}) ||
        !m_database.OpenQuery(QLatin1String(SqlStatements::DeleteWin), {win.PersonID})) {
        return failed();
    }
    QJsonObject payload = DrawLog::WinPayload(win);
    payload.insert(QStringLiteral("voidId"), voidId);
    payload.insert(QStringLiteral("reason"), CAdoDatabase::TextValue(reason).toString());
    payload.insert(QStringLiteral("returnToPool"), *returnToPool);
    payload.insert(QStringLiteral("voidTime"), CAdoDatabase::TextValue(time).toString());
    payload.insert(QStringLiteral("station"), CAdoDatabase::TextValue(m_station).toString());
    if (!log.Append(QLatin1String(DrawLog::Void), payload)) {
        return refuse(VoidRefusal::Cause::Failed, log.Error());
    }
    // Not journalled: the commit leaves a gap in the pool's journal, so a kept candidate pool
    // is read again (a participant put back into the pool returns to it).
    return transaction.Commit() || failed();
}

bool VoidStore::Undo(const QString& personId, VoidRefusal* refusal)
{
    const CAdoDatabase::QuietFailures quiet(m_database);
    const auto refuse = [&](VoidRefusal::Cause cause, const QString& detail) {
        if (refusal) {
            *refusal = {cause, detail};
        }
        return false;
    };
    const auto failed = [&] { return refuse(VoidRefusal::Cause::Failed, m_database.LastError()); };
    DatabaseTransaction transaction(m_database);
    DrawLog log(m_database);
    if (!transaction.IsActive() || !log.Lock()) {
        return refuse(VoidRefusal::Cause::Failed, log.Error());
    }
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectVoidsOfPerson), {personId})) {
        return failed();
    }
    if (m_database.IsEOF()) {
        return refuse(VoidRefusal::Cause::NotVoided, QString());
    }
    std::optional<VoidedWinRow> open;
    for (; !open && !m_database.IsEOF(); m_database.MoveNext()) {
        if (const VoidedWinRow row = CurrentRow(m_database); row.IsOpen()) {
            open = row;
        }
    }
    if (!open) {
        return refuse(VoidRefusal::Cause::Replaced, QString());
    }
    // A participant put back into the pool may have won again meanwhile: the win cannot return
    // beside the new one. Asked first, since an upgraded file may lack the unique index.
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectWinById), {open->PersonID})) {
        return failed();
    }
    if (!m_database.IsEOF()) {
        return refuse(VoidRefusal::Cause::WonAgain, QString());
    }
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::RestoreWin), {open->VoidID})) {
        const QString detail = m_database.LastError();
        const bool wonAgain =
            m_database.OpenQuery(QLatin1String(SqlStatements::SelectWinById), {open->PersonID}) &&
            !m_database.IsEOF();
        return refuse(wonAgain ? VoidRefusal::Cause::WonAgain : VoidRefusal::Cause::Failed, detail);
    }
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::DeleteOpenVoid), {open->VoidID})) {
        return failed();
    }
    const QJsonObject payload{{QStringLiteral("voidId"), open->VoidID},
                              {QStringLiteral("id"), open->PersonID}};
    if (!log.Append(QLatin1String(DrawLog::Unvoid), payload)) {
        return refuse(VoidRefusal::Cause::Failed, log.Error());
    }
    return transaction.Commit() || failed();
}

std::optional<QList<VoidedWinRow>> VoidStore::ReadRows(const char* sql, const QVariantList& values)
{
    if (!m_database.OpenQuery(QLatin1String(sql), values)) {
        return std::nullopt;
    }
    QList<VoidedWinRow> rows;
    rows.reserve(m_database.GetRecordCount());
    for (; !m_database.IsEOF(); m_database.MoveNext()) {
        rows.append(CurrentRow(m_database));
    }
    return rows;
}

std::optional<QList<VoidedWinRow>> VoidStore::Records()
{
    return ReadRows(SqlStatements::SelectVoidedWins, {});
}

std::optional<QList<VoidedWinRow>> VoidStore::OpenPlaces(int level)
{
    return ReadRows(SqlStatements::SelectOpenPlaces, {level});
}

std::optional<QList<int>> VoidStore::OpenPlaceCounts()
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::CountOpenPlaces))) {
        return std::nullopt;
    }
    QList<int> counts(8, 0);
    for (; !m_database.IsEOF(); m_database.MoveNext()) {
        const int level = m_database.GetFieldText(QStringLiteral("step")).toInt();
        if (level >= 1 && level <= counts.size()) {
            counts[level - 1] = m_database.GetFieldText(QStringLiteral("num")).toInt();
        }
    }
    return counts;
}

std::optional<bool> VoidStore::ReturnsToPool()
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectEventOption),
                              {QLatin1String(ReturnsToPoolOption)})) {
        return std::nullopt;
    }
    return !m_database.IsEOF() && m_database.GetFieldText(QStringLiteral("Value")) == u'1';
}

bool VoidStore::SetReturnsToPool(bool on)
{
    return m_database.OpenQuery(
        QLatin1String(SqlStatements::StoreEventOption),
        {QLatin1String(ReturnsToPoolOption), on ? QStringLiteral("1") : QStringLiteral("0")});
}
