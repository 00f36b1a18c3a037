// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CheckinStore.h"

#include "data/CAdoDatabase.h"
#include "data/PersonStore.h"
#include "data/PoolJournal.h"
#include "data/SqlStatements.h"

#include <algorithm>
#include <utility>

namespace {

constexpr const char* OnlyCheckedInOption = "OnlyCheckedIn";
// Two stations that count the same sequence number at once: one is refused and counts again.
constexpr int MarkAttempts = 4;

QString NameKey(const QString& name)
{
    QString key;
    key.reserve(name.size());
    for (const QChar c : name) {
        if (!c.isSpace()) {
            key.append(c);
        }
    }
    return PersonRow::IdKey(key.toLower());
}

} // namespace

CheckinStore::CheckinStore(CAdoDatabase& database, QString station)
    : m_database(database), m_station(std::move(station))
{}

bool CheckinStore::SameName(const QString& stored, const QString& given)
{
    const QString key = NameKey(given);
    return !key.isEmpty() && key == NameKey(stored);
}

CheckinReply CheckinStore::CheckIn(const QString& personId, const QString& time)
{
    return Check(personId, nullptr, time);
}

CheckinReply CheckinStore::CheckInByNumberAndName(const QString& personId, const QString& name,
                                                  const QString& time)
{
    // A missing name (null or empty) never matches: the number alone is not enough here.
    return Check(personId, &name, time);
}

CheckinReply CheckinStore::Check(const QString& personId, const QString* name, const QString& time)
{
    using Outcome = CheckinReply::Outcome;
    const bool byName = name != nullptr;
    const QString id = personId.trimmed();
    if (id.isEmpty()) {
        return {Outcome::Unknown, {}, {}, {}};
    }
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectPersonById), {id})) {
        return {};
    }
    if (m_database.IsEOF() ||
        (byName && !SameName(m_database.GetFieldText(QStringLiteral("PersonName")), *name))) {
        return {Outcome::Unknown, {}, {}, {}};
    }
    CheckinReply reply{Outcome::CheckedIn, m_database.GetFieldText(QStringLiteral("PersonID")),
                       m_database.GetFieldText(QStringLiteral("PersonName")), time};
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectCheckin), {reply.PersonID})) {
        return {};
    }
    if (!m_database.IsEOF() && m_database.GetFieldText(QStringLiteral("CheckedIn")).toInt() != 0) {
        reply.outcome = Outcome::AlreadyCheckedIn;
        reply.time = m_database.GetFieldText(QStringLiteral("CheckinTime"));
        return reply;
    }
    if (!Mark(reply.PersonID, true, time)) {
        return {};
    }
    return reply;
}

bool CheckinStore::SetCheckedIn(const QString& personId, bool checkedIn, const QString& time)
{
    return Mark(personId, checkedIn, time);
}

bool CheckinStore::Mark(const QString& personId, bool checkedIn, const QString& time)
{
    const QVariantList values{personId, checkedIn ? 1 : 0,
                              checkedIn ? CAdoDatabase::TextValue(time) : QVariant(),
                              CAdoDatabase::TextValue(m_station)};
    bool done = false;
    for (int attempt = 1; !done && attempt <= MarkAttempts; ++attempt) {
        std::optional<CAdoDatabase::QuietFailures> quiet;
        if (attempt < MarkAttempts) {
            quiet.emplace(m_database);
        }
        done = m_database.OpenQuery(QLatin1String(SqlStatements::MarkCheckin), values);
    }
    if (done) {
        // The draw's pool stays as it is: the checked-in set is kept apart from it.
        m_database.Journal().Record(m_database.ChangeCount(), PoolJournal::Kind::CheckinChanged,
                                    {personId, QString(), QString()});
    }
    return done;
}

std::optional<QHash<QString, QString>> CheckinStore::CheckedIn()
{
    QHash<QString, QString> checkedIn;
    if (!m_database.ReadRows(QLatin1String(SqlStatements::SelectCheckedIn), 2,
                             [&checkedIn](const QString* values) {
                                 checkedIn.insert(PersonRow::IdKey(values[0]), values[1]);
                             })) {
        return std::nullopt;
    }
    return checkedIn;
}

std::optional<int> CheckinStore::CheckedInCount()
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::CountCheckedInPersons)) ||
        m_database.IsEOF()) {
        return std::nullopt;
    }
    return m_database.GetFieldText(QStringLiteral("num")).toInt();
}

std::optional<CheckinTally> CheckinStore::Tally()
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectCheckinTally),
                              {QLatin1String(OnlyCheckedInOption)}) ||
        m_database.IsEOF()) {
        return std::nullopt;
    }
    return CheckinTally{m_database.GetFieldText(QStringLiteral("arrived")).toInt(),
                        m_database.GetFieldText(QStringLiteral("total")).toInt(),
                        m_database.GetFieldText(QStringLiteral("restricted")) == u'1'};
}

bool CheckinStore::Changes(qint64 since, qint64* last,
                           const std::function<void(const QString&, bool)>& change)
{
    *last = since;
    // Usually a few rows: the changes since the last pick.
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectCheckinChanges), {since})) {
        return false;
    }
    for (; !m_database.IsEOF(); m_database.MoveNext()) {
        change(m_database.GetFieldText(QStringLiteral("PersonID")),
               m_database.GetFieldText(QStringLiteral("CheckedIn")).toInt() != 0);
        *last = std::max(*last, m_database.GetFieldText(QStringLiteral("Seq")).toLongLong());
    }
    return true;
}

std::optional<bool> CheckinStore::OnlyCheckedIn()
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectEventOption),
                              {QLatin1String(OnlyCheckedInOption)})) {
        return std::nullopt;
    }
    return !m_database.IsEOF() && m_database.GetFieldText(QStringLiteral("Value")) == u'1';
}

bool CheckinStore::SetOnlyCheckedIn(bool only)
{
    return m_database.OpenQuery(
        QLatin1String(SqlStatements::StoreEventOption),
        {QLatin1String(OnlyCheckedInOption), only ? QStringLiteral("1") : QStringLiteral("0")});
}
