#include "BitmapToRegion.h"

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
                                      SkinColour tolerance, int batchSize)
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
    std::vector<QRect> runs;
    runs.reserve(static_cast<size_t>(std::min(batchSize, 4096)));
    const auto flush = [&] {
        QRegion partial;
        // Runs arrive row by row, left to right, one pixel high and never overlapping: the
        // sorted, banded order setRects expects.
        partial.setRects(runs.data(), static_cast<int>(runs.size()));
        result = result.isEmpty() ? partial : result.united(partial);
        runs.clear();
    };

    const int width = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int x = 0;
        while (x < width) {
            const int start = x;
            while (x < width && !isTransparent(line[x])) {
                ++x;
            }
            if (x > start) {
                runs.emplace_back(start, y, x - start, 1);
                if (static_cast<int>(runs.size()) == batchSize) {
                    flush();
                }
            }
            ++x;
        }
    }
    flush();
    return result;
}
