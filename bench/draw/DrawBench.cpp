// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what one pick, one reel tick and the winner's insert cost on an SQLite database of
// 1,000 to 100,000 participants, with 1% and 50% of them already winners, and the same on a
// PostgreSQL server (a throw-away cluster on this machine with durable commits) when its
// binaries are installed.
#include "data/CAdoDatabase.h"
#include "data/DatabaseCreator.h"
#include "draw/engine/DrawEngine.h"
#include "platform/core/MessageService.h"
#include "data/PersonStore.h"
#include "data/PreparedStatement.h"
#include "support/QuietMessages.h"
#include "data/SqlStatements.h"
#include "draw/engine/SystemRandomSource.h"
#include "support/VirtualClockHost.h"
#include "data/EligibilityStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Percentile(std::vector<double> values, double share)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(share * values.size()))];
}

// The winners set up before the measurements; the engine's carry the time of their draw.
constexpr const char* SetUpTime = "2024-01-01 00:00:00";

bool Fill(CAdoDatabase& db, int participants, int winners)
{
    bool ok = db.BeginTransaction();
    PreparedStatement person(db, QString::fromLatin1(SqlStatements::InsertPersonInGroup));
    PreparedStatement winner(db, QString::fromLatin1(SqlStatements::InsertWinner));
    for (int i = 0; ok && i < participants; ++i) {
        const QString id = QStringLiteral("P%1").arg(i, 7, 10, QLatin1Char('0'));
        ok = person.Run({id, QStringLiteral("参加者%1").arg(i), QStringLiteral("部门"),
                         QStringLiteral("组%1").arg(i % 10)});
        // Winners spread evenly over the list.
        if (ok && winners > 0 && i % (participants / winners) == 0 &&
            i / (participants / winners) < winners) {
            ok = winner.Run({id, QLatin1String(SetUpTime), 8, 1, QStringLiteral(""), id, id});
        }
    }
    return ok && db.CommitTransaction();
}

// A PostgreSQL cluster of this machine for the run, started by the tests' script.
class Cluster
{
public:
    Cluster()
    {
        const QString script =
            QStringLiteral(SORTILO_SOURCE_DIR "/tests/support/postgres-cluster.sh");
        if (QProcess::execute(script,
                              {QStringLiteral("start"), State(), QStringLiteral("durable")}) != 0) {
            return;
        }
        QFile state(State());
        if (state.open(QIODevice::ReadOnly)) {
            m_port = QString::fromUtf8(state.readAll()).section(u' ', 0, 0).toInt();
        }
    }
    ~Cluster()
    {
        QProcess::execute(QStringLiteral(SORTILO_SOURCE_DIR "/tests/support/postgres-cluster.sh"),
                          {QStringLiteral("stop"), State()});
    }
    bool Running() const { return m_port != 0; }

    // A new database with the schema; false with errorText.
    bool Create(const QString& name, DatabaseTarget* target, QString* errorText)
    {
        target->driver = DatabaseTarget::Driver::PostgreSql;
        target->host = QStringLiteral("127.0.0.1");
        target->port = m_port;
        target->user = QStringLiteral("postgres");
        target->name = QStringLiteral("postgres");
        bool ok = false;
        {
            QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            admin.setHostName(target->host);
            admin.setPort(m_port);
            admin.setUserName(target->user);
            admin.setDatabaseName(target->name);
            QSqlQuery query(admin);
            ok = admin.open() && query.exec(QStringLiteral("create database ") + name);
            if (!ok) {
                *errorText = admin.lastError().text() + query.lastError().text();
            }
            query.finish();
            admin.close();
        }
        QSqlDatabase::removeDatabase(name);
        target->name = name;
        return ok && DatabaseCreator::CreatePostgreSql(*target, {}, errorText);
    }

private:
    QString State() const { return m_dir.filePath(QStringLiteral("cluster")); }

    QTemporaryDir m_dir;
    int m_port = 0;
};

struct Figures
{
    RoundCosts round; // later picks (the pool is kept), ticks, the winner's insert and showing
    std::vector<double> firstPickMs;         // Start and Stop after the winners were cleared
    std::vector<double> firstPickAfterAddMs; // ... after a participant was added: journalled
    // ... after the level's rule and a participant's group changed: the pool is filtered at the
    // pick, not read again
    std::vector<double> firstPickAfterRuleMs;
    std::vector<double> refreshMs; // the pool read as the records dialog closes (the clearing)
};

