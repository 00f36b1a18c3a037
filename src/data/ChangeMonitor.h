// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ChangeStamp.h"

#include <QMetaObject>
#include <QString>

class DatabaseConnection;

// What one connection can tell of the changes to its database (see CAdoDatabase::ChangeToken):
// the changes made through it, counted as they run, and the commits of other connections.
// SQLite shows the latter in the file's data version. On PostgreSQL triggers announce every
// change on a notification channel; the connection subscribes to it through the driver and
// counts what the driver hands over, apart from its own announcements.
class ChangeMonitor
{
public:
    explicit ChangeMonitor(DatabaseConnection& connection) : m_connection(connection) {}
    ~ChangeMonitor();
    ChangeMonitor(const ChangeMonitor&) = delete;
    ChangeMonitor& operator=(const ChangeMonitor&) = delete;

    // PostgreSQL: subscribes the connection's session to the change notifications; false with
    // the reason in error.
    bool Subscribe(QString* error);
    // PostgreSQL: the connection was made again. Notifications sent meanwhile are lost, so
    // whatever was kept from before counts as changed, and the new session has to subscribe.
    void Reconnected();
    // Subscribes a session made again since the last subscription; false while that fails.
    bool Resubscribe();
    // Forgets the connection's session: it was closed or is opened anew.
    void Reset();

    void CountOwnChange() { ++m_own; }
    quint64 OwnChanges() const { return m_own; }

    // The stamp of this moment. reachable: the connection is up and may take a round trip.
    // tell: a file guard that finds the SQLite files taken away tells the operator itself.
    ChangeStamp Token(bool reachable, bool tell);

private:
    ChangeStamp SqliteToken(bool tell);
    // PostgreSQL: a round trip that brings the notifications of every commit made before it;
    // false when the server did not answer.
    bool TakeNotifications();

    DatabaseConnection& m_connection;
    quint64 m_own = 0;
    quint64 m_others = 0;        // PostgreSQL: changes announced by other connections
    quint64 m_otherWins = 0;     // PostgreSQL: ... of those, statements that stored wins
    bool m_guardTripped = false; // the file guard found the files taken away (told once)
    bool m_subscribePending = false;
    QMetaObject::Connection m_listening;
};
