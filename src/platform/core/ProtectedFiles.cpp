// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ProtectedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

#include <sys/stat.h>

namespace ProtectedFiles {

namespace {

QMutex g_mutex;
QStringList g_databases; // absolute paths, once per open connection

const char* const Companions[] = {"", "-wal", "-shm", "-journal"};

bool Stat(const QString& path, struct stat* status)
{
    return ::stat(QFile::encodeName(path).constData(), status) == 0;
}

} // namespace

void Protect(const QString& databasePath)
{
    const QMutexLocker lock(&g_mutex);
    g_databases << QFileInfo(databasePath).absoluteFilePath();
}

void Release(const QString& databasePath)
{
    const QMutexLocker lock(&g_mutex);
    g_databases.removeOne(QFileInfo(databasePath).absoluteFilePath());
}

bool Covers(const QString& path)
{
    if (path.isEmpty()) {
        return false;
    }
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    struct stat candidate
    {
    };
    const bool exists = Stat(path, &candidate);
    const QMutexLocker lock(&g_mutex);
    for (const QString& database : g_databases) {
        for (const char* suffix : Companions) {
            const QString companion = database + QLatin1String(suffix);
            if (QDir::cleanPath(companion) == absolute) {
                return true;
            }
            struct stat status
            {
            };
            if (exists && Stat(companion, &status) && status.st_dev == candidate.st_dev &&
                status.st_ino == candidate.st_ino) {
                return true;
            }
        }
    }
    return false;
}

} // namespace ProtectedFiles
