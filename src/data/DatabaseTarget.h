// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Which database the layer connects to. The embedded default is an SQLite file that must
// already exist; PostgreSQL serves set-ups where several machines share the data.
struct DatabaseTarget
{
    enum class Driver
    {
        Sqlite,
        PostgreSql
    };

    // The optional section of config.ini that points a station at a server. Without it the
    // station uses its own SQLite file.
    static constexpr const char* ConfigSection = "DATABASE";

    Driver driver = Driver::Sqlite;
    QString path; // SQLite: the database file
    QString host; // PostgreSQL: server, port (0: the default), database name and user
    int port = 0;
    QString name;
    QString user;
    // PostgreSQL: a service of the user's pg_service.conf; the fields above override its values.
    QString service;
    // Set by programs and tests only: the settings file never holds one (stations use
    // PostgreSQL's password file ~/.pgpass or the service file).
    QString password;

    static DatabaseTarget SqliteFile(const QString& path, const QString& password = QString())
    {
        DatabaseTarget target;
        target.path = path;
        target.password = password;
        return target;
    }

    // The target named by the [DATABASE] section of the settings file at configPath, or the
    // SQLite file sqlitePath when the file or the section is absent (or Driver=SQLite).
    // nullopt with errorText for a section that cannot be used; a Password key is never read.
    // A file that cannot be read as settings (past IniFile::MaxFileBytes, not to be opened, not
    // text) gives nullopt with errorText naming it and the reason: refused outright when a
    // [DATABASE] line can still be seen in it; otherwise unreadable is set, since whether it
    // names a server is unknown, and the caller may ask the operator whether to go on with
    // sqlitePath.
    static std::optional<DatabaseTarget> FromConfig(const QString& configPath,
                                                    const QString& sqlitePath,
                                                    QString* errorText = nullptr,
                                                    bool* unreadable = nullptr);

    // What the target is, for messages: the file, or the database and its server.
    QString Describe() const;
};
