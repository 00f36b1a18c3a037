// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

class CAdoDatabase;

// Checks the draw log against itself and against the winners tables: every entry's number,
// digest and link to the entry before; the head against the last entry; the wins the log
// leaves standing (wins and wins taken in, less those voided and what each clearing removed)
// against the rows of ComePrize, and the voids it leaves (with the replacement that filled each
// place) against the rows of VoidedWin, column by column. It reads only.
class DrawLogCheck
{
public:
    enum class Finding
    {
        Agrees,
        Unreadable,   // a query failed; detail holds the database's words
        EntryBroken,  // entry seq: its number, its digest or its link to the entry before
        HeadDiffers,  // the head names another last entry: entries removed or added at the end
        EntryUnknown, // entry seq: a kind this program does not know, or an unreadable payload
        WinTwice,     // entry seq: a second win of personId without a clearing between
        WinMissing,   // entry seq's win of personId is not stored
        WinChanged,   // entry seq's win of personId is stored otherwise (detail: the columns)
        WinUnlogged,  // a stored win of personId that no entry names
        // entry seq: a void of a win the log does not leave standing, an undo of a void that is
        // not open, or a replacement for a place that is not open
        VoidInvalid,
        VoidMissing, // entry seq's void of personId is not stored
        VoidChanged, // entry seq's void of personId is stored otherwise (detail: the columns)
        VoidUnlogged // a stored voided win of personId that no entry names
    };

    struct Result
    {
        Finding finding = Finding::Agrees;
        qint64 seq = 0; // the entry concerned; 0 for none
        QString personId;
        QString detail;
        int differences = 0; // winners that differ, the first of them described above
        qint64 entries = 0;
        qint64 wins = 0; // wins drawn and wins taken in
        qint64 clearings = 0;
        qint64 imports = 0;
        qint64 winners = 0; // rows of ComePrize
        qint64 voids = 0;   // wins voided
        qint64 undone = 0;  // voids undone
        qint64 replacements = 0;
        qint64 voided = 0; // rows of VoidedWin
        QString lastDigest;
    };

    static Result Run(CAdoDatabase& database);
};
