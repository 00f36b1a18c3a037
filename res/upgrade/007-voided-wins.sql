-- SPDX-License-Identifier: GPL-3.0-or-later
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
