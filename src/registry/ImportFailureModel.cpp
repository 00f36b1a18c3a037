// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/ImportFailureModel.h"

ImportFailureModel::ImportFailureModel(QObject* parent) : QAbstractTableModel(parent) {}

void ImportFailureModel::SetHeaders(const QStringList& headers)
{
    m_headers = headers;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void ImportFailureModel::Append(const QList<QPair<QString, QString>>& failures)
{
    if (failures.isEmpty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + int(failures.size()) - 1);
    m_failures.reserve(m_failures.size() + size_t(failures.size()));
    for (const auto& [row, reason] : failures) {
        // A reason met before is shared, not stored again.
        const auto known = m_reasons.constFind(reason);
        m_failures.push_back({row, known != m_reasons.cend() ? *known : *m_reasons.insert(reason)});
    }
    endInsertRows();
}

void ImportFailureModel::Clear()
{
    beginResetModel();
    m_failures = {};
    m_reasons.clear();
    endResetModel();
}

int ImportFailureModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_failures.size());
}

int ImportFailureModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ImportFailureModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= m_failures.size()) {
        return {};
    }
    const Failure& failure = m_failures[size_t(index.row())];
    return index.column() == 0 ? failure.row : failure.reason;
}

QVariant ImportFailureModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_headers.size()) {
        return {};
    }
    return m_headers.at(section);
}
