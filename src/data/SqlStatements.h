// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every statement the program issues, in one place, with the part of the program that issues
// it. Values are never part of the text: each is a "?" placeholder with the value bound, so a
// name holding a quote (O'Neil) is stored as typed instead of breaking the statement.
// Every statement runs unchanged on SQLite and on PostgreSQL; what the engines spell
// differently is in the schema (SqlDialect.h).
namespace SqlStatements {

// Person entry dialog.
inline constexpr const char* SelectAllPersons = "select * from person order by personID";
inline constexpr const char* CountPersons = "select count(*) as num from person";
inline constexpr const char* SelectPersonById = "select * from person where personid=?";
// Person entry dialog (add) and the participant import: number, name, remark and group.
inline constexpr const char* InsertPersonInGroup =
    "insert into person(PersonID,PersonName,Company,PersonGroup) values(?,?,?,?)";
inline constexpr const char* UpdatePersonInGroup =
    "update person set PersonName=?,Company=?,PersonGroup=? where PersonID=?";
// The same without the group: a participant added so has none, one changed so keeps theirs.
inline constexpr const char* InsertPerson =
    "insert into person(PersonID,PersonName,Company) values(?,?,?)";
inline constexpr const char* UpdatePerson =
    "update person set PersonName=?,Company=? where PersonID=?";
inline constexpr const char* DeletePerson = "delete from person where PersonID=?";
inline constexpr const char* DeleteAllPersons = "delete from person";

// Participant export: the participants with the time each checked in (NULL: not checked in).
inline constexpr const char* SelectPersonsForExport =
    "Select Person.PersonID as PersonID, Person.PersonName as PersonName, "
    "Person.Company as Company, Person.PersonGroup as PersonGroup, "
    "Checkin.CheckinTime as CheckinTime from Person "
    "left join Checkin on Checkin.PersonID=Person.PersonID and Checkin.CheckedIn=1 "
    "order by Person.PersonID";

// Draw engine.
// The candidate pool is every participant without a win. Both tables are read plainly and the
// winners left out in memory: at 100,000 participants that costs about a third of asking the
// database for the participants without a win (NOT EXISTS probes the winners' index per row).
inline constexpr const char* SelectPoolPersons =
    "select PersonID, PersonName, Company, PersonGroup from person";
// The participants out of the pool: the winners, and those whose win was voided without
// putting them back into the pool (they may not win again at this event).
inline constexpr const char* SelectWinnerIds =
    "select PersonID from ComePrize union all "
    "select PersonID from VoidedWin where ReturnToPool=0";
inline constexpr const char* SelectWinById = "select * from comeprize where personid=?";
inline constexpr const char* SelectOutOfPoolById =
    "select PersonID from ComePrize where PersonID=? union all "
    "select PersonID from VoidedWin where PersonID=? and ReturnToPool=0";
// A win keeps the winner's name, remark and group as they are at that moment (empty when the
// participant has none or was removed meanwhile): the participant number is bound four times,
// for the win and for the three look-ups.
inline constexpr const char* InsertWinnerInGroup =
    "insert into ComePrize(PersonID,sDateTime,step,sNo,JP,PersonName,Company,PersonGroup) "
    "values(?,?,?,?,?,"
    "coalesce((select PersonName from person where PersonID=?),''),"
    "coalesce((select Company from person where PersonID=?),''),"
    "coalesce((select PersonGroup from person where PersonID=?),''))";
// The same without keeping the group (the number bound three times): the winners record then
// shows the participant's present group.
inline constexpr const char* InsertWinner =
    "insert into ComePrize(PersonID,sDateTime,step,sNo,JP,PersonName,Company) values(?,?,?,?,?,"
    "coalesce((select PersonName from person where PersonID=?),''),"
    "coalesce((select Company from person where PersonID=?),''))";
// The name a win was stored with, which the draw shows.
inline constexpr const char* SelectWinnerName = "select PersonName from ComePrize where PersonID=?";
// The wins of one round stored at one moment, which the draw shows (another station's round of
// the same level and second is told apart by the participant numbers).
inline constexpr const char* SelectRoundWins =
    "select PersonID, sDateTime, step, sNo, JP, PersonName, Company from ComePrize "
    "where step=? and sDateTime=? order by sNo";

// Draw engine (prize names before each round) and the prize settings dialog.
inline constexpr const char* SelectPrizeNames = "select * from JP where sNo=555";
// Prize settings dialog.
inline constexpr const char* UpdatePrizeNames =
    "update JP set step1=?,step2=?,step3=?,step4=?,step5=?,step6=?,step7=?,step8=? where sNo=555";
// ... and when the row is missing, it is made with the names.
inline constexpr const char* InsertPrizeNames =
    "insert into JP(sNo,step1,step2,step3,step4,step5,step6,step7,step8) "
    "values(555,?,?,?,?,?,?,?,?)";
// The round sizes of levels 1..8, kept in the same row (made first when it is missing).
inline constexpr const char* UpdateRoundSizes =
    "update JP set roundSize1=?,roundSize2=?,roundSize3=?,roundSize4=?,roundSize5=?,"
    "roundSize6=?,roundSize7=?,roundSize8=? where sNo=555";
inline constexpr const char* InsertPrizeRow = "insert into JP(sNo) values(555)";

// Draw engine (before each round) and the prize settings dialog: the groups each level's rule
// names (see LevelGroup in the schema).
inline constexpr const char* SelectLevelGroups =
    "select step, mode, PersonGroup from LevelGroup order by step, PersonGroup";
// Prize settings dialog: the rules are replaced as a whole, in one transaction.
inline constexpr const char* DeleteLevelGroups = "delete from LevelGroup";
inline constexpr const char* InsertLevelGroup =
    "insert into LevelGroup(step,mode,PersonGroup) values(?,?,?)";
// ... and how many participants without a win each group holds (the eligible counts).
inline constexpr const char* SelectGroupCandidateCounts =
    "select coalesce(PersonGroup,'') as PersonGroup, count(*) as num from person "
    "where not exists (select 1 from ComePrize where ComePrize.PersonID = person.PersonID) "
    "and not exists (select 1 from VoidedWin where VoidedWin.PersonID = person.PersonID "
    "and VoidedWin.ReturnToPool = 0) "
    "group by coalesce(PersonGroup,'')";

// Winners record dialog.
inline constexpr const char* SelectWinnersRecord =
    "select * from hadPrizeView order by step,sNo,sDateTime";
inline constexpr const char* CountWinners = "select count(*) as num from ComePrize";
inline constexpr const char* DeleteAllWinners = "delete from ComePrize";
// A file whose winners record held a double award when it was upgraded kept a plain index on the
// winner's number (SQLite only: shared databases are made with the unique one). Once the record
// is cleared the index is made unique, so that the database refuses a second win by itself.
inline constexpr const char* SelectWinnerIndexUnique =
    "select \"unique\" as isUnique from pragma_index_list('ComePrize') "
    "where name = 'ComePrize_PersonID'";
inline constexpr const char* DropWinnerIndex = "drop index if exists ComePrize_PersonID";
inline constexpr const char* CreateUniqueWinnerIndex =
    "create unique index ComePrize_PersonID on ComePrize (PersonID)";

// Winners export.
inline constexpr const char* SelectWinnersForExport =
    "Select * from HadPrizeView order by step,sNo,sDateTime";

// Draw log (DrawLog). Updating the head row, even to the values it has, holds it for the
// transaction: the appends of stations sharing a database take their turns on it.
inline constexpr const char* LockDrawLog = "update DrawLogHead set seq=seq where id=1";
inline constexpr const char* SelectDrawLogHead = "select seq, digest from DrawLogHead where id=1";
inline constexpr const char* UpdateDrawLogHead =
    "update DrawLogHead set seq=?, digest=? where id=1";
inline constexpr const char* InsertDrawLogEntry =
    "insert into DrawLog(seq,kind,sTime,station,payload,previous,digest) values(?,?,?,?,?,?,?)";
inline constexpr const char* SelectDrawLog =
    "select seq, kind, sTime, station, payload, previous, digest from DrawLog order by seq";
// A win as stored, read back in its transaction for its log entry, and every win for the
// log's check. The wins taken into a new log go by level, place and time.
inline constexpr const char* SelectStoredWin =
    "select PersonID, sDateTime, step, sNo, JP, PersonName, Company from ComePrize "
    "where PersonID=?";
inline constexpr const char* SelectWinsInOrder =
    "select PersonID, sDateTime, step, sNo, JP, PersonName, Company from ComePrize "
    "order by step, sNo, sDateTime, PersonID";
// Voided wins (VoidStore, the winners export, the draw log's check). A void copies the win
// with its name, remark and group as stored, then removes it from ComePrize; its undo puts the
// same row back.
inline constexpr const char* SelectWinToVoid =
    "select PersonID, sDateTime, step, sNo, JP, PersonName, Company, PersonGroup from ComePrize "
    "where PersonID=?";
inline constexpr const char* InsertVoidedWin =
    "insert into VoidedWin(VoidID,PersonID,PersonName,Company,PersonGroup,sDateTime,step,sNo,JP,"
    "VoidTime,Reason,Station,ReturnToPool) values(?,?,?,?,?,?,?,?,?,?,?,?,?)";
inline constexpr const char* DeleteWin = "delete from ComePrize where PersonID=?";
// The last void of a participant first: an undo takes the latest open one.
inline constexpr const char* SelectVoidsOfPerson =
    "select * from VoidedWin where PersonID=? order by VoidID desc";
inline constexpr const char* RestoreWin =
    "insert into ComePrize(PersonID,sDateTime,step,sNo,JP,PersonName,Company,PersonGroup) "
    "select PersonID,sDateTime,step,sNo,JP,PersonName,Company,PersonGroup from VoidedWin "
    "where VoidID=?";
inline constexpr const char* DeleteOpenVoid =
    "delete from VoidedWin where VoidID=? and ReplacedBy is null";
inline constexpr const char* SelectVoidedWins =
    "select * from VoidedWin order by step, sNo, VoidTime, VoidID";
inline constexpr const char* SelectOpenPlaces =
    "select * from VoidedWin where step=? and ReplacedBy is null order by sNo, VoidTime, VoidID";
inline constexpr const char* CountOpenPlaces =
    "select step, count(*) as num from VoidedWin where ReplacedBy is null group by step";
// A replacement fills its place only while the place is open and of its level; the read that
// follows tells whether this win took it (another station may have filled it first).
inline constexpr const char* MarkReplaced =
    "update VoidedWin set ReplacedBy=?, ReplacedTime=? where VoidID=? and step=? and "
    "ReplacedBy is null";
inline constexpr const char* SelectReplacement =
    "select ReplacedBy, ReplacedTime from VoidedWin where VoidID=?";
inline constexpr const char* DeleteAllVoidedWins = "delete from VoidedWin";
inline constexpr const char* SelectVoidedWinsInOrder =
    "select VoidID, PersonID, sDateTime, step, sNo, JP, PersonName, Company, VoidTime, Reason, "
    "Station, ReturnToPool, ReplacedBy, ReplacedTime from VoidedWin order by VoidID";

// Check-in (the desk, the participant dialog, the exports and the draw's checked-in set).
inline constexpr const char* SelectCheckin =
    "select CheckedIn, CheckinTime from Checkin where PersonID=?";
// Checks a participant in or out. Seq takes the next number of all changes: a station that
// counted at the same moment as another is refused by the unique index on Seq and counts again.
inline constexpr const char* MarkCheckin =
    "insert into Checkin(PersonID,CheckedIn,CheckinTime,Station,Seq) values(?,?,?,?,"
    "(select coalesce(max(Seq),0)+1 from Checkin)) on conflict(PersonID) do update set "
    "CheckedIn=excluded.CheckedIn,CheckinTime=excluded.CheckinTime,Station=excluded.Station,"
    "Seq=excluded.Seq";
inline constexpr const char* SelectCheckinChanges =
    "select PersonID, CheckedIn, Seq from Checkin where Seq>? order by Seq";
inline constexpr const char* SelectCheckedIn =
    "select PersonID, CheckinTime from Checkin where CheckedIn=1";
inline constexpr const char* CountCheckedInPersons =
    "select count(*) as num from person join Checkin on Checkin.PersonID=person.PersonID "
    "where Checkin.CheckedIn=1";
// The draw window's tally in one look: the participants, those checked in, and the option that
// admits only them (bound: its name). Checkin rows of deleted participants are not counted.
inline constexpr const char* SelectCheckinTally =
    "select (select count(*) from person) as total, "
    "(select count(*) from Checkin join person on person.PersonID=Checkin.PersonID "
    "where Checkin.CheckedIn=1) as arrived, "
    "(select Value from EventOption where Name=?) as restricted";
// Options of the event shared by every station.
inline constexpr const char* SelectEventOption = "select Value from EventOption where Name=?";
inline constexpr const char* StoreEventOption =
    "insert into EventOption(Name,Value) values(?,?) on conflict(Name) do update set "
    "Value=excluded.Value";

} // namespace SqlStatements
