// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a stored cell holds; every value is kept as the text it reads as.
enum class CellKind : quint8
{
    Text,
    Number,
    Boolean,
    Error,
    // A number that its format shows as a date or time, kept as that text (written back as text).
    Date
};

// One non-empty cell of a sheet.
struct WorksheetCell
{
    int column = 0;
    // Index of the cell's format in the workbook's style sheet; -1 for the default format.
    int style = -1;
    CellKind kind = CellKind::Text;
    QString text;
};
