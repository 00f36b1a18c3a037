// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CAdoDatabase;

// One transaction on a connection for the lifetime of a scope: begun on construction, rolled
// back on destruction unless Commit succeeded. Many statements in one transaction cost one
// commit (one sync) instead of one each. Transactions do not nest.
class DatabaseTransaction
{
public:
    // Begins; a failure shows the layer's "Error: %s" box and leaves IsActive false.
    explicit DatabaseTransaction(CAdoDatabase& database);
    ~DatabaseTransaction();
    DatabaseTransaction(const DatabaseTransaction&) = delete;
    DatabaseTransaction& operator=(const DatabaseTransaction&) = delete;

    bool IsActive() const { return m_active; }
    // Makes the changes lasting. False (with the layer's box) when the transaction never began
    // or the commit failed; a failed commit is rolled back when the scope ends.
    bool Commit();
    // Undoes the changes now.
    void Rollback();

private:
    CAdoDatabase& m_database;
    bool m_active = false;
};
