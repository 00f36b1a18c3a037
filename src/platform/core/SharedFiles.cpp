// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/SharedFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString g_directory;

bool HoldsSkin(const QString& directory)
{
    return QFileInfo(directory + QStringLiteral("skin/skin.ini")).isFile();
}

QString WithSlash(const QString& path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

} // namespace

namespace SharedFiles {

QString FindBeside(const QString& programDirectory)
{
    const QString installed =
        WithSlash(QDir::cleanPath(programDirectory + QStringLiteral("/../share/sortilo")));
    if (HoldsSkin(installed)) {
        return installed;
    }
    const QString own = WithSlash(QDir::cleanPath(programDirectory));
    return HoldsSkin(own) ? own : QString();
}

void SetDirectory(const QString& directory)
{
    g_directory = directory.isEmpty() ? QString() : WithSlash(directory);
}

QString Directory()
{
    return g_directory;
}

QString Locate(const QString& appDirectory, const QString& relative)
{
    if (QDir::isAbsolutePath(relative)) {
        return relative;
    }
    const QString own = appDirectory + relative;
    if (QFileInfo::exists(own) || g_directory.isEmpty()) {
        return own;
    }
    const QString shared = g_directory + relative;
    return QFileInfo::exists(shared) ? shared : own;
}

} // namespace SharedFiles
