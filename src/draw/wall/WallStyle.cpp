// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/wall/WallStyle.h"

#include "skin/core/SkinDescription.h"
#include "skin/core/SkinPictures.h"

#include <QHash>
#include <QImage>

#include <algorithm>

QColor WallStyle::BodyColourOf(const QImage& picture)
{
    if (picture.isNull()) {
        return {};
    }
    // Samples on a grid, counted in coarse bins (16 levels a channel) so that a gradient or
    // a pattern over one colour still counts as that colour; the answer is the mean of the
    // fullest bin.
    struct Bin
    {
        int count = 0;
        qint64 r = 0, g = 0, b = 0;
    };
    QHash<int, Bin> bins;
    const int step = std::max(1, std::min(picture.width(), picture.height()) / 200);
    for (int y = 0; y < picture.height(); y += step) {
        for (int x = 0; x < picture.width(); x += step) {
            const QRgb p = picture.pixel(x, y);
            Bin& bin = bins[(qRed(p) >> 4) << 8 | (qGreen(p) >> 4) << 4 | qBlue(p) >> 4];
            ++bin.count;
            bin.r += qRed(p);
            bin.g += qGreen(p);
            bin.b += qBlue(p);
        }
    }
    const Bin* best = nullptr;
    for (const Bin& bin : std::as_const(bins)) {
        if (!best || bin.count > best->count) {
            best = &bin;
        }
    }
    return QColor(int(best->r / best->count), int(best->g / best->count),
                  int(best->b / best->count));
}

WallStyle WallStyle::FromSkin(const SkinDescription& skin)
{
    WallStyle style;
    const QColor body = BodyColourOf(LoadPictureFile(skin.PicturePath(skin.Screen().main)));
    if (body.isValid()) {
        style.background = body;
    }
    const auto take = [&skin](const char* name, QColor* colour, QString* font) {
        for (const SkinTextEntry& text : skin.Texts()) {
            if (text.name == QLatin1String(name)) {
                *colour = ColourFromSkinValue(text.colour);
                if (font && !text.fontFace.trimmed().isEmpty()) {
                    *font = text.fontFace.trimmed();
                }
                return;
            }
        }
    };
    take("ID_THEME", &style.title, &style.titleFont);
    take("ID_COMPANY", &style.accent, nullptr);
    take("ID_TEXT1", &style.name, &style.cardFont);
    take("ID_NUMBER", &style.number, nullptr);
    return style;
}
