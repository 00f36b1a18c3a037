// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DrawLog.h"

#include "data/CAdoDatabase.h"
#include "data/SqlStatements.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>

namespace {

QString Now(const std::function<QDateTime()>& clock)
{
    const QDateTime now = clock ? clock() : QDateTime::currentDateTimeUtc();
    return now.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
}

QString PayloadText(const QJsonObject& payload)
{
    // QJsonObject keeps its keys in order, so the same payload always gives the same text.
    return QString::fromUtf8(QJsonDocument(payload).toJson(QJsonDocument::Compact));
}

// A stored number as a JSON number; anything else a stored column may hold stays text.
QJsonValue NumberOrText(const QString& text)
{
    bool isNumber = false;
    const qint64 number = text.toLongLong(&isNumber);
    if (isNumber && QString::number(number) == text) {
        return QJsonValue(number);
    }
    return QJsonValue(text);
}

QString TextOf(const QJsonValue& value)
{
    return value.isDouble() ? QString::number(value.toInteger()) : value.toString();
}

const char* const WinColumns[] = {"PersonID", "sDateTime",  "step",   "sNo",
                                  "JP",       "PersonName", "Company"};

} // namespace

QString DrawLogEntry::ComputeDigest() const
{
    const QString text = QString::number(seq) + u'\n' + kind + u'\n' + time + u'\n' + station +
                         u'\n' + payload + u'\n' + previous;
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString DrawLog::FirstPrevious()
{
    return QString(64, u'0');
}

QString DrawLog::Station()
{
    QString name = QSysInfo::machineHostName();
    for (QChar& c : name) {
        if (c.unicode() < 0x20) {
            c = u' ';
        }
    }
    return name;
}

DrawLog::DrawLog(CAdoDatabase& database) : m_database(database) {}

bool DrawLog::Lock()
{
    m_error.clear();
    if (!m_database.InTransaction()) {
        m_error = QStringLiteral("the draw log is appended to inside a transaction only");
        return false;
    }
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::LockDrawLog))) {
        m_error = m_database.LastError();
        return false;
    }
    return true;
}

bool DrawLog::Append(const QList<QPair<QString, QJsonObject>>& entries)
{
    if (!Lock()) {
        return false;
    }
    const std::optional<QPair<qint64, QString>> head = Head();
    if (!head) {
        m_error = m_database.LastError().isEmpty()
                      ? QStringLiteral("the draw log's head row (table DrawLogHead) is missing")
                      : m_database.LastError();
        return false;
    }
    DrawLogEntry entry;
    entry.seq = head->first;
    entry.previous = head->second;
    entry.time = Now(m_clock);
    entry.station = Station();
    for (const auto& [kind, payload] : entries) {
        ++entry.seq;
        entry.kind = kind;
        entry.payload = PayloadText(payload);
        entry.digest = entry.ComputeDigest();
        if (!m_database.OpenQuery(QLatin1String(SqlStatements::InsertDrawLogEntry),
                                  {entry.seq, entry.kind, entry.time, entry.station, entry.payload,
                                   entry.previous, entry.digest})) {
            m_error = m_database.LastError();
            return false;
        }
        entry.previous = entry.digest;
    }
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::UpdateDrawLogHead),
                              {entry.seq, entry.previous})) {
        m_error = m_database.LastError();
        return false;
    }
    return true;
}

bool DrawLog::Read(const std::function<bool(const DrawLogEntry&)>& entry)
{
    bool more = true;
    return m_database.ReadRows(
        QLatin1String(SqlStatements::SelectDrawLog), 7, [&](const QString* row) {
            if (more) {
                more = entry({row[0].toLongLong(), row[1], row[2], row[3], row[4], row[5], row[6]});
            }
        });
}

std::optional<QPair<qint64, QString>> DrawLog::Head()
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectDrawLogHead)) ||
        m_database.IsEOF()) {
        return std::nullopt;
    }
    return QPair<qint64, QString>(m_database.GetFieldText(QStringLiteral("seq")).toLongLong(),
                                  m_database.GetFieldText(QStringLiteral("digest")));
}

