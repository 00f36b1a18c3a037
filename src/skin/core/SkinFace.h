// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// How the skinned window's face is made from its pictures, scaled for presentation and for the
// screen's pixel density. Masks read as BitmapToRegion reads them: pure white is outside.

// The most frequent colour of main along the outline of the mask's opaque part (the first and
// last opaque pixel of every row and column); main's own border without a mask.
QColor EdgeColourOf(const QImage& main, const QImage& mask);

// picture scaled smoothly by factor for a screen of pixel density dpr (factor includes dpr).
QImage ScaledPicture(const QImage& picture, double factor, qreal dpr);

// picture (scaled by factor) with the parts outside the mask's shape, scaled alike, in colour;
// the outline is blended by how much of each pixel it covers, so a scaled outline stays smooth.
QImage Shaped(const QImage& picture, const QImage& mask, double factor, const QColor& colour);

// rect scaled by factor with each edge rounded, so neighbouring rectangles stay neighbours.
QRect ScaledSkinRect(const QRect& rect, double factor);
