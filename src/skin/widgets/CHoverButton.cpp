// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CHoverButton.h"

#include "skin/core/SkinPictures.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

CHoverButton::CHoverButton(QWidget* parent) : QAbstractButton(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

CHoverButton::~CHoverButton()
{
    if (mouseGrabber() == this) {
        releaseMouse();
    }
}

void CHoverButton::SetTooltipText(const QString& text, bool activate)
{
    if (text.isNull()) {
        return;
    }
    m_tooltipText = text;
    setToolTip(activate ? text : QString());
}

void CHoverButton::SetLatched(bool latched)
{
    m_latched = latched;
    update();
}

void CHoverButton::SetImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                             const QImage& disabled)
{
    m_normalImage = normal;
    m_hoverImage = hover;
    m_pressedImage = pressed;
    m_disabledImage = disabled;
    update();
}

const QImage& CHoverButton::CurrentImage() const
{
    if (m_latched) {
        return m_normalImage;
    }
    if (isDown()) {
        return m_pressedImage;
    }
    if (m_hover) {
        return m_hoverImage;
    }
    if (!isEnabled()) {
        return m_disabledImage;
    }
    return m_normalImage;
}

void CHoverButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    DrawBitmap(painter, CurrentImage(), rect());
}

void CHoverButton::mouseMoveEvent(QMouseEvent* event)
{
    QAbstractButton::mouseMoveEvent(event);
    TrackHover(event);
}

void CHoverButton::TrackHover(QMouseEvent* event)
{
    const bool leftDown = event->buttons().testFlag(Qt::LeftButton);
    if (leftDown && !m_hover) {
        return;
    }
    if (mouseGrabber() != this && rect().contains(event->position().toPoint())) {
        // The pointer came in: hold the grab so that its leaving is seen.
        SetHover(true);
        if (isVisible() && !leftDown) {
            grabMouse();
        }
        return;
    }
    if (rect().contains(event->position().toPoint())) {
        return;
    }
    // The pointer has left the button.
    if (m_hover) {
        SetHover(false);
    }
    if (!leftDown && mouseGrabber() == this) {
        releaseMouse();
    }
}

void CHoverButton::LeaveHover()
{
    SetHover(false);
    if (mouseGrabber() == this) {
        releaseMouse();
    }
}

void CHoverButton::SetHover(bool hover)
{
    if (m_hover != hover) {
        m_hover = hover;
        update();
    }
}

void CHoverButton::focusOutEvent(QFocusEvent* event)
{
    QAbstractButton::focusOutEvent(event);
    SetHover(false);
}

void CHoverButton::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        // A disabled button gets no more mouse events: never leave it holding the grab.
        LeaveHover();
    }
}

void CHoverButton::hideEvent(QHideEvent* event)
{
    LeaveHover();
    QAbstractButton::hideEvent(event);
}
