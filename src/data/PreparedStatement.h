// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

class CAdoDatabase;

// One statement prepared once and run many times with new values, as an import runs its
// inserts. A query's rows become the connection's shared result, as with OpenQuery. It must not
// outlive the connection it was prepared on.
class PreparedStatement
{
public:
    PreparedStatement(CAdoDatabase& database, const QString& sql);

    // Binds values to the "?" placeholders in order and runs the statement, with the results,
    // failures and boxes of CAdoDatabase::OpenQuery. A statement that could not be prepared
    // fails every run with the reason.
    bool Run(const QVariantList& values);

private:
    CAdoDatabase& m_database;
    QSqlQuery m_query;
    bool m_prepared = false;
    QSqlError m_prepareError;
};