std::optional<LoggedWin> DrawLog::StoredWin(const QString& personId)
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectStoredWin), {personId}) ||
        m_database.IsEOF()) {
        return std::nullopt;
    }
    QString values[std::size(WinColumns)];
    for (size_t c = 0; c < std::size(WinColumns); ++c) {
        values[c] = m_database.GetFieldText(QLatin1String(WinColumns[c]));
    }
    return LoggedWin{values[0], values[1], values[2], values[3], values[4], values[5], values[6]};
}

QJsonObject DrawLog::WinPayload(const LoggedWin& win, const PickPool& pool, qint64 replaces)
{
    QJsonObject payload{{QStringLiteral("id"), win.PersonID},
                        {QStringLiteral("time"), win.sDateTime},
                        {QStringLiteral("level"), NumberOrText(win.step)},
                        {QStringLiteral("place"), NumberOrText(win.sNo)},
                        {QStringLiteral("prize"), win.JP},
                        {QStringLiteral("name"), win.PersonName},
                        {QStringLiteral("remark"), win.Company}};
    if (pool.size >= 0) {
        payload.insert(QStringLiteral("pool"), pool.size);
        payload.insert(QStringLiteral("range"), pool.range);
        payload.insert(QStringLiteral("poolDigest"), pool.digest);
    }
    if (!pool.rule.isEmpty()) {
        payload.insert(QStringLiteral("rule"), pool.rule);
    }
    if (replaces != 0) {
        payload.insert(QStringLiteral("replaces"), replaces);
    }
    return payload;
}

LoggedWin DrawLog::WinOf(const QJsonObject& payload)
{
    return {payload.value(QStringLiteral("id")).toString(),
            payload.value(QStringLiteral("time")).toString(),
            TextOf(payload.value(QStringLiteral("level"))),
            TextOf(payload.value(QStringLiteral("place"))),
            payload.value(QStringLiteral("prize")).toString(),
            payload.value(QStringLiteral("name")).toString(),
            payload.value(QStringLiteral("remark")).toString()};
}

bool DrawLog::TakeInExisting(QSqlDatabase database, QString* error)
{
    QSqlQuery wins(database);
    if (!wins.exec(QLatin1String(SqlStatements::SelectWinsInOrder))) {
        *error = wins.lastError().text();
        return false;
    }
    QSqlQuery insert(database);
    if (!insert.prepare(QLatin1String(SqlStatements::InsertDrawLogEntry))) {
        *error = insert.lastError().text();
        return false;
    }
    DrawLogEntry entry;
    entry.previous = FirstPrevious();
    entry.time = Now({});
    entry.station = Station();
    entry.kind = QLatin1String(Existing);
    QList<DrawLogEntry> entries;
    while (wins.next()) {
        const auto text = [&wins](int column) {
            return CAdoDatabase::ValueText(wins.value(column));
        };
        ++entry.seq;
        entry.payload = PayloadText(
            WinPayload({text(0), text(1), text(2), text(3), text(4), text(5), text(6)}));
        entry.digest = entry.ComputeDigest();
        entries.append(entry);
        entry.previous = entry.digest;
    }
    wins.finish();
    for (const DrawLogEntry& stored : std::as_const(entries)) {
        for (const QVariant& value :
             QVariantList{stored.seq, stored.kind, stored.time, stored.station, stored.payload,
                          stored.previous, stored.digest}) {
            insert.addBindValue(value);
        }
        if (!insert.exec()) {
            *error = insert.lastError().text();
            return false;
        }
    }
    QSqlQuery head(database);
    head.prepare(QLatin1String(SqlStatements::UpdateDrawLogHead));
    head.addBindValue(entry.seq);
    head.addBindValue(entry.previous);
    if (!head.exec()) {
        *error = head.lastError().text();
        return false;
    }
    return true;
}
