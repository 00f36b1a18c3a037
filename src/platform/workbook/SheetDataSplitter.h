// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <vector>

// Cuts a sheet part between the rows of its cell data, so that the rows can be parsed a run at a
// time instead of as one tree of the whole sheet (a tree costs many times the bytes it parses).
// The cuts follow the markup (tags, quoted attribute values, comments, character data sections,
// processing instructions): every run holds whole elements, and the runs together are exactly
// the cell data's content. A part this cannot cut safely (another encoding than UTF-8, a
// document type declaration, markup left open, no cell data) yields no cuts and is parsed whole;
// markup it does cut but that is not well formed fails when a run is parsed.
class SheetDataSplitter
{
public:
    // Offsets into the part: the first is where the cell data's content begins, the last where it
    // ends (its end tag); runs lie between neighbours and are at least runBytes long but the
    // last, and each ends after an element, comment or instruction that is a child of the cell
    // data. Empty when the part is to be parsed whole.
    static std::vector<qsizetype> Split(const QByteArray& xml, qsizetype runBytes);
};
