// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// The words of the default skin in one language: the captions drawn into its pictures, and the
// tooltips and first texts written into its description. The first language is the program's
// own (skin.ini, main.png, ...); every other one gets skin.<code>.ini and main.<code>.png and
// so on, which the program chooses when its texts are in that language.
struct SkinLanguage
{
    QString code;
    QString serifFace;
    QString sansFace;
    QString start, stop, exit;    // the large buttons' captions
    QString prizeLevel, perRound; // the captions over the two steppers
    QString startTip, stopTip, exitTip, menuTip;
    QString previousLevelTip, nextLevelTip, fewerTip, moreTip;
    QString company, theme, winners; // first texts of ID_COMPANY, ID_THEME, ID_PERLIST
};

inline const std::vector<SkinLanguage>& SkinLanguages()
{
    static const std::vector<SkinLanguage> languages = {
        {"", "Noto Serif CJK SC", "Noto Sans CJK SC", "开始", "停止", "退出", "奖项等级",
         "每轮人数", "开始抽奖 (F5)", "停止 (F6)", "退出抽奖程序", "菜单", "上一个奖项",
         "下一个奖项", "每轮少抽一人", "每轮多抽一人", "Sortilo 年会", "幸运大抽奖", "中奖名单"},
        {"zh_TW", "Noto Serif CJK TC", "Noto Sans CJK TC", "開始", "停止", "退出", "獎項等級",
         "每輪人數", "開始抽獎 (F5)", "停止 (F6)", "退出抽獎程式", "選單", "上一個獎項",
         "下一個獎項", "每輪少抽一人", "每輪多抽一人", "Sortilo 年會", "幸運大抽獎", "中獎名單"},
        {"en", "Noto Serif CJK SC", "Noto Sans CJK SC", "Start", "Stop", "Exit", "Prize level",
         "Winners per round", "Start the draw (F5)", "Stop (F6)", "Quit the prize draw", "Menu",
         "Previous prize level", "Next prize level", "One fewer winner per round",
         "One more winner per round", "Sortilo Annual Party", "Lucky Draw", "Winners"},
    };
    return languages;
}
