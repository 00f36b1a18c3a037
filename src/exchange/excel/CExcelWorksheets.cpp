// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/excel/CExcelWorksheets.h"

CExcelWorksheets::CExcelWorksheets(ExcelBookRef book) : m_book(std::move(book)) {}

CExcelWorksheet CExcelWorksheets::GetItem(const QVariant& index) const
{
    if (!m_book) {
        ThrowDetachedDispatch();
    }
    Workbook& workbook = *m_book->workbook;
    Worksheet* sheet = nullptr;
    const int type = index.typeId();
    if (type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::UInt ||
        type == QMetaType::Short) {
        const int position = index.toInt();
        if (position >= 1 && position <= workbook.SheetCount()) {
            sheet = &workbook.Sheet(position - 1);
        }
    } else if (index.canConvert<QString>()) {
        sheet = workbook.FindSheet(index.toString());
    }
    if (!sheet) {
        throw CExcelDispatchException(Workbook::tr("工作簿中没有工作表“%1”").arg(index.toString()));
    }
    return CExcelWorksheet(m_book, sheet);
}

CExcelWorksheet CExcelWorksheets::Add() const
{
    if (!m_book) {
        ThrowDetachedDispatch();
    }
    Workbook& workbook = *m_book->workbook;
    QString name;
    for (int n = workbook.SheetCount() + 1; name.isEmpty() || workbook.FindSheet(name); ++n) {
        name = QStringLiteral("Sheet%1").arg(n);
    }
    Worksheet* sheet =
        InvokeExcel([&] { return &workbook.AddSheet(std::make_unique<Worksheet>(name)); });
    return CExcelWorksheet(m_book, sheet);
}
