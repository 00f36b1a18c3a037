// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how the check-in server bears a crowd of phones: 2,000 guests, 200 requests a second
// for 30 seconds from a client thread over the loopback (a new connection each, as phones open
// them, from an address per guest): a third load the page, a third check in, a third check in again
// a little later. Counts errors (no answer, or another answer than due) and lost check-ins
// (answered as done but not kept), the answers' latency, and the ticks a 10 ms precise timer on the
// window's thread missed meanwhile: with the server on a thread of its own and the participants in
// memory, then on the timer's thread, then as the program runs it: the event folder's own page
// runner, deciding with the event's SQLite database over a connection of its own. Lost check-ins
// are counted against what the memory or the database kept. SORTILO_BENCH_SECONDS shortens the
// run.
#include "app/CheckinPageRunner.h"
#include "checkin/MemoryCheckinAuthority.h"
#include "checkin/web/CheckinService.h"
#include "data/CAdoDatabase.h"
#include "data/CheckinStore.h"
#include "data/DatabaseCreator.h"
#include "data/DatabaseTarget.h"
#include "data/PersonStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {

constexpr int Guests = 2000;
constexpr int RequestsPerSecond = 200;
const QByteArray Token = QByteArrayLiteral("BenchBenchBenchBenchBe");

QString GuestId(int i)
{
    return QStringLiteral("G%1").arg(i, 4, 10, QLatin1Char('0'));
}
QString GuestName(int i)
{
    return QStringLiteral("来宾%1").arg(i);
}

// The load: one request every 5 ms on the thread it lives on, each over its own connection.
class Crowd final : public QObject
{
public:
    Crowd(quint16 port, QByteArray token, int requests)
        : m_port(port), m_token(std::move(token)), m_requests(requests)
    {}

    void Start()
    {
        m_clock.start();
        auto* timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            // Catch up on the schedule if the thread was late, so the rate holds.
            const qint64 due = m_clock.elapsed() * RequestsPerSecond / 1000 + 1;
            while (m_sent < std::min<qint64>(due, m_requests)) {
                Send(m_sent++);
            }
            if (m_sent >= m_requests) {
                timer->stop();
            }
        });
        timer->start(1000 / RequestsPerSecond);
    }

    std::atomic<int> finished{0};
    std::atomic<int> errors{0};
    std::vector<double> latencies;    // read once finished == requests
    QList<QString> answeredCheckedIn; // guests whose check-in was answered as done

private:
    void Send(int n)
    {
        // A third the page; a third first check-ins; a third check-ins of a guest checked in
        // 300 requests (1.5 s) before.
        const int kind = n % 3;
        const int guest = n / 3 - (kind == 2 ? 100 : 0);
        QByteArray request;
        QByteArray expected;
        if (kind == 0 || guest < 0) {
            request = "GET /c/" + m_token + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
            expected = "<form";
        } else {
            const QByteArray body = "id=" + GuestId(guest).toUtf8() +
                                    "&name=" + GuestName(guest).toUtf8().toPercentEncoding();
            request = "POST /c/" + m_token +
                      " HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: application/json\r\n"
                      "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body;
            expected = kind == 1 ? "checked-in" : "already";
        }
        auto* socket = new QTcpSocket(this);
        // Each guest's phone has an address of its own (the whole of 127.0.0.0/8 is this
        // machine), as the server's limits per address expect.
        const int phone = guest >= 0 ? guest : n / 3;
        socket->bind(
            QHostAddress(QStringLiteral("127.0.%1.%2").arg(phone / 250).arg(phone % 250 + 1)));
        auto* received = new QByteArray;
        QElapsedTimer started;
        started.start();
        const auto finish = [this, socket, received](bool ok) {
            if (!ok) {
                ++errors;
            }
            delete received;
            socket->disconnect();
            socket->deleteLater();
            ++finished;
        };
        connect(socket, &QTcpSocket::connected, socket,
                [socket, request] { socket->write(request); });
        connect(socket, &QTcpSocket::readyRead, socket,
                [this, socket, received, expected, started, finish, kind, guest] {
                    *received += socket->readAll();
                    const qsizetype end = received->indexOf("\r\n\r\n");
                    const qsizetype at = received->toLower().indexOf("content-length: ");
                    if (end < 0 || at < 0) {
                        return;
                    }
                    const qsizetype length =
                        received->mid(at + 16).split('\r').first().toLongLong();
                    if (received->size() < end + 4 + length) {
                        return;
                    }
                    latencies.push_back(static_cast<double>(started.nsecsElapsed()) / 1e6);
                    const bool ok = received->startsWith("HTTP/1.1 200") &&
                                    received->mid(end + 4).contains(expected);
                    if (ok && kind == 1) {
                        answeredCheckedIn.append(GuestId(guest));
                    }
                    finish(ok);
                });
        connect(socket, &QTcpSocket::errorOccurred, socket, [finish] { finish(false); });
        socket->connectToHost(QHostAddress::LocalHost, m_port);
    }

    quint16 m_port;
    QByteArray m_token;
    int m_requests;
    int m_sent = 0;
    QElapsedTimer m_clock;
};

