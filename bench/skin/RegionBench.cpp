// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of shaping the window: decoding the mask and building its region, for the default skin's
// mask and for a worst case (a checkerboard, every other pixel opaque). Prints a table; asserts
// nothing.
#include "skin/core/BitmapToRegion.h"
#include "skin/MedianMs.h"
#include "skin/core/SkinPictures.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void Row(const char* name, const QImage& mask, int batchSize)
{
    int rects = 0;
    const double ms = MedianMs(21, [&] {
        rects = BitmapToRegion(mask, 0xFFFFFF, 0x101010, batchSize).value_or(QRegion()).rectCount();
    });
    std::printf("%-28s %10dx%-5d %10d %10d %10.2f\n", name, mask.width(), mask.height(), batchSize,
                rects, ms);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString path = QStringLiteral(SORTILO_SOURCE_DIR "/res/skin/mask.png");
    const double loadMs = MedianMs(11, [&] { LoadPictureFile(path); });
    const QImage mask = LoadPictureFile(path);
    std::printf("decoding %s: %.2f ms (median of 11)\n\n", qPrintable(path), loadMs);

    QImage checker(1280, 800, QImage::Format_RGB32);
    for (int y = 0; y < checker.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(checker.scanLine(y));
        for (int x = 0; x < checker.width(); ++x) {
            line[x] = (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        }
    }

    std::printf("%-28s %16s %10s %10s %10s\n", "mask", "size", "batch", "rects", "ms");
    Row("default skin", mask, 2000);
    Row("default skin, one batch", mask, 1 << 30);
    Row("checkerboard", checker, 2000);
    Row("checkerboard, one batch", checker, 1 << 30);
    return 0;
}
