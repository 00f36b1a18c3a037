// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/CAdoDatabase.h"

#include <QString>
#include <QTemporaryDir>

#include <string>

// A fresh database made from the shipped schema, connected through the layer. Each test
// fixture gets its own: an SQLite file in a temporary folder, or a new database on the test
// run's throw-away PostgreSQL cluster (see postgres-cluster.sh), dropped at the end.
class TestDatabase
{
public:
    using Driver = DatabaseTarget::Driver;

    // withDemo: also load the demo participants.
    explicit TestDatabase(bool withDemo = false);
    explicit TestDatabase(Driver driver, bool withDemo = false);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    CAdoDatabase& db() { return m_db; }
    // Where the database is, for a second connection to it.
    const DatabaseTarget& target() const { return m_target; }
    QString path() const { return m_dir.path() + QStringLiteral("/Data.db"); }
    QString folder() const { return m_dir.path() + QStringLiteral("/"); }
    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    // Why this driver cannot be tested here (no PostgreSQL cluster was started); empty if it can.
    static QString Unavailable(Driver driver);
    // The test case name suffix of a driver for parameterised tests.
    static std::string DriverName(Driver driver);

    // Runs a statement that must succeed (test set-up).
    void Exec(const QString& sql, const QVariantList& values = {});
    // Number of rows of a query.
    int Count(const QString& sql, const QVariantList& values = {});

    static QString SchemaFile();
    static QString DemoFile();

private:
    // Runs a statement on the cluster's maintenance database.
    static bool Administer(const QString& sql, QString* error);

    QTemporaryDir m_dir;
    DatabaseTarget m_target;
    CAdoDatabase m_db;
    bool m_ok = false;
    QString m_error;
};

// Skips the running test, saying why, when driver's database cannot be had on this machine.
#define SORTILO_SKIP_UNLESS_AVAILABLE(driver)                                                      \
    if (const QString why = TestDatabase::Unavailable(driver); !why.isEmpty())                     \
    GTEST_SKIP() << why.toStdString()

// Gives parameterised tests both drivers, named by driver.
#define SORTILO_BOTH_DRIVERS                                                                       \
    ::testing::Values(TestDatabase::Driver::Sqlite, TestDatabase::Driver::PostgreSql),             \
        [](const auto& test) { return TestDatabase::DriverName(test.param); }
