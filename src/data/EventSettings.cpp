// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/EventSettings.h"

#include "platform/core/GbkText.h"
#include "platform/core/IniFile.h"

#include <QDir>

namespace {

QString ReadText(const IniFile& ini, const char* key, const QString& fallback)
{
    const QString value =
        ini.GetString(QLatin1String(EventSettings::Section), QLatin1String(key), fallback);
    return GbkText::TruncateToBytes(value, EventSettings::MaxTextBytes);
}

} // namespace

EventSettings EventSettings::Read(const QString& path)
{
    IniFile ini;
    ini.Load(path);
    const EventSettings defaults;
    EventSettings settings;
    const QLatin1String section(Section);
    settings.company = ReadText(ini, "company", defaults.company);
    settings.theme = ReadText(ini, "theme", defaults.theme);
    settings.music1 = ReadText(ini, "MUSIC1", defaults.music1);
    settings.music2 = ReadText(ini, "MUSIC2", defaults.music2);
    settings.bMusic1 = ini.GetInt(section, QStringLiteral("BMUSIC1"), defaults.bMusic1);
    settings.bMusic2 = ini.GetInt(section, QStringLiteral("BMUSIC2"), defaults.bMusic2);
    settings.autoStop = ini.GetInt(section, QStringLiteral("AUTOSTOP"), defaults.autoStop);
    settings.halfRangeRule = ini.GetInt(QLatin1String(DrawRulesSection),
                                        QStringLiteral("HALFRANGE"), defaults.halfRangeRule);
    return settings;
}

bool EventSettings::Write(const QString& path, QString* errorText) const
{
    IniFile ini;
    if (!ini.LoadToChange(path, errorText)) {
        return false;
    }
    const QLatin1String section(Section);
    ini.SetString(section, QStringLiteral("company"), company);
    ini.SetString(section, QStringLiteral("theme"), theme);
    ini.SetString(section, QStringLiteral("BMUSIC1"), QString::number(bMusic1));
    ini.SetString(section, QStringLiteral("BMUSIC2"), QString::number(bMusic2));
    ini.SetString(section, QStringLiteral("AUTOSTOP"), QString::number(autoStop));
    ini.SetString(section, QStringLiteral("MUSIC1"), music1);
    ini.SetString(section, QStringLiteral("MUSIC2"), music2);
    ini.SetString(QLatin1String(DrawRulesSection), QStringLiteral("HALFRANGE"),
                  QString::number(halfRangeRule));
    return ini.Save(path, errorText);
}

QString EventSettings::ResolvePath(const QString& appDirectory, const QString& stored)
{
    QString path = stored.trimmed();
    path.replace(u'\\', u'/');
    if (path.isEmpty() || QDir::isAbsolutePath(path)) {
        return path;
    }
    return appDirectory + path;
}

bool WriteSkinsType(const QString& appDirectory, const QString& key, QString* errorText)
{
    return IniFile::WriteValue(appDirectory + QStringLiteral("skin.ini"),
                               QStringLiteral("SKINSTYPE"), key, QStringLiteral("1"), errorText);
}
