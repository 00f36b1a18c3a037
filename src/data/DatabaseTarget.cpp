// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DatabaseTarget.h"

#include "platform/core/IniFile.h"

#include <QRegularExpression>

namespace {

std::optional<DatabaseTarget> Refuse(QString* errorText, const QString& text)
{
    if (errorText) {
        *errorText = text;
    }
    return std::nullopt;
}

} // namespace

std::optional<DatabaseTarget>
DatabaseTarget::FromConfig(const QString& configPath, const QString& sqlitePath, QString* errorText)
{
    IniFile ini;
    if (!ini.Load(configPath)) {
        return Refuse(errorText, QStringLiteral("cannot read %1").arg(configPath));
    }
    const QLatin1String section(ConfigSection);
    const auto text = [&](const char* key) {
        return ini.GetString(section, QLatin1String(key), QString()).trimmed();
    };
    const QString driver = text("Driver");
    if (driver.isEmpty() || driver.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0) {
        return SqliteFile(sqlitePath);
    }
    if (driver.compare(QLatin1String("PostgreSQL"), Qt::CaseInsensitive) != 0) {
        return Refuse(errorText,
                      QStringLiteral("%1: [%2] Driver=%3 is unknown (use SQLite or PostgreSQL)")
                          .arg(configPath, QLatin1String(ConfigSection), driver));
    }
    DatabaseTarget target;
    target.driver = Driver::PostgreSql;
    target.host = text("Host");
    target.name = text("Name");
    target.user = text("User");
    target.service = text("Service");
    const QString port = text("Port");
    if (!port.isEmpty()) {
        bool number = false;
        target.port = port.toInt(&number);
        if (!number || target.port < 1 || target.port > 65535) {
            return Refuse(errorText, QStringLiteral("%1: [%2] Port=%3 is not a port number")
                                         .arg(configPath, QLatin1String(ConfigSection), port));
        }
    }
    // The service name goes into the connection options as it stands: only plain names.
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_.-]*$"));
    if (!plainName.match(target.service).hasMatch()) {
        return Refuse(errorText,
                      QStringLiteral("%1: [%2] Service=%3 may hold only letters, digits, '_', "
                                     "'.' and '-'")
                          .arg(configPath, QLatin1String(ConfigSection), target.service));
    }
    if (target.service.isEmpty() && target.name.isEmpty()) {
        return Refuse(errorText, QStringLiteral("%1: [%2] names neither a database (Name) nor a "
                                                "service (Service)")
                                     .arg(configPath, QLatin1String(ConfigSection)));
    }
    return target;
}

QString DatabaseTarget::Describe() const
{
    if (driver == Driver::Sqlite) {
        return path;
    }
    QString where = name.isEmpty() ? QStringLiteral("service %1").arg(service) : name;
    if (!host.isEmpty()) {
        where += QStringLiteral(" on %1").arg(host);
        if (port != 0) {
            where += QStringLiteral(":%1").arg(port);
        }
    }
    return where;
}
