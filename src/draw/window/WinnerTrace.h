// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// When SORTILO_WINNER_TRACE names a file, each winner shown is appended to it, one number a
// line, once stored: a check of the draw from outside compares it with the database.
namespace WinnerTrace {

// Appends the numbers; empty ones (a big round's count line) are left out.
void Append(const QStringList& ids);

} // namespace WinnerTrace
