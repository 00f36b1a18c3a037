#include "DatabaseCreator.h"

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
        if (c == u'\'' || c == u'"') {
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

} // namespace DatabaseCreator
