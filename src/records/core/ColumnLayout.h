// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The two texts that lay out the record list's columns: the column text a dialog builds
// ("heading,width;" per column) and the stored widths read back from the settings. Both are
// this program's own layouts of a few dozen bytes, so they are read here by hand.
namespace ColumnLayout {

struct Column
{
    QString heading;
    int width = 0;
};

// Columns of "heading,width;heading,width;...": the last ";" may be missing; the text after the
// last "," that has no "," of its own is not a column. A width is read as the C library reads a
// number (leading digits, 0 when there are none); a negative one becomes 0.
std::vector<Column> ParseColumnText(const QString& text);

// Widths stored as raw bytes: a little-endian 32-bit count, then that many little-endian 32-bit
// widths, for the first count columns (a list that has gained columns since keeps the stored
// widths of the others). Nothing when the value is shorter than its count announces, when the
// count is 0 or more than columnCount, or when a width is negative or larger than
// MaxStoredWidth: such a value is not ours to apply.
std::optional<std::vector<int>> ParseStoredWidths(const QByteArray& value, int columnCount);

// The stored form of widths, as ParseStoredWidths reads it back; a width outside 0 to
// MaxStoredWidth is clamped into that range.
QByteArray StoredWidths(const std::vector<int>& widths);

inline constexpr int MaxStoredWidth = 32767;

} // namespace ColumnLayout
