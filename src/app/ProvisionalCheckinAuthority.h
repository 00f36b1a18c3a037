// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkin/web/CheckinAuthority.h"

#include <QSet>

class CAdoDatabase;

// Decides check-ins for serve-checkin from the stored participants (number and name must match
// one of them) but keeps who checked in only in this process's memory: a restart forgets it and
// other stations do not see it. Stands in until the event's database keeps check-ins.
class ProvisionalCheckinAuthority final : public CheckinAuthority
{
public:
    explicit ProvisionalCheckinAuthority(CAdoDatabase& database) : m_database(database) {}
    CheckinReply CheckInByNumberAndName(const QString& id, const QString& name) override;

private:
    CAdoDatabase& m_database;
    QSet<QString> m_checkedIn; // by PersonRow::IdKey
};
