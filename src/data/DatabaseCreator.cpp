// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DatabaseCreator.h"

#include "data/SchemaVersion.h"
#include "data/SqlDialect.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace DatabaseCreator {

QStringList SplitStatements(const QString& script)
{
    QStringList statements;
    QString current;
    QChar quote;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (!quote.isNull()) {
            current += c;
            if (c == quote) {
                quote = QChar();
            }
            continue;
        }
        if (c == u'-' && i + 1 < script.size() && script.at(i + 1) == u'-') {
            while (i < script.size() && script.at(i) != u'\n') {
                ++i;
            }
            current += u'\n';
            continue;
        }
        if (c == u'$' && i + 1 < script.size() && script.at(i + 1) == u'$') {
            // A dollar-quoted body (PostgreSQL functions) runs to the next "$$", semicolons
            // and all.
            const qsizetype end = script.indexOf(QStringLiteral("$$"), i + 2);
            const qsizetype stop = end < 0 ? script.size() : end + 2;
            current += script.mid(i, stop - i);
            i = stop - 1;
        } else if (c == u'\'' || c == u'"') {
            quote = c;
            current += c;
        } else if (c == u';') {
            if (!current.trimmed().isEmpty()) {
                statements << current.trimmed();
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty()) {
        statements << current.trimmed();
    }
    return statements;
}

namespace {

QAtomicInt g_counter;

bool Run(const QString& connection, const QStringList& scriptFiles, QString* errorText)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.open()) {
        *errorText = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    if (!db.transaction()) {
        *errorText = db.lastError().text();
        return false;
    }
    for (const QString& file : scriptFiles) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            *errorText = QStringLiteral("cannot read %1: %2").arg(file, in.errorString());
            db.rollback();
            return false;
        }
        for (const QString& statement : SplitStatements(QString::fromUtf8(in.readAll()))) {
            if (!query.exec(statement)) {
                *errorText =
                    QStringLiteral("%1: %2\n%3").arg(file, query.lastError().text(), statement);
                db.rollback();
                return false;
            }
        }
    }
    if (!db.commit()) {
        *errorText = db.lastError().text();
        return false;
    }
    query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    query.finish();
    db.close();
    return true;
}

} // namespace

bool CreateSqlite(const QString& path, const QStringList& scriptFiles, QString* errorText)
{
    QString error;
    if (QFile::exists(path)) {
        error = QStringLiteral("%1 exists already").arg(path);
    } else {
        const QString temp = path + QStringLiteral(".new");
        QFile::remove(temp);
        const QString connection =
            QStringLiteral("sortilo-create-%1").arg(g_counter.fetchAndAddOrdered(1));
        bool ok;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(temp);
            ok = Run(connection, scriptFiles, &error);
        }
        QSqlDatabase::removeDatabase(connection);
        if (ok && !QFile::rename(temp, path)) {
            error = QStringLiteral("cannot rename %1 to %2").arg(temp, path);
            ok = false;
        }
        if (ok) {
            return true;
        }
        QFile::remove(temp);
        QFile::remove(temp + QStringLiteral("-wal"));
        QFile::remove(temp + QStringLiteral("-shm"));
    }
    if (errorText) {
        *errorText = error;
    }
    return false;
}

bool CreatePostgreSql(const DatabaseTarget& target, const QStringList& scriptFiles,
                      QString* errorText)
{
    QStringList files = scriptFiles;
    if (files.isEmpty()) {
        files << SchemaResource;
    }
    QString error;
    const QString connection =
        QStringLiteral("sortilo-create-%1").arg(g_counter.fetchAndAddOrdered(1));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        SqlDialect::ConfigurePostgreSql(db, target);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            const QStringList tables = db.tables(QSql::AllTables);
            QStringList held;
            for (const char* table :
                 {"person", "ComePrize", "JP", "hadPrizeView", "SchemaVersion"}) {
                if (tables.contains(QLatin1String(table), Qt::CaseInsensitive)) {
                    held << QLatin1String(table);
                }
            }
            if (!held.isEmpty()) {
                error = QStringLiteral("the database %1 already holds %2; it was left unchanged")
                            .arg(target.Describe(), held.join(QStringLiteral(", ")));
            } else {
                QStringList statements = SqlDialect::PostgreSqlPrologue();
                for (const QString& file : files) {
                    QFile in(file);
                    if (!in.open(QIODevice::ReadOnly)) {
                        error = QStringLiteral("cannot read %1: %2").arg(file, in.errorString());
                        break;
                    }
                    statements << SqlDialect::ScriptStatements(DatabaseTarget::Driver::PostgreSql,
                                                               QString::fromUtf8(in.readAll()));
                }
                statements << SqlDialect::PostgreSqlEpilogue(SchemaVersion::Current);
                // DDL is transactional on PostgreSQL: a failure leaves the database as it was.
                QSqlQuery query(db);
                bool ok = error.isEmpty() && db.transaction();
                for (qsizetype i = 0; ok && i < statements.size(); ++i) {
                    if (!query.exec(statements[i])) {
                        error =
                            QStringLiteral("%1\n%2").arg(query.lastError().text(), statements[i]);
                        ok = false;
                    }
                }
                query.finish();
                if (ok && !db.commit()) {
                    error = db.lastError().text();
                    ok = false;
                }
                if (!ok) {
                    db.rollback();
                    if (error.isEmpty()) {
                        error = db.lastError().text();
                    }
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (error.isEmpty()) {
        return true;
    }
    if (errorText) {
        *errorText = error;
    }
    return false;
}

} // namespace DatabaseCreator
