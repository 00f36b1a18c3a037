// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/widgets/CHoverButton.h"

#include <QImage>
#include <QRect>
#include <QString>

// The control of one BUTTONINFO entry: a hover button that knows its element name and index,
// cuts its four pictures out of the skin's whole-window pictures, and reports clicks and pointer
// movement to its parent window.
class CSkinButton : public CHoverButton
{
    Q_OBJECT

public:
    CSkinButton(const QString& name, int elementIndex, QWidget* parent = nullptr);

    const QString& Name() const { return m_name; }
    int ElementIndex() const { return m_elementIndex; }

    // Cuts the normal, hover, pressed and disabled pictures at rect.
    void SetSkinImages(const QRect& rect, const QImage& main, const QImage& over,
                       const QImage& down, const QImage& disabled);

protected:
    // A release inside reports the click to the parent while the button still looks pressed.
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString m_name;
    int m_elementIndex = 0;
};
