// Cost of autocommitted participant inserts (one statement, one commit each) under the
// connection settings the program uses: durable commits for the operator's connection, bulk
// commits for an import's own connection. Prints a table; asserts nothing.
#include "CAdoDatabase.h"
#include "DatabaseCreator.h"
#include "SqlStatements.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double InsertRows(CAdoDatabase::Durability durability, int rows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.db"));
    if (!DatabaseCreator::CreateSqlite(path,
                                       {QStringLiteral(SORTILO_SOURCE_DIR "/res/schema.sql")})) {
        return -1;
    }
    CAdoDatabase db;
    if (!db.ConnectDatabase(QString(), path)) {
        return -1;
    }
    db.SetDurability(durability);
    const QString sql = QLatin1String(SqlStatements::InsertPerson);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rows; ++i) {
        db.OpenQuery(sql, {QStringLiteral("P%1").arg(i), QStringLiteral("参加者%1").arg(i),
                           QStringLiteral("部门%1").arg(i % 17)});
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    std::printf("%-34s %10s %10s %14s\n", "connection (WAL journal)", "rows", "seconds",
                "us per row");
    for (auto [name, durability] :
         {std::pair{"durable (synchronous=FULL)", CAdoDatabase::Durability::Durable},
          std::pair{"bulk (synchronous=NORMAL)", CAdoDatabase::Durability::Bulk}}) {
        const double seconds = InsertRows(durability, rows);
        std::printf("%-34s %10d %10.2f %14.1f\n", name, rows, seconds, seconds * 1e6 / rows);
    }
    return 0;
}
