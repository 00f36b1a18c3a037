// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QCollator>
#include <QStringList>

#include <vector>

// The rows of the record list: each row keeps its own copy of the texts it was added with, one
// per column, and sorting reorders the rows by those copies. Columns are only ever appended.
class RecordTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // One row's texts, exactly one per column.
    using RowTexts = QStringList;

    explicit RecordTableModel(QObject* parent = nullptr);

    // Appends a column; returns its index.
    int AddColumn(const QString& heading);
    int ColumnCount() const { return int(m_headings.size()); }

    // Appends a row (missing texts are empty, extra ones dropped); returns its index.
    int AddRow(RowTexts texts);
    // Appends many rows at once, far cheaper than one AddRow each in a shown view.
    void AddRows(std::vector<RowTexts> rows);
    // Removes every row; the columns stay.
    void DeleteAllRows();
    // Drops one row's texts (the row stays, empty); false for a row that does not exist.
    bool FreeRowTexts(int row);

    int RowCount() const { return int(m_rows.size()); }
    // A dimmed row is shown greyed (a win that no longer counts); the mark follows the row when
    // the rows are sorted.
    void SetRowDimmed(int row, bool dimmed);
    bool RowDimmed(int row) const;
    // The text of a cell; empty outside the table.
    QString Text(int row, int column) const;

    // Compares two rows by one column (see RecordCompare::CompareCells).
    int CompareRows(const RowTexts& a, const RowTexts& b, int column, bool ascending) const;
    // Reorders the rows by one column; rows that compare equal keep their order, and selections
    // and other persistent indexes follow their rows.
    void SortRows(int column, bool ascending);

    // The locale whose collation orders texts that are neither numbers nor dates (always
    // case-sensitive); the user's locale by default.
    void SetCollationLocale(const QLocale& locale);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    RowTexts Normalised(RowTexts texts) const;

    QStringList m_headings;
    std::vector<RowTexts> m_rows;
    std::vector<bool> m_dimmed; // one a row
    QCollator m_collator;
};
