// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SqliteFileGuard.h"
#include "data/WinnerStore.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace {

class SqliteFileGuardTest : public ::testing::Test
{
protected:
    RecordingMessageService messages;
    TestDatabase test{TestDatabase::Driver::Sqlite};
    WinnerStore winners{test.db()};

    void SetUp() override
    {
        ASSERT_TRUE(test.ok()) << test.error().toStdString();
        test.Exec(QStringLiteral("insert into person(PersonID, PersonName, Company) values ('A1', "
                                 "'甲', ''), ('B2', '乙', '')"));
        ASSERT_TRUE(winners.InsertWinner({QStringLiteral("A1"), QString(), 1, 1, QString()}));
    }

    bool StoreB2()
    {
        return winners.InsertWinner({QStringLiteral("B2"), QString(), 1, 2, QString()});
    }

    QStringList Leftovers() const { return QDir(test.folder()).entryList(QDir::Files, QDir::Name); }
};

} // namespace

// Another process that believed it was the last connection deleted the log the program writes
// into: a win stored now would vanish with the unlinked file.
TEST_F(SqliteFileGuardTest, ALogDeletedUnderTheConnectionStopsEveryStore)
{
    ASSERT_TRUE(QFile::remove(test.path() + QStringLiteral("-wal")));
    EXPECT_FALSE(StoreB2());
    EXPECT_EQ(test.Count(QStringLiteral("select * from ComePrize")), 1);
    ASSERT_EQ(messages.texts.size(), 0) << "the draw tells the operator of a refused win";
    EXPECT_FALSE(test.db().CheckFileInPlace());
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Data.db-wal 已被删除或替换")))
        << messages.texts[0].toStdString();
    ASSERT_FALSE(test.db().RecoveryPath().isEmpty());
    EXPECT_TRUE(messages.texts[0].contains(QDir::toNativeSeparators(test.db().RecoveryPath())));
    EXPECT_FALSE(StoreB2()) << "refused again";
}

// The idle window's change tokens notice the file taken away before any winner: the copy is
// written and the operator told once, so a kill before the next draw loses nothing either.
TEST_F(SqliteFileGuardTest, TheIdleWindowNoticesAFileTakenAwayOnce)
{
    ASSERT_TRUE(QFile::rename(test.path(), test.path() + QStringLiteral(".moved")));
    test.db().ChangeToken();
    test.db().ChangeToken();
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_FALSE(test.db().RecoveryPath().isEmpty());
    EXPECT_TRUE(QFile::exists(SqliteFileGuard::NotePath(test.path())));
}

// cp other.db Data.db writes over the same inode; the header shows the other, smaller file.
TEST_F(SqliteFileGuardTest, AFileWrittenOverInPlaceIsNoticed)
{
    QFile file(test.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\0'));
    file.close();
    EXPECT_FALSE(test.db().CheckFileInPlace());
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("已被另一个文件覆盖")));
}

// The next start puts the recovery copy in place itself and moves the old file, log and index
// aside together: a leftover log applied to the copy would corrupt it.
TEST_F(SqliteFileGuardTest, TheNextStartTakesTheRecoveryCopyInWithoutTheStaleLog)
{
    ASSERT_TRUE(QFile::rename(test.path(), test.path() + QStringLiteral(".moved")));
    ASSERT_TRUE(QFile::copy(test.path() + QStringLiteral(".moved"), test.path()));
    EXPECT_FALSE(test.db().CheckFileInPlace());
    const QString recovery = test.db().RecoveryPath();
    ASSERT_FALSE(recovery.isEmpty());
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("重新启动")));
    ASSERT_TRUE(QFile::exists(SqliteFileGuard::NotePath(test.path())));
    // Killed: its log stays beside the replaced file.
    QFile stale(test.path() + QStringLiteral("-wal"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stale.write(QByteArray(4096, 'x'));
    stale.close();

    CAdoDatabase next;
    ASSERT_TRUE(next.ConnectDatabase(QString(), test.path())) << next.LastError().toStdString();
    EXPECT_TRUE(messages.texts.last().contains(QStringLiteral("已放回原处")));
    EXPECT_FALSE(QFile::exists(SqliteFileGuard::NotePath(test.path())));
    EXPECT_FALSE(QFile::exists(recovery));
    ASSERT_TRUE(next.OpenQuery(QStringLiteral("pragma integrity_check")));
    EXPECT_EQ(next.GetFieldText(QStringLiteral("integrity_check")), QStringLiteral("ok"));
    EXPECT_EQ(WinnerStore(next).Count(), 1);
    const QStringList aside = Leftovers().filter(QStringLiteral(".replaced-"));
    EXPECT_EQ(aside.size(), 3) << aside.join(u' ').toStdString() << ": the file, its log and index";
}

// A full disk: the copy cannot be written, and no partial copy is left to mislead anyone.
TEST_F(SqliteFileGuardTest, ACopyThatCannotBeWrittenLeavesNoFileBehind)
{
    ASSERT_TRUE(QFile::remove(test.path() + QStringLiteral("-wal")));
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{4096, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const bool stored = test.db().CheckFileInPlace();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(stored);
    EXPECT_TRUE(test.db().RecoveryPath().isEmpty());
    EXPECT_TRUE(Leftovers().filter(QStringLiteral(".recovered-")).isEmpty())
        << Leftovers().join(u' ').toStdString();
    ASSERT_FALSE(messages.texts.isEmpty());
    EXPECT_TRUE(messages.texts.last().contains(QStringLiteral("无法写入")));
}
