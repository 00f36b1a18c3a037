// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what one pick, one reel tick and the winner's insert cost on an SQLite database of
// 1,000 to 100,000 participants, with 1% and 50% of them already winners, and the same on a
// PostgreSQL server (a throw-away cluster on this machine with durable commits) when its
// binaries are installed; then what the draw log adds to a win and to a pool read.
#include "data/CAdoDatabase.h"
#include "data/DatabaseCreator.h"
#include "data/PersonStore.h"
#include "data/PreparedStatement.h"
#include "data/PrizeStore.h"
#include "data/SqlStatements.h"
#include "data/WinnerStore.h"
#include "draw/engine/DrawEngine.h"
#include "draw/engine/PoolDigest.h"
#include "draw/engine/SystemRandomSource.h"
#include "platform/core/MessageService.h"
#include "support/QuietMessages.h"
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

// Big rounds of size winners: the cost of Stop, which chooses every winner and stores them all
// in one durable transaction before anything is shown. The wins are removed after each round.
std::vector<double> MeasureBigRounds(CAdoDatabase& db, int size, int rounds)
{
    PrizeStore::RoundSizes sizes;
    sizes.fill(PrizeStore::DefaultRoundSize);
    sizes[0] = size;
    PrizeStore(db).UpdateRoundSizes(sizes);
    VirtualClockHost host;
    DrawEngine engine(host, db, std::make_unique<SystemRandomSource>(20240102));
    for (int press = 0; press < DrawEngine::MaxValue; ++press) {
        engine.QuotaUp(); // 1 to 8, then the round size
    }
    std::vector<double> stops;
    RoundCosts costs;
    QElapsedTimer clock;
    for (int round = 0; round < rounds; ++round) {
        engine.StartRound();
        clock.start();
        engine.StopRoll();
        stops.push_back(clock.nsecsElapsed() / 1e6);
        RunRound(engine, host, costs);
        db.OpenQuery(QStringLiteral("delete from ComePrize where sDateTime <> ?"),
                     {QLatin1String(SetUpTime)});
    }
    return stops;
}

// What the draw log adds to storing a win and to reading the pool. Pairs of wins, alternately
// the win's insert alone (as wins were stored before the log) and the store's insert with its
// log entry in one transaction, on participants without a win, so that a busy machine slows
// both alike; and the pool's digest computed over every entry, which the pool read now adds.
struct LogCost
{
    std::vector<double> bareMs;
    std::vector<double> loggedMs;
    double digestMs = 0;
};

LogCost MeasureLogCost(CAdoDatabase& db, int wins)
{
    LogCost cost;
    WinnerStore store(db);
    const QList<PersonRow> pool = store.CandidatePool().value_or(QList<PersonRow>());
    QElapsedTimer clock;
    clock.start();
    PoolDigest digest;
    for (const PersonRow& person : pool) {
        digest.Add(person.PersonID);
    }
    cost.digestMs = clock.nsecsElapsed() / 1e6;
    const QString time = QStringLiteral("2024-01-02 00:00:00");
    for (int i = 0; i + 1 < pool.size() && i < 2 * wins; i += 2) {
        const QString bare = pool[i].PersonID;
        const QString logged = pool[i + 1].PersonID;
        clock.start();
        db.OpenQuery(QString::fromLatin1(SqlStatements::InsertWinner),
                     {bare, time, 8, 1, QString(), bare, bare});
        cost.bareMs.push_back(clock.nsecsElapsed() / 1e6);
        clock.start();
        store.InsertWinner({logged, time, 8, 1, QString()}, nullptr,
                           {pool.size(), pool.size(), digest.Hex(), QString()});
        cost.loggedMs.push_back(clock.nsecsElapsed() / 1e6);
    }
    db.OpenQuery(QStringLiteral("delete from ComePrize where sDateTime = ?"), {time});
    return cost;
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
    QStringList bigRows; // the big rounds' table, printed after the picks'
    QStringList logCosts;
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
                if (size == 100000 && share == 1) {
                    const std::vector<double> stops = MeasureBigRounds(db, 1000, 7);
                    bigRows << QStringLiteral("| %1 | %2 | %3 | 1000 | %4 | %5 |")
                                   .arg(QLatin1String(sqlite ? "SQLite" : "PostgreSQL"))
                                   .arg(size)
                                   .arg(QString::number(share) + u'%')
                                   .arg(MedianOf(stops), 0, 'f', 1)
                                   .arg(*std::max_element(stops.begin(), stops.end()), 0, 'f', 1);
                }
                const LogCost log = MeasureLogCost(db, 21);
                logCosts << QString::asprintf(
                    "| %s | %d | %d%% | %.2f | %.2f | %.2f |", sqlite ? "SQLite" : "PostgreSQL",
                    size, share, MedianOf(log.bareMs), MedianOf(log.loggedMs), log.digestMs);
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
    std::printf("\nBig round: Stop chooses every winner of the round and stores them all in one "
                "durable transaction before anything is shown (median and worst of 7 rounds; "
                "target: within 1 s of Stop).\n\n| engine | participants | winners before | "
                "round | Stop to stored median ms | worst ms |\n|---|---:|---:|---:|---:|---:|\n");
    for (const QString& row : bigRows) {
        std::printf("%s\n", qPrintable(row));
    }
    std::printf(
        "\nThe draw log: a win stored without it (the insert alone) and with its entry in one "
        "transaction (median of 21 pairs, alternately); the pool's digest computed over "
        "the whole pool, which every pool read now adds.\n\n| engine | participants | "
        "winners | win without log ms | win with log ms | pool digest ms |\n"
        "|---|---:|---:|---:|---:|---:|\n");
    for (const QString& line : std::as_const(logCosts)) {
        std::printf("%s\n", qPrintable(line));
    }
    MessageService::Install(nullptr);
    return 0;
}
