// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Keeps a second draw window off an event folder. The lock is an flock on the file
// "sortilo.lock" in the folder, held as long as this object holds its descriptor: the kernel
// drops it when the process ends in any way, a crash or SIGKILL included, so it never stays
// stuck. The file is a dedicated one, never a file of the database: closing a descriptor of
// Data.db would drop SQLite's own locks. It stays in the folder when released (removing it could
// let two processes lock two different files of one name).
class EventLock
{
public:
    static constexpr const char* FileName = "sortilo.lock";

    enum class Outcome
    {
        Held,       // this object holds the folder
        InUse,      // another window holds it
        Unavailable // no lock can be taken here (a read-only folder without the file, a
                    // file system without locks): nothing to keep apart from
    };

    EventLock() = default;
    ~EventLock();
    EventLock(const EventLock&) = delete;
    EventLock& operator=(const EventLock&) = delete;

    // Takes the folder's lock without waiting; a lock held before is released first.
    // why: on Unavailable, the system's reason.
    Outcome Acquire(const QString& directory, QString* why = nullptr);
    void Release();
    bool IsHeld() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
