// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/excel/ExcelServer.h"

#include "exchange/excel/CExcelApplication.h"

void ThrowDetachedDispatch()
{
    throw CExcelDispatchException(Workbook::tr("电子表格对象未连接"));
}

std::shared_ptr<ExcelServer::Book> ExcelServer::Add(std::unique_ptr<Workbook> workbook)
{
    auto book = std::make_shared<Book>();
    book->workbook = std::move(workbook);
    m_books.push_back(book);
    return book;
}

void ExcelServer::Show()
{
    for (const auto& book : m_books) {
        if (!book->savedPath.isEmpty()) {
            CExcelApplication::LaunchOnDesktop(book->savedPath);
        }
    }
}
