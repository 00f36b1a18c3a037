// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/web/CheckinQrCode.h"

#include <qrencode.h>

#include <memory>

namespace CheckinQrCode {

QImage Render(const QString& text, int moduleSize)
{
    constexpr int QuietModules = 4;
    if (text.isEmpty() || moduleSize < 1) {
        return {};
    }
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code) {
        return {};
    }
    const int modules = code->width + 2 * QuietModules;
    QImage image(modules * moduleSize, modules * moduleSize, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // Bit 0 of each module tells dark (1) from light.
            if ((code->data[y * code->width + x] & 1) == 0) {
                continue;
            }
            for (int dy = 0; dy < moduleSize; ++dy) {
                uchar* line = image.scanLine((y + QuietModules) * moduleSize + dy);
                std::fill_n(line + (x + QuietModules) * moduleSize, moduleSize, uchar{0});
            }
        }
    }
    return image;
}

} // namespace CheckinQrCode
