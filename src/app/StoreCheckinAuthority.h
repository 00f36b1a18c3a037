// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkin/web/CheckinAuthority.h"
#include "data/CheckinStore.h"

class CAdoDatabase;

// Decides the check-in page's requests with the event's database: the number and the name must
// match one stored participant, who is then checked in for every station to see. An unknown
// number and a wrong name get the same refusal; a database that cannot answer gets Unavailable,
// so a guest is not told their details were wrong.
class StoreCheckinAuthority final : public CheckinAuthority
{
public:
    StoreCheckinAuthority(CAdoDatabase& database, const QString& station)
        : m_store(database, station)
    {}

    CheckinPageReply CheckInByNumberAndName(const QString& id, const QString& name) override;

private:
    CheckinStore m_store;
};
