// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/web/CheckinService.h"

#include "checkin/web/CheckinAddress.h"
#include "checkin/web/CheckinAuthority.h"

#include <QCoreApplication>

CheckinService::CheckinService(AuthorityFactory makeAuthority, QByteArray token,
                               CheckinServer::Options options)
    : m_makeAuthority(std::move(makeAuthority)), m_token(std::move(token)), m_options(options)
{
    m_thread.setObjectName(QStringLiteral("checkin-server"));
}

CheckinService::~CheckinService()
{
    Stop();
}

bool CheckinService::Start(const QHostAddress& address, quint16 port, QString* errorText)
{
    Stop();
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    m_thread.start();
    QString error;
    QMetaObject::invokeMethod(
        m_context,
        [&] {
            m_authority = m_makeAuthority();
            if (!m_authority) {
                error = QCoreApplication::translate("CheckinService", "无法打开签到数据。");
                return;
            }
            m_server = new CheckinServer(*m_authority, m_token, m_options);
            m_port = m_server->Listen(address, port, &error);
        },
        Qt::BlockingQueuedConnection);
    if (m_port == 0) {
        Stop();
        if (errorText) {
            *errorText = error;
        }
        return false;
    }
    return true;
}

void CheckinService::Stop()
{
    if (!m_thread.isRunning()) {
        return;
    }
    QMetaObject::invokeMethod(
        m_context,
        [this] {
            delete m_server;
            m_server = nullptr;
            m_authority.reset();
            delete m_context;
            m_context = nullptr;
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    m_port = 0;
}

QString CheckinService::PageUrl(const QHostAddress& host) const
{
    return CheckinAddress::PageUrl(host, m_port, m_token);
}
