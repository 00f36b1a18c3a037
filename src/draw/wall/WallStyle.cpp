// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/wall/WallStyle.h"

#include "skin/core/SkinDescription.h"
#include "skin/core/SkinPictures.h"

WallStyle WallStyle::FromSkin(const SkinDescription& skin, const QColor& edgeColour)
{
    WallStyle style;
    if (edgeColour.isValid()) {
        style.background = edgeColour;
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
