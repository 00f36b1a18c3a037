// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/CRecordListHeader.h"

#include "records/core/ColumnLayout.h"

#include <QMouseEvent>
#include <QPainter>

CRecordListHeader::CRecordListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
}

void CRecordListHeader::SetSortArrow(int column, bool ascending)
{
    m_sortColumn = column;
    m_ascending = ascending;
    if (column >= 0) {
        m_ownerDrawn.insert(column);
    }
    viewport()->update();
}

bool CRecordListHeader::LoadWidths(const QByteArray& value)
{
    const auto widths = ColumnLayout::ParseStoredWidths(value, count());
    if (!widths) {
        return false;
    }
    for (int i = 0; i < int(widths->size()); ++i) {
        resizeSection(i, (*widths)[i]);
    }
    viewport()->update();
    return true;
}

void CRecordListHeader::mousePressEvent(QMouseEvent* event)
{
    m_pressed =
        event->button() == Qt::LeftButton ? logicalIndexAt(event->position().toPoint()) : -1;
    QHeaderView::mousePressEvent(event);
}

void CRecordListHeader::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = -1;
    QHeaderView::mouseReleaseEvent(event);
    viewport()->update();
}

void CRecordListHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (m_ownerDrawn.contains(logicalIndex)) {
        DrawItem(painter, rect, logicalIndex);
    } else {
        QHeaderView::paintSection(painter, rect, logicalIndex);
    }
}

void CRecordListHeader::DrawItem(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, palette().button());

    // Windows-style edges: right and bottom are exclusive.
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();

    Qt::Alignment align = Qt::AlignLeft;
    if (model()) {
        const QVariant alignment =
            model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole);
        const auto horizontal = Qt::Alignment(alignment.toInt()) & Qt::AlignHorizontal_Mask;
        if (horizontal & Qt::AlignHCenter) {
            align = Qt::AlignHCenter;
        } else if (horizontal & Qt::AlignRight) {
            align = Qt::AlignRight;
        }
    }

    int textLeft = left;
    int textTop = top;
    int textRight = right;
    if (m_pressed == logicalIndex) {
        textLeft += 1;
        textTop += 2;
        textRight += 1;
    }
    const int o = (bottom - top) / 4;
    const bool sorted = logicalIndex == m_sortColumn;
    if (sorted) {
        textRight -= 3 * o;
    }
    textLeft += o;
    textRight -= o;

    if (textLeft < textRight && model()) {
        const QString text =
            model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString().left(255);
        const QRect textRect(QPoint(textLeft, textTop), QPoint(textRight - 1, bottom - 1));
        const QString shown = fontMetrics().elidedText(text, Qt::ElideRight, textRect.width());
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(textRect, int(align | Qt::AlignVCenter | Qt::TextSingleLine), shown);
    }

    if (sorted) {
        QPen light(palette().color(QPalette::Light), 0);
        QPen dark(palette().color(QPalette::Dark), 0);
        if (m_ascending) {
            painter->setPen(light);
            painter->drawLine(right - 2 * o, o, right - o, bottom - o - 1);
            painter->drawLine(right - o, bottom - o - 1, right - 3 * o - 2, bottom - o - 1);
            painter->setPen(dark);
            painter->drawLine(right - 3 * o - 1, bottom - o - 1, right - 2 * o, o - 1);
        } else {
            painter->setPen(light);
            painter->drawLine(right - o - 1, o, right - 2 * o - 1, bottom - o);
            painter->setPen(dark);
            painter->drawLine(right - 2 * o - 2, bottom - o, right - 3 * o - 1, o);
            painter->drawLine(right - 3 * o - 1, o, right - o - 1, o);
        }
    }
    painter->restore();
}
