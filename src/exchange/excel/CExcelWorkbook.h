// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/excel/CExcelWorksheets.h"
#include "exchange/excel/ExcelServer.h"

// One open workbook.
class CExcelWorkbook
{
public:
    CExcelWorkbook() = default;
    explicit CExcelWorkbook(ExcelBookRef book);

    CExcelWorksheets GetWorksheets() const;
    void ReleaseDispatch() { m_book.reset(); }
    bool IsAttached() const { return m_book != nullptr; }

private:
    ExcelBookRef m_book;
};
