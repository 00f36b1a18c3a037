// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/workbook/WorkbookLimits.h"

#include <QtGlobal>

// The form in which the .xls reader process hands a workbook's cells to the program on its
// standard output. Both ends are ours and the data is flat (sheets, then their cells), so a few
// length-prefixed records serve; a serialisation library would add a dependency for nothing.
//
// All numbers are little-endian. The stream is the magic, then records, each a tag byte:
//   'S' sheet:   u32 rows the sheet claims, u32 name length, the name in UTF-8
//   'C' cell:    u32 row (1-based), u32 column (1-based), u8 CellKind, u32 length, UTF-8 text
//                (of the last sheet written)
//   'F' failure: u8 XlsFailure, i32 the library's code; the last record
//   'E' end:     u32 sheets, u64 cells written; the last record of a complete workbook
// The reader process exits with 0 after 'E', with 1 after 'F'.
namespace XlsStream {

inline constexpr char Magic[8] = {'S', 'O', 'R', 'T', 'X', 'L', 'S', '1'};

enum Tag : char
{
    SheetTag = 'S',
    CellTag = 'C',
    FailureTag = 'F',
    EndTag = 'E'
};

// Why the library refused a file.
enum class Failure : quint8
{
    NotWorkbook = 1,
    OutOfMemory = 2,
    Password = 3,
    Damaged = 4
};

// A text of more UTF-8 bytes than this has more UTF-16 units than a cell may hold (one unit
// takes at most three bytes), so a longer text field is refused before it is read.
inline constexpr quint32 MaxTextBytes = 3 * WorkbookLimits::MaxCellChars;

} // namespace XlsStream
