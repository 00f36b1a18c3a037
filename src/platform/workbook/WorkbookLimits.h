// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Bounds on what a workbook file may ask of the program. Every file is untrusted: a file beyond
// these bounds is refused with a message, before it can exhaust memory or time.
struct WorkbookLimits
{
    // Size of a workbook file on disk (.xlsx, .xls or .csv).
    static constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;
    // Uncompressed size of one part of an .xlsx container (a sheet, the shared strings).
    static constexpr qint64 MaxPartBytes = 128LL * 1024 * 1024;
    // Uncompressed size of all parts read from one .xlsx container together.
    static constexpr qint64 MaxPackageBytes = 256LL * 1024 * 1024;
    // Tags in one XML part of an .xlsx container: most parts are parsed whole, and each element
    // costs memory beyond its bytes. A sheet of 100,000 rows written by LibreOffice has about 1.4
    // million, its strings (rich text) about 2.4 million.
    static constexpr qint64 MaxPartTags = 5000000;
    // Attributes in one XML part, and in one element. A cell has at most three (reference,
    // style, type), a row a handful; 100,000 rows of 10 cells hold about 3 million. Each costs the
    // parser about 40 bytes: together with the tags, a part stays within a few hundred MB.
    static constexpr qint64 MaxPartAttributes = 6000000;
    static constexpr int MaxElementAttributes = 64;
    // Rows of one sheet (the highest row number a cell may have).
    static constexpr int MaxRows = 200000;
    // Columns of one sheet (the format's own bound, column XFD).
    static constexpr int MaxColumns = 16384;
    // Non-empty cells of a whole workbook.
    static constexpr qint64 MaxCells = 2000000;
    // Characters in one cell (the format's own bound).
    static constexpr int MaxCellChars = 32767;
    // Sheets in one workbook.
    static constexpr int MaxSheets = 256;
};
