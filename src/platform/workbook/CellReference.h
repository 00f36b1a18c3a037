// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// A1-style cell references: letters for the column, digits for the row, both 1-based.
namespace CellReference {

QString ColumnName(int column);
QString Name(int row, int column);
// Reads "B12" into row 12, column 2; false for anything else (absolute "$B$12" included).
// Either part may be missing: the one that is absent is left as it was.
bool Parse(QStringView reference, int& row, int& column);
bool Parse(const char* reference, int& row, int& column);

} // namespace CellReference
