-- SPDX-License-Identifier: GPL-3.0-or-later
-- The draw log: every event that changes who won, appended and never rewritten, each entry
-- carrying the digest of the one before it. DrawLogHead holds the number and digest of the last
-- entry; appends take their turns on that row. The wins already stored become the log's first
-- entries when the program upgrades the database.
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
