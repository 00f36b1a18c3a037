// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CSkinText.h"

#include "skin/core/SkinNotifications.h"
#include "skin/core/SkinPictures.h"

#include <QMouseEvent>
#include <QPointer>

CSkinText::CSkinText(const QString& name, int elementIndex, QWidget* parent)
    : CMarqueeLabel(parent), m_name(name), m_elementIndex(elementIndex)
{}

void CSkinText::SetSkinImages(const QRect& rect, const QImage& main)
{
    CutBitmap(m_background, main, rect);
    update();
}

void CSkinText::mouseReleaseEvent(QMouseEvent* event)
{
    QPointer<CSkinText> self(this);
    CMarqueeLabel::mouseReleaseEvent(event);
    if (!self || event->button() != Qt::LeftButton) {
        return;
    }
    if (SkinNotifications* owner = SkinNotifications::OwnerOf(this)) {
        owner->OnSkinTextIndex(ElementIndex());
    }
}

void CSkinText::mouseMoveEvent(QMouseEvent* event)
{
    // Labels do not hover: only the movement is reported.
    if (SkinNotifications* owner = SkinNotifications::OwnerOf(this)) {
        owner->OnSkinMouseMove(m_name, event->position().toPoint());
    }
}
