// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/core/SkinDescription.h"

#include "platform/core/GbkText.h"
#include "platform/core/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

const QString ScreenSection = QStringLiteral("Screen");

// Longest font face name a font description can hold, in GBK bytes.
constexpr int MaxFaceLength = 31;

// A letter flag: only the first character counts, compared case-sensitively.
bool StartsWithLetter(const QString& field, QChar letter)
{
    return !field.isEmpty() && field.front() == letter;
}

// The values of the keys "1".."N" of a section of N keys, with their numbers; empty values are
// left out, over-long ones and those past MaxElementsPerSection are left out and reported.
std::vector<std::pair<int, QString>> EntryValues(const IniFile& ini, const QString& section,
                                                 QStringList& problems)
{
    std::vector<std::pair<int, QString>> values;
    const qsizetype count = ini.Keys(section).size();
    for (int number = 1; number <= count; ++number) {
        const QString value = ini.GetString(section, QString::number(number), QString());
        if (value.isEmpty()) {
            continue;
        }
        if (values.size() == SkinDescription::MaxElementsPerSection) {
            problems << QCoreApplication::translate(
                            "SkinDescription",
                            "皮肤描述的 [%1] 段元素超过 %2 个：第 %3 项及其后各项未使用。")
                            .arg(section)
                            .arg(SkinDescription::MaxElementsPerSection)
                            .arg(number);
            break;
        }
        if (GbkText::ByteLength(value) > SkinDescription::MaxValueLength) {
            problems << QStringLiteral("[%1] %2: entry longer than %3 characters, skipped")
                            .arg(section)
                            .arg(number)
                            .arg(SkinDescription::MaxValueLength);
            continue;
        }
        values.emplace_back(number, value);
    }
    return values;
}

} // namespace

bool SkinDescription::Load(const QString& path)
{
    IniFile ini;
    const bool readable = ini.Load(path);
    Read(ini, SkinDirectory(path));
    if (!readable) {
        // Said in the operator's words: the window is shown without its skin.
        const QFileInfo info(path);
        const QString file = QDir::toNativeSeparators(info.absoluteFilePath());
        m_problems.prepend(
            info.size() > IniFile::MaxFileBytes
                ? QCoreApplication::translate("SkinDescription",
                                              "皮肤描述文件 %1 未读取：它有 %2 字节，超过皮肤描述"
                                              "文件的上限 %3 字节。窗口将不带皮肤显示。")
                      .arg(file)
                      .arg(info.size())
                      .arg(IniFile::MaxFileBytes)
                : QCoreApplication::translate("SkinDescription",
                                              "无法读取皮肤描述文件 %1。窗口将不带皮肤显示。")
                      .arg(file));
    } else if (!ini.Problem().isEmpty()) {
        m_problems.prepend(ini.Problem());
    }
    return readable;
}

void SkinDescription::LoadText(const QString& text, const QString& skinDirectory)
{
    IniFile ini;
    ini.LoadText(text);
    Read(ini, skinDirectory);
}

void SkinDescription::Read(const IniFile& ini, const QString& skinDirectory)
{
    Clear();
    m_directory = skinDirectory;
    m_screen.main = ini.GetString(ScreenSection, QStringLiteral("Main"), QString());
    m_screen.mask = ini.GetString(ScreenSection, QStringLiteral("Mask"), QString());
    m_screen.over = ini.GetString(ScreenSection, QStringLiteral("Over"), QString());
    m_screen.down = ini.GetString(ScreenSection, QStringLiteral("Down"), QString());
    m_screen.disabled = ini.GetString(ScreenSection, QStringLiteral("Disabled"), QString());
    QString reel = ini.GetString(ScreenSection, QStringLiteral("Reel"), QString());
    if (!reel.isEmpty()) {
        m_screen.reel = ParseRect(reel);
    }

    for (auto& [number, value] : EntryValues(ini, QStringLiteral("BUTTONINFO"), m_problems)) {
        SkinButtonEntry entry;
        entry.elementNumber = number;
        entry.name = NextField(value);
        entry.rect = ParseRect(value);
        entry.tooltip = NextField(value);
        entry.latch = StartsWithLetter(NextField(value), u'T');
        m_buttons.push_back(entry);
    }
    for (auto& [number, value] : EntryValues(ini, QStringLiteral("TEXTINFO"), m_problems)) {
        SkinTextEntry entry;
        entry.elementNumber = number;
        entry.name = NextField(value);
        entry.fontFace = GbkText::TruncateToBytes(NextField(value), MaxFaceLength);
        entry.bold = StartsWithLetter(NextField(value), u'T');
        entry.italic = StartsWithLetter(NextField(value), u'F');
        entry.size = ParseNumber(NextField(value));
        entry.colour = static_cast<SkinColour>(ParseNumber(NextField(value)));
        entry.rect = ParseRect(value);
        entry.text = NextField(value);
        m_texts.push_back(entry);
    }
    for (auto& [number, value] : EntryValues(ini, QStringLiteral("TRACKBARINFO"), m_problems)) {
        SkinSliderEntry entry;
        entry.elementNumber = number;
        entry.name = NextField(value);
        entry.thumb = NextField(value);
        entry.pressedThumb = NextField(value);
        entry.rect = ParseRect(value);
        entry.horizontal = StartsWithLetter(NextField(value), u'H');
        entry.maximum = ParseNumber(NextField(value));
        m_sliders.push_back(entry);
    }
    for (auto& [number, value] : EntryValues(ini, QStringLiteral("PROGRESSINFO"), m_problems)) {
        SkinProgressEntry entry;
        entry.elementNumber = number;
        entry.name = NextField(value);
        entry.tooltip = NextField(value);
        entry.rect = ParseRect(value);
        entry.vertical = StartsWithLetter(NextField(value), u'H');
        m_progressBars.push_back(entry);
    }
}

