-- SPDX-License-Identifier: GPL-3.0-or-later
-- Each win keeps the winner's name and remark as they were when it was stored, and the
-- winners view lists every win, also one whose participant was removed: the record and the
-- export no longer lose wins when the participant list is cleared or imported again. The wins
-- stored so far take the names their participants have now; those of participants already
-- removed stay without a name.
alter table ComePrize add column PersonName text;
alter table ComePrize add column Company text;
update ComePrize
set PersonName = (select coalesce(person.PersonName, '') from person
                  where person.PersonID = ComePrize.PersonID),
    Company = (select coalesce(person.Company, '') from person
               where person.PersonID = ComePrize.PersonID);

drop view hadPrizeView;
create view hadPrizeView as
select ComePrize.PersonID as PersonID,
       coalesce(ComePrize.PersonName, person.PersonName) as PersonName,
       coalesce(ComePrize.Company, person.Company) as company, ComePrize.sDateTime as sDateTime,
       ComePrize.step as step, ComePrize.sNo as sNo, ComePrize.JP as JP
from ComePrize left join person on person.PersonID = ComePrize.PersonID;
