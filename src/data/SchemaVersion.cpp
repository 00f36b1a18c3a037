// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SchemaVersion.h"

#include "data/CAdoDatabase.h"
#include "data/DrawLog.h"
#include "data/SqlDialect.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// The tables and the view every statement of the program relies on.
const char* const RequiredTables[] = {"person", "ComePrize", "JP", "hadPrizeView"};

// A step that the stored data does not allow is left out; the data stays usable and the
// operator is told once.
struct StepGuard
{
    int version;
    const char* query; // rows mean the step cannot be made
    const char* notice;
};

const StepGuard Guards[] = {
    {1, "select PersonID from ComePrize group by PersonID having count(*) > 1",
     "The winners record holds more than one win for %1. All wins are kept and the draw still "
     "lets each participant win only once, but this database cannot refuse a second win by "
     "itself."},
};

// What a step does beyond its script, on the upgrade's connection inside its transaction.
struct StepFollowUp
{
    int version;
    bool (*run)(QSqlDatabase database, QString* error);
};

const StepFollowUp FollowUps[] = {
    {4, &DrawLog::TakeInExisting},
};

QString NewerText(int version)
{
    return QStringLiteral("it was made by a newer version of this program (database version %1; "
                          "this program knows versions up to %2)")
        .arg(version)
        .arg(SchemaVersion::Current);
}

QString UpgradeFolder()
{
    return QStringLiteral(":/schema/upgrade");
}

} // namespace

SchemaVersion::SchemaVersion(QSqlDatabase database, DatabaseTarget::Driver driver)
    : m_database(std::move(database)), m_driver(driver)
{}

bool SchemaVersion::Failed(const QSqlError& error, const QString& what)
{
    m_readOnly = CAdoDatabase::IsReadOnlyError(error);
    QString text = error.databaseText().trimmed();
    if (text.isEmpty()) {
        text = error.text().trimmed();
    }
    m_error = what.isEmpty() ? text : QStringLiteral("%1: %2").arg(what, text);
    return false;
}

bool SchemaVersion::Check()
{
    QStringList tables;
    QSqlQuery query(m_database);
    if (m_driver == DatabaseTarget::Driver::Sqlite) {
        // Read directly rather than through QSqlDatabase::tables(), which hides the error of a
        // file that is not a database at all.
        if (!query.exec(
                QStringLiteral("select name from sqlite_master where type in ('table','view')"))) {
            return Failed(query.lastError(), QString());
        }
        while (query.next()) {
            tables << query.value(0).toString();
        }
    } else {
        tables = m_database.tables(QSql::AllTables);
    }
    QStringList missing;
    for (const char* table : RequiredTables) {
        if (!tables.contains(QLatin1String(table), Qt::CaseInsensitive)) {
            missing << QLatin1String(table);
        }
    }
    if (!missing.isEmpty()) {
        m_error = QStringLiteral("it is not a database of this program (it lacks %1)")
                      .arg(missing.join(QStringLiteral(", ")));
        return false;
    }
    if (!ReadVersion(&m_version)) {
        return false;
    }
    if (m_version > Current) {
        m_error = NewerText(m_version);
        return false;
    }
    return true;
}

bool SchemaVersion::ReadVersion(int* version)
{
    QSqlQuery query(m_database);
    if (m_driver == DatabaseTarget::Driver::Sqlite) {
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            return Failed(query.lastError(), QStringLiteral("cannot read the database version"));
        }
        *version = query.value(0).toInt();
        return true;
    }
    if (!m_database.tables().contains(QStringLiteral("schemaversion"), Qt::CaseInsensitive)) {
        *version = 0;
        return true;
    }
    if (!query.exec(QStringLiteral("select max(version) from SchemaVersion"))) {
        return Failed(query.lastError(), QStringLiteral("cannot read the database version"));
    }
    *version = query.next() ? query.value(0).toInt() : 0;
    return true;
}

bool SchemaVersion::WriteVersion(int version)
{
    QSqlQuery query(m_database);
    QStringList statements;
    if (m_driver == DatabaseTarget::Driver::Sqlite) {
        statements << QStringLiteral("PRAGMA user_version = %1").arg(version);
    } else {
        statements
            << QStringLiteral("create table if not exists SchemaVersion (version integer "
                              "not null)")
            << QStringLiteral("delete from SchemaVersion")
            << QStringLiteral("insert into SchemaVersion (version) values (%1)").arg(version);
    }
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            return Failed(query.lastError(), QStringLiteral("cannot write the database version"));
        }
    }
    return true;
}

bool SchemaVersion::RunStep(int version)
{
    for (const StepGuard& guard : Guards) {
        if (guard.version != version) {
            continue;
        }
        QSqlQuery query(m_database);
        if (!query.exec(QLatin1String(guard.query))) {
            return Failed(query.lastError(), QString());
        }
        QStringList held;
        while (query.next()) {
            held << query.value(0).toString();
        }
        if (!held.isEmpty()) {
            constexpr int Named = 10;
            QString names = held.mid(0, Named).join(QStringLiteral(", "));
            if (held.size() > Named) {
                names += QStringLiteral(" and %1 more").arg(held.size() - Named);
            }
            m_notices << QString::fromLatin1(guard.notice).arg(names);
            return true;
        }
    }

    const QString prefix = QStringLiteral("%1-").arg(version, 3, 10, QLatin1Char('0'));
    const QStringList scripts =
        QDir(UpgradeFolder())
            .entryList({prefix + QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (scripts.size() != 1) {
        m_error = QStringLiteral("the upgrade to database version %1 is missing").arg(version);
        return false;
    }
    QFile file(UpgradeFolder() + QLatin1Char('/') + scripts.first());
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read %1").arg(file.fileName());
        return false;
    }
    QSqlQuery query(m_database);
    for (const QString& statement :
         SqlDialect::ScriptStatements(m_driver, QString::fromUtf8(file.readAll()))) {
        if (!query.exec(statement)) {
            return Failed(query.lastError(), QString());
        }
    }
    for (const StepFollowUp& followUp : FollowUps) {
        if (followUp.version == version && !followUp.run(m_database, &m_error)) {
            return false;
        }
    }
    return true;
}

bool SchemaVersion::Upgrade()
{
    if (m_version >= Current) {
        return true;
    }
    QSqlQuery query(m_database);
    // Taking the write lock at once keeps a second program starting at the same moment from
    // upgrading the same file twice: it waits, then finds the new version.
    const bool begun = m_driver == DatabaseTarget::Driver::Sqlite
                           ? query.exec(QStringLiteral("BEGIN IMMEDIATE"))
                           : m_database.transaction();
    if (!begun) {
        return Failed(m_driver == DatabaseTarget::Driver::Sqlite ? query.lastError()
                                                                 : m_database.lastError(),
                      QStringLiteral("cannot begin the upgrade"));
    }
    // Read again under the lock: another program may have upgraded the file meanwhile.
    int version = 0;
    bool ok = ReadVersion(&version);
    if (ok && version >= Current) {
        m_database.rollback();
        m_version = version;
        if (version > Current) {
            m_error = NewerText(version);
            return false;
        }
        return true;
    }
    for (int step = version + 1; ok && step <= Current; ++step) {
        ok = RunStep(step);
    }
    ok = ok && WriteVersion(Current);
    if (ok && !m_database.commit()) {
        ok = Failed(m_database.lastError(), QStringLiteral("cannot commit the upgrade"));
    }
    if (!ok) {
        m_database.rollback();
        m_notices.clear();
        return false;
    }
    m_version = Current;
    return true;
}
