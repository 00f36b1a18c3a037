// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/DateCells.h"

#include <QDate>
#include <QTime>
#include <cmath>

namespace DateCells {

bool IsDateFormat(int numberFormatId, const QString& formatCode)
{
    // Built-in date and time formats, those of East Asian locales included.
    if ((numberFormatId >= 14 && numberFormatId <= 22) ||
        (numberFormatId >= 27 && numberFormatId <= 36) ||
        (numberFormatId >= 45 && numberFormatId <= 47) ||
        (numberFormatId >= 50 && numberFormatId <= 58)) {
        return true;
    }
    if (numberFormatId < 164) {
        return false;
    }
    // A code with date or time letters outside quoted text, escapes and [colour] sections.
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < formatCode.size(); ++i) {
        const QChar ch = formatCode[i];
        if (quoted) {
            quoted = ch != u'"';
        } else if (bracket) {
            // [h], [mm] and [ss] are elapsed times; other brackets are colours or conditions.
            if (ch == u']') {
                bracket = false;
            } else if (QStringLiteral("hHmMsS").contains(ch) && formatCode[i - 1] == u'[') {
                return true;
            }
        } else if (ch == u'"') {
            quoted = true;
        } else if (ch == u'[') {
            bracket = true;
        } else if (ch == u'\\' || ch == u'_' || ch == u'*') {
            ++i;
        } else if (QStringLiteral("dDmMyYhHsS").contains(ch)) {
            return true;
        }
    }
    return false;
}

QString FromSerial(double serial, bool from1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958465.999999) {
        return QString();
    }
    double days = std::floor(serial);
    // Seconds rounded to the nearest, as a spreadsheet shows them.
    qint64 seconds = std::llround((serial - days) * 86400.0);
    if (seconds >= 86400) {
        days += 1;
        seconds -= 86400;
    }
    QDate base = from1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    // The 1900 system counts a 29 February 1900 that never was: serials before it are a day off.
    if (!from1904 && days < 61) {
        base = QDate(1899, 12, 31);
    }
    const QDate date = base.addDays(qint64(days));
    const QTime time = QTime(0, 0).addSecs(int(seconds));
    if (days == 0 && !from1904 && seconds > 0) {
        return time.toString(QStringLiteral("HH:mm:ss"));
    }
    if (seconds == 0) {
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    }
    return date.toString(QStringLiteral("yyyy-MM-dd")) + u' ' +
           time.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace DateCells
