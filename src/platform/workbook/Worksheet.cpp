// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/Worksheet.h"

#include "platform/workbook/CellReference.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"

#include <algorithm>

namespace {

template <typename Cells> auto FindColumn(Cells& cells, int column)
{
    return std::lower_bound(cells.begin(), cells.end(), column,
                            [](const WorksheetCell& cell, int c) { return cell.column < c; });
}

} // namespace

Worksheet::Worksheet(const QString& name) : m_name(name) {}

const WorksheetCell* Worksheet::Cell(int row, int column) const
{
    if (row < 1 || row > LastRow()) {
        return nullptr;
    }
    const auto& cells = m_rows[row - 1].cells;
    const auto it = FindColumn(cells, column);
    return it != cells.end() && it->column == column ? &*it : nullptr;
}

QString Worksheet::CellText(int row, int column) const
{
    const WorksheetCell* cell = Cell(row, column);
    return cell ? cell->text : QString();
}

void Worksheet::CheckPosition(int row, int column)
{
    if (row < 1 || row > WorkbookLimits::MaxRows || column < 1 ||
        column > WorkbookLimits::MaxColumns) {
        throw WorkbookError(
            Workbook::tr("单元格位置超出范围：第 %1 行第 %2 列").arg(row).arg(column));
    }
}

Worksheet::Row& Worksheet::RowFor(int row)
{
    if (row > LastRow()) {
        m_rows.resize(row);
    }
    return m_rows[row - 1];
}

void Worksheet::SetCell(int row, int column, CellKind kind, const QString& text)
{
    CheckPosition(row, column);
    if (text.size() > WorkbookLimits::MaxCellChars) {
        throw WorkbookError(Workbook::tr("单元格 %1 的内容超过 %2 个字符")
                                .arg(CellReference::Name(row, column))
                                .arg(WorkbookLimits::MaxCellChars));
    }
    m_modified = true;
    m_formulas.remove(Key(row, column));
    if (text.isEmpty()) {
        if (row > LastRow()) {
            return;
        }
        auto& cells = m_rows[row - 1].cells;
        const auto it = FindColumn(cells, column);
        if (it != cells.end() && it->column == column) {
            if (it->style < 0) {
                cells.erase(it);
                --m_cellCount;
            } else {
                // An emptied cell keeps its format, as it does in a spreadsheet application.
                it->kind = CellKind::Text;
                it->text.clear();
            }
        }
        return;
    }
    auto& cells = RowFor(row).cells;
    const auto it = FindColumn(cells, column);
    if (it != cells.end() && it->column == column) {
        it->kind = kind;
        it->text = text;
        return;
    }
    if (m_cellCount >= WorkbookLimits::MaxCells) {
        throw WorkbookError(Workbook::tr("工作表的单元格超过 %1 个").arg(WorkbookLimits::MaxCells));
    }
    cells.insert(it, {column, -1, kind, text});
    ++m_cellCount;
}

void Worksheet::StoreCell(int row, WorksheetCell cell)
{
    CheckPosition(row, cell.column);
    auto& cells = RowFor(row).cells;
    if (cells.empty() || cells.back().column < cell.column) {
        cells.push_back(std::move(cell));
        ++m_cellCount;
        return;
    }
    const auto it = FindColumn(cells, cell.column);
    if (it != cells.end() && it->column == cell.column) {
        *it = std::move(cell);
    } else {
        cells.insert(it, std::move(cell));
        ++m_cellCount;
    }
}

void Worksheet::SetRowAttributes(int row, const QString& attributes)
{
    CheckPosition(row, 1);
    RowFor(row).attributes = attributes;
}

void Worksheet::SetFormula(int row, int column, const QString& attributes, const QString& formula)
{
    m_formulas.insert(Key(row, column), Formula{attributes, formula});
}

const Worksheet::Formula* Worksheet::FormulaAt(int row, int column) const
{
    if (m_formulas.isEmpty()) {
        return nullptr;
    }
    const auto it = m_formulas.constFind(Key(row, column));
    return it == m_formulas.constEnd() ? nullptr : &*it;
}
