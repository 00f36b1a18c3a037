// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a check-in attempt came to. Deliberately nothing more: no name, no hint whether the
// number exists, so that an answer built from it cannot reveal a participant.
struct CheckinPageReply
{
    enum Outcome
    {
        CheckedIn,  // number and name belong to one stored participant, now checked in
        Already,    // they do, and that participant was checked in before
        Refused,    // no such number, or a name that does not match it
        Unavailable // the check-in could not be decided or stored (the database failed)
    };
    Outcome outcome = Refused;
};

// Decides a check-in for the network page. The page's server calls it on its own thread (see
// CheckinService), one call at a time; an implementation over the database opens its own
// connection there. It must treat an unknown number and a wrong name alike (both Refused) and
// should do the same work for both.
class CheckinAuthority
{
public:
    virtual ~CheckinAuthority() = default;
    // id and name as typed, trimmed, never empty.
    virtual CheckinPageReply CheckInByNumberAndName(const QString& id, const QString& name) = 0;
};
