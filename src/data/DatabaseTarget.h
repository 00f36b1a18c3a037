#pragma once

#include <QString>

// Which database the layer connects to. The embedded default is an SQLite file that must
// already exist; PostgreSQL serves set-ups where several machines share the data.
struct DatabaseTarget
{
    enum class Driver
    {
        Sqlite,
        PostgreSql
    };

    Driver driver = Driver::Sqlite;
    QString path; // SQLite: the database file
    QString host; // PostgreSQL: server, port, database name and user
    int port = 5432;
    QString name;
    QString user;
    QString password; // both drivers; empty for the embedded default

    static DatabaseTarget SqliteFile(const QString& path, const QString& password = QString())
    {
        DatabaseTarget target;
        target.path = path;
        target.password = password;
        return target;
    }
};
