-- SPDX-License-Identifier: GPL-3.0-or-later
-- Participant groups (a department, an identity: any short text) and, per prize level, which
-- groups may win it. A win keeps the group it was won under, as it keeps the name; the wins
-- stored so far were won under no group.
alter table person add column PersonGroup text;
alter table ComePrize add column PersonGroup text;
update ComePrize set PersonGroup = '';

-- Per prize level (step 1..8) the groups its rule names: mode 1 admits only those groups,
-- mode 2 everyone except them. A level without rows admits everyone. A row without a group
-- keeps the mode of a rule that names no group.
create table LevelGroup (
    step        integer not null,
    mode        integer not null,
    PersonGroup text
);

drop view hadPrizeView;
create view hadPrizeView as
select ComePrize.PersonID as PersonID,
       coalesce(ComePrize.PersonName, person.PersonName) as PersonName,
       coalesce(ComePrize.Company, person.Company) as company, ComePrize.sDateTime as sDateTime,
       ComePrize.step as step, ComePrize.sNo as sNo, ComePrize.JP as JP,
       coalesce(ComePrize.PersonGroup, person.PersonGroup, '') as PersonGroup
from ComePrize left join person on person.PersonID = ComePrize.PersonID;
