#include "CSkinSlider.h"

#include "SkinNotifications.h"
#include "SkinPictures.h"

#include <QMouseEvent>
#include <QPointer>

CSkinSlider::CSkinSlider(const QString& name, int elementIndex, QWidget* parent)
    : CBitmapSlider(parent), m_name(name), m_elementIndex(elementIndex)
{
    setMouseTracking(true);
}

void CSkinSlider::SetSkinImages(const QRect& rect, const QImage& main, const QString& thumbPath,
                                const QString& pressedThumbPath)
{
    CutBitmap(m_background, main, rect);
    m_thumb = LoadPictureFile(thumbPath);
    m_pressedThumb = LoadPictureFile(pressedThumbPath);
    m_dragging = false;
    update();
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
