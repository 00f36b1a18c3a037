// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCollator;

// How the record list compares two cell texts when it sorts a column. Blanks around a text are
// ignored. The rule is chosen by the first text alone: all digits (the empty text too) compare
// as numbers, the shape dd/mm/yyyy (alone or followed by a blank and a time) as a date, then by
// the time, anything else as text in the user's locale, case-sensitively. The second text is
// read under that rule whatever it holds (a text without leading digits is the number 0).
namespace RecordCompare {

// Every character is an ASCII digit; true for the empty text.
bool IsAllDigits(QStringView text);
// Exactly ten characters: two digits, "/", two digits, "/", four digits.
bool IsDayMonthYear(QStringView text);
// Starts with dd/mm/yyyy, followed by nothing or by a blank.
bool StartsWithDayMonthYear(QStringView text);

// The value of a text's leading number as the C library reads it (blanks, then an optional
// sign, then digits; 0 when there are none). Values beyond 64 bits saturate instead of
// wrapping, so a long digit text never turns negative.
long long LeadingNumber(QStringView text);

// -1, 0 or 1 by the values of the two texts' leading numbers.
int CompareAsNumbers(QStringView x, QStringView y);
// -1, 0 or 1 by year (characters 7 to 10), then month (4 and 5), then day (1 and 2); each part
// is read as a leading number, so a second text of another shape is still compared safely.
int CompareAsDates(QStringView x, QStringView y);

// The comparison a sort applies to one pair of cells: the rule of a, operands swapped when
// descending.
int CompareCells(const QString& a, const QString& b, bool ascending, const QCollator& collator);

} // namespace RecordCompare
