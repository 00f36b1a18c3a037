// SPDX-License-Identifier: GPL-3.0-or-later
#include "skingen/SkinLayout.h"

namespace SkinLayout {

std::vector<Button> Buttons(const SkinLanguage& words)
{
    return {
        {"BUTTON_START",
         {842, 664, 128, 76},
         words.start,
         "F5",
         words.startTip,
         ButtonStyle::Large},
        {"BUTTON_STOP", {978, 664, 128, 76}, words.stop, "F6", words.stopTip, ButtonStyle::Large},
        {"BUTTON_EXIT", {1114, 664, 110, 76}, words.exit, "", words.exitTip, ButtonStyle::Quiet},
        {"ID_ABOUT", {44, 52, 52, 52}, "≡", "", words.menuTip, ButtonStyle::Small},
        {"ID_DOWNONE", {846, 606, 44, 44}, "−", "", words.previousLevelTip, ButtonStyle::Small},
        {"ID_UPONE", {978, 606, 44, 44}, "+", "", words.nextLevelTip, ButtonStyle::Small},
        {"ID_DOWNONE1", {1046, 606, 44, 44}, "−", "", words.fewerTip, ButtonStyle::Small},
        {"ID_UPONE1", {1178, 606, 44, 44}, "+", "", words.moreTip, ButtonStyle::Small},
    };
}

std::vector<Text> Texts(const SkinLanguage& words)
{
    const QColor cream(255, 238, 204);
    const QString& serif = words.serifFace;
    const QString& sans = words.sansFace;
    return {
        {"ID_COMPANY", serif, true, 52, Gold, {140, 62, 1000, 56}, words.company},
        {"ID_THEME", serif, true, 84, QColor(255, 246, 222), {70, 114, 1140, 90}, words.theme},
        {"ID_INFO1", sans, true, 58, Gold, {286, 484, 170, 62}, ""},
        {"ID_INFO", serif, true, 86, QColor(255, 252, 236), {456, 462, 700, 90}, ""},
        {"ID_PERLIST", sans, true, 38, Gold, {62, 574, 400, 40}, words.winners},
        {"ID_TEXT1", sans, false, 34, cream, {58, 616, 368, 34}, ""},
        {"ID_TEXT2", sans, false, 34, cream, {58, 650, 368, 34}, ""},
        {"ID_TEXT3", sans, false, 34, cream, {58, 684, 368, 34}, ""},
        {"ID_TEXT4", sans, false, 34, cream, {58, 718, 368, 34}, ""},
        {"ID_TEXT5", sans, false, 34, cream, {430, 616, 368, 34}, ""},
        {"ID_TEXT6", sans, false, 34, cream, {430, 650, 368, 34}, ""},
        {"ID_TEXT7", sans, false, 34, cream, {430, 684, 368, 34}, ""},
        {"ID_TEXT8", sans, false, 34, cream, {430, 718, 368, 34}, ""},
        // The numbers are drawn left-aligned: each box starts where a centred digit would.
        {"ID_NUMBER", serif, true, 48, PaleGold, {LevelBox.center().x() - 12, 604, 40, 46}, "1"},
        {"ID_NUMBER1", serif, true, 48, PaleGold, {QuotaBox.center().x() - 12, 604, 40, 46}, "1"},
        {"ID_SYSINFO", sans, false, 26, QColor(232, 196, 150), {62, 760, 740, 28}, ""},
    };
}

QPainterPath Outline()
{
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 34, Width, Height - 34), 46, 46);
    QPainterPath crest;
    crest.addEllipse(QRectF(Width / 2.0 - 200, 0, 400, 200));
    QPainterPath shape = body.united(crest);
    for (const QPointF corner :
         {QPointF(0, 34), QPointF(Width, 34), QPointF(0, Height), QPointF(Width, Height)}) {
        QPainterPath bite;
        bite.addEllipse(corner, 30, 30);
        shape = shape.subtracted(bite);
    }
    return shape;
}

} // namespace SkinLayout
