-- SPDX-License-Identifier: GPL-3.0-or-later
-- Tables of Data.db, at the database version the program expects (user_version, set last);
-- older files are brought up to it by the scripts in upgrade/. Participant numbers compare
-- without regard to case, as the draw expects: a participant "abc" who won as "ABC" is no
-- longer eligible.
create table person (
    PersonID   text collate nocase not null primary key,
    PersonName text,
    Company    text,
    -- the participant's group (a department, an identity); NULL or empty: none
    PersonGroup text
);

-- PersonName, Company and PersonGroup are the winner's name, remark and group as they were when the win was
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
    Company    text,
    PersonGroup text
);
-- The draw's candidate query and its already-won test look winners up by participant number;
-- a participant wins once, so the database refuses a second win.
create unique index ComePrize_PersonID on ComePrize (PersonID);

-- step1..step8: the prize names of levels 1..8; roundSize1..roundSize8: how many winners one
-- round of the level may draw (above 8 the round is drawn at once, see the draw engine).
create table JP (
    sNo   integer not null primary key,
    step1 text, step2 text, step3 text, step4 text,
    step5 text, step6 text, step7 text, step8 text,
    roundSize1 integer not null default 8, roundSize2 integer not null default 8,
    roundSize3 integer not null default 8, roundSize4 integer not null default 8,
    roundSize5 integer not null default 8, roundSize6 integer not null default 8,
    roundSize7 integer not null default 8, roundSize8 integer not null default 8
);
insert into JP (sNo, step1, step2, step3, step4, step5, step6, step7, step8)
values (555, '一等奖', '二等奖', '三等奖', '四等奖', '五等奖', '六等奖', '七等奖', '八等奖');

-- Per prize level (step 1..8) the groups its rule names: mode 1 admits only those groups,
-- mode 2 everyone except them. A level without rows admits everyone. A row without a group
-- keeps the mode of a rule that names no group.
create table LevelGroup (
    step        integer not null,
    mode        integer not null,
    PersonGroup text
);

-- Every win with the name, remark and group it was won under; where those were not kept, the
-- participant's present ones (none for a participant since removed).
create view hadPrizeView as
select ComePrize.PersonID as PersonID,
       coalesce(ComePrize.PersonName, person.PersonName) as PersonName,
       coalesce(ComePrize.Company, person.Company) as company, ComePrize.sDateTime as sDateTime,
       ComePrize.step as step, ComePrize.sNo as sNo, ComePrize.JP as JP,
       coalesce(ComePrize.PersonGroup, person.PersonGroup, '') as PersonGroup
from ComePrize left join person on person.PersonID = ComePrize.PersonID;

-- The draw log: every event that changes who won (a win, the clearing of the winners, an
-- import), appended in the transaction of the change and never rewritten. Each entry carries
-- the digest of the one before it; DrawLogHead holds the number and digest of the last entry,
-- and appends take their turns on that row.
create table DrawLog (
    seq      integer not null primary key,
    kind     text not null,
    sTime    text not null,
    station  text not null,
    payload  text not null,
    previous text not null,
    digest   text not null
);
create table DrawLogHead (
    id     integer not null primary key,
    seq    integer not null,
    digest text not null
);
insert into DrawLogHead (id, seq, digest)
values (1, 0, '0000000000000000000000000000000000000000000000000000000000000000');

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

-- Wins the operator declared void (the winner was not in the hall): the win as it was stored in
-- ComePrize, which it left, with when, why and at which station it was voided, whether the
-- participant went back into the pool, and the replacement drawn for its place (NULL while the
-- place is open). VoidID is the number of the draw log entry of the void, unique across stations.
create table VoidedWin (
    VoidID       integer not null primary key,
    PersonID     text collate nocase not null,
    PersonName   text,
    Company      text,
    PersonGroup  text,
    sDateTime    text,
    step         integer,
    sNo          integer,
    JP           text,
    VoidTime     text not null,
    Reason       text,
    Station      text,
    ReturnToPool integer not null default 0,
    ReplacedBy   text,
    ReplacedTime text
);
create index VoidedWin_PersonID on VoidedWin (PersonID);

pragma user_version = 7;
