// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/excel/CExcelWorkbook.h"

CExcelWorkbook::CExcelWorkbook(ExcelBookRef book) : m_book(std::move(book)) {}

CExcelWorksheets CExcelWorkbook::GetWorksheets() const
{
    if (!m_book) {
        ThrowDetachedDispatch();
    }
    return CExcelWorksheets(m_book);
}
