// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/widgets/CMarqueeLabel.h"

#include <QImage>
#include <QRect>
#include <QString>

// The control of one TEXTINFO entry: a marquee label that reports clicks (wherever the button is
// released) and pointer movement to its parent window.
class CSkinText : public CMarqueeLabel
{
    Q_OBJECT

public:
    CSkinText(const QString& name, int elementIndex, QWidget* parent = nullptr);

    const QString& Name() const { return m_name; }
    int ElementIndex() const { return m_elementIndex; }

    // Cuts the label's background out of the main picture at rect.
    void SetSkinImages(const QRect& rect, const QImage& main);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString m_name;
    int m_elementIndex = 0;
};
