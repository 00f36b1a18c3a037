// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// The rows an import refused, as the result window lists them: the row's text and the reason.
// An import of 100,000 refused rows keeps one pair of strings a row and one copy of each distinct
// reason (they repeat), rather than an item object with a variant per cell.
class ImportFailureModel : public QAbstractTableModel
{
public:
    explicit ImportFailureModel(QObject* parent = nullptr);

    void SetHeaders(const QStringList& headers);
    void Append(const QList<QPair<QString, QString>>& failures);
    void Clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Failure
    {
        QString row;
        QString reason;
    };
    std::vector<Failure> m_failures;
    QSet<QString> m_reasons;
    QStringList m_headers;
};
