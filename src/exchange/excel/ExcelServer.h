// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/excel/CExcelDispatchException.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// The spreadsheet server behind one CExcelApplication: the workbooks it has open and whether it
// is shown. Every wrapper obtained from that application shares it; it lives as long as the
// last of them. Used by one thread only.
class ExcelServer
{
public:
    struct Book
    {
        std::unique_ptr<Workbook> workbook;
        // Where the workbook was last saved; empty until it is.
        QString savedPath;
    };

    std::shared_ptr<Book> Add(std::unique_ptr<Workbook> workbook);
    // Shows the saved workbooks through the desktop launcher (when one is installed).
    void Show();
    const std::vector<std::shared_ptr<Book>>& Books() const { return m_books; }

private:
    std::vector<std::shared_ptr<Book>> m_books;
};

using ExcelBookRef = std::shared_ptr<ExcelServer::Book>;

// A call on a wrapper that holds nothing (never attached, or released).
[[noreturn]] void ThrowDetachedDispatch();

// Runs one spreadsheet call, turning the engine's failure into the wrappers' exception.
template <typename Call> auto InvokeExcel(Call&& call) -> decltype(call())
{
    try {
        return call();
    } catch (const CExcelDispatchException&) {
        throw;
    } catch (const WorkbookError& error) {
        throw CExcelDispatchException(error.Message());
    } catch (const std::bad_alloc&) {
        throw CExcelDispatchException(Workbook::tr("内存不足"));
    }
}
