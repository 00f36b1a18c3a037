// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skingen/SkinLayout.h"

#include <QImage>

class QPainter;

// Paints the default skin's pictures in one language from SkinLayout: the background shared by
// all of them, with the buttons drawn on it in each of their four looks.
class SkinPainter
{
public:
    explicit SkinPainter(const SkinLanguage& words) : m_words(words) {}

    // The window's face without its buttons: outline, panels, the reels' frame and the captions
    // painted in.
    QImage Background() const;
    // background with every button drawn in state: 0 normal, 1 hover, 2 pressed, 3 disabled.
    QImage Picture(const QImage& background, int state) const;
    // The window's shape, the same in every language: black inside, pure white outside.
    static QImage Mask();

private:
    void DrawBackground(QPainter& painter) const;
    void DrawButton(QPainter& painter, const SkinLayout::Button& button, int state) const;

    const SkinLanguage& m_words;
};
