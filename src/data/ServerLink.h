// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

struct pg_conn; // libpq's PGconn

// Keeps one PostgreSQL connection from freezing the thread that owns it.
//
// A statement waits for the server at most Limits::answer: a watch thread cuts the connection
// of a statement that runs longer (shutdown of its socket), so the blocked libpq call returns
// at once with an error, as when the connection is lost. Keep-alives and the server's own
// timeouts cannot tell a server that hangs (its kernel still acknowledges every packet), so
// this bound is kept by the client.
//
// A lost connection is made again without blocking for long: each call of Ensure takes the
// attempt as far as the server's answers allow, waiting for them only briefly. While the server
// does not answer, statements fail within that brief wait and each call moves the attempt on;
// an attempt without an answer for Limits::attempt is begun again.
//
// All calls except the watch's own come from the owner thread.
class ServerLink
{
public:
    enum class State
    {
        Up,          // connected
        Reconnected, // connected again just now: session state (LISTEN...) must be set up again
        Down         // not connected; DownReason() says why
    };

    struct Limits
    {
        // The longest a statement waits for the server before its connection is cut.
        std::chrono::milliseconds answer{5000};
        // The longest a statement waits for a new connection, counted from the attempt's start,
        // while the server has not already failed to answer.
        std::chrono::milliseconds reconnectWait{1000};
        // The longest a statement waits for a new connection otherwise: enough for a server
        // back on the network to answer, short enough to keep the window live while it is not.
        std::chrono::milliseconds briefWait{200};
        // An attempt that has had no answer this long is begun again.
        std::chrono::milliseconds attempt{10000};
    };

    explicit ServerLink(pg_conn* connection);
    ~ServerLink();
    ServerLink(const ServerLink&) = delete;
    ServerLink& operator=(const ServerLink&) = delete;

    void SetLimits(const Limits& limits) { m_limits = limits; }
    const Limits& GetLimits() const { return m_limits; }

    // Starts watching the statement about to run (nothing while one is watched already, or
    // while the connection is not up).
    void BeginWatch();
    // Stops watching; true when the watch cut the connection because the server did not answer.
    bool EndWatch();

    // Whether the connection is up and no reconnection is under way.
    bool IsUp() const;
    // Makes sure the connection is up, connecting again when it was lost. With mayWait (a
    // statement) it waits for the server's answers within the limits; otherwise only what has
    // arrived is taken.
    State Ensure(bool mayWait);
    // Why the connection is not up (the server's or the network's words where there are some).
    QString DownReason() const { return m_reason; }

private:
    using Clock = std::chrono::steady_clock;

    void Watch();
    bool StartAttempt(Clock::time_point now);

    pg_conn* m_connection;
    Limits m_limits;

    // Owner thread only.
    bool m_watching = false;
    bool m_resetting = false; // an attempt to connect again is under way
    bool m_silent = false;    // the server has let a statement or an attempt go unanswered
    bool m_wantRead = false;  // what the attempt waits for on its socket: read, else write
    Clock::time_point m_attemptStart;
    QString m_reason;

    // Shared with the watch thread.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    bool m_armed = false;
    bool m_cut = false;
    unsigned m_generation = 0;
    int m_socket = -1;
    unsigned long m_socketInode = 0;
    Clock::time_point m_deadline;
    std::thread m_thread;
};
