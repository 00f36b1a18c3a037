// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/core/ColumnLayout.h"

#include "records/core/RecordCompare.h"

#include <QtEndian>

#include <algorithm>

namespace ColumnLayout {

std::vector<Column> ParseColumnText(const QString& text)
{
    std::vector<Column> columns;
    qsizetype p = 0;
    for (;;) {
        const qsizetype comma = text.indexOf(u',', p);
        if (comma < 0) {
            return columns;
        }
        qsizetype end = text.indexOf(u';', comma + 1);
        if (end < 0) {
            end = text.size();
        }
        const long long width =
            RecordCompare::LeadingNumber(QStringView(text).mid(comma + 1, end - comma - 1));
        columns.push_back(
            {text.mid(p, comma - p), int(std::clamp<long long>(width, 0, MaxStoredWidth))});
        p = end + 1;
    }
}

std::optional<std::vector<int>> ParseStoredWidths(const QByteArray& value, int columnCount)
{
    const auto readInt = [&value](qsizetype offset) {
        return qFromLittleEndian<qint32>(value.constData() + offset);
    };
    if (value.size() < 4) {
        return std::nullopt;
    }
    const qint32 count = readInt(0);
    // A layout stored when the list had fewer columns sizes those; the newer ones keep their
    // default widths.
    if (count > columnCount || count < 1 || (value.size() - 4) / 4 < count) {
        return std::nullopt;
    }
    std::vector<int> widths;
    widths.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        const qint32 width = readInt(4 + 4 * qsizetype(i));
        if (width < 0 || width > MaxStoredWidth) {
            return std::nullopt;
        }
        widths.push_back(width);
    }
    return widths;
}

QByteArray StoredWidths(const std::vector<int>& widths)
{
    QByteArray value(4 * qsizetype(widths.size() + 1), '\0');
    qToLittleEndian(qint32(widths.size()), value.data());
    for (size_t i = 0; i < widths.size(); ++i) {
        qToLittleEndian(qint32(std::clamp(widths[i], 0, MaxStoredWidth)),
                        value.data() + 4 * (i + 1));
    }
    return value;
}

} // namespace ColumnLayout
