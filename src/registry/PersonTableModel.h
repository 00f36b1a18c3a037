// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/PersonStore.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

#include <vector>

// The participant list of the entry dialog: number, name, remark, group and check-in time of
// every participant as plain rows, with no object per cell, so a list of 100,000 loads and
// scrolls at once. A find filter shows only the rows whose number, name or group contains the
// text, in any letter case, and a state filter only those checked in or only those not.
class PersonTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        IdColumn,
        NameColumn,
        RemarkColumn,
        GroupColumn,
        CheckinColumn, // the time of the check-in, empty while not checked in
        ColumnCount
    };

    explicit PersonTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Replaces every row; the filter stays and applies to the new rows.
    void SetRows(QList<PersonRow> rows);
    void Clear();
    // Adds a row at the end. It is shown whatever the filter, until the filter changes.
    void AppendRow(const PersonRow& row);
    // The row shown at viewRow (0 <= viewRow < rowCount()).
    const PersonRow& Row(int viewRow) const;
    // Changes the name, remark and group of the row shown at viewRow to those of texts.
    void SetRowTexts(int viewRow, const PersonRow& texts);
    // Rows held, shown or not.
    int TotalRows() const { return static_cast<int>(m_rows.size()); }

    // Shows only rows whose number, name or group contains text (blanks around it ignored, letter
    // case ignored); an empty text shows every row.
    void SetFilter(const QString& text);
    const QString& Filter() const { return m_filter; }

    enum class State
    {
        All,
        CheckedIn,
        NotCheckedIn
    };
    // The check-in times by number (as PersonRow::IdKey gives it) of those checked in.
    void SetCheckins(QHash<QString, QString> checkins);
    // Shows the participant of viewRow checked in at time (empty: not checked in).
    void SetCheckin(int viewRow, const QString& time);
    bool IsCheckedIn(int viewRow) const;
    void SetStateFilter(State state);
    State StateFilter() const { return m_state; }

private:
    bool Matches(const PersonRow& row) const;
    // Rebuilds the shown rows from every row held.
    void SelectShownRows();
    int SourceRow(int viewRow) const { return m_filtered ? m_shown[viewRow] : viewRow; }

    QList<PersonRow> m_rows;
    std::vector<int> m_shown; // rows of m_rows shown, while a filter is set
    bool m_filtered = false;
    QString m_filter;
    QHash<QString, QString> m_checkins;
    State m_state = State::All;
};
