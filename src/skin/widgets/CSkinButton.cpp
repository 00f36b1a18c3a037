// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CSkinButton.h"

#include "skin/core/SkinNotifications.h"
#include "skin/core/SkinPictures.h"

#include <QMouseEvent>
#include <QPointer>

CSkinButton::CSkinButton(const QString& name, int elementIndex, QWidget* parent)
    : CHoverButton(parent), m_name(name), m_elementIndex(elementIndex)
{}

void CSkinButton::SetSkinImages(const QRect& rect, const QImage& main, const QImage& over,
                                const QImage& down, const QImage& disabled)
{
    CutBitmap(m_normalImage, main, rect);
    CutBitmap(m_hoverImage, over, rect);
    CutBitmap(m_pressedImage, down, rect);
    CutBitmap(m_disabledImage, disabled, rect);
    update();
}

void CSkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isDown() &&
        rect().contains(event->position().toPoint())) {
        LeaveHover();
        // The owner may disable, hide or even destroy this button while handling the click.
        QPointer<CSkinButton> self(this);
        if (SkinNotifications* owner = SkinNotifications::OwnerOf(this)) {
            owner->OnSkinButtonIndex(m_elementIndex);
        }
        if (!self) {
            return;
        }
    }
    CHoverButton::mouseReleaseEvent(event);
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event)
{
    QPointer<CSkinButton> self(this);
    if (SkinNotifications* owner = SkinNotifications::OwnerOf(this)) {
        owner->OnSkinMouseMove(m_name, event->position().toPoint());
    }
    if (self) {
        CHoverButton::mouseMoveEvent(event);
    }
}
