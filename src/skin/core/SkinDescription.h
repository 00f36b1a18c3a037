// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class IniFile;

// Windows colour value 0x00BBGGRR, as skins write colours (decimal).
using SkinColour = std::uint32_t;

// The whole-window pictures of section "Screen", as written in the file (relative names).
struct SkinScreen
{
    QString main;
    QString mask;
    QString over;
    QString down;
    QString disabled;
    // Optional place of the reel display (key "Reel": x, y, width, height in pixels).
    std::optional<QRect> reel;
};

struct SkinButtonEntry
{
    int elementNumber = 0; // the key's number in the section
    QString name;
    QRect rect;
    QString tooltip;
    bool latch = false; // always draw the normal image
};

struct SkinTextEntry
{
    int elementNumber = 0;
    QString name;
    QString fontFace; // at most 31 GBK bytes, like a Windows font face name
    bool bold = false;
    bool italic = false;
    int size = 0; // font cell height in pixels
    SkinColour colour = 0;
    QRect rect;
    QString text;
};

struct SkinSliderEntry
{
    int elementNumber = 0;
    QString name;
    QString thumb;        // picture, relative to the skin directory
    QString pressedThumb; // picture, relative to the skin directory
    QRect rect;
    bool horizontal = false;
    int maximum = 0;
};

struct SkinProgressEntry
{
    int elementNumber = 0;
    QString name;
    QString tooltip;
    QRect rect;
    bool vertical = false; // fill grows from the top edge downwards
};

// Reader of a skin description (skin.ini): the pictures of section "Screen" and the element
// lists of BUTTONINFO, TEXTINFO, TRACKBARINFO and PROGRESSINFO. Needs no screen.
//
// A section holding N keys (whatever their names) is read as the keys "1".."N"; an empty or
// absent key creates nothing. Entry values are comma-separated fields (see NextField).
class SkinDescription
{
public:
    // Longest entry value accepted, in GBK bytes; a longer entry is skipped and reported.
    static constexpr int MaxValueLength = 255;
    // Most elements created from one section. The draw window uses 17 buttons and 17 texts;
    // every element is a child window painted over the others, so thousands of them take
    // hundreds of megabytes and can exhaust the stack of the window system's painting. Entries
    // past the bound are left out and reported.
    static constexpr int MaxElementsPerSection = 256;
    // Where the reel display lies when the skin does not say (control 1004 of the window's
    // layout at 1.5 pixels per layout unit).
    static constexpr QRect DefaultReelRect{6, 219, 591, 120};

    // Reads the file. A missing file gives an empty description (no pictures, no elements),
    // like a missing profile file; returns false only when the file exists but cannot be read or
    // is past IniFile::MaxFileBytes, and Problems() then opens with a sentence naming the file.
    bool Load(const QString& path);
    // Reads from text in memory; pictures are then relative to skinDirectory.
    void LoadText(const QString& text, const QString& skinDirectory);

    // Directory of the description file, with exactly one trailing "/".
    const QString& Directory() const { return m_directory; }
    // Full path of a picture named in the file: the directory followed by the name as written,
    // Windows separators ("pics\main.bmp") turned into "/".
    QString PicturePath(const QString& name) const;

    const SkinScreen& Screen() const { return m_screen; }
    const std::vector<SkinButtonEntry>& Buttons() const { return m_buttons; }
    const std::vector<SkinTextEntry>& Texts() const { return m_texts; }
    const std::vector<SkinSliderEntry>& Sliders() const { return m_sliders; }
    const std::vector<SkinProgressEntry>& ProgressBars() const { return m_progressBars; }

    // The reel place of the skin, or DefaultReelRect when the skin has none (or an empty one).
    QRect ReelRect() const;

    // Entries skipped as malformed (too long), one readable line each.
    const QStringList& Problems() const { return m_problems; }

    // The directory of a description file path, with exactly one trailing "/".
    static QString SkinDirectory(const QString& descriptionPath);
    // The description of a skin for a language: "skin.en.ini" beside "skin.ini" for languageCode
    // "en", when the skin has one (its labels and tooltips in that language, pictures of its
    // own), else descriptionPath itself.
    static QString LanguageVariant(const QString& descriptionPath, const QString& languageCode);
    // Takes the next field from the front of remaining. With a comma left: the text before the
    // first comma (unchanged) and remaining becomes the rest after it, trimmed. Without one:
    // the whole remaining text, which is left as it is (so reading past the end repeats the
    // last field).
    static QString NextField(QString& remaining);
    // Four number fields x, y, width, height, each kept within -32768..32767.
    static QRect ParseRect(QString& remaining);
    // Leading integer as the C library reads it: blanks, optional sign, digits; else 0.
    // Clamped to the int range.
    static int ParseNumber(const QString& field);

private:
    void Read(const IniFile& ini, const QString& skinDirectory);
    void Clear();

    QString m_directory;
    SkinScreen m_screen;
    std::vector<SkinButtonEntry> m_buttons;
    std::vector<SkinTextEntry> m_texts;
    std::vector<SkinSliderEntry> m_sliders;
    std::vector<SkinProgressEntry> m_progressBars;
    QStringList m_problems;
};
