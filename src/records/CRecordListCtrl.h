// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QStringList>
#include <QTableView>

class CRecordListHeader;
class QSettings;
class QStyleOptionViewItem;
class RecordTableModel;

// A sortable report list: columns made from one text, rows appended with their own copies of
// their texts, a click on a heading sorts by that column (numbers, dd/mm/yyyy dates and other
// texts each their own way) with an arrow in the header, cells painted in fixed colours, and
// column widths that may be stored in the settings. The rows live in a model, so tens of
// thousands of them load and sort quickly.
class CRecordListCtrl : public QTableView
{
    Q_OBJECT

public:
    explicit CRecordListCtrl(QWidget* parent = nullptr);
    ~CRecordListCtrl() override;

    // The id under which the stored widths are looked up.
    void SetControlId(int id) { m_controlId = id; }
    int ControlId() const { return m_controlId; }

    // Creates the columns from "heading,width;heading,width[;]". Returns false when a column
    // could not be made; the columns made before it remain.
    bool SetColumns(const QString& columnText);
    // Appends a row with one text per column; returns its index.
    int AddRow(const QStringList& texts);
    // Appends many rows in one step.
    void AddRows(std::vector<QStringList> rows);
    bool DeleteAllRows();
    bool FreeRowTexts(int row);
    // Sorts by column and puts the header's arrow there.
    bool SortByColumn(int column, bool ascending);
    // Applies the widths stored under section "ListCtrls", entry = the control id, when present
    // and fitting; the application's settings, or the given ones.
    void LoadColumnWidths();
    void LoadColumnWidths(QSettings& settings);
    // Stores the current widths where LoadColumnWidths finds them.
    void SaveColumnWidths();
    void SaveColumnWidths(QSettings& settings);
    // The width all columns take side by side.
    int ColumnsWidth() const;

    int RowCount() const;
    QString ItemText(int row, int column) const;
    int SortColumn() const { return m_sortColumn; }
    bool SortAscending() const { return m_sortAscending; }

    CRecordListHeader& Header() const { return *m_header; }
    RecordTableModel& Model() const { return *m_model; }

    // Rows whose fourth column equals this text are shown in the marked colours.
    QString m_strMarkText;

    // Paints one cell the way the list shows it.
    void PaintCell(QPainter* painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const;

    static constexpr QColor NormalText{0, 130, 255};
    static constexpr QColor Columns1And4Text{0, 190, 0};
    static constexpr QColor Column2Text{255, 130, 0};
    static constexpr QColor NormalBackground{255, 255, 255};
    static constexpr QColor SelectedText{255, 255, 255};
    static constexpr QColor SelectedBackground{100, 121, 165};
    static constexpr QColor MarkedBackground{247, 247, 198};
    static constexpr QColor MarkedText{0, 0, 255};
    static constexpr QColor DimmedText{150, 150, 150}; // rows that no longer count

protected:
    void OnColumnClick(int column);

private:
    // Where the widths are stored: section "ListCtrls", entry = the control id.
    QString SettingsKey() const;

    RecordTableModel* m_model = nullptr;
    CRecordListHeader* m_header = nullptr;
    int m_controlId = 0;
    int m_sortColumn = -1;
    bool m_sortAscending = true;
};
