// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/CAdoDatabase.h"

// For the lifetime of a scope, the reads of a connection see the data as of one moment while
// other stations go on writing (CAdoDatabase::BeginReadSnapshot). Inside a transaction already
// open, the reads see what that transaction sees and nothing is begun.
class ReadSnapshot
{
public:
    explicit ReadSnapshot(CAdoDatabase& database)
        : m_database(database), m_open(!database.InTransaction() && database.BeginReadSnapshot())
    {}
    ~ReadSnapshot()
    {
        if (m_open) {
            m_database.RollbackTransaction();
        }
    }
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;

private:
    CAdoDatabase& m_database;
    bool m_open;
};
