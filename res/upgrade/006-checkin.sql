-- SPDX-License-Identifier: GPL-3.0-or-later
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
