// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/core/RecordTableModel.h"

#include "records/core/RecordCompare.h"

#include <algorithm>
#include <numeric>

RecordTableModel::RecordTableModel(QObject* parent) : QAbstractTableModel(parent)
{
    m_collator.setCaseSensitivity(Qt::CaseSensitive);
}

int RecordTableModel::AddColumn(const QString& heading)
{
    const int column = ColumnCount();
    beginInsertColumns({}, column, column);
    m_headings.append(heading);
    for (RowTexts& row : m_rows) {
        row.append(QString());
    }
    endInsertColumns();
    return column;
}

RecordTableModel::RowTexts RecordTableModel::Normalised(RowTexts texts) const
{
    const qsizetype count = m_headings.size();
    if (texts.size() > count) {
        texts.resize(count);
    }
    while (texts.size() < count) {
        texts.append(QString());
    }
    return texts;
}

int RecordTableModel::AddRow(RowTexts texts)
{
    const int row = RowCount();
    beginInsertRows({}, row, row);
    m_rows.push_back(Normalised(std::move(texts)));
    m_dimmed.push_back(false);
    endInsertRows();
    return row;
}

void RecordTableModel::AddRows(std::vector<RowTexts> rows)
{
    if (rows.empty()) {
        return;
    }
    const int first = RowCount();
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    m_rows.reserve(m_rows.size() + rows.size());
    for (RowTexts& texts : rows) {
        m_rows.push_back(Normalised(std::move(texts)));
    }
    m_dimmed.resize(m_rows.size(), false);
    endInsertRows();
}

void RecordTableModel::DeleteAllRows()
{
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_dimmed.clear();
    endResetModel();
}

bool RecordTableModel::FreeRowTexts(int row)
{
    if (row < 0 || row >= RowCount()) {
        return false;
    }
    m_rows[row] = Normalised({});
    emit dataChanged(index(row, 0), index(row, ColumnCount() - 1));
    return true;
}

void RecordTableModel::SetRowDimmed(int row, bool dimmed)
{
    if (row < 0 || row >= RowCount() || m_dimmed[size_t(row)] == dimmed) {
        return;
    }
    m_dimmed[size_t(row)] = dimmed;
    emit dataChanged(index(row, 0), index(row, ColumnCount() - 1));
}

bool RecordTableModel::RowDimmed(int row) const
{
    return row >= 0 && row < RowCount() && m_dimmed[size_t(row)];
}

QString RecordTableModel::Text(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) {
        return {};
    }
    return m_rows[row][column];
}

int RecordTableModel::CompareRows(const RowTexts& a, const RowTexts& b, int column,
                                  bool ascending) const
{
    return RecordCompare::CompareCells(a.value(column), b.value(column), ascending, m_collator);
}

void RecordTableModel::SortRows(int column, bool ascending)
{
    if (column < 0 || column >= ColumnCount()) {
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    std::vector<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    // A merge sort: the rule of each comparison is chosen by its first text, so the order need
    // not be consistent, which an introsort may not survive.
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        return CompareRows(m_rows[x], m_rows[y], column, ascending) < 0;
    });

    std::vector<RowTexts> sorted;
    sorted.reserve(m_rows.size());
    std::vector<bool> dimmed(m_rows.size());
    std::vector<int> newRowOf(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(m_rows[order[i]]));
        dimmed[i] = m_dimmed[size_t(order[i])];
        newRowOf[order[i]] = int(i);
    }
    m_rows = std::move(sorted);
    m_dimmed = std::move(dimmed);

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        after.append(old.isValid() ? index(newRowOf[old.row()], old.column()) : QModelIndex());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RecordTableModel::SetCollationLocale(const QLocale& locale)
{
    m_collator = QCollator(locale);
    m_collator.setCaseSensitivity(Qt::CaseSensitive);
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RowCount();
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    return Text(index.row(), index.column());
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return m_headings[section];
}
