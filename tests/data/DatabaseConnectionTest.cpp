// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CAdoDatabase.h"
#include "support/RecordingMessageService.h"
#include "data/SqlStatements.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Opening a database through the layer: what is refused, and how the connection is set up.
TEST(CAdoDatabaseConnect, MissingFileFailsClearlyAndIsNotCreated)
{
    RecordingMessageService messages;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.db"));
    CAdoDatabase db;
    EXPECT_FALSE(db.ConnectDatabase(QString(), path));
    EXPECT_FALSE(db.IsConnected());
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(path)) << messages.texts[0].toStdString();

    // Statements on a failed connection fail with a message, never crash.
    EXPECT_FALSE(db.OpenQuery(QStringLiteral("select 1")));
    EXPECT_TRUE(db.IsEOF());
    EXPECT_EQ(db.GetFieldText(QStringLiteral("x")), QString());
}

TEST(CAdoDatabaseConnect, FilesThatAreNotDatabasesAreRefused)
{
    RecordingMessageService messages;
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("Data.db"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5a'));
    file.close();
    CAdoDatabase db;
    EXPECT_FALSE(db.ConnectDatabase(QString(), garbage));
    EXPECT_EQ(messages.texts.size(), 1);

    CAdoDatabase folder;
    EXPECT_FALSE(folder.ConnectDatabase(QString(), dir.path()));
}

TEST(CAdoDatabaseConnect, CommitsAreDurableAndSecondConnectionsSeeThem)
{
    RecordingMessageService messages;
    TestDatabase test;
    CAdoDatabase main;
    ASSERT_TRUE(main.ConnectDatabase(QString(), test.path()));
    ASSERT_TRUE(main.OpenQuery(QStringLiteral("PRAGMA journal_mode")));
    EXPECT_EQ(main.GetFieldText(QStringLiteral("journal_mode")), QStringLiteral("wal"));
    ASSERT_TRUE(main.OpenQuery(QStringLiteral("PRAGMA synchronous")));
    EXPECT_EQ(main.GetFieldText(QStringLiteral("synchronous")), QStringLiteral("2")) << "FULL";

    CAdoDatabase worker;
    ASSERT_TRUE(worker.ConnectDatabase(main.Target()));
    ASSERT_TRUE(worker.OpenQuery(QLatin1String(SqlStatements::InsertPerson),
                                 {QStringLiteral("W1"), QStringLiteral("工人"), QString()}));
    ASSERT_TRUE(
        main.OpenQuery(QLatin1String(SqlStatements::SelectPersonById), {QStringLiteral("w1")}));
    EXPECT_EQ(main.GetFieldText(QStringLiteral("PersonName")), QStringLiteral("工人"));
    EXPECT_TRUE(messages.texts.isEmpty());
}
