// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/PreparedStatement.h"

#include <QString>

class CAdoDatabase;

// What became of one imported row. The reason shown for a rejected row is string 140 + code.
enum ImportResult
{
    ImportOk = 0,
    IdTooLong = 1,
    IdEmpty = 2,
    NameEmpty = 3,
    AlreadyExists = 4,
    InsertFailed = 5,
    // A number, name or remark that cannot be stored as it reads (see PersonText); the reason
    // names the column and the problem.
    TextRefused = 6
};

// The reason text of a rejected row; empty for ImportOk.
QString ImportReasonText(ImportResult result);

// The statements of an import, prepared once on the import's own connection.
class ImportStatements
{
public:
    explicit ImportStatements(CAdoDatabase& database);

    CAdoDatabase& Database() { return m_database; }
    // True when a participant with this number is stored (as the dialog's check matches it).
    bool PersonExists(const QString& personId);
    // Inserts the row; a failed insert never costs the rows before it in the open transaction.
    bool Insert(const QString& personId, const QString& name, const QString& remark,
                const QString& group);

private:
    CAdoDatabase& m_database;
    PreparedStatement m_exists;
    PreparedStatement m_insert;
};

// Why a participant's number, name, remark or group cannot be stored as it reads, for the first
// that cannot ("NAME：" and the problem, see PersonText); empty when all can. An
// empty number or name passes here: callers say that in words of their own. The participant
// dialog checks what is typed or pasted with the same rule as the import.
QString PersonTextRefusal(const QString& ID, const QString& name, const QString& remark,
                          const QString& group = QString());

// Checks one row and stores it: the number's length in bytes (as the dialog counts them), an
// empty number or name, what the texts hold (TextRefused, with *reason set), a number already
// stored, then the insert. group may be empty: no group.
ImportResult ImportPerson(ImportStatements& statements, QString ID, QString name, QString remark,
                          QString* reason = nullptr, const QString& group = QString());
