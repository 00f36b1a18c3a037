// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DatabaseTarget.h"

#include "platform/core/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

std::optional<DatabaseTarget> Refuse(QString* errorText, const QString& text)
{
    if (errorText) {
        *errorText = text;
    }
    return std::nullopt;
}

// Whether a file that could not be read as settings shows a line "[DATABASE]" among its
// first ScanBytes bytes, read a line (or a piece of a long one) at a time.
bool NamesDatabaseSection(const QString& path)
{
    constexpr qint64 ScanBytes = 64LL * 1024 * 1024;
    static const QRegularExpression header(
        QStringLiteral("^\\s*\\[\\s*%1\\s*\\]").arg(QLatin1String(DatabaseTarget::ConfigSection)),
        QRegularExpression::CaseInsensitiveOption);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    while (!file.atEnd() && file.pos() < ScanBytes) {
        const QByteArray line = file.readLine(IniFile::MaxLineLength);
        if (line.contains('[') && header.match(QString::fromLatin1(line)).hasMatch()) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<DatabaseTarget> DatabaseTarget::FromConfig(const QString& configPath,
                                                         const QString& sqlitePath,
                                                         QString* errorText, bool* unreadable)
{
    if (unreadable) {
        *unreadable = false;
    }
    IniFile ini;
    const bool loaded = ini.Load(configPath);
    if (!loaded || ini.HeldBinary()) {
        // What the file says cannot be known. A station that shares a server must not go on
        // alone with a file of its own, keeping its winners apart from the others'.
        const QString reason =
            ini.Problem().isEmpty()
                ? QCoreApplication::translate("DatabaseTarget", "无法读取设置文件 %1。")
                      .arg(QDir::toNativeSeparators(configPath))
                : ini.Problem();
        if (NamesDatabaseSection(configPath)) {
            return Refuse(errorText,
                          reason + u'\n' +
                              QCoreApplication::translate(
                                  "DatabaseTarget",
                                  "文件中有 [DATABASE] 一节，本机可能使用共享的数据库服务器。为免"
                                  "中奖记录与其他抽奖机分开保存，程序不会改用本机的数据库：请修正"
                                  "该文件后再启动。"));
        }
        if (unreadable) {
            *unreadable = true;
        }
        return Refuse(errorText,
                      reason + u'\n' +
                          QCoreApplication::translate(
                              "DatabaseTarget", "无法确定本机是否应使用共享的数据库服务器。"));
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
