// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class QImage;
class SkinDescription;

// The winners wall's colours and fonts, taken from the skin of the draw window so that the wall
// looks like the rest of the event. The defaults are those of the default skin.
struct WallStyle
{
    QColor background{150, 12, 18}; // the skin's edge colour
    QColor title{255, 246, 222};    // ID_THEME
    QColor accent{255, 214, 102};   // ID_COMPANY: lines, card edges, page number
    QColor name{255, 238, 204};     // ID_TEXT1
    QColor number{255, 236, 170};   // ID_NUMBER
    QString titleFont = QStringLiteral("Noto Serif CJK SC"); // ID_THEME
    QString cardFont = QStringLiteral("Noto Sans CJK SC");   // ID_TEXT1

    // The style of a skin: the colours and fonts of its text elements, the background of its
    // main picture (read from the skin's directory). What the skin does not define keeps its
    // default.
    static WallStyle FromSkin(const SkinDescription& skin);
    // The colour most of a picture is painted in (its body, not its frame or highlights);
    // invalid for a null picture.
    static QColor BodyColourOf(const QImage& picture);
};
