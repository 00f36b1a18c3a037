// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CSkinSlider.h"

#include "skin/core/SkinNotifications.h"
#include "skin/core/SkinPictures.h"

#include <QMouseEvent>
#include <QPointer>

CSkinSlider::CSkinSlider(const QString& name, int elementIndex, QWidget* parent)
    : CBitmapSlider(parent), m_name(name), m_elementIndex(elementIndex)
{
    setMouseTracking(true);
}

void CSkinSlider::SetSkinImages(const QRect& rect, const QImage& main, const QString& thumbPath,
                                const QString& pressedThumbPath, double scale)
{
    const qreal dpr = main.isNull() ? 1.0 : main.devicePixelRatio();
    SetSkinImages(rect, main, LoadThumb(thumbPath, scale, dpr),
                  LoadThumb(pressedThumbPath, scale, dpr));
}

void CSkinSlider::SetSkinImages(const QRect& rect, const QImage& main, const QImage& thumb,
                                const QImage& pressedThumb)
{
    CutBitmap(m_background, main, rect);
    m_thumb = thumb;
    m_pressedThumb = pressedThumb;
    m_dragging = false;
    update();
}

QImage CSkinSlider::LoadThumb(const QString& path, double scale, qreal dpr)
{
    // The thumbs follow the face's scale and the main picture's pixel density.
    QImage thumb = LoadPictureFile(path);
    if (!thumb.isNull() && (scale != 1.0 || dpr != 1.0)) {
        thumb = thumb.scaled(qMax(1, qRound(thumb.width() * scale * dpr)),
                             qMax(1, qRound(thumb.height() * scale * dpr)), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
        thumb.setDevicePixelRatio(dpr);
    }
    return thumb;
}

void CSkinSlider::mousePressEvent(QMouseEvent* event)
{
    CBitmapSlider::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
    }
}

void CSkinSlider::mouseMoveEvent(QMouseEvent* event)
{
    QPointer<CSkinSlider> self(this);
    CBitmapSlider::mouseMoveEvent(event);
    SkinNotifications* owner = self ? SkinNotifications::OwnerOf(this) : nullptr;
    if (!owner) {
        return;
    }
    if (m_dragging) {
        owner->OnSkinSliderIndex(m_elementIndex, SkinNotifications::ThumbPosition, value());
    } else {
        owner->OnSkinMouseMove(m_name, event->position().toPoint());
    }
}

void CSkinSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        QPointer<CSkinSlider> self(this);
        if (SkinNotifications* owner = SkinNotifications::OwnerOf(this)) {
            owner->OnSkinSliderIndex(m_elementIndex, SkinNotifications::EndTrack, value());
        }
        if (!self) {
            return;
        }
    }
    CBitmapSlider::mouseReleaseEvent(event);
}
