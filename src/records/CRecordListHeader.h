// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHeaderView>
#include <QSet>

// The record list's header: it shows the sorted column with an arrow drawn in light and dark
// lines beside the heading, and applies column widths stored as raw bytes.
class CRecordListHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit CRecordListHeader(QWidget* parent = nullptr);

    // Puts the arrow on column (ascending: apex up). A column once sorted keeps being drawn by
    // this header, also when the arrow moves on.
    void SetSortArrow(int column, bool ascending);
    int SortColumn() const { return m_sortColumn; }
    bool SortAscending() const { return m_ascending; }
    bool IsOwnerDrawn(int column) const { return m_ownerDrawn.contains(column); }

    // Applies stored widths (see ColumnLayout::ParseStoredWidths); false, changing nothing, when
    // the value does not fit the columns.
    bool LoadWidths(const QByteArray& value);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawItem(QPainter* painter, const QRect& rect, int logicalIndex) const;

    int m_sortColumn = -1;
    bool m_ascending = true;
    QSet<int> m_ownerDrawn;
    int m_pressed = -1;
};