struct Ticks
{
    int ticks = 0;
    int missed = 0;
    double longestMs = 0;
};

// A 10 ms precise timer on this thread, as the draw window runs the reels'.
class ReelTimer
{
public:
    ReelTimer()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const double interval = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
            m_clock.restart();
            ++counted.ticks;
            counted.longestMs = std::max(counted.longestMs, interval);
            counted.missed += std::max(0, static_cast<int>(interval / 10.0 + 0.5) - 1);
        });
        m_clock.start();
        m_timer.start(10);
    }
    Ticks counted;

private:
    QElapsedTimer m_clock;
    QTimer m_timer;
};

void PrintTimerAlone(int seconds)
{
    ReelTimer reel;
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < seconds * 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    std::printf("| %-18s | %8s | %6s | %6s | %4s | %7s | %7s | %7s | %7s | %5d | %6d | %7.1f |\n",
                "timer alone", "-", "-", "-", "-", "-", "-", "-", "-", reel.counted.ticks,
                reel.counted.missed, reel.counted.longestMs);
    std::fflush(stdout);
}

enum class Server
{
    OwnThread,    // the page's server on a thread of its own, guests in memory
    TimerThread,  // the same on the reel timer's thread
    EventDatabase // the program's page runner on an event folder's SQLite database
};

// An event folder holding the guests in its Data.db; empty when it could not be made.
QString MakeEventFolder(const QTemporaryDir& dir)
{
    const QString folder = dir.path() + QLatin1Char('/');
    QString error;
    if (!DatabaseCreator::CreateSqlite(folder + QStringLiteral("Data.db"),
                                       {QStringLiteral(SORTILO_SOURCE_DIR "/res/schema.sql")},
                                       &error)) {
        std::fprintf(stderr, "cannot create the database: %s\n", qPrintable(error));
        return QString();
    }
    CAdoDatabase db;
    if (!db.ConnectDatabase(DatabaseTarget::SqliteFile(folder + QStringLiteral("Data.db")))) {
        return QString();
    }
    db.SetDurability(CAdoDatabase::Durability::Bulk);
    PersonStore persons(db);
    bool ok = db.BeginTransaction();
    for (int i = 0; ok && i < Guests; ++i) {
        ok = persons.Insert({GuestId(i), GuestName(i), QStringLiteral("部门")});
    }
    return ok && db.CommitTransaction() ? folder : QString();
}

