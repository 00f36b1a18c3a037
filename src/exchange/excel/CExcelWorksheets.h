// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/excel/CExcelWorksheet.h"
#include "exchange/excel/ExcelServer.h"

#include <QVariant>

// The sheets of one workbook.
class CExcelWorksheets
{
public:
    CExcelWorksheets() = default;
    explicit CExcelWorksheets(ExcelBookRef book);

    // A sheet by name (letter case ignored) or by 1-based position. Throws
    // CExcelDispatchException when there is no such sheet.
    CExcelWorksheet GetItem(const QVariant& index) const;
    // Adds an empty sheet after the last one, named "SheetN" with the first N no sheet has.
    CExcelWorksheet Add() const;
    void ReleaseDispatch() { m_book.reset(); }
    bool IsAttached() const { return m_book != nullptr; }

private:
    ExcelBookRef m_book;
};
