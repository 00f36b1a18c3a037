// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ChangeMonitor.h"

#include "data/DatabaseConnection.h"
#include "data/SqlDialect.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QSqlDriver>
#include <QSqlQuery>

ChangeMonitor::~ChangeMonitor()
{
    QObject::disconnect(m_listening);
}

void ChangeMonitor::Reset()
{
    QObject::disconnect(m_listening);
    m_listening = {};
    m_subscribePending = false;
    m_guardTripped = false;
}

bool ChangeMonitor::Subscribe(QString* error)
{
    QSqlDriver* driver = m_connection.Database().driver();
    if (!driver) {
        *error = QStringLiteral("not connected to a database");
        return false;
    }
    const QString channel = QLatin1String(SqlDialect::ChangeChannel);
    m_connection.BeginWatch();
    // A session made again in place still has the channel on the driver's list, and the
    // driver's socket notifier on the old socket: dropping the subscription first (UNLISTEN
    // does nothing on the new session) makes the new one start afresh on the new socket.
    if (driver->subscribedToNotifications().contains(channel)) {
        driver->unsubscribeFromNotification(channel);
    }
    const bool subscribed = driver->subscribeToNotification(channel);
    m_connection.EndWatch();
    if (!subscribed) {
        *error = DatabaseConnection::ErrorText(driver->lastError());
        return false;
    }
    // The driver would also read the socket whenever the thread's event loop finds it readable.
    // While the server link makes the connection again on that socket, such a read takes the
    // server's answers from the handshake, which then stalls; and a thread without an event
    // loop never reads. Token() has the driver read after its round trip instead.
    for (QSocketNotifier* notifier : driver->findChildren<QSocketNotifier*>()) {
        notifier->setEnabled(false);
    }
    if (!m_listening) {
        m_listening = QObject::connect(
            driver, &QSqlDriver::notification, driver,
            [this](const QString&, QSqlDriver::NotificationSource source, const QVariant& payload) {
                if (source == QSqlDriver::SelfSource) {
                    return; // counted as they ran
                }
                if (payload.toString() == QLatin1String(SqlDialect::WinAddedNotice)) {
                    ++m_otherWins;
                } else {
                    ++m_others;
                }
            });
    }
    m_subscribePending = false;
    return true;
}

void ChangeMonitor::Reconnected()
{
    ++m_own;
    m_subscribePending = true;
}

bool ChangeMonitor::Resubscribe()
{
    QString error;
    return !m_subscribePending || Subscribe(&error);
}

ChangeStamp ChangeMonitor::Token(bool reachable, bool tell)
{
    if (reachable && m_connection.IsSqlite()) {
        return SqliteToken(tell);
    }
    if (reachable && m_connection.IsPostgreSql() && TakeNotifications()) {
        return {m_own, m_others, m_otherWins};
    }
    return {++m_own, std::nullopt, 0};
}

ChangeStamp ChangeMonitor::SqliteToken(bool tell)
{
    // The idle window asks for tokens every few seconds: a file taken away is noticed and its
    // recovery copy written then, once, not only when the next winner is stored.
    if (!m_guardTripped && !m_connection.FileGuard().CheckInPlace(tell)) {
        m_guardTripped = true;
    }
    QSqlQuery query(m_connection.Database());
    if (query.exec(QStringLiteral("PRAGMA data_version")) && query.next()) {
        return {m_own, static_cast<quint64>(query.value(0).toLongLong()), 0};
    }
    return {++m_own, std::nullopt, 0};
}

bool ChangeMonitor::TakeNotifications()
{
    const ServerLink* link = m_connection.Link();
    if (!link || !link->IsUp()) {
        return false;
    }
    // The server hands over every notification of a commit made before a statement runs ahead
    // of the statement's answer, so a change another station has committed is always seen.
    // The driver runs a query that is not forward-only in one call, then posts itself a call to
    // read the notifications that came with the answer; it is delivered here at once, so the
    // count is complete when the stamp is taken, also on a thread without an event loop.
    QSqlDatabase db = m_connection.Database();
    QSqlQuery query(db);
    m_connection.BeginWatch();
    const bool answered = query.exec(QStringLiteral("SELECT 1"));
    m_connection.EndWatch();
    query.finish();
    if (!answered || !db.driver()) {
        return false;
    }
    QCoreApplication::sendPostedEvents(db.driver(), QEvent::MetaCall);
    return true;
}
