// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <vector>

// Stored column widths as the settings hold them: little-endian 32-bit integers (the count
// first, then the widths, or any other integers a test wants to store).
inline QByteArray StoredWidthsBytes(const std::vector<qint32>& ints)
{
    QByteArray bytes(4 * qsizetype(ints.size()), '\0');
    for (size_t i = 0; i < ints.size(); ++i) {
        qToLittleEndian(ints[i], bytes.data() + 4 * i);
    }
    return bytes;
}
