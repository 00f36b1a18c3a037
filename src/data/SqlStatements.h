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
// Person entry dialog (add) and the participant import.
inline constexpr const char* InsertPerson =
    "insert into person(PersonID,PersonName,Company) values(?,?,?)";
inline constexpr const char* UpdatePerson =
    "update person set PersonName=?,Company=? where PersonID=?";
inline constexpr const char* DeletePerson = "delete from person where PersonID=?";
inline constexpr const char* DeleteAllPersons = "delete from person";

// Participant export: the participants with the time each checked in (NULL: not checked in).
inline constexpr const char* SelectPersonsForExport =
    "Select Person.PersonID as PersonID, Person.PersonName as PersonName, "
    "Person.Company as Company, Checkin.CheckinTime as CheckinTime from Person "
    "left join Checkin on Checkin.PersonID=Person.PersonID and Checkin.CheckedIn=1 "
    "order by Person.PersonID";

// Draw engine.
// The candidate pool is every participant without a win. Both tables are read plainly and the
// winners left out in memory: at 100,000 participants that costs about a third of asking the
// database for the participants without a win (NOT EXISTS probes the winners' index per row).
inline constexpr const char* SelectPoolPersons = "select PersonID, PersonName, Company from person";
inline constexpr const char* SelectWinnerIds = "select PersonID from ComePrize";
inline constexpr const char* SelectWinById = "select * from comeprize where personid=?";
// A win keeps the winner's name and remark as they are at that moment (empty when the participant
// has none or was removed meanwhile): the participant number is bound three times, for the win
// and for the two look-ups.
inline constexpr const char* InsertWinner =
    "insert into ComePrize(PersonID,sDateTime,step,sNo,JP,PersonName,Company) values(?,?,?,?,?,"
    "coalesce((select PersonName from person where PersonID=?),''),"
    "coalesce((select Company from person where PersonID=?),''))";
// The name a win was stored with, which the draw shows.
inline constexpr const char* SelectWinnerName = "select PersonName from ComePrize where PersonID=?";

// Draw engine (prize names before each round) and the prize settings dialog.
inline constexpr const char* SelectPrizeNames = "select * from JP where sNo=555";
// Prize settings dialog.
inline constexpr const char* UpdatePrizeNames =
    "update JP set step1=?,step2=?,step3=?,step4=?,step5=?,step6=?,step7=?,step8=? where sNo=555";
// ... and when the row is missing, it is made with the names.
inline constexpr const char* InsertPrizeNames =
    "insert into JP(sNo,step1,step2,step3,step4,step5,step6,step7,step8) "
    "values(555,?,?,?,?,?,?,?,?)";

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
// Options of the event shared by every station.
inline constexpr const char* SelectEventOption = "select Value from EventOption where Name=?";
inline constexpr const char* StoreEventOption =
    "insert into EventOption(Name,Value) values(?,?) on conflict(Name) do update set "
    "Value=excluded.Value";

} // namespace SqlStatements
