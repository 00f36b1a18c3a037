// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QTcpServer>

// The listening socket of the check-in server, with bounds the HTTP layer does not keep, so
// that one client on the network cannot starve the others (none of these needs the token):
//  - at most MaxConnections open connections, and MaxConnectionsPerClient from one address (a
//    further one is closed at once);
//  - at most MaxUnansweredBytes received on a connection since its last answer (beyond, it is
//    cut), so no client makes the server buffer an endless request;
//  - a connection idle for IdleMs is closed.
class GuardedTcpServer final : public QTcpServer
{
    Q_OBJECT

public:
    static constexpr int MaxConnections = 512;
    static constexpr int MaxConnectionsPerClient = 32;
    static constexpr qint64 MaxUnansweredBytes = 64 * 1024;
    static constexpr int IdleMs = 30 * 1000;

    explicit GuardedTcpServer(QObject* parent = nullptr) : QTcpServer(parent) {}
    QTcpSocket* nextPendingConnection() override;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    int m_open = 0;
    QHash<QByteArray, int> m_openByClient;
};
