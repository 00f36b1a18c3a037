// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSlider>

// A slider drawn from pictures: a background over the whole control and a thumb picture (a
// pressed one while the thumb is held) centred on the slider's own thumb position, against the
// top edge (horizontal) or the left edge (vertical). The minimum lies at the left or the top.
class CBitmapSlider : public QSlider
{
    Q_OBJECT

public:
    explicit CBitmapSlider(QWidget* parent = nullptr);

    void SetVertical(bool vertical);
    // The rectangle the thumb picture occupies (empty without a thumb picture).
    QRect ThumbRect() const;
    bool IsThumbPressed() const { return m_thumbPressed; }

    const QImage& BackgroundImage() const { return m_background; }
    const QImage& ThumbImage() const { return m_thumb; }
    const QImage& PressedThumbImage() const { return m_pressedThumb; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    QImage m_background;
    QImage m_thumb;
    QImage m_pressedThumb;

private:
    bool m_thumbPressed = false;
};
