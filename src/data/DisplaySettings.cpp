// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DisplaySettings.h"

#include "platform/core/IniFile.h"

namespace DisplaySettings {

bool ReadPresentation(const QString& path)
{
    IniFile ini;
    ini.Load(path);
    return ini.GetInt(QLatin1String(Section), QLatin1String(PresentationKey), 0) != 0;
}

bool WritePresentation(const QString& path, bool on, QString* errorText)
{
    return IniFile::WriteValue(path, QLatin1String(Section), QLatin1String(PresentationKey),
                               on ? QStringLiteral("1") : QStringLiteral("0"), errorText);
}

} // namespace DisplaySettings
