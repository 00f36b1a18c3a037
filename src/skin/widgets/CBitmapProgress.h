// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/widgets/CHoverButton.h"

// A bar drawn from a background picture (the normal image) and a fill picture (the pressed
// image). The user sets its position, 0 to 100 percent, by pressing and dragging on it. The fill
// grows from the left edge, or from the top edge downwards when vertical.
class CBitmapProgress : public CHoverButton
{
    Q_OBJECT

public:
    explicit CBitmapProgress(QWidget* parent = nullptr);

    void SetVertical(bool vertical);
    bool IsVertical() const { return m_vertical; }
    void SetPosition(int percent);
    int Position() const { return m_position; }
    // The part of the client area the fill covers at the present position.
    QRect FillRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Position of a pointer point along the bar's axis, in percent of the bar.
    int PercentAt(const QPoint& point) const;

    bool m_vertical = false;
    bool m_dragging = false;
    int m_position = 0;
};
