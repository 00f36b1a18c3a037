// Creates the application folder's Data.db from the schema and the demo participants.
// An existing database is the operator's data: it is left as it is.
#include "DatabaseCreator.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: sortilo_makedb DATABASE SCRIPT.sql...\n");
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
