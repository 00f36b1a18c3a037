// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/core/SkinFace.h"

#include <QHash>
#include <QPoint>

#include <algorithm>
#include <cmath>

namespace {

// Pure white is outside the window, as BitmapToRegion reads the mask.
bool IsOpaque(const QImage& mask, int x, int y)
{
    return (mask.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
}

} // namespace

QColor EdgeColourOf(const QImage& main, const QImage& mask)
{
    if (main.isNull()) {
        return QColor(Qt::black);
    }
    const bool shaped = !mask.isNull();
    const int w = shaped ? std::min(main.width(), mask.width()) : main.width();
    const int h = shaped ? std::min(main.height(), mask.height()) : main.height();
    QHash<QRgb, int> counts;
    // Counts the first and last opaque pixel of a line of n pixels; at(i) places pixel i.
    const auto countEnds = [&](int n, auto at) {
        const auto opaque = [&](QPoint p) { return !shaped || IsOpaque(mask, p.x(), p.y()); };
        int first = 0;
        while (first < n && !opaque(at(first))) {
            ++first;
        }
        if (first == n) {
            return;
        }
        int last = n - 1;
        while (last > first && !opaque(at(last))) {
            --last;
        }
        ++counts[main.pixel(at(first)) | 0xFF000000u];
        ++counts[main.pixel(at(last)) | 0xFF000000u];
    };
    for (int y = 0; y < h; ++y) {
        countEnds(w, [y](int i) { return QPoint(i, y); });
    }
    for (int x = 0; x < w; ++x) {
        countEnds(h, [x](int i) { return QPoint(x, i); });
    }
    QRgb best = qRgb(0, 0, 0);
    int bestCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount || (it.value() == bestCount && it.key() < best)) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return QColor::fromRgb(best);
}

QImage ScaledPicture(const QImage& picture, double factor, qreal dpr)
{
    if (picture.isNull() || (factor == 1.0 && dpr == 1.0)) {
        return picture;
    }
    QImage scaled =
        picture.scaled(std::max(1, static_cast<int>(std::lround(picture.width() * factor))),
                       std::max(1, static_cast<int>(std::lround(picture.height() * factor))),
                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(dpr);
    return scaled;
}

QImage Shaped(const QImage& picture, const QImage& mask, double factor, const QColor& colour)
{
    if (picture.isNull() || mask.isNull()) {
        return picture;
    }
    QImage coverage(mask.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < mask.height(); ++y) {
        uchar* line = coverage.scanLine(y);
        for (int x = 0; x < mask.width(); ++x) {
            line[x] = IsOpaque(mask, x, y) ? 255 : 0;
        }
    }
    coverage = coverage.scaled(std::max(1, static_cast<int>(std::lround(mask.width() * factor))),
                               std::max(1, static_cast<int>(std::lround(mask.height() * factor))),
                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage shaped = picture.convertToFormat(QImage::Format_RGB32);
    const int r0 = colour.red();
    const int g0 = colour.green();
    const int b0 = colour.blue();
    for (int y = 0; y < shaped.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shaped.scanLine(y));
        const uchar* cover = y < coverage.height() ? coverage.constScanLine(y) : nullptr;
        for (int x = 0; x < shaped.width(); ++x) {
            const int a = cover && x < coverage.width() ? cover[x] : 0;
            if (a == 255) {
                continue;
            }
            const QRgb p = line[x];
            line[x] =
                qRgb((qRed(p) * a + r0 * (255 - a)) / 255, (qGreen(p) * a + g0 * (255 - a)) / 255,
                     (qBlue(p) * a + b0 * (255 - a)) / 255);
        }
    }
    shaped.setDevicePixelRatio(picture.devicePixelRatio());
    return shaped;
}

QRect ScaledSkinRect(const QRect& rect, double factor)
{
    if (factor == 1.0) {
        return rect;
    }
    const auto at = [factor](int v) { return static_cast<int>(std::lround(v * factor)); };
    return QRect(QPoint(at(rect.left()), at(rect.top())),
                 QPoint(at(rect.left() + rect.width()) - 1, at(rect.top() + rect.height()) - 1));
}
