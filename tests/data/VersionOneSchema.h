// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Turns the tables of a database made from today's schema into those of database version 1,
// as earlier builds made them: the wins without the winners' names, and a winners view that
// lists only the wins of participants still on the list. The version number is set apart
// (SQLite's file header, PostgreSQL's table SchemaVersion).
inline QStringList VersionOneStatements()
{
    return {QStringLiteral("drop table Checkin"),
            QStringLiteral("drop table EventOption"),
            QStringLiteral("drop view hadPrizeView"),
            QStringLiteral("alter table ComePrize drop column PersonName"),
            QStringLiteral("alter table ComePrize drop column Company"),
            QStringLiteral("create view hadPrizeView as select ComePrize.PersonID as PersonID, "
                           "person.PersonName as PersonName, person.Company as company, "
                           "ComePrize.sDateTime as sDateTime, ComePrize.step as step, "
                           "ComePrize.sNo as sNo, ComePrize.JP as JP from ComePrize inner join "
                           "person on person.PersonID = ComePrize.PersonID")};
}
