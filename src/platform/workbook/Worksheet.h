// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/workbook/WorksheetCell.h"

#include <QHash>
#include <QString>
#include <vector>

// One sheet's cells, in memory: a row is a short column-sorted vector, so reading or writing one
// cell by row and column costs a vector index and a binary search. Rows and columns are 1-based.
class Worksheet
{
public:
    struct Row
    {
        // The row element's own attributes as the file wrote them (height, format), or empty.
        QString attributes;
        std::vector<WorksheetCell> cells;
    };

    explicit Worksheet(const QString& name);

    const QString& Name() const { return m_name; }
    // The name the sheet had in the file it was read from (empty for a new sheet).
    const QString& OriginalName() const { return m_originalName; }
    void SetName(const QString& name) { m_name = name; }
    void SetOriginalName(const QString& name) { m_originalName = name; }

    // Where the sheet lives inside the container it was read from (empty for a new sheet).
    const QString& PartName() const { return m_partName; }
    void SetPartName(const QString& partName) { m_partName = partName; }

    // The cell at row, column, or nullptr when it is empty. Out-of-range positions are empty.
    const WorksheetCell* Cell(int row, int column) const;
    // The cell's value as text; "" for an empty cell.
    QString CellText(int row, int column) const;

    // Stores a value, keeping the cell's format; an empty text empties the cell. Throws
    // WorkbookError for a position outside the sheet's bounds or a text beyond the cell limit.
    void SetCell(int row, int column, CellKind kind, const QString& text);
    // Stores a cell as read from a file (format included); readers pass cells in any order.
    void StoreCell(int row, WorksheetCell cell);
    void SetRowAttributes(int row, const QString& attributes);
    // A formula kept from the file: the formula element's attributes and text, as written there.
    void SetFormula(int row, int column, const QString& attributes, const QString& formula);
    struct Formula
    {
        QString attributes;
        QString text;
    };
    const Formula* FormulaAt(int row, int column) const;

    // The highest row that holds a cell or row attributes; 0 for an empty sheet.
    int LastRow() const { return static_cast<int>(m_rows.size()); }
    // Row n is Rows()[n - 1].
    const std::vector<Row>& Rows() const { return m_rows; }
    qint64 CellCount() const { return m_cellCount; }

    // True once a cell was set after reading.
    bool IsModified() const { return m_modified; }

private:
    Row& RowFor(int row);
    static void CheckPosition(int row, int column);
    static quint64 Key(int row, int column) { return (quint64(row) << 16) | quint64(column); }

    QString m_name;
    QString m_originalName;
    QString m_partName;
    std::vector<Row> m_rows;
    QHash<quint64, Formula> m_formulas;
    qint64 m_cellCount = 0;
    bool m_modified = false;
};
