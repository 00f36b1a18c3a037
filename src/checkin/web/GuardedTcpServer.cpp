// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/web/GuardedTcpServer.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

QByteArray ClientKey(const QTcpSocket& socket)
{
    return socket.peerAddress().toString().toLatin1();
}

} // namespace

void GuardedTcpServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    const QByteArray client = ClientKey(*socket);
    if (m_open >= MaxConnections || m_openByClient.value(client) >= MaxConnectionsPerClient) {
        socket->abort();
        delete socket;
        return;
    }
    ++m_open;
    ++m_openByClient[client];
    connect(socket, &QObject::destroyed, this, [this, client] {
        --m_open;
        if (--m_openByClient[client] <= 0) {
            m_openByClient.remove(client);
        }
    });
    addPendingConnection(socket);
}

QTcpSocket* GuardedTcpServer::nextPendingConnection()
{
    QTcpSocket* socket = QTcpServer::nextPendingConnection();
    if (!socket) {
        return nullptr;
    }
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
    idle->start(IdleMs);
    // Connected before the HTTP layer's own handlers, so this count sees the bytes first.
    auto unanswered = std::make_shared<qint64>(0);
    connect(socket, &QTcpSocket::readyRead, socket, [socket, unanswered, idle] {
        idle->start(IdleMs);
        *unanswered += socket->bytesAvailable();
        if (*unanswered > MaxUnansweredBytes) {
            socket->abort();
        }
    });
    connect(socket, &QTcpSocket::bytesWritten, socket, [unanswered, idle] {
        idle->start(IdleMs);
        *unanswered = 0;
    });
    return socket;
}
