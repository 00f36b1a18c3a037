// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// A QR code of a text (the check-in page's address), medium error correction, with the quiet
// border of four modules a phone's camera needs. Black on white; each module moduleSize pixels.
namespace CheckinQrCode {

// A null image when the text cannot be encoded (empty, or too long for a QR code).
QImage Render(const QString& text, int moduleSize = 8);

} // namespace CheckinQrCode
