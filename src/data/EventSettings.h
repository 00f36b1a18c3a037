// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The event's own settings, kept in "config.ini" in the application folder, section
// DEFAULTADDRESS. A missing file or key is never an error: every key has a default.
struct EventSettings
{
    static constexpr const char* FileName = "config.ini";
    static constexpr const char* Section = "DEFAULTADDRESS";
    // Text values were read into 256-byte buffers: at most 255 GBK bytes are kept.
    static constexpr int MaxTextBytes = 255;

    // The first company and theme speak the program's language.
    QString company = QCoreApplication::translate("EventSettings", "Vantor软件开发实验室");
    QString theme = QCoreApplication::translate("EventSettings", "喜迎新春抽奖活动");
    QString music1 = QStringLiteral("Sound/sound1.wav"); // background music
    QString music2 = QStringLiteral("Sound/sound2.wav"); // drawing sound
    int bMusic1 = 1;                                     // background music on
    int bMusic2 = 0;                                     // drawing sound on
    int autoStop = 0;                                    // first pick stops after 5 s

    // Not among the keys above, so it lives in a section of its own that leaves them alone.
    static constexpr const char* DrawRulesSection = "DRAWRULES";
    // Key HALFRANGE: every second pick draws from the first half of the pool only (1, as the
    // draw always did) or every pick from the whole pool (0).
    int halfRangeRule = 1;

    // Reads the seven keys in their order, each with its default, then the draw rules.
    static EventSettings Read(const QString& path);
    // Writes company, theme, BMUSIC1, BMUSIC2, AUTOSTOP, MUSIC1, MUSIC2 in this order, then the
    // draw rules, keeping whatever else the file holds. Atomic; returns false with errorText
    // when it failed.
    bool Write(const QString& path, QString* errorText = nullptr) const;

    // A stored sound path as a file to open: Windows separators become "/", and a relative
    // path is taken against appDirectory.
    static QString ResolvePath(const QString& appDirectory, const QString& stored);
};

// The "skin.ini" of the application folder itself (not the skin's), section SKINSTYPE: two skin
// buttons write AUTO=1 or index=1 into it. Returns false with errorText when the write failed.
bool WriteSkinsType(const QString& appDirectory, const QString& key, QString* errorText = nullptr);
