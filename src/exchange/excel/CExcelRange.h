// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/excel/ExcelServer.h"

#include <QVariant>

// The cells of one sheet, by 1-based row and column. One call per cell is cheap: a cell is an
// index into memory, and nothing reaches a file before SaveAs.
class CExcelRange
{
public:
    CExcelRange() = default;
    CExcelRange(ExcelBookRef book, Worksheet* sheet);

    // The cell's value: a null QVariant for an empty cell, otherwise its text (a number as
    // 1001 or 12.5). Throws CExcelDispatchException for an index that is no row or column.
    QVariant GetItem(const QVariant& row, const QVariant& column) const;
    // Stores a value: text as text, numbers and booleans as such, a null QVariant empties the
    // cell; the cell keeps its format. Throws CExcelDispatchException for a bad index or value.
    void SetItem(const QVariant& row, const QVariant& column, const QVariant& value);
    void ReleaseDispatch();
    bool IsAttached() const { return m_book != nullptr; }

private:
    ExcelBookRef m_book;
    Worksheet* m_sheet = nullptr;
};
