// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of participant inserts under the connection settings the program uses: durable commits
// for the operator's connection, bulk commits for an import's own connection. Each way of
// committing is measured: one autocommitted statement per row (prepared anew each time), one
// prepared statement in a single transaction, and the same in transactions of 1,000 rows.
// One commit per row is measured on fewer rows: synced, each costs milliseconds.
// Prints a table; asserts nothing.
#include "data/CAdoDatabase.h"
#include "data/DatabaseCreator.h"
#include "data/DatabaseTransaction.h"
#include "data/PreparedStatement.h"
#include "data/SqlStatements.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

enum class Commits
{
    EachRow,
    OneTransaction,
    Batches
};

constexpr int BatchRows = 1000;
// A synced commit per row costs milliseconds on a busy disk: fewer rows show the same rate.
constexpr int MaxEachRowRows = 2000;

QVariantList PersonValues(int i)
{
    return {QStringLiteral("P%1").arg(i), QStringLiteral("参加者%1").arg(i),
            QStringLiteral("部门%1").arg(i % 17)};
}

double InsertRows(CAdoDatabase::Durability durability, Commits commits, int rows)
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
    if (commits == Commits::EachRow) {
        for (int i = 0; i < rows; ++i) {
            db.OpenQuery(sql, PersonValues(i));
        }
        return timer.nsecsElapsed() / 1e9;
    }
    PreparedStatement insert(db, sql);
    const int batch = commits == Commits::Batches ? BatchRows : rows;
    for (int first = 0; first < rows; first += batch) {
        DatabaseTransaction transaction(db);
        for (int i = first; i < rows && i < first + batch; ++i) {
            insert.Run(PersonValues(i));
        }
        if (!transaction.Commit()) {
            return -1;
        }
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    std::printf("%-26s %-28s %8s %9s %11s\n", "connection (WAL journal)", "commits", "rows",
                "seconds", "us per row");
    for (auto [name, durability] :
         {std::pair{"durable (synchronous=FULL)", CAdoDatabase::Durability::Durable},
          std::pair{"bulk (synchronous=NORMAL)", CAdoDatabase::Durability::Bulk}}) {
        for (auto [commitName, commits] :
             {std::pair{"each row (autocommit)", Commits::EachRow},
              std::pair{"one transaction, prepared", Commits::OneTransaction},
              std::pair{"batches of 1,000, prepared", Commits::Batches}}) {
            const int n = commits == Commits::EachRow ? std::min(rows, MaxEachRowRows) : rows;
            const double seconds = InsertRows(durability, commits, n);
            std::printf("%-26s %-28s %8d %9.2f %11.1f\n", name, commitName, n, seconds,
                        seconds * 1e6 / n);
            std::fflush(stdout);
        }
    }
    return 0;
}
