// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EventLock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

EventLock::~EventLock()
{
    Release();
}

EventLock::Outcome EventLock::Acquire(const QString& directory, QString* why)
{
    Release();
    const QByteArray path = QFile::encodeName(QDir(directory).filePath(QLatin1String(FileName)));
    // Close-on-exec: a program started from the window (the desktop's spreadsheet program) must
    // not inherit the lock and keep it after the window has gone.
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    const int openError = errno;
    if (fd < 0 && (openError == EACCES || openError == EROFS)) {
        // A folder that cannot be written may still hold the file from an earlier run.
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    }
    if (fd < 0) {
        if (why) {
            *why = QString::fromLocal8Bit(std::strerror(openError));
        }
        return Outcome::Unavailable;
    }
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        m_fd = fd;
        return Outcome::Held;
    }
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) {
        return Outcome::InUse;
    }
    if (why) {
        *why = QString::fromLocal8Bit(std::strerror(error));
    }
    return Outcome::Unavailable;
}

void EventLock::Release()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}
