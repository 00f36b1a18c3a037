// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/core/SkinPictures.h"

#include "platform/core/ProtectedFiles.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

QImage LoadPictureFile(const QString& path, QSize* size, QString* problem)
{
    QImage picture;
    QString refusal;
    // An empty skin key names the skin folder itself: not a picture.
    const QFileInfo info(path);
    if (ProtectedFiles::Covers(path)) {
        refusal =
            QStringLiteral("The picture '%1' was not used: it is the event's database.").arg(path);
    } else if (info.isFile() && info.size() > PictureLimits::MaxFileBytes) {
        refusal = QStringLiteral("The picture '%1' was not used: the file holds %2 MB, more "
                                 "than the %3 MB a skin picture may hold.")
                      .arg(path)
                      .arg(info.size() / (1024 * 1024))
                      .arg(PictureLimits::MaxFileBytes / (1024 * 1024));
    } else if (info.isFile()) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        // The size comes from the header, before anything is decoded; the allocation limit
        // stops a decoder whose header did not tell.
        const QSize declared = reader.size();
        reader.setAllocationLimit(static_cast<int>(PictureLimits::MaxPixels * 4 / (1024 * 1024)) +
                                  1);
        if (declared.width() > PictureLimits::MaxSide ||
            declared.height() > PictureLimits::MaxSide ||
            qint64(declared.width()) * declared.height() > PictureLimits::MaxPixels) {
            refusal = QStringLiteral("The picture '%1' was not used: it is %2 x %3 pixels, and a "
                                     "skin picture may be at most %4 pixels wide or high and %5 "
                                     "million pixels in all.")
                          .arg(path)
                          .arg(declared.width())
                          .arg(declared.height())
                          .arg(PictureLimits::MaxSide)
                          .arg(PictureLimits::MaxPixels / (1024 * 1024));
        } else if (!reader.read(&picture)) {
            // Decoders refuse some sizes themselves (a BMP past 16384 x 16384) before telling.
            picture = QImage();
            refusal = QStringLiteral("The picture '%1' was not used: it could not be read (%2).")
                          .arg(path, reader.errorString());
        }
    }
    if (!refusal.isEmpty() && problem) {
        *problem = refusal;
    }
    if (!picture.isNull() && picture.format() != QImage::Format_RGB32 &&
        picture.format() != QImage::Format_ARGB32) {
        picture = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                    : QImage::Format_RGB32);
    }
    if (size) {
        *size = picture.isNull() ? QSize(0, 0) : picture.size();
    }
    return picture;
}

namespace {

// Whether rect of a 32-bit picture holds a fully transparent pixel (never so without an alpha
// channel).
bool HasClearPixel(const QImage& picture, const QRect& rect)
{
    if (!picture.hasAlphaChannel()) {
        return false;
    }
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qAlpha(line[x]) == 0) {
                return true;
            }
        }
    }
    return false;
}

// Makes the fully transparent pixels of a 32-bit picture opaque black.
void BlackenClearPixels(QImage& picture)
{
    if (picture.isNull() || !picture.hasAlphaChannel()) {
        return;
    }
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(line[x]) == 0) {
                line[x] = qRgb(0, 0, 0);
            }
        }
    }
}

// rect of picture (inside it) as a read-only picture over the same pixels; it keeps a reference
// to picture's pixels for as long as it lives, and a change to it makes a copy first.
QImage SharedPiece(const QImage& picture, const QRect& rect)
{
    auto* owner = new QImage(picture);
    const uchar* first =
        owner->constBits() + qsizetype(rect.y()) * owner->bytesPerLine() + qsizetype(rect.x()) * 4;
    QImage piece(
        first, rect.width(), rect.height(), owner->bytesPerLine(), owner->format(),
        [](void* info) { delete static_cast<QImage*>(info); }, owner);
    if (picture.devicePixelRatio() != 1.0) {
        piece.setDevicePixelRatio(picture.devicePixelRatio());
    }
    return piece;
}

} // namespace

void CutBitmap(QImage& target, const QImage& source, const QRect& rect)
{
    if (source.isNull()) {
        return;
    }
    // A picture made for a high-density screen is cut at the same place in its own pixels.
    const qreal dpr = source.devicePixelRatio();
    const QRect pixels =
        dpr == 1.0 ? rect
                   : QRect(qRound(rect.x() * dpr), qRound(rect.y() * dpr),
                           qRound((rect.x() + rect.width()) * dpr) - qRound(rect.x() * dpr),
                           qRound((rect.y() + rect.height()) * dpr) - qRound(rect.y() * dpr));
    if (source.depth() == 32 && source.rect().contains(pixels) && !pixels.isEmpty() &&
        !HasClearPixel(source, pixels)) {
        // Wholly inside: the piece shares the source's pixels, so any number of elements cut
        // from one picture take no memory of their own.
        target = SharedPiece(source, pixels);
        return;
    }
    // QImage::copy fills what lies outside the source with zero pixels.
    QImage piece = source.copy(pixels);
    piece.setDevicePixelRatio(dpr);
    // Outside parts of a picture with alpha come out transparent; make them black, as an
    // opaque copy would.
    BlackenClearPixels(piece);
    target = piece;
}

QImage PreparedForCutting(const QImage& picture, const QSize& size)
{
    if (picture.isNull()) {
        return picture;
    }
    const QSize need = picture.size().expandedTo(size);
    QImage prepared = picture.depth() == 32 ? picture
                                            : picture.convertToFormat(picture.hasAlphaChannel()
                                                                          ? QImage::Format_ARGB32
                                                                          : QImage::Format_RGB32);
    const bool clear = HasClearPixel(prepared, prepared.rect());
    if (need == picture.size() && !clear) {
        return prepared;
    }
    if (need != picture.size()) {
        // QImage::copy fills what lies outside with zero pixels.
        prepared = prepared.copy(QRect(QPoint(0, 0), need));
    }
    BlackenClearPixels(prepared);
    prepared.setDevicePixelRatio(picture.devicePixelRatio());
    return prepared;
}

void DrawBitmap(QPainter& painter, const QImage& picture, const QRect& rect)
{
    if (picture.isNull() || rect.isEmpty()) {
        return;
    }
    const qreal dpr = picture.devicePixelRatio();
    painter.drawImage(QPointF(rect.topLeft()), picture,
                      QRectF(0, 0, rect.width() * dpr, rect.height() * dpr));
}

QColor ColourFromSkinValue(SkinColour value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}
