// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class CAdoDatabase;

// What a check-in came to.
struct CheckinReply
{
    enum class Outcome
    {
        CheckedIn,        // checked in now
        AlreadyCheckedIn, // checked in before, at time
        Unknown,          // no such participant (or, asked with a name, not that name)
        Failed            // the database refused or could not be reached
    };
    Outcome outcome = Outcome::Failed;
    QString PersonID;   // as stored; empty unless checked in now or before
    QString PersonName; // likewise
    QString time;       // when checked in ("yyyy-MM-dd HH:mm:ss"), now or before
};

// How many participants there are and how many of them are checked in.
struct CheckinTally
{
    int checkedIn = 0;
    int total = 0;
    bool onlyCheckedIn = false; // the event admits only checked-in participants to the draw
};

// The check-in state of the participants (table Checkin) and the event's option that admits
// only checked-in participants to the draw (table EventOption), shared by every station on the
// database. Every change carries the next number of a sequence, so a station keeping the
// checked-in set reads only what changed since its last look (Changes).
//
// Failed statements show the layer's box unless the caller holds CAdoDatabase::QuietFailures;
// the desk does, and tells the failure on its own screen.
class CheckinStore
{
public:
    // station: the name this station's changes are stored with.
    CheckinStore(CAdoDatabase& database, QString station);

    // Checks the participant with this number in at time (no other check of the number).
    CheckinReply CheckIn(const QString& personId, const QString& time);
    // Checks the participant in only when both the number and the name match (the name
    // without regard to spaces and to the case of latin letters). A name that does not match
    // is answered exactly as a number that does not exist: the reply tells nothing of the
    // participant, so numbers cannot be tried out with a wrong name.
    CheckinReply CheckInByNumberAndName(const QString& personId, const QString& name,
                                        const QString& time);
    // Sets the state by hand (the participant dialog); false when the statement failed.
    bool SetCheckedIn(const QString& personId, bool checkedIn, const QString& time);

    // Every checked-in number (upper-cased as PersonRow::IdKey) with its check-in time; nullopt
    // when the query failed.
    std::optional<QHash<QString, QString>> CheckedIn();
    // How many stored participants are checked in.
    std::optional<int> CheckedInCount();
    // The tally and the event's option in one query, cheap enough to ask every few seconds at
    // 100,000 participants; nullopt when it failed.
    std::optional<CheckinTally> Tally();
    // Hands every change after sequence number since to change, in order; the greatest
    // number read in last. False when the query failed.
    bool Changes(qint64 since, qint64* last,
                 const std::function<void(const QString& personId, bool checkedIn)>& change);

    // Whether only checked-in participants take part in the draw (off when never set).
    std::optional<bool> OnlyCheckedIn();
    bool SetOnlyCheckedIn(bool only);

    // Names compare as the number-and-name check compares them.
    static bool SameName(const QString& stored, const QString& given);

private:
    // name: the name to match, or nullptr for the number alone.
    CheckinReply Check(const QString& personId, const QString* name, const QString& time);
    bool Mark(const QString& personId, bool checkedIn, const QString& time);

    CAdoDatabase& m_database;
    QString m_station;
};
