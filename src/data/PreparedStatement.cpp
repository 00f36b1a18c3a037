// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/PreparedStatement.h"

#include "data/CAdoDatabase.h"

PreparedStatement::PreparedStatement(CAdoDatabase& database, const QString& sql)
    : m_database(database), m_query(database.NewQuery())
{
    if (database.IsConnected()) {
        database.BeginWatch();
        m_prepared = m_query.prepare(sql);
        database.EndWatch();
        m_prepareError = m_query.lastError();
    }
}

bool PreparedStatement::Run(const QVariantList& values)
{
    // Also keeps the statement off a connection that is being made again.
    if (!m_database.ReadyForStatement()) {
        return false;
    }
    if (!m_prepared) {
        return m_database.StatementFailed(m_prepareError);
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        m_query.bindValue(static_cast<int>(i), values[i]);
    }
    m_database.BeginWatch();
    m_database.BeginSavepoint();
    if (!m_query.exec()) {
        return m_database.StatementFailed(m_query.lastError());
    }
    return m_database.TakeResult(m_query);
}
