// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CBitmapSlider.h"

#include "skin/core/SkinPictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

CBitmapSlider::CBitmapSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void CBitmapSlider::SetVertical(bool vertical)
{
    setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    // Vertical trackbars have their minimum at the top.
    setInvertedAppearance(vertical);
    setInvertedControls(vertical);
}

QRect CBitmapSlider::ThumbRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect own =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int w = qRound(m_thumb.deviceIndependentSize().width());
    const int h = qRound(m_thumb.deviceIndependentSize().height());
    if (orientation() == Qt::Vertical) {
        const int top = std::max(0, own.top() + own.height() / 2 - h / 2);
        return QRect(0, top, w, h);
    }
    // No lower limit: a wide thumb overhangs the left edge at the minimum.
    return QRect(own.left() + own.width() / 2 - w / 2, 0, w, h);
}

void CBitmapSlider::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    DrawBitmap(painter, m_background, rect());
    DrawBitmap(painter, m_thumbPressed ? m_pressedThumb : m_thumb, ThumbRect());
}

void CBitmapSlider::mousePressEvent(QMouseEvent* event)
{
    QSlider::mousePressEvent(event);
    m_thumbPressed = ThumbRect().contains(event->position().toPoint());
    update();
}

void CBitmapSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    m_thumbPressed = false;
    update();
}

void CBitmapSlider::mouseMoveEvent(QMouseEvent* event)
{
    QSlider::mouseMoveEvent(event);
    if (m_thumbPressed) {
        update();
    }
}
