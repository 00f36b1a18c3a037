#include "ImportPerson.h"

#include "CAdoDatabase.h"
#include "GbkText.h"
#include "SqlStatements.h"
#include "StringTable.h"

namespace {

// The longest participant number, in bytes.
constexpr int MaxIdBytes = 8;
// The reason of code n is string ReasonBaseId + n.
constexpr int ReasonBaseId = 140;

} // namespace

QString ImportReasonText(ImportResult result)
{
    return result == ImportOk ? QString() : StringTable::Load(ReasonBaseId + result);
}

ImportStatements::ImportStatements(CAdoDatabase& database)
    : m_database(database), m_exists(database, QLatin1String(SqlStatements::SelectPersonById)),
      m_insert(database, QLatin1String(SqlStatements::InsertPerson)),
      m_savepoints(database.Target().driver == DatabaseTarget::Driver::PostgreSql)
{}

bool ImportStatements::PersonExists(const QString& personId)
{
    return m_exists.Run({personId}) && !m_database.IsEOF();
}

bool ImportStatements::Insert(const QString& personId, const QString& name, const QString& remark)
{
    const bool savepoint = m_savepoints && m_database.InTransaction() &&
                           m_database.OpenQuery(QLatin1String(SqlStatements::SavepointImportRow));
    const bool inserted =
        m_insert.Run({CAdoDatabase::TextValue(personId), CAdoDatabase::TextValue(name),
                      CAdoDatabase::TextValue(remark)});
    if (savepoint) {
        if (!inserted) {
            m_database.OpenQuery(QLatin1String(SqlStatements::RollbackImportRow));
        }
        m_database.OpenQuery(QLatin1String(SqlStatements::ReleaseImportRow));
    }
    return inserted;
}

ImportResult ImportPerson(ImportStatements& statements, QString ID, QString name, QString remark)
{
    if (GbkText::ByteLength(ID) > MaxIdBytes) {
        return IdTooLong;
    }
    if (ID.isEmpty()) {
        return IdEmpty;
    }
    if (name.isEmpty()) {
        return NameEmpty;
    }
    if (statements.PersonExists(ID)) {
        return AlreadyExists;
    }
    return statements.Insert(ID, name, remark) ? ImportOk : InsertFailed;
}
