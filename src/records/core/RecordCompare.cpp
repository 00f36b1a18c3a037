// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/core/RecordCompare.h"

#include <QCollator>

#include <limits>

namespace {

bool IsDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool IsCBlank(QChar c)
{
    // The blanks the C library skips before a number.
    switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
        return true;
    default:
        return false;
    }
}

int Sign(long long x, long long y)
{
    return x < y ? -1 : (x > y ? 1 : 0);
}

} // namespace

namespace RecordCompare {

bool IsAllDigits(QStringView text)
{
    for (QChar c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

bool IsDayMonthYear(QStringView text)
{
    if (text.size() != 10) {
        return false;
    }
    for (int i = 0; i < 10; ++i) {
        const bool ok = (i == 2 || i == 5) ? text[i] == u'/' : IsDigit(text[i]);
        if (!ok) {
            return false;
        }
    }
    return true;
}

long long LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && IsCBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr long long limit = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const int digit = text[i].unicode() - u'0';
        if (value > (limit - digit) / 10) {
            value = limit;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

int CompareAsNumbers(QStringView x, QStringView y)
{
    return Sign(LeadingNumber(x), LeadingNumber(y));
}

int CompareAsDates(QStringView x, QStringView y)
{
    const auto part = [](QStringView text, qsizetype from, qsizetype length) {
        return LeadingNumber(text.mid(from, length));
    };
    if (const int year = Sign(part(x, 6, 4), part(y, 6, 4))) {
        return year;
    }
    if (const int month = Sign(part(x, 3, 2), part(y, 3, 2))) {
        return month;
    }
    return Sign(part(x, 0, 2), part(y, 0, 2));
}

bool StartsWithDayMonthYear(QStringView text)
{
    return IsDayMonthYear(text.left(10)) && (text.size() == 10 || IsCBlank(text[10]));
}

int CompareCells(const QString& a, const QString& b, bool ascending, const QCollator& collator)
{
    // The list pads cells with blanks in front; they take no part in the order.
    const QStringView first = QStringView(ascending ? a : b).trimmed();
    const QStringView second = QStringView(ascending ? b : a).trimmed();
    const QStringView ruler = ascending ? first : second;
    if (IsAllDigits(ruler)) {
        return CompareAsNumbers(first, second);
    }
    if (StartsWithDayMonthYear(ruler)) {
        if (const int date = CompareAsDates(first, second)) {
            return date;
        }
        // The same day: a time after the date is zero-padded, so it orders as plain text.
        const int time = first.mid(10).compare(second.mid(10));
        return time < 0 ? -1 : (time > 0 ? 1 : 0);
    }
    const int result = collator.compare(first, second);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

} // namespace RecordCompare
