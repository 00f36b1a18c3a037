// SPDX-License-Identifier: GPL-3.0-or-later
// Creates a database from the schema: the application folder's Data.db (with the demo
// participants), or, with --server, the tables of the empty PostgreSQL database that the
// [DATABASE] section of a config.ini names, for stations that share one event.
// An existing database is the operator's data: it is left as it is.
#include "data/DatabaseCreator.h"
#include "data/DatabaseTarget.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

int CreateOnServer(const QString& configPath, const QStringList& scripts)
{
    if (!QFile::exists(configPath)) {
        std::fprintf(stderr, "sortilo_makedb: %s does not exist\n", qPrintable(configPath));
        return 1;
    }
    QString error;
    const std::optional<DatabaseTarget> target =
        DatabaseTarget::FromConfig(configPath, QString(), &error);
    if (!target) {
        std::fprintf(stderr, "sortilo_makedb: %s\n", qPrintable(error));
        return 1;
    }
    if (target->driver != DatabaseTarget::Driver::PostgreSql) {
        std::fprintf(stderr,
                     "sortilo_makedb: %s has no [DATABASE] section with "
                     "Driver=PostgreSQL\n",
                     qPrintable(configPath));
        return 1;
    }
    if (!DatabaseCreator::CreatePostgreSql(*target, scripts, &error)) {
        std::fprintf(stderr, "sortilo_makedb: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("created the tables of %s\n", qPrintable(target->Describe()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args.first() == QLatin1String("--server")) {
        return CreateOnServer(args.at(1), args.mid(2));
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: sortilo_makedb DATABASE SCRIPT.sql...\n"
                             "       sortilo_makedb --server CONFIG.ini [SCRIPT.sql...]\n");
        return 2;
    }
    if (QFile::exists(args.first())) {
        return 0;
    }
    QString error;
    if (!DatabaseCreator::CreateSqlite(args.first(), args.mid(1), &error)) {
        std::fprintf(stderr, "sortilo_makedb: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("created %s\n", qPrintable(args.first()));
    return 0;
}
