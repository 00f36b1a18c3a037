// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/web/GuardedTcpServer.h"

#include <QTcpSocket>

#include <memory>

void GuardedTcpServer::incomingConnection(qintptr descriptor)
{
    if (m_open + QTcpServer::hasPendingConnections() >= MaxConnections) {
        QTcpSocket refused;
        refused.setSocketDescriptor(descriptor);
        refused.abort();
        return;
    }
    QTcpServer::incomingConnection(descriptor);
}

QTcpSocket* GuardedTcpServer::nextPendingConnection()
{
    QTcpSocket* socket = QTcpServer::nextPendingConnection();
    if (!socket) {
        return nullptr;
    }
    ++m_open;
    connect(socket, &QObject::destroyed, this, [this] { --m_open; });
    // Connected before the HTTP layer's own handlers, so this count sees the bytes first.
    auto unanswered = std::make_shared<qint64>(0);
    connect(socket, &QTcpSocket::readyRead, socket, [socket, unanswered] {
        *unanswered += socket->bytesAvailable();
        if (*unanswered > MaxUnansweredBytes) {
            socket->abort();
        }
    });
    connect(socket, &QTcpSocket::bytesWritten, socket, [unanswered] { *unanswered = 0; });
    return socket;
}
