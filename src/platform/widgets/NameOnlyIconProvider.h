// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractFileIconProvider>

// Icons and type names for a file dialog's list taken from the file names alone.
//
// Qt's own provider asks the MIME database for every file it lists, and for a file whose name
// does not decide its type (Data.db-wal, Data.db-shm, a recovery copy) the database opens the
// file and reads its first bytes. SQLite keeps its locks as POSIX advisory locks, and closing any
// descriptor of a file drops all of the process's locks on it: a dialog that merely lists an
// event folder would silently take the locks away from the program's own connection. This
// provider never opens, reads or maps a file.
class NameOnlyIconProvider final : public QAbstractFileIconProvider
{
public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};
