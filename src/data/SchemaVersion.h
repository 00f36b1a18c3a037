// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/DatabaseTarget.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

// The version of a database's tables, and the upgrade of older files to the version this program
// uses. SQLite keeps the number in the file header (PRAGMA user_version); engines without such a
// field keep it in a one-row table SchemaVersion. Each step from version N-1 to N runs the
// script upgrade/NNN-*.sql shipped inside the program, all steps in one transaction, so a
// failed upgrade leaves the file as it was.
class SchemaVersion
{
public:
    // The version new databases are made with and older ones are upgraded to.
    static constexpr int Current = 7;

    SchemaVersion(QSqlDatabase database, DatabaseTarget::Driver driver);

    // Before anything is changed: true when the database holds the program's tables and is not
    // newer than this program. Otherwise false with ErrorText; ReadOnly tells when the cause is
    // that the database cannot be written.
    bool Check();
    // Brings an older database to Current; false with ErrorText, the database unchanged.
    bool Upgrade();

    int Version() const { return m_version; }
    QString ErrorText() const { return m_error; }
    bool ReadOnly() const { return m_readOnly; }
    // What the upgrade has to tell the operator, once (the file remembers the new version).
    QStringList Notices() const { return m_notices; }

private:
    bool ReadVersion(int* version);
    bool WriteVersion(int version);
    bool RunStep(int version);
    bool Failed(const QSqlError& error, const QString& what);

    QSqlDatabase m_database;
    DatabaseTarget::Driver m_driver;
    int m_version = 0;
    QString m_error;
    bool m_readOnly = false;
    QStringList m_notices;
};
