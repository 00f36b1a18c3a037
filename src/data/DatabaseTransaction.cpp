// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DatabaseTransaction.h"

#include "data/CAdoDatabase.h"

DatabaseTransaction::DatabaseTransaction(CAdoDatabase& database) : m_database(database)
{
    m_active = m_database.BeginTransaction();
}

DatabaseTransaction::~DatabaseTransaction()
{
    Rollback();
}

bool DatabaseTransaction::Commit()
{
    if (!m_active) {
        return false;
    }
    if (!m_database.CommitTransaction()) {
        return false;
    }
    m_active = false;
    return true;
}

void DatabaseTransaction::Rollback()
{
    if (m_active) {
        m_database.RollbackTransaction();
        m_active = false;
    }
}
