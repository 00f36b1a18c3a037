// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ProtectedFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The database and its companions are protected under every name that reaches them, also
// before the log exists, and only while a connection is open.
TEST(ProtectedFiles, CoverTheDatabaseAndItsCompanionsUnderAnyName)
{
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("Data.db"));
    QFile(database).open(QIODevice::WriteOnly);
    QFile::link(database, dir.filePath(QStringLiteral("shortcut.xlsx")));
    ASSERT_TRUE(QFile::copy(database, dir.filePath(QStringLiteral("copy.db"))));

    EXPECT_FALSE(ProtectedFiles::Covers(database));
    ProtectedFiles::Protect(database);
    ProtectedFiles::Protect(database); // a second connection
    EXPECT_TRUE(ProtectedFiles::Covers(database));
    EXPECT_TRUE(ProtectedFiles::Covers(dir.filePath(QStringLiteral("./Data.db-wal"))));
    EXPECT_TRUE(ProtectedFiles::Covers(dir.filePath(QStringLiteral("shortcut.xlsx"))));
    EXPECT_FALSE(ProtectedFiles::Covers(dir.filePath(QStringLiteral("copy.db"))));
    EXPECT_FALSE(ProtectedFiles::Covers(dir.filePath(QStringLiteral("Data.db.recovered-1"))));

    ProtectedFiles::Release(database);
    EXPECT_TRUE(ProtectedFiles::Covers(database)) << "the other connection is still open";
    ProtectedFiles::Release(database);
    EXPECT_FALSE(ProtectedFiles::Covers(database));
}
