// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ImportPerson.h"

#include "data/CAdoDatabase.h"
#include "platform/core/GbkText.h"
#include "exchange/PersonText.h"
#include "data/SqlStatements.h"
#include "platform/core/StringTable.h"

#include <QCoreApplication>

namespace {

// The longest participant number, in bytes.
constexpr int MaxIdBytes = 8;
// The reason of code n is string ReasonBaseId + n.
constexpr int ReasonBaseId = 140;

} // namespace

QString ImportReasonText(ImportResult result)
{
    if (result == TextRefused) {
        return QCoreApplication::translate("ImportPerson", "内容无法按原样保存");
    }
    return result == ImportOk ? QString() : StringTable::Load(ReasonBaseId + result);
}

ImportStatements::ImportStatements(CAdoDatabase& database)
    : m_database(database), m_exists(database, QLatin1String(SqlStatements::SelectPersonById)),
      m_insert(database, QLatin1String(SqlStatements::InsertPersonInGroup))
{}

bool ImportStatements::PersonExists(const QString& personId)
{
    return m_exists.Run({personId}) && !m_database.IsEOF();
}

bool ImportStatements::Insert(const QString& personId, const QString& name, const QString& remark,
                              const QString& group)
{
    // Inside the import's transaction a failed insert undoes only itself on every engine (the
    // database layer gives each statement its own savepoint where the engine needs one).
    return m_insert.Run({CAdoDatabase::TextValue(personId), CAdoDatabase::TextValue(name),
                         CAdoDatabase::TextValue(remark), CAdoDatabase::TextValue(group)});
}

QString PersonTextRefusal(const QString& ID, const QString& name, const QString& remark,
                          const QString& group)
{
    const struct
    {
        const QString& text;
        const char* column;
        bool id;
        int maxChars;
    } columns[] = {{ID, "ID", true, MaxIdBytes},
                   {name, "NAME", false, PersonText::MaxNameChars},
                   {remark, "MEMO", false, PersonText::MaxRemarkChars},
                   {group, "GROUP", false, PersonText::MaxGroupChars}};
    for (const auto& column : columns) {
        const PersonText::Problem problem =
            PersonText::Check(column.text, column.id, column.maxChars);
        if (problem != PersonText::Problem::None) {
            return QLatin1String(column.column) + QStringLiteral("：") +
                   PersonText::ReasonText(problem, column.maxChars);
        }
    }
    return QString();
}

ImportResult ImportPerson(ImportStatements& statements, QString ID, QString name, QString remark,
                          QString* reason, const QString& group)
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
    const QString refusal = PersonTextRefusal(ID, name, remark, group);
    if (!refusal.isEmpty()) {
        if (reason) {
            *reason = refusal;
        }
        return TextRefused;
    }
    if (statements.PersonExists(ID)) {
        return AlreadyExists;
    }
    return statements.Insert(ID, name, remark, group) ? ImportOk : InsertFailed;
}
