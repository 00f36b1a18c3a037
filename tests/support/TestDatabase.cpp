// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestDatabase.h"

#include "data/DatabaseCreator.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

namespace {

QAtomicInt g_databases;

// The port of the test run's cluster, 0 when none runs.
int ClusterPort()
{
    QFile state(QStringLiteral(SORTILO_PG_STATE_FILE));
    if (!state.open(QIODevice::ReadOnly)) {
        return 0;
    }
    return QString::fromUtf8(state.readAll()).section(u' ', 0, 0).toInt();
}

DatabaseTarget ClusterTarget(const QString& name)
{
    DatabaseTarget target;
    target.driver = DatabaseTarget::Driver::PostgreSql;
    target.host = QStringLiteral("127.0.0.1");
    target.port = ClusterPort();
    target.name = name;
    target.user = QStringLiteral("postgres");
    return target;
}

} // namespace

TestDatabase::TestDatabase(bool withDemo) : TestDatabase(Driver::Sqlite, withDemo) {}

TestDatabase::TestDatabase(Driver driver, bool withDemo)
{
    QStringList scripts{SchemaFile()};
    if (withDemo) {
        scripts << DemoFile();
    }
    if (driver == Driver::Sqlite) {
        m_target = DatabaseTarget::SqliteFile(path());
        m_ok = m_dir.isValid() && DatabaseCreator::CreateSqlite(path(), scripts, &m_error);
    } else {
        m_error = Unavailable(driver);
        const QString name = QStringLiteral("sortilo_test_%1_%2")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(g_databases.fetchAndAddOrdered(1));
        m_target = ClusterTarget(name);
        m_ok = m_error.isEmpty() &&
               Administer(QStringLiteral("create database %1").arg(name), &m_error) &&
               DatabaseCreator::CreatePostgreSql(m_target, scripts, &m_error);
    }
    m_ok = m_ok && m_db.ConnectDatabase(m_target);
    if (m_ok) {
        // Tests create and drop thousands of rows: they need no sync to disk.
        m_db.SetDurability(CAdoDatabase::Durability::Bulk);
    } else if (m_error.isEmpty()) {
        m_error = m_db.LastError();
    }
}

TestDatabase::~TestDatabase()
{
    if (m_target.driver == Driver::PostgreSql && m_target.port != 0) {
        QString ignored;
        Administer(QStringLiteral("drop database if exists %1 with (force)").arg(m_target.name),
                   &ignored);
    }
}

bool TestDatabase::Administer(const QString& sql, QString* error)
{
    const QString connection = QStringLiteral("sortilo-test-admin");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::contains(connection)
                              ? QSqlDatabase::database(connection, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        const DatabaseTarget admin = ClusterTarget(QStringLiteral("postgres"));
        db.setHostName(admin.host);
        db.setPort(admin.port);
        db.setDatabaseName(admin.name);
        db.setUserName(admin.user);
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(sql);
            if (!ok) {
                *error = query.lastError().text();
            }
        } else {
            *error = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

QString TestDatabase::Unavailable(Driver driver)
{
    if (driver == Driver::Sqlite || ClusterPort() != 0) {
        return QString();
    }
    return QStringLiteral("no PostgreSQL test cluster runs (the server binaries are missing, or "
                          "the test ran without its fixture)");
}

std::string TestDatabase::DriverName(Driver driver)
{
    return driver == Driver::Sqlite ? "SQLite" : "PostgreSQL";
}

void TestDatabase::Exec(const QString& sql, const QVariantList& values)
{
    if (!m_db.OpenQuery(sql, values)) {
        throw std::runtime_error(
            ("set-up statement failed: " + sql + ": " + m_db.LastError()).toStdString());
    }
}

int TestDatabase::Count(const QString& sql, const QVariantList& values)
{
    Exec(sql, values);
    return m_db.GetRecordCount();
}

QString TestDatabase::SchemaFile()
{
    return QStringLiteral(SORTILO_SOURCE_DIR "/res/schema.sql");
}

QString TestDatabase::DemoFile()
{
    return QStringLiteral(SORTILO_SOURCE_DIR "/res/demo-participants.sql");
}
