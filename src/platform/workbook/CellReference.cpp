// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/CellReference.h"

#include <cstring>

namespace CellReference {

QString ColumnName(int column)
{
    QString name;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        name.prepend(QChar(u'A' + digit));
        column = (column - 1) / 26;
    }
    return name;
}

QString Name(int row, int column)
{
    return ColumnName(column) + QString::number(row);
}

namespace {

template <typename Text>
bool ParseText(const Text& reference, qsizetype size, int& row, int& column)
{
    qsizetype i = 0;
    qint64 c = 0;
    for (; i < size; ++i) {
        const char16_t ch = reference[i];
        if (ch >= u'A' && ch <= u'Z') {
            c = c * 26 + (ch - u'A' + 1);
        } else if (ch >= u'a' && ch <= u'z') {
            c = c * 26 + (ch - u'a' + 1);
        } else {
            break;
        }
        if (c > 1000000) {
            return false;
        }
    }
    qint64 r = 0;
    const qsizetype digitsFrom = i;
    for (; i < size; ++i) {
        const char16_t ch = reference[i];
        if (ch < u'0' || ch > u'9') {
            return false;
        }
        r = r * 10 + (ch - u'0');
        if (r > 100000000) {
            return false;
        }
    }
    if (digitsFrom == 0 && i == 0) {
        return false;
    }
    if (c > 0) {
        column = static_cast<int>(c);
    }
    if (i > digitsFrom) {
        row = static_cast<int>(r);
    }
    return true;
}

} // namespace

bool Parse(QStringView reference, int& row, int& column)
{
    return ParseText(reference.utf16(), reference.size(), row, column);
}

bool Parse(const char* reference, int& row, int& column)
{
    return ParseText(reinterpret_cast<const unsigned char*>(reference),
                     static_cast<qsizetype>(std::strlen(reference)), row, column);
}

} // namespace CellReference
