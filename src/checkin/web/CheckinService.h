// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkin/web/CheckinServer.h"

#include <QThread>

#include <functional>
#include <memory>

class CheckinAuthority;

// Runs a CheckinServer on a thread of its own, so that a rush of phones never holds up the
// window's thread (the reels' timer) and the window's database work never holds up the phones.
// The authority is made on that thread by the factory and destroyed there, so an authority over
// the database can open its own connection.
class CheckinService
{
public:
    using AuthorityFactory = std::function<std::unique_ptr<CheckinAuthority>()>;

    CheckinService(AuthorityFactory makeAuthority, QByteArray token,
                   CheckinServer::Options options = {});
    ~CheckinService();
    CheckinService(const CheckinService&) = delete;
    CheckinService& operator=(const CheckinService&) = delete;

    // Starts the thread and listens on address:port (0: any free port); false with errorText
    // when the authority could not be made or the port not opened.
    bool Start(const QHostAddress& address, quint16 port, QString* errorText = nullptr);
    void Stop();
    bool IsRunning() const { return m_port != 0; }
    quint16 Port() const { return m_port; }
    // http://HOST:PORT/c/TOKEN
    QString PageUrl(const QHostAddress& host) const;

private:
    AuthorityFactory m_makeAuthority;
    QByteArray m_token;
    CheckinServer::Options m_options;
    QThread m_thread;
    QObject* m_context = nullptr; // lives on m_thread
    std::unique_ptr<CheckinAuthority> m_authority;
    CheckinServer* m_server = nullptr;
    quint16 m_port = 0;
};
