// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The files the program must never open itself: every SQLite database it has connected to, with
// its write-ahead log, shared-memory index and rollback journal. SQLite keeps its locks as POSIX
// advisory locks, and closing any descriptor of a file drops all of the process's locks on it,
// whoever opened it; without them another process that closes the database deletes the log this
// one still writes into. Whatever opens a file the operator or a skin names (a workbook, a
// picture, a wave file, an export's target) asks here first. Asking never opens the file.
// Safe on any thread.
namespace ProtectedFiles {

// A connection to the database at path was opened (counted: a second connection adds again).
void Protect(const QString& databasePath);
// One connection to it closed.
void Release(const QString& databasePath);
// Whether path names one of the protected files: the same file by device and inode (also
// through a link), or the same absolute name when it does not exist yet.
bool Covers(const QString& path);

} // namespace ProtectedFiles
