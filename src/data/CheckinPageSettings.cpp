// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CheckinPageSettings.h"

#include "platform/core/IniFile.h"

namespace {

const QString ServeKey = QStringLiteral("SERVE");
const QString PortKey = QStringLiteral("PORT");

} // namespace

CheckinPageSettings CheckinPageSettings::Read(const QString& path)
{
    IniFile ini;
    ini.Load(path);
    const QLatin1String section(Section);
    CheckinPageSettings settings;
    settings.serve = ini.GetInt(section, ServeKey, 0) != 0;
    const int port = ini.GetInt(section, PortKey, DefaultPort);
    settings.port = port >= 1 && port <= 65535 ? static_cast<quint16>(port) : DefaultPort;
    return settings;
}

bool CheckinPageSettings::Write(const QString& path, QString* errorText) const
{
    IniFile ini;
    if (!ini.LoadToChange(path, errorText)) {
        return false;
    }
    const QLatin1String section(Section);
    ini.SetString(section, ServeKey, serve ? QStringLiteral("1") : QStringLiteral("0"));
    ini.SetString(section, PortKey, QString::number(port));
    return ini.Save(path, errorText);
}
