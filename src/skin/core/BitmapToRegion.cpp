// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/core/BitmapToRegion.h"

#include <QRect>

#include <algorithm>
#include <vector>

namespace {

struct ChannelRange
{
    int low = 0;
    int high = 0;
    bool Contains(int value) const { return value >= low && value <= high; }
};

ChannelRange RangeOf(SkinColour transparent, SkinColour tolerance, int shift)
{
    const int low = static_cast<int>((transparent >> shift) & 0xFF);
    const int spread = static_cast<int>((tolerance >> shift) & 0xFF);
    return {low, std::min(255, low + spread)};
}

} // namespace

std::optional<QRegion> BitmapToRegion(const QImage& mask, SkinColour transparent,
                                      SkinColour tolerance, int batchSize, int maxRectangles,
                                      bool* tooComplex)
{
    if (mask.isNull()) {
        return std::nullopt;
    }
    const QImage pixels = mask.convertToFormat(QImage::Format_RGB32);
    const ChannelRange red = RangeOf(transparent, tolerance, 0);
    const ChannelRange green = RangeOf(transparent, tolerance, 8);
    const ChannelRange blue = RangeOf(transparent, tolerance, 16);
    const auto isTransparent = [&](QRgb pixel) {
        return red.Contains(qRed(pixel)) && green.Contains(qGreen(pixel)) &&
               blue.Contains(qBlue(pixel));
    };

    batchSize = std::max(1, batchSize);
    QRegion result;
    // Rectangles of the batch so far. Rows whose runs match the row above extend the band of
    // that row instead of adding rectangles, which keeps regions of smooth shapes small.
    std::vector<QRect> rects;
    size_t bandStart = 0; // the previous row's rectangles are rects[bandStart..]
    bool bandOpen = false;
    int runsInBatch = 0;
    qint64 totalRects = 0;
    std::vector<QRect> row;
    const auto flush = [&] {
        QRegion partial;
        // Bands arrive top to bottom, left to right, never overlapping: the sorted, banded order
        // setRects expects.
        partial.setRects(rects.data(), static_cast<int>(rects.size()));
        result += partial;
        rects.clear();
        bandOpen = false;
        runsInBatch = 0;
    };
    const auto sameRuns = [&] {
        if (!bandOpen || rects.size() - bandStart != row.size()) {
            return false;
        }
        for (size_t i = 0; i < row.size(); ++i) {
            const QRect& above = rects[bandStart + i];
            if (above.left() != row[i].left() || above.right() != row[i].right()) {
                return false;
            }
        }
        return true;
    };

    const int width = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        row.clear();
        int x = 0;
        while (x < width) {
            const int start = x;
            while (x < width && !isTransparent(line[x])) {
                ++x;
            }
            if (x > start) {
                row.emplace_back(start, y, x - start, 1);
            }
            ++x;
        }
        if (row.empty()) {
            bandOpen = false;
            continue;
        }
        if (sameRuns()) {
            for (size_t i = bandStart; i < rects.size(); ++i) {
                rects[i].setBottom(y);
            }
        } else {
            bandStart = rects.size();
            rects.insert(rects.end(), row.begin(), row.end());
            bandOpen = true;
            totalRects += static_cast<qint64>(row.size());
            if (totalRects > maxRectangles) {
                if (tooComplex) {
                    *tooComplex = true;
                }
                return std::nullopt;
            }
        }
        runsInBatch += static_cast<int>(row.size());
        if (runsInBatch >= batchSize) {
            flush();
        }
    }
    flush();
    return result;
}
