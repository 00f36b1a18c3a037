// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CBitmapProgress.h"

#include "skin/core/SkinPictures.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

CBitmapProgress::CBitmapProgress(QWidget* parent) : CHoverButton(parent) {}

void CBitmapProgress::SetVertical(bool vertical)
{
    m_vertical = vertical;
    update();
}

void CBitmapProgress::SetPosition(int percent)
{
    m_position = std::clamp(percent, 0, 100);
    update();
}

QRect CBitmapProgress::FillRect() const
{
    if (m_vertical) {
        return QRect(0, 0, width(), height() * m_position / 100);
    }
    return QRect(0, 0, width() * m_position / 100, height());
}

int CBitmapProgress::PercentAt(const QPoint& point) const
{
    const int along = m_vertical ? point.y() : point.x();
    const int size = m_vertical ? height() : width();
    if (size <= 0) {
        return m_position;
    }
    return along * 100 / size;
}

void CBitmapProgress::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    DrawBitmap(painter, m_normalImage, rect());
    DrawBitmap(painter, m_pressedImage, FillRect());
}

void CBitmapProgress::mousePressEvent(QMouseEvent* event)
{
    // No button press of its own: the bar only takes the position.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    SetPosition(PercentAt(event->position().toPoint()));
    m_dragging = true;
}

void CBitmapProgress::mouseMoveEvent(QMouseEvent* event)
{
    TrackHover(event);
    if (IsHover() && m_dragging) {
        SetPosition(PercentAt(event->position().toPoint()));
    }
}

void CBitmapProgress::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
    }
}
