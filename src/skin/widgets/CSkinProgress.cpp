// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CSkinProgress.h"

#include "skin/core/SkinNotifications.h"
#include "skin/core/SkinPictures.h"

#include <QMouseEvent>
#include <QPointer>

CSkinProgress::CSkinProgress(const QString& name, int elementIndex, QWidget* parent)
    : CBitmapProgress(parent), m_name(name), m_elementIndex(elementIndex)
{}

void CSkinProgress::SetSkinImages(const QRect& rect, const QImage& main, const QImage& down)
{
    CutBitmap(m_normalImage, main, rect);
    CutBitmap(m_pressedImage, down, rect);
    update();
}

void CSkinProgress::mouseReleaseEvent(QMouseEvent* event)
{
    CBitmapProgress::mouseReleaseEvent(event);
    update();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        if (SkinNotifications* owner = SkinNotifications::OwnerOf(this)) {
            owner->OnSkinProgressIndex(m_elementIndex);
        }
    }
}

void CSkinProgress::mouseMoveEvent(QMouseEvent* event)
{
    QPointer<CSkinProgress> self(this);
    CBitmapProgress::mouseMoveEvent(event);
    if (!self) {
        return;
    }
    if (SkinNotifications* owner = SkinNotifications::OwnerOf(this)) {
        owner->OnSkinMouseMove(m_name, event->position().toPoint());
    }
}