// Runs rounds of 8 picks until enough picks are timed. A pick of the second and later places is
// the reveal timer's start of the pick (the pool reload) plus the automatic stop (the choice and
// the already-won test). The winners of each round are removed afterwards, so the share of
// winners stays as set up.
Figures Measure(CAdoDatabase& db, int picks)
{
    VirtualClockHost host;
    DrawEngine engine(host, db, std::make_unique<SystemRandomSource>(20240101));
    engine.QuotaUp(); // quota 8
    for (int q = 0; q < 6; ++q) {
        engine.QuotaUp();
    }
    engine.LevelUp(); // level 4 and up stop at full speed
    engine.LevelUp();
    engine.LevelUp();

    Figures figures;
    QElapsedTimer clock;
    PersonStore persons(db);
    const auto round = [&](std::vector<double>& firstPickMs) {
        clock.start();
        engine.StartRound();
        engine.StopRoll();
        firstPickMs.push_back(clock.nsecsElapsed() / 1e6);
        RunRound(engine, host, figures.round);
    };
    while (static_cast<int>(figures.round.picks.size()) < picks) {
        // After the winners were cleared everyone may be eligible again: the pool is read as
        // the dialog that cleared them closes, as the window does, before the next Start.
        clock.start();
        engine.RefreshCandidatePool();
        figures.refreshMs.push_back(clock.nsecsElapsed() / 1e6);
        round(figures.firstPickMs);
        // A participant entered in the dialog: the pool takes the change from the stores.
        const QString added = QStringLiteral("N%1").arg(figures.firstPickAfterAddMs.size());
        persons.Insert({added, QStringLiteral("新来的"), QString()});
        round(figures.firstPickAfterAddMs);
        persons.Delete(added);
        // Level 4 open to two groups of ten (or closed to them), one participant moved.
        EligibilityStore::Rules rules;
        const bool only = figures.firstPickAfterRuleMs.size() % 2 == 0;
        rules[3] =
            EligibilityRule(only ? EligibilityRule::Mode::Only : EligibilityRule::Mode::Except,
                            {QStringLiteral("组0"), QStringLiteral("组1")});
        EligibilityStore(db).Write(rules);
        persons.Update({QStringLiteral("P0000001"), QStringLiteral("参加者1"),
                        QStringLiteral("部门"),
                        only ? QStringLiteral("组0") : QStringLiteral("组1")});
        round(figures.firstPickAfterRuleMs);
        EligibilityStore(db).Write({});
        db.OpenQuery(QStringLiteral("delete from ComePrize where sDateTime <> ?"),
                     {QLatin1String(SetUpTime)});
    }
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QuietMessages messages;
    MessageService::Install(&messages);

    const QString schema = QStringLiteral(SORTILO_SOURCE_DIR "/res/schema.sql");
    const int sizes[] = {1000, 10000, 100000};
    const int shares[] = {1, 50};

    std::printf("Draw engine on SQLite and on PostgreSQL (a server on this machine, reached over "
                "127.0.0.1, durable commits):\none pick = start of the pick + choice + "
                "already-won test (median of 21 picks); the pool is kept current from the "
                "changes the stores journal,\nso picks reuse it; the first pick of a round is "
                "Start and Stop;\nafter a rule change = the level's rule and a participant's group "
                "changed since the last round;\none reel tick = a rolling reel's "
                "timer message with a null host (median and p99 of all ticks);\n"
                "pool read = the pool read again as the dialog that cleared the winners closes "
                "(the window does it then, not at Start); record = the last reel's tick that "
                "stores the winner (durable insert) and shows it.\n\n");
    std::printf(
        "| engine | participants | winners | pool | pick median ms | pick max ms | first pick "
        "after winners cleared ms | first pick after a participant added ms | first pick after a "
        "rule change ms | pool read ms | "
        "tick median ms | tick p99 ms | record ms |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    Cluster cluster;
    int databases = 0;
    for (const DatabaseTarget::Driver driver :
         {DatabaseTarget::Driver::Sqlite, DatabaseTarget::Driver::PostgreSql}) {
        const bool sqlite = driver == DatabaseTarget::Driver::Sqlite;
        if (!sqlite && !cluster.Running()) {
            std::printf("\nPostgreSQL: not measured (no server binaries, or the cluster did not "
                        "start).\n");
            break;
        }
        for (const int size : sizes) {
            for (const int share : shares) {
                QTemporaryDir dir;
                DatabaseTarget target =
                    DatabaseTarget::SqliteFile(dir.path() + QStringLiteral("/Data.db"));
                QString error;
                const bool created =
                    sqlite ? DatabaseCreator::CreateSqlite(target.path, {schema}, &error)
                           : cluster.Create(QStringLiteral("bench_%1").arg(++databases), &target,
                                            &error);
                if (!created) {
                    std::fprintf(stderr, "cannot create the database: %s\n", qPrintable(error));
                    return 1;
                }
                CAdoDatabase db;
                if (!db.ConnectDatabase(target)) {
                    return 1;
                }
                db.SetDurability(CAdoDatabase::Durability::Bulk);
                const int winners = size * share / 100;
                if (!Fill(db, size, winners)) {
                    std::fprintf(stderr, "cannot fill the database: %s\n",
                                 qPrintable(db.LastError()));
                    return 1;
                }
                db.SetDurability(CAdoDatabase::Durability::Durable);
                const Figures figures = Measure(db, 21);
                std::printf(
                    "| %s | %d | %d%% | %d | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %.4f | "
                    "%.4f | %.2f |\n",
                    sqlite ? "SQLite" : "PostgreSQL", size, share, size - winners,
                    MedianOf(figures.round.picks),
                    *std::max_element(figures.round.picks.begin(), figures.round.picks.end()),
                    MedianOf(figures.firstPickMs), MedianOf(figures.firstPickAfterAddMs),
                    MedianOf(figures.firstPickAfterRuleMs), MedianOf(figures.refreshMs),
                    MedianOf(figures.round.ticks), Percentile(figures.round.ticks, 0.99),
                    MedianOf(figures.round.stores));
                std::fflush(stdout);
            }
        }
    }
    MessageService::Install(nullptr);
    return 0;
}
