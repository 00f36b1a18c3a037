// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct sqlite3;

// Watches the files of one SQLite connection for being taken away while the program runs: the
// database file deleted, renamed over or overwritten in place, or its write-ahead log or
// shared-memory index deleted or replaced (as another process does when the program's locks
// were lost). Anything stored after that would vanish with the unlinked files, so the
// connection must store nothing more; the guard then writes everything the connection still
// sees to a recovery copy beside the file and leaves a note, so that the next start puts the
// copy in place itself (AdoptRecoveryCopy) instead of the operator, who could not know which
// of the leftover files belong to which database.
//
// It reads the files' identities with stat() and the database header through SQLite's own file
// handle: it never opens a file of the database itself.
class SqliteFileGuard
{
public:
    // The connection handle opened path and is in write-ahead-log mode (its log and index
    // exist); their identities are taken now.
    void Opened(const QString& path, sqlite3* handle);
    void Closed();

    // Whether the connection's files are still in place. Otherwise the recovery copy is written
    // (once), the operator is told through the message service what happened and what to do
    // (unless tell is false: the caller tells), and false is returned.
    bool CheckInPlace(bool tell = true);
    // The recovery copy, empty while none was needed.
    QString RecoveryPath() const { return m_recoveryPath; }
    // A description of the last failed check, for the caller's error text.
    QString LastError() const { return m_lastError; }

    // Before the database at path is opened: when a guard left a note that a recovery copy is to
    // take its place, moves the database and its leftover log and index aside (".replaced-"
    // names), renames the copy to path and removes the note. A notice for the operator is
    // returned (empty when nothing was to do); false when the copy could not be put in place.
    static bool AdoptRecoveryCopy(const QString& path, QString* notice);
    // The note's file name beside the database.
    static QString NotePath(const QString& path);

private:
    struct Identity
    {
        quint64 device = 0;
        quint64 inode = 0;
        bool known = false;
    };
    static Identity IdentityOf(const QString& path);
    // What changed, or empty while everything is in place.
    QString WhatChanged();
    // The database header as read through SQLite's file handle; false when it cannot be read.
    bool ReadHeader(quint32* changeCounter, quint32* pageCount) const;
    bool WriteRecoveryCopy(QString* error);

    QString m_path;
    sqlite3* m_handle = nullptr;
    Identity m_database;
    Identity m_log;
    Identity m_index;
    quint32 m_changeCounter = 0;
    quint32 m_pageCount = 0;
    bool m_headerKnown = false;
    QString m_recoveryPath;
    QString m_lastError;
};
