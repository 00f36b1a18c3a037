// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ServerLink.h"

#include <libpq-fe.h>

#include <algorithm>
#include <cerrno>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>

namespace {

// The identity of a socket: its descriptor may be closed and its number given to another file
// while the watch waits, so the watch only cuts the socket it was given.
bool SocketInode(int socket, unsigned long& inode)
{
    struct stat status
    {
    };
    if (::fstat(socket, &status) != 0 || !S_ISSOCK(status.st_mode)) {
        return false;
    }
    inode = static_cast<unsigned long>(status.st_ino);
    return true;
}

QString LibpqText(const PGconn* connection)
{
    const QString text = QString::fromUtf8(PQerrorMessage(connection)).trimmed();
    return text.isEmpty() ? QStringLiteral("no reason given") : text;
}

} // namespace

ServerLink::ServerLink(pg_conn* connection) : m_connection(connection)
{
    m_thread = std::thread([this] { Watch(); });
}

ServerLink::~ServerLink()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void ServerLink::BeginWatch()
{
    if (m_watching || !IsUp()) {
        return;
    }
    const int socket = PQsocket(m_connection);
    unsigned long inode = 0;
    if (socket < 0 || !SocketInode(socket, inode)) {
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_socket = socket;
        m_socketInode = inode;
        m_deadline = Clock::now() + m_limits.answer;
        m_armed = true;
        m_cut = false;
        ++m_generation;
    }
    m_wake.notify_one();
    m_watching = true;
}

bool ServerLink::EndWatch()
{
    if (!m_watching) {
        return false;
    }
    m_watching = false;
    bool cut = false;
    {
        const std::lock_guard lock(m_mutex);
        m_armed = false;
        cut = m_cut;
        m_cut = false;
    }
    if (cut) {
        m_silent = true;
        m_reason = QStringLiteral("the database server did not answer within %1 seconds")
                       .arg(std::chrono::duration<double>(m_limits.answer).count());
    }
    return cut;
}

void ServerLink::Watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        if (!m_armed) {
            m_wake.wait(lock);
            continue;
        }
        const unsigned generation = m_generation;
        const Clock::time_point deadline = m_deadline;
        if (m_wake.wait_until(lock, deadline, [this, generation] {
                return m_stop || !m_armed || m_generation != generation;
            })) {
            continue;
        }
        // The same statement is still waiting past its bound. Shutting the socket down (not
        // closing it: libpq still owns the descriptor) makes the blocked call see the end of
        // the connection.
        unsigned long inode = 0;
        if (SocketInode(m_socket, inode) && inode == m_socketInode &&
            ::shutdown(m_socket, SHUT_RDWR) == 0) {
            m_cut = true;
        }
        m_armed = false;
    }
}

bool ServerLink::IsUp() const
{
    return !m_resetting && PQstatus(m_connection) == CONNECTION_OK;
}

bool ServerLink::StartAttempt(Clock::time_point now)
{
    // Closes what is left of the old connection and begins a new one with its parameters; the
    // driver keeps using the same handle. A host given by name is looked up here (blocking);
    // stations name their server by address.
    m_resetting = PQresetStart(m_connection) != 0;
    m_attemptStart = now;
    m_wantRead = false; // a new connection first waits until its socket can be written
    if (!m_resetting) {
        m_silent = false;
        m_reason = QStringLiteral("could not connect to the database server: %1")
                       .arg(LibpqText(m_connection));
    }
    return m_resetting;
}

ServerLink::State ServerLink::Ensure(bool mayWait)
{
    const Clock::time_point now = Clock::now();
    if (!m_resetting) {
        if (PQstatus(m_connection) == CONNECTION_OK) {
            return State::Up;
        }
        if (!StartAttempt(now)) {
            return State::Down;
        }
    } else if (now - m_attemptStart > m_limits.attempt) {
        // No answer at all: begin again, so that a server back meanwhile answers a fresh attempt.
        m_silent = true;
        m_reason = QStringLiteral("the database server did not answer a new connection within "
                                  "%1 seconds")
                       .arg(std::chrono::duration<double>(m_limits.attempt).count());
        if (!StartAttempt(now)) {
            return State::Down;
        }
    }
    Clock::time_point until = now;
    if (mayWait) {
        until = std::max(now + m_limits.briefWait,
                         m_silent ? now : m_attemptStart + m_limits.reconnectWait);
    }
    const auto waiting = [this] {
        // A silent server keeps the reason it was found silent for.
        if (!m_silent) {
            m_reason = QStringLiteral("the database server has not answered a new connection yet");
        }
        return State::Down;
    };
    for (;;) {
        const int socket = PQsocket(m_connection);
        if (socket >= 0) {
            pollfd ready{socket, static_cast<short>(m_wantRead ? POLLIN : POLLOUT), 0};
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
            const int count =
                ::poll(&ready, 1, static_cast<int>(std::max<qint64>(0, left.count())));
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count == 0) {
                return waiting();
            }
        }
        const PostgresPollingStatusType status = PQresetPoll(m_connection);
        if (socket < 0 && PQsocket(m_connection) < 0 && status != PGRES_POLLING_OK &&
            status != PGRES_POLLING_FAILED) {
            return waiting(); // nothing to wait on yet: the next call goes on
        }
        switch (status) {
        case PGRES_POLLING_OK:
            m_resetting = false;
            m_silent = false;
            return State::Reconnected;
        case PGRES_POLLING_FAILED:
            // The server or the network answered with a refusal: the next call tries again.
            m_resetting = false;
            m_silent = false;
            m_reason = QStringLiteral("could not connect to the database server: %1")
                           .arg(LibpqText(m_connection));
            return State::Down;
        case PGRES_POLLING_READING:
            m_wantRead = true;
            break;
        default:
            m_wantRead = false;
            break;
        }
    }
}
