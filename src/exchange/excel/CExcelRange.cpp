// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/excel/CExcelRange.h"

#include "exchange/excel/MissingArgument.h"
#include "platform/workbook/NumberText.h"

namespace {

int Index(const QVariant& value)
{
    bool ok = false;
    const int index = value.toInt(&ok);
    if (!ok || IsMissingArgument(value)) {
        throw CExcelDispatchException(Workbook::tr("单元格位置无效：%1").arg(value.toString()));
    }
    return index;
}

} // namespace

CExcelRange::CExcelRange(ExcelBookRef book, Worksheet* sheet)
    : m_book(std::move(book)), m_sheet(sheet)
{}

QVariant CExcelRange::GetItem(const QVariant& row, const QVariant& column) const
{
    if (!m_book) {
        ThrowDetachedDispatch();
    }
    const WorksheetCell* cell = m_sheet->Cell(Index(row), Index(column));
    if (!cell || cell->text.isEmpty()) {
        return QVariant();
    }
    return cell->text;
}

void CExcelRange::SetItem(const QVariant& row, const QVariant& column, const QVariant& value)
{
    if (!m_book) {
        ThrowDetachedDispatch();
    }
    const int r = Index(row);
    const int c = Index(column);
    if (IsMissingArgument(value) && value.isValid()) {
        throw CExcelDispatchException(Workbook::tr("缺少单元格的值"));
    }
    CellKind kind = CellKind::Text;
    QString text;
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        break;
    case QMetaType::Bool:
        kind = CellKind::Boolean;
        text = value.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        kind = CellKind::Number;
        text = NumberText::FromDouble(value.toDouble());
        break;
    default:
        text = value.toString();
        break;
    }
    InvokeExcel([&] { m_sheet->SetCell(r, c, kind, text); });
}

void CExcelRange::ReleaseDispatch()
{
    m_book.reset();
    m_sheet = nullptr;
}
