// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/excel/CExcelWorksheet.h"

#include "exchange/excel/MissingArgument.h"

CExcelWorksheet::CExcelWorksheet(ExcelBookRef book, Worksheet* sheet)
    : m_book(std::move(book)), m_sheet(sheet)
{}

void CExcelWorksheet::SetName(const QString& name)
{
    if (!m_book) {
        ThrowDetachedDispatch();
    }
    InvokeExcel([&] { m_book->workbook->RenameSheet(*m_sheet, name); });
}

QString CExcelWorksheet::GetName() const
{
    if (!m_book) {
        ThrowDetachedDispatch();
    }
    return m_sheet->Name();
}

CExcelRange CExcelWorksheet::GetCells() const
{
    if (!m_book) {
        ThrowDetachedDispatch();
    }
    return CExcelRange(m_book, m_sheet);
}

void CExcelWorksheet::SaveAs(const QString& fileName, const QVariant& fileFormat,
                             const QVariant& password, const QVariant& writeResPassword,
                             const QVariant& readOnlyRecommended, const QVariant& createBackup,
                             const QVariant& addToMru, const QVariant& textCodepage,
                             const QVariant& textVisualLayout)
{
    if (!m_book) {
        ThrowDetachedDispatch();
    }
    constexpr int XlsxFileFormat = 51;
    const bool formatSupported =
        IsMissingArgument(fileFormat) || fileFormat.toInt() == XlsxFileFormat;
    for (const QVariant* option : {&password, &writeResPassword, &readOnlyRecommended,
                                   &createBackup, &addToMru, &textCodepage, &textVisualLayout}) {
        if (!formatSupported || !IsMissingArgument(*option)) {
            throw CExcelDispatchException(Workbook::tr("不支持的保存选项"));
        }
    }
    InvokeExcel([&] { m_book->workbook->SaveAs(fileName); });
    m_book->savedPath = fileName;
}

void CExcelWorksheet::ReleaseDispatch()
{
    m_book.reset();
    m_sheet = nullptr;
}
