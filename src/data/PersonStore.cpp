// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/PersonStore.h"

#include "data/CAdoDatabase.h"
#include "data/SqlStatements.h"

#include <algorithm>

namespace {

PersonRow CurrentPerson(const CAdoDatabase& database)
{
    return {database.GetFieldText(QStringLiteral("PersonID")),
            database.GetFieldText(QStringLiteral("PersonName")),
            database.GetFieldText(QStringLiteral("Company")),
            database.GetFieldText(QStringLiteral("PersonGroup"))};
}

// Journals a change the statement just made, for the draw's candidate pool.
bool Journalled(CAdoDatabase& database, bool done, PoolJournal::Kind kind, const PersonRow& person)
{
    if (done) {
        database.Journal().Record(database.ChangeCount(), kind, person);
    }
    return done;
}

} // namespace

std::optional<QList<PersonRow>> PersonStore::ReadRows(const char* sql)
{
    if (!m_database.OpenQuery(QLatin1String(sql))) {
        return std::nullopt;
    }
    QList<PersonRow> rows;
    rows.reserve(m_database.GetRecordCount());
    for (; !m_database.IsEOF(); m_database.MoveNext()) {
        rows.append(CurrentPerson(m_database));
    }
    return rows;
}

std::optional<QList<PersonRow>> PersonStore::All()
{
    return ReadRows(SqlStatements::SelectAllPersons);
}

std::optional<QList<PersonRow>> PersonStore::ExportRows()
{
    return ReadRows(SqlStatements::SelectPersonsForExport);
}

std::optional<int> PersonStore::Count()
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::CountPersons)) || m_database.IsEOF()) {
        return std::nullopt;
    }
    return m_database.GetFieldText(QStringLiteral("num")).toInt();
}

bool PersonStore::Exists(const QString& personId)
{
    return Find(personId).has_value();
}

std::optional<PersonRow> PersonStore::Find(const QString& personId)
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectPersonById), {personId}) ||
        m_database.IsEOF()) {
        return std::nullopt;
    }
    return CurrentPerson(m_database);
}

PersonStore::Change PersonStore::IfStored(const QString& personId,
                                          const std::function<bool()>& change)
{
    if (!m_database.OpenQuery(QLatin1String(SqlStatements::SelectPersonById), {personId})) {
        return Change::Failed;
    }
    if (m_database.IsEOF()) {
        return Change::Missing;
    }
    return change() ? Change::Done : Change::Failed;
}

PersonStore::Change PersonStore::UpdateStored(const PersonRow& person)
{
    return IfStored(person.PersonID, [&] { return Update(person); });
}

PersonStore::Change PersonStore::DeleteStored(const QString& personId)
{
    return IfStored(personId, [&] { return Delete(personId); });
}

bool PersonStore::Insert(const PersonRow& person)
{
    return Journalled(m_database,
                      m_database.OpenQuery(QLatin1String(SqlStatements::InsertPersonInGroup),
                                           {CAdoDatabase::TextValue(person.PersonID),
                                            CAdoDatabase::TextValue(person.PersonName),
                                            CAdoDatabase::TextValue(person.Company),
                                            CAdoDatabase::TextValue(person.PersonGroup)}),
                      PoolJournal::Kind::PersonAdded, person);
}

bool PersonStore::Update(const PersonRow& person)
{
    return Journalled(
        m_database,
        m_database.OpenQuery(QLatin1String(SqlStatements::UpdatePersonInGroup),
                             {CAdoDatabase::TextValue(person.PersonName),
                              CAdoDatabase::TextValue(person.Company),
                              CAdoDatabase::TextValue(person.PersonGroup), person.PersonID}),
        PoolJournal::Kind::PersonChanged, person);
}

bool PersonStore::Delete(const QString& personId)
{
    return Journalled(m_database,
                      m_database.OpenQuery(QLatin1String(SqlStatements::DeletePerson), {personId}),
                      PoolJournal::Kind::PersonRemoved, {personId, QString(), QString()});
}

bool PersonStore::DeleteAll()
{
    return Journalled(m_database,
                      m_database.OpenQuery(QLatin1String(SqlStatements::DeleteAllPersons)),
                      PoolJournal::Kind::AllPersonsRemoved, {});
}

QString PersonRow::IdKey(const QString& id)
{
    const auto lower = [](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); };
    const qsizetype first = std::find_if(id.begin(), id.end(), lower) - id.begin();
    if (first == id.size()) {
        return id;
    }
    QString key = id;
    for (qsizetype i = first; i < key.size(); ++i) {
        if (lower(key[i])) {
            key[i] = QChar(key[i].unicode() - 'a' + 'A');
        }
    }
    return key;
}
