// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SqlDialect.h"

#include "data/DatabaseCreator.h"

#include <QRegularExpression>

namespace SqlDialect {

QStringList ScriptStatements(DatabaseTarget::Driver driver, const QString& script)
{
    QStringList statements = DatabaseCreator::SplitStatements(script);
    if (driver == DatabaseTarget::Driver::Sqlite) {
        return statements;
    }
    static const QRegularExpression nocase(QStringLiteral("\\btext\\s+collate\\s+nocase\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression pragma(QStringLiteral("^pragma\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList translated;
    for (QString statement : statements) {
        if (pragma.match(statement).hasMatch()) {
            continue;
        }
        translated << statement.replace(nocase, QStringLiteral("citext"));
    }
    return translated;
}

QStringList PostgreSqlPrologue()
{
    return {QStringLiteral("create extension if not exists citext")};
}

QStringList PostgreSqlEpilogue(int version)
{
    const QString channel = QLatin1String(ChangeChannel);
    QStringList statements{
        QStringLiteral("create function sortilo_data_changed() returns trigger language plpgsql "
                       "as $$ begin perform pg_notify('%1', lower(TG_TABLE_NAME) || ' ' || "
                       "TG_OP); return null; end $$")
            .arg(channel)};
    for (const char* table : {"person", "ComePrize"}) {
        statements << QStringLiteral("create trigger %1_changed after insert or update or delete "
                                     "or truncate on %1 for each statement execute function "
                                     "sortilo_data_changed()")
                          .arg(QLatin1String(table));
    }
    statements << QStringLiteral("create table SchemaVersion (version integer not null)")
               << QStringLiteral("insert into SchemaVersion (version) values (%1)").arg(version);
    return statements;
}

void ConfigurePostgreSql(QSqlDatabase& database, const DatabaseTarget& target)
{
    database.setHostName(target.host);
    if (target.port != 0) {
        database.setPort(target.port);
    }
    database.setDatabaseName(target.name);
    database.setUserName(target.user);
    if (!target.password.isEmpty()) {
        database.setPassword(target.password);
    }
    // A bounded wait for an unreachable server. Keep-alives notice a network gone quiet under
    // an idle connection, and tcp_user_timeout one gone quiet under a statement: the connection
    // then fails instead of waiting as long as TCP would. The server gives up a statement (or a
    // lock wait) itself before the station's own bound (ServerLink) would cut the connection.
    // The client encoding travels with the connection's parameters, so a connection made again
    // in place speaks UTF-8 as the first did.
    QString options =
        QStringLiteral("connect_timeout=10;keepalives=1;keepalives_idle=5;keepalives_interval=2;"
                       "keepalives_count=3;tcp_user_timeout=10000;client_encoding=UTF8;"
                       "options='-c statement_timeout=4000 -c lock_timeout=3000'");
    if (!target.service.isEmpty()) {
        options += QStringLiteral(";service=") + target.service;
    }
    database.setConnectOptions(options);
}

} // namespace SqlDialect
