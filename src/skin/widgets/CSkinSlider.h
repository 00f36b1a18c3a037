// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/widgets/CBitmapSlider.h"

#include <QImage>
#include <QRect>
#include <QString>

// The control of one TRACKBARINFO entry: reports the position while the user drags (scroll code
// ThumbPosition) and when the drag ends (EndTrack), and pointer movement otherwise.
class CSkinSlider : public CBitmapSlider
{
    Q_OBJECT

public:
    CSkinSlider(const QString& name, int elementIndex, QWidget* parent = nullptr);

    const QString& Name() const { return m_name; }
    int ElementIndex() const { return m_elementIndex; }

    // Cuts the background from the main picture at rect and loads the two thumb pictures,
    // scaled by scale (the face's scale in presentation).
    void SetSkinImages(const QRect& rect, const QImage& main, const QString& thumbPath,
                       const QString& pressedThumbPath, double scale = 1.0);
    // The same with thumb pictures already loaded by LoadThumb: sliders that name the same
    // picture share one decoded copy.
    void SetSkinImages(const QRect& rect, const QImage& main, const QImage& thumb,
                       const QImage& pressedThumb);
    // A thumb picture scaled by scale for a main picture of pixel density dpr.
    static QImage LoadThumb(const QString& path, double scale, qreal dpr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_name;
    int m_elementIndex = 0;
    bool m_dragging = false;
};
