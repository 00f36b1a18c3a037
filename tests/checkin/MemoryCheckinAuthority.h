// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkin/web/CheckinAuthority.h"

#include <QHash>
#include <QMutex>
#include <QSet>

// Participants and check-ins in memory, for the check-in server's tests and benchmark. Safe to
// read from another thread than the server's.
class MemoryCheckinAuthority final : public CheckinAuthority
{
public:
    explicit MemoryCheckinAuthority(QHash<QString, QString> namesById) : m_names(namesById) {}

    CheckinPageReply CheckInByNumberAndName(const QString& id, const QString& name) override
    {
        QMutexLocker lock(&m_mutex);
        ++m_calls;
        if (m_failing) {
            return {CheckinPageReply::Unavailable};
        }
        if (m_names.value(id) != name || name.isEmpty()) {
            return {CheckinPageReply::Refused};
        }
        if (m_checkedIn.contains(id)) {
            return {CheckinPageReply::Already};
        }
        m_checkedIn.insert(id);
        return {CheckinPageReply::CheckedIn};
    }
    // Answers Unavailable from now on, as a store whose database has gone.
    void SetFailing(bool failing)
    {
        QMutexLocker lock(&m_mutex);
        m_failing = failing;
    }
    int Calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }
    QSet<QString> CheckedIn() const
    {
        QMutexLocker lock(&m_mutex);
        return m_checkedIn;
    }

private:
    const QHash<QString, QString> m_names;
    mutable QMutex m_mutex;
    QSet<QString> m_checkedIn;
    int m_calls = 0;
    bool m_failing = false;
};
