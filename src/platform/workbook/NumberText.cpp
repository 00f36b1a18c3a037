// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/NumberText.h"

#include <cmath>

namespace NumberText {

QString FromDouble(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
        return QString::number(static_cast<qint64>(value));
    }
    return QString::number(value, 'g', 15).toUpper();
}

QString FromStored(QStringView stored)
{
    // Plain integers of up to 15 digits are already in their text form.
    qsizetype digits = 0;
    bool plain = !stored.isEmpty() && stored.size() <= 16;
    for (qsizetype i = 0; plain && i < stored.size(); ++i) {
        const QChar ch = stored[i];
        if (ch.isDigit()) {
            ++digits;
        } else if (!(i == 0 && ch == u'-')) {
            plain = false;
        }
    }
    if (plain && digits > 0 && digits <= 15 &&
        !(stored[stored[0] == u'-' ? 1 : 0] == u'0' && digits > 1)) {
        return stored == u"-0" ? QStringLiteral("0") : stored.toString();
    }
    bool ok = false;
    const double value = stored.toDouble(&ok);
    return ok ? FromDouble(value) : stored.toString();
}

} // namespace NumberText
