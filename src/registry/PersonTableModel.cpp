// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/PersonTableModel.h"

#include "platform/core/StringTable.h"

namespace {
// Column headers from the string table: number, name, remark (the group and the check-in have
// the model's own texts).
constexpr int kHeaderIds[] = {102, 103, 125};
} // namespace

PersonTableModel::PersonTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int PersonTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    return m_filtered ? static_cast<int>(m_shown.size()) : TotalRows();
}

int PersonTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PersonTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const PersonRow& row = Row(index.row());
    switch (index.column()) {
    case IdColumn:
        return row.PersonID;
    case NameColumn:
        return row.PersonName;
    case RemarkColumn:
        return row.Company;
    case GroupColumn:
        return row.PersonGroup;
    case CheckinColumn:
        return m_checkins.value(PersonRow::IdKey(row.PersonID));
    default:
        return {};
    }
}

QVariant PersonTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount) {
        return section == GroupColumn     ? tr("分组")
               : section == CheckinColumn ? tr("签到时间")
                                          : StringTable::Load(kHeaderIds[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void PersonTableModel::SetRows(QList<PersonRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    SelectShownRows();
    endResetModel();
}

void PersonTableModel::Clear()
{
    SetRows({});
}

void PersonTableModel::AppendRow(const PersonRow& row)
{
    const int at = rowCount();
    beginInsertRows(QModelIndex(), at, at);
    m_rows.append(row);
    if (m_filtered) {
        m_shown.push_back(TotalRows() - 1);
    }
    endInsertRows();
}

const PersonRow& PersonTableModel::Row(int viewRow) const
{
    return m_rows[SourceRow(viewRow)];
}

void PersonTableModel::SetRowTexts(int viewRow, const PersonRow& texts)
{
    PersonRow& row = m_rows[SourceRow(viewRow)];
    row.PersonName = texts.PersonName;
    row.Company = texts.Company;
    row.PersonGroup = texts.PersonGroup;
    emit dataChanged(index(viewRow, NameColumn), index(viewRow, GroupColumn));
}

void PersonTableModel::SetFilter(const QString& text)
{
    const QString filter = text.trimmed();
    if (filter == m_filter) {
        return;
    }
    // A longer text that still contains the old one can only narrow the rows shown, so only
    // those are searched again: typing stays instant on a long list.
    const bool narrowing = m_filtered && filter.contains(m_filter, Qt::CaseInsensitive);
    beginResetModel();
    m_filter = filter;
    m_filtered = !filter.isEmpty() || m_state != State::All;
    if (narrowing) {
        std::erase_if(m_shown, [this](int i) { return !Matches(m_rows[i]); });
    } else {
        SelectShownRows();
    }
    endResetModel();
}

void PersonTableModel::SelectShownRows()
{
    m_shown.clear();
    if (!m_filtered) {
        return;
    }
    for (int i = 0; i < TotalRows(); ++i) {
        if (Matches(m_rows[i])) {
            m_shown.push_back(i);
        }
    }
}

bool PersonTableModel::Matches(const PersonRow& row) const
{
    if (m_state != State::All &&
        m_checkins.contains(PersonRow::IdKey(row.PersonID)) != (m_state == State::CheckedIn)) {
        return false;
    }
    return row.PersonID.contains(m_filter, Qt::CaseInsensitive) ||
           row.PersonName.contains(m_filter, Qt::CaseInsensitive) ||
           row.PersonGroup.contains(m_filter, Qt::CaseInsensitive);
}

void PersonTableModel::SetCheckins(QHash<QString, QString> checkins)
{
    beginResetModel();
    m_checkins = std::move(checkins);
    SelectShownRows();
    endResetModel();
}

void PersonTableModel::SetCheckin(int viewRow, const QString& time)
{
    const QString key = PersonRow::IdKey(Row(viewRow).PersonID);
    if (time.isEmpty()) {
        m_checkins.remove(key);
    } else {
        m_checkins.insert(key, time);
    }
    // The row stays shown until the filters change, as an added row does.
    emit dataChanged(index(viewRow, CheckinColumn), index(viewRow, CheckinColumn));
}

bool PersonTableModel::IsCheckedIn(int viewRow) const
{
    return m_checkins.contains(PersonRow::IdKey(Row(viewRow).PersonID));
}

void PersonTableModel::SetStateFilter(State state)
{
    if (state == m_state) {
        return;
    }
    beginResetModel();
    m_state = state;
    m_filtered = !m_filter.isEmpty() || m_state != State::All;
    SelectShownRows();
    endResetModel();
}
