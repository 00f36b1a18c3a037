// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the credits roll and credits panel tests.
#include "skin/credits/core/CreditsRoll.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

namespace credits_test {

inline const QSize Client(200, 60);

// Ticks n times.
inline void TickTimes(CreditsRoll& roll, int n, QSize client = Client)
{
    for (int i = 0; i < n; ++i) {
        roll.Tick(client);
    }
}

inline int CountColour(const QImage& image, const QColor& colour, QRect r = {})
{
    if (r.isNull()) {
        r = image.rect();
    }
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

// Picture names known to the loader: "red" (10 x 20 red) and "grey" (10 x 4, light grey with a
// blue middle column).
inline QImage TestLoader(const QString& name)
{
    if (name == "red") {
        QImage image(10, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        return image;
    }
    if (name == "grey") {
        QImage image(10, 4, QImage::Format_RGB32);
        image.fill(CreditsRoll::TransparentKey());
        for (int y = 0; y < 4; ++y) {
            image.setPixelColor(5, y, Qt::blue);
        }
        return image;
    }
    return {};
}

} // namespace credits_test
