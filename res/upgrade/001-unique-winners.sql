-- SPDX-License-Identifier: GPL-3.0-or-later
-- A participant wins once: the index on the winner's participant number becomes unique, so
-- the database itself refuses a second win, whatever the case of the number (the column
-- compares without regard to case). Left out while the stored wins hold a double award.
drop index if exists ComePrize_PersonID;
create unique index ComePrize_PersonID on ComePrize (PersonID);
