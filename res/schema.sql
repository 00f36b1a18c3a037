-- SPDX-License-Identifier: GPL-3.0-or-later
-- Tables of Data.db, at the database version the program expects (user_version, set last);
-- older files are brought up to it by the scripts in upgrade/. Participant numbers compare
-- without regard to case, as the draw expects: a participant "abc" who won as "ABC" is no
-- longer eligible.
create table person (
    PersonID   text collate nocase not null primary key,
    PersonName text,
    Company    text
);

-- PersonName and Company are the winner's name and remark as they were when the win was
-- stored, so the record keeps the name a prize was won under when the participant list is
-- later cleared, edited or imported again. NULL: not known (a win whose participant was
-- removed before the program kept them).
create table ComePrize (
    PersonID   text collate nocase not null,
    sDateTime  text,
    step       integer,
    sNo        integer,
    JP         text,
    PersonName text,
    Company    text
);
-- The draw's candidate query and its already-won test look winners up by participant number;
-- a participant wins once, so the database refuses a second win.
create unique index ComePrize_PersonID on ComePrize (PersonID);

create table JP (
    sNo   integer not null primary key,
    step1 text, step2 text, step3 text, step4 text,
    step5 text, step6 text, step7 text, step8 text
);
insert into JP (sNo, step1, step2, step3, step4, step5, step6, step7, step8)
values (555, '一等奖', '二等奖', '三等奖', '四等奖', '五等奖', '六等奖', '七等奖', '八等奖');

-- Every win with the name and remark it was won under; where those were not kept, the
-- participant's present ones (none for a participant since removed).
create view hadPrizeView as
select ComePrize.PersonID as PersonID,
       coalesce(ComePrize.PersonName, person.PersonName) as PersonName,
       coalesce(ComePrize.Company, person.Company) as company, ComePrize.sDateTime as sDateTime,
       ComePrize.step as step, ComePrize.sNo as sNo, ComePrize.JP as JP
from ComePrize left join person on person.PersonID = ComePrize.PersonID;

-- Check-in at the door: one row per participant who was ever checked in or out, and the
-- event's options shared by every station (the draw may admit only those checked in).
-- Seq numbers every change, so a station keeping the checked-in set reads only the changes
-- since its last look; the unique index refuses two changes of one number, so a station that
-- counted at the same moment as another counts again.
create table Checkin (
    PersonID    text collate nocase not null primary key,
    CheckedIn   integer not null,
    CheckinTime text,
    Station     text,
    Seq         integer not null
);
create unique index Checkin_Seq on Checkin (Seq);

create table EventOption (
    Name  text not null primary key,
    Value text
);

pragma user_version = 6;