QRect SkinDescription::ReelRect() const
{
    if (m_screen.reel && m_screen.reel->width() > 0 && m_screen.reel->height() > 0) {
        return *m_screen.reel;
    }
    return DefaultReelRect;
}

QString SkinDescription::PicturePath(const QString& name) const
{
    return m_directory + QString(name).replace(u'\\', u'/');
}

QString SkinDescription::SkinDirectory(const QString& descriptionPath)
{
    QString directory = QFileInfo(descriptionPath).absolutePath();
    while (directory.size() > 1 && directory.endsWith(u'/')) {
        directory.chop(1);
    }
    if (!directory.endsWith(u'/')) {
        directory += u'/';
    }
    return directory;
}

QString SkinDescription::LanguageVariant(const QString& descriptionPath,
                                         const QString& languageCode)
{
    // A code is letters and "_" only: nothing else may reach a file name.
    static const QRegularExpression code(QStringLiteral("^[A-Za-z]{2,3}(_[A-Za-z0-9]{2,4})?$"));
    const QFileInfo description(descriptionPath);
    if (!code.match(languageCode).hasMatch()) {
        return descriptionPath;
    }
    const QString variant = description.path() + u'/' + description.completeBaseName() + u'.' +
                            languageCode + u'.' + description.suffix();
    return QFileInfo(variant).isFile() ? variant : descriptionPath;
}

QString SkinDescription::NextField(QString& remaining)
{
    const qsizetype comma = remaining.indexOf(u',');
    if (comma < 0) {
        return remaining;
    }
    const QString field = remaining.left(comma);
    remaining = remaining.mid(comma + 1).trimmed();
    return field;
}

QRect SkinDescription::ParseRect(QString& remaining)
{
    // Beyond the window system's coordinate range a number can only be a typing error; keeping
    // within it also keeps right = x + width from overflowing.
    const auto coordinate = [&remaining] {
        return std::clamp(ParseNumber(NextField(remaining)), -32768, 32767);
    };
    const int x = coordinate();
    const int y = coordinate();
    const int width = coordinate();
    const int height = coordinate();
    return QRect(x, y, width, height);
}

int SkinDescription::ParseNumber(const QString& field)
{
    qsizetype i = 0;
    while (i < field.size() && (field[i] == u' ' || field[i] == u'\t')) {
        ++i;
    }
    bool negative = false;
    if (i < field.size() && (field[i] == u'-' || field[i] == u'+')) {
        negative = field[i] == u'-';
        ++i;
    }
    long long value = 0;
    constexpr long long limit = std::numeric_limits<int>::max();
    for (; i < field.size() && field[i] >= u'0' && field[i] <= u'9'; ++i) {
        value = std::min(limit + 1, value * 10 + (field[i].unicode() - u'0'));
    }
    if (negative) {
        return static_cast<int>(-value);
    }
    return static_cast<int>(std::min(value, limit));
}

void SkinDescription::Clear()
{
    m_directory.clear();
    m_screen = SkinScreen();
    m_buttons.clear();
    m_texts.clear();
    m_sliders.clear();
    m_progressBars.clear();
    m_problems.clear();
}
