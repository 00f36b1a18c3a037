// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Turns the tables of a database made from today's schema into those of database version 2,
// as earlier builds made them: no round sizes, no draw log, no groups, no rules of who may win a
// level and no check-in.
inline QStringList VersionTwoStatements()
{
    QStringList statements{
        QStringLiteral("drop table DrawLog"), QStringLiteral("drop table DrawLogHead"),
        QStringLiteral("drop table Checkin"), QStringLiteral("drop table EventOption"),
        QStringLiteral("drop table VoidedWin")};
    for (int level = 1; level <= 8; ++level) {
        statements << QStringLiteral("alter table JP drop column roundSize%1").arg(level);
    }
    return statements +
           QStringList{
               QStringLiteral("drop view hadPrizeView"), QStringLiteral("drop table LevelGroup"),
               QStringLiteral("alter table person drop column PersonGroup"),
               QStringLiteral("alter table ComePrize drop column PersonGroup"),
               QStringLiteral("create view hadPrizeView as select ComePrize.PersonID as PersonID, "
                              "coalesce(ComePrize.PersonName, person.PersonName) as PersonName, "
                              "coalesce(ComePrize.Company, person.Company) as company, "
                              "ComePrize.sDateTime as sDateTime, ComePrize.step as step, "
                              "ComePrize.sNo as sNo, ComePrize.JP as JP from ComePrize left join "
                              "person on person.PersonID = ComePrize.PersonID")};
}

// ... and into those of database version 1: the wins without the winners' names, and a winners
// view that lists only the wins of participants still on the list. The version number is set
// apart (SQLite's file header, PostgreSQL's table SchemaVersion).
inline QStringList VersionOneStatements()
{
    return VersionTwoStatements() +
           QStringList{
               QStringLiteral("drop view hadPrizeView"),
               QStringLiteral("alter table ComePrize drop column PersonName"),
               QStringLiteral("alter table ComePrize drop column Company"),
               QStringLiteral("create view hadPrizeView as select ComePrize.PersonID as PersonID, "
                              "person.PersonName as PersonName, person.Company as company, "
                              "ComePrize.sDateTime as sDateTime, ComePrize.step as step, "
                              "ComePrize.sNo as sNo, ComePrize.JP as JP from ComePrize inner join "
                              "person on person.PersonID = ComePrize.PersonID")};
}
