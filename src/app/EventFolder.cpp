// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EventFolder.h"

#include "data/DatabaseCreator.h"
#include "data/DatabaseTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("EventFolder", text);
}

QString WithSlash(const QString& path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

} // namespace

namespace EventFolder {

QString EventsRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Sortilo/events");
}

// A folder is an event's when it holds Data.db, or when its config.ini points the station at a
// shared database server (such a station keeps no Data.db of its own).
static bool HoldsEvent(const QString& directory)
{
    if (QFileInfo(WithSlash(directory) + QLatin1String(DatabaseName)).isFile()) {
        return true;
    }
    const QString config = WithSlash(directory) + QStringLiteral("config.ini");
    if (!QFileInfo(config).isFile()) {
        return false;
    }
    const std::optional<DatabaseTarget> target = DatabaseTarget::FromConfig(config, QString());
    // A section that cannot be used is reported by the start-up's connection, not here.
    return !target || target->driver != DatabaseTarget::Driver::Sqlite;
}

QString EventPath(const QString& argument)
{
    if (!argument.contains(u'/')) {
        return EventsRoot() + u'/' + argument;
    }
    return QDir::cleanPath(QDir::current().absoluteFilePath(argument));
}

Result Open(const QString& directory, const QString& sharedDirectory, bool demo)
{
    Result result;
    const QFileInfo folder(directory);
    const QString path = folder.absoluteFilePath();
    const QString database = WithSlash(path) + QLatin1String(DatabaseName);
    if (HoldsEvent(path)) {
        result.directory = WithSlash(path);
        return result;
    }
    if (folder.exists() && !folder.isDir()) {
        result.error = Tr("%1 不是文件夹，无法作为活动文件夹打开。").arg(path);
        return result;
    }
    const QDir::Filters anything =
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    if (folder.exists() && !QDir(path).isEmpty(anything)) {
        result.error = Tr("活动文件夹 %1 中缺少数据库文件 Data.db。\n"
                          "该文件夹已有其他文件，程序不会新建空数据库代替原有数据：请从备份恢复 "
                          "Data.db，或用 --event 指定一个新的文件夹。")
                           .arg(path);
        return result;
    }

    QStringList scripts{WithSlash(sharedDirectory) + QLatin1String(SchemaFile)};
    if (demo) {
        scripts << WithSlash(sharedDirectory) + QLatin1String(DemoFile);
    }
    for (const QString& script : std::as_const(scripts)) {
        if (sharedDirectory.isEmpty() || !QFileInfo(script).isFile()) {
            result.error = Tr("找不到程序的共享文件 %1，无法新建活动。").arg(script);
            return result;
        }
    }
    const bool existed = folder.exists();
    if (!QDir().mkpath(path)) {
        result.error = Tr("无法创建活动文件夹 %1。").arg(path);
        return result;
    }
    QString error;
    if (!DatabaseCreator::CreateSqlite(database, scripts, &error)) {
        if (!existed) {
            QDir().rmdir(path);
        }
        result.error = Tr("无法在活动文件夹 %1 中新建数据库：%2").arg(path, error);
        return result;
    }
    result.directory = WithSlash(path);
    result.created = true;
    return result;
}

Result Choose(const QString& event, const QString& demoDirectory, const QString& currentDirectory,
              const QString& sharedDirectory)
{
    if (!demoDirectory.isEmpty()) {
        return Open(demoDirectory, sharedDirectory, true);
    }
    if (!event.isEmpty()) {
        return Open(EventPath(event), sharedDirectory);
    }
    if (HoldsEvent(currentDirectory)) {
        Result here;
        here.directory = WithSlash(currentDirectory);
        return here;
    }
    return Open(EventsRoot() + u'/' + QLatin1String(DefaultName), sharedDirectory);
}

} // namespace EventFolder