void RunOnce(Server kind, int seconds)
{
    QHash<QString, QString> names;
    for (int i = 0; i < Guests; ++i) {
        names.insert(GuestId(i), GuestName(i));
    }
    MemoryCheckinAuthority* authority = nullptr;
    std::unique_ptr<MemoryCheckinAuthority> local;
    std::unique_ptr<CheckinService> service;
    std::unique_ptr<CheckinServer> server;
    QTemporaryDir eventDir;
    QString folder;
    std::unique_ptr<CheckinPageRunner> runner;
    quint16 port = 0;
    QByteArray token = Token;
    if (kind == Server::OwnThread) {
        service = std::make_unique<CheckinService>(
            [&] {
                auto made = std::make_unique<MemoryCheckinAuthority>(names);
                authority = made.get();
                return made;
            },
            Token);
        if (service->Start(QHostAddress::LocalHost, 0)) {
            port = service->Port();
        }
    } else if (kind == Server::TimerThread) {
        local = std::make_unique<MemoryCheckinAuthority>(names);
        authority = local.get();
        server = std::make_unique<CheckinServer>(*authority, Token, CheckinServer::Options{});
        port = server->Listen(QHostAddress::LocalHost, 0);
    } else if (folder = MakeEventFolder(eventDir); !folder.isEmpty()) {
        runner = std::make_unique<CheckinPageRunner>(folder, QStringLiteral("bench"),
                                                     CheckinPageRunner::Network::Optional);
        runner->SetAddressFinder([] { return QHostAddress(QHostAddress::LocalHost); });
        QString error;
        if (runner->StartPage(0, &error)) {
            const QUrl url(runner->PageUrl());
            port = static_cast<quint16>(url.port());
            token = url.path().section(QLatin1Char('/'), -1).toLatin1();
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(error));
        }
    }
    if (port == 0) {
        std::printf("the server could not listen\n");
        return;
    }

    auto reel = std::make_unique<ReelTimer>();
    const int requests = seconds * RequestsPerSecond;
    QThread clientThread;
    Crowd crowd(port, token, requests);
    crowd.moveToThread(&clientThread);
    clientThread.start();
    QMetaObject::invokeMethod(&crowd, [&crowd] { crowd.Start(); });
    QElapsedTimer wall;
    wall.start();
    while (crowd.finished < requests && wall.elapsed() < (seconds + 30) * 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const Ticks ticks = reel->counted;
    reel.reset();
    // Its sockets and timer end on their own thread, and the crowd comes back to this one.
    QMetaObject::invokeMethod(
        &crowd,
        [&crowd] {
            qDeleteAll(crowd.children());
            crowd.moveToThread(QCoreApplication::instance()->thread());
        },
        Qt::BlockingQueuedConnection);
    clientThread.quit();
    clientThread.wait();

    QSet<QString> kept;
    if (runner) {
        runner->StopPage();
        CAdoDatabase db;
        if (db.ConnectDatabase(DatabaseTarget::SqliteFile(folder + QStringLiteral("Data.db")))) {
            if (const auto stored = CheckinStore(db, QStringLiteral("bench")).CheckedIn()) {
                for (auto it = stored->constBegin(); it != stored->constEnd(); ++it) {
                    kept.insert(it.key());
                }
            }
        }
    } else {
        kept = authority->CheckedIn();
    }
    int lost = 0;
    for (const QString& id : crowd.answeredCheckedIn) {
        lost += kept.contains(PersonRow::IdKey(id)) ? 0 : 1;
    }
    std::vector<double> latencies = crowd.latencies;
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double share) {
        return latencies.empty()
                   ? 0.0
                   : latencies[std::min(latencies.size() - 1,
                                        static_cast<size_t>(share * latencies.size()))];
    };
    const char* name = kind == Server::OwnThread     ? "own thread"
                       : kind == Server::TimerThread ? "timer's thread"
                                                     : "own thread, SQLite";
    std::printf("| %-18s | %8d | %6.0f | %6d | %4d | %7.1f | %7.1f | %7.1f | %7.1f | %5d | %6d "
                "| %7.1f |\n",
                name, requests, requests * 1000.0 / static_cast<double>(wall.elapsed()),
                requests - crowd.finished + crowd.errors, lost, at(0), at(0.5), at(0.99),
                latencies.empty() ? 0.0 : latencies.back(), ticks.ticks, ticks.missed,
                ticks.longestMs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int seconds = std::max(1, qEnvironmentVariableIntValue("SORTILO_BENCH_SECONDS") > 0
                                        ? qEnvironmentVariableIntValue("SORTILO_BENCH_SECONDS")
                                        : 30);
    std::printf("Check-in server: %d guests, %d requests/s for %d s over the loopback; every post "
                "answered no sooner than 300 ms; latency in ms; a 10 ms reel timer meanwhile "
                "(first alone, for the machine's own share of late ticks)\n\n",
                Guests, RequestsPerSecond, seconds);
    std::printf("| server on          | requests | req/s  | errors | lost | lat min | lat med | "
                "lat p99 | lat max | ticks | missed | longest |\n");
    std::printf("|--------------------|----------|--------|--------|------|---------|---------|"
                "---------|---------|-------|--------|---------|\n");
    PrintTimerAlone(seconds);
    RunOnce(Server::OwnThread, seconds);
    RunOnce(Server::TimerThread, seconds);
    RunOnce(Server::EventDatabase, seconds);
    return 0;
}
