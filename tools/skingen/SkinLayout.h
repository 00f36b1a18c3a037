// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skingen/SkinLanguages.h"

#include <QColor>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include <vector>

// The default skin's one layout: its size, colours, outline and the places of its elements, which
// both the pictures and the description are made from.
namespace SkinLayout {

inline constexpr int Width = 1280;
inline constexpr int Height = 800;

inline const QColor Gold(255, 214, 102);
inline const QColor PaleGold(255, 236, 170);
inline const QColor Wine(92, 0, 12);

// Where the reel display goes, and the lit frame around it.
inline constexpr QRect ReelRect(190, 232, 900, 200);
inline constexpr QRect ReelFrame = ReelRect.adjusted(-26, -24, 26, 24);
inline constexpr QRect WinnersPanel(36, 566, 770, 188);
inline constexpr QRect ControlPanel(822, 566, 422, 188);

// The number boxes between the stepper buttons.
inline constexpr QRect LevelBox(894, 606, 80, 44);
inline constexpr QRect QuotaBox(1094, 606, 80, 44);

enum class ButtonStyle
{
    Large, // the main actions, gold with a red caption
    Small, // steppers and the menu, a gold disc
    Quiet, // exit: dark red with a gold edge
};

struct Button
{
    QString name;
    QRect rect;
    QString caption;
    QString hint; // small second line, e.g. the hot key
    QString tooltip;
    ButtonStyle style;
};

struct Text
{
    QString name;
    QString face;
    bool bold;
    int size; // cell height in pixels
    QColor colour;
    QRect rect;
    QString text;
};

std::vector<Button> Buttons(const SkinLanguage& words);
std::vector<Text> Texts(const SkinLanguage& words);

// The window's outline: a wide rounded body with a crest rising at the top centre and a scallop
// cut into each corner.
QPainterPath Outline();

} // namespace SkinLayout
