// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTcpServer>

// The listening socket of the check-in server, with two bounds the HTTP layer does not keep:
// at most MaxConnections open connections (a further one is closed at once), and at most
// MaxUnansweredBytes received on a connection since its last answer (beyond, it is cut), so a
// client cannot make the server buffer an endless request.
class GuardedTcpServer final : public QTcpServer
{
    Q_OBJECT

public:
    static constexpr int MaxConnections = 512;
    static constexpr qint64 MaxUnansweredBytes = 64 * 1024;

    explicit GuardedTcpServer(QObject* parent = nullptr) : QTcpServer(parent) {}
    QTcpSocket* nextPendingConnection() override;
    int OpenConnections() const { return m_open; }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    int m_open = 0;
};
