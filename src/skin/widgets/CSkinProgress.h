// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/widgets/CBitmapProgress.h"

#include <QImage>
#include <QRect>
#include <QString>

// The control of one PROGRESSINFO entry: reports a click released inside it, and pointer
// movement, to its parent window.
class CSkinProgress : public CBitmapProgress
{
    Q_OBJECT

public:
    CSkinProgress(const QString& name, int elementIndex, QWidget* parent = nullptr);

    const QString& Name() const { return m_name; }
    int ElementIndex() const { return m_elementIndex; }

    // Cuts the background from the main picture and the fill from the down picture at rect.
    void SetSkinImages(const QRect& rect, const QImage& main, const QImage& down);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString m_name;
    int m_elementIndex = 0;
};
