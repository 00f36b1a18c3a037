// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Numbers that a cell format shows as a date or time read as the date or time, in the form
// FreeXL gives for .xls files: "2026-12-07", "20:15:00" or "2026-12-07 20:15:00".
namespace DateCells {

// Whether a number format (by its id, and its code for ids above the built-in ones) shows a
// date or a time.
bool IsDateFormat(int numberFormatId, const QString& formatCode);
// The text of a date serial number (days since 1899-12-30, or since 1904-01-01 in workbooks
// that count from 1904); an empty text for a serial outside the years 1900 to 9999.
QString FromSerial(double serial, bool from1904);

} // namespace DateCells
