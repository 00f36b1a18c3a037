#include "SkinPictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

QImage LoadPictureFile(const QString& path, QSize* size)
{
    QImage picture;
    // An empty skin key names the skin folder itself: not a picture.
    if (QFileInfo(path).isFile()) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        if (!reader.read(&picture)) {
            picture = QImage();
        }
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
    // QImage::copy fills what lies outside the source with zero pixels.
    QImage piece = source.copy(pixels);
    piece.setDevicePixelRatio(dpr);
    if (!piece.isNull() && !piece.hasAlphaChannel()) {
        target = piece;
        return;
    }
    if (!piece.isNull()) {
        // Outside parts of a picture with alpha come out transparent; make them black, as an
        // opaque copy would.
        for (int y = 0; y < piece.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
            for (int x = 0; x < piece.width(); ++x) {
                if (qAlpha(line[x]) == 0) {
                    line[x] = qRgb(0, 0, 0);
                }
            }
        }
    }
    target = piece;
}

void DrawBitmap(QPainter& painter, const QImage& picture, const QRect& rect, bool /*stretch*/)
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
