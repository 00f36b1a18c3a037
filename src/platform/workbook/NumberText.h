// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// A number cell read as text: a whole number without a fraction (1001 gives "1001"), any other
// with up to 15 significant digits (12.5 gives "12.5", 1e20 gives "1E+20").
namespace NumberText {

QString FromDouble(double value);
// The same for a number as an .xlsx file stores it ("1001", "12.5", "1.0E+3"); text that is no
// number comes back unchanged.
QString FromStored(QStringView stored);

} // namespace NumberText
