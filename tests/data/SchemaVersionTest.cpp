// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SchemaVersion.h"
#include "data/CAdoDatabase.h"
#include "data/DatabaseCreator.h"
#include "data/PrizeStore.h"
#include "support/RecordingMessageService.h"
#include "data/SqlStatements.h"
#include "support/TestDatabase.h"
#include "data/VersionOneSchema.h"
#include "data/WinnerStore.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/fsuid.h>
#include <thread>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

// Runs statements on a file directly, past the layer's checks.
void Raw(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

int UserVersion(CAdoDatabase& db)
{
    return db.OpenQuery(QStringLiteral("PRAGMA user_version"))
               ? db.GetFieldText(QStringLiteral("user_version")).toInt()
               : -1;
}

QString Win(const QString& id)
{
    return QStringLiteral("insert into ComePrize(PersonID,sDateTime,step,sNo,JP) "
                          "values('%1','2026-12-07 20:00:00',1,1,'一等奖')")
        .arg(id);
}

} // namespace

class SchemaVersionTest : public ::testing::Test
{
protected:
    RecordingMessageService messages;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Data.db"));

    // Data.db as the builds before database versions made it: the tables of version 1 with a
    // plain index on the winners' participant numbers, and no version.
    void MakeVersionZero()
    {
        QString error;
        ASSERT_TRUE(DatabaseCreator::CreateSqlite(
            path, {TestDatabase::SchemaFile(), TestDatabase::DemoFile()}, &error))
            << error.toStdString();
        Raw(path, VersionOneStatements() +
                      QStringList{
                          QStringLiteral("drop index ComePrize_PersonID"),
                          QStringLiteral("create index ComePrize_PersonID on ComePrize (PersonID)"),
                          QStringLiteral("pragma user_version = 0")});
    }
};

TEST_F(SchemaVersionTest, FilesThatAreNotOursOrTooNewAreRefusedUntouched)
{
    const QString empty = dir.filePath(QStringLiteral("empty.db"));
    QFile(empty).open(QIODevice::WriteOnly);
    const QString foreign = dir.filePath(QStringLiteral("foreign.db"));
    Raw(foreign,
        {QStringLiteral("create table person(a)"), QStringLiteral("insert into person values(1)")});
    const QString newer = dir.filePath(QStringLiteral("newer.db"));
    ASSERT_TRUE(DatabaseCreator::CreateSqlite(newer, {TestDatabase::SchemaFile()}));
    Raw(newer, {QStringLiteral("pragma journal_mode=delete"),
                QStringLiteral("pragma user_version=%1").arg(SchemaVersion::Current + 1)});

    for (const QString& file : {empty, foreign, newer}) {
        messages.texts.clear();
        const QByteArray before = Contents(file);
        CAdoDatabase db;
        EXPECT_FALSE(db.ConnectDatabase(QString(), file)) << file.toStdString();
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_TRUE(messages.texts[0].contains(file)) << messages.texts[0].toStdString();
        EXPECT_TRUE(messages.texts[0].contains(file == newer ? QStringLiteral("newer")
                                                             : QStringLiteral("hadPrizeView")))
            << messages.texts[0].toStdString();
        EXPECT_EQ(Contents(file), before) << "byte for byte";
        EXPECT_FALSE(QFile::exists(file + QStringLiteral("-wal"))) << "not switched to WAL";
    }
}

TEST_F(SchemaVersionTest, TodaysFilesAreUpgradedWithTheirData)
{
    MakeVersionZero();
    Raw(path, {Win(QStringLiteral("A001"))});
    {
        CAdoDatabase db;
        ASSERT_TRUE(db.ConnectDatabase(QString(), path));
        EXPECT_EQ(UserVersion(db), SchemaVersion::Current);
        ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::CountWinners)));
        EXPECT_EQ(db.GetFieldText(QStringLiteral("num")), QStringLiteral("1"));
        ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::CountPersons)));
        EXPECT_GE(db.GetFieldText(QStringLiteral("num")).toInt(), 60);
        EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
        PrizeStore::RoundSizes eights;
        eights.fill(PrizeStore::DefaultRoundSize);
        EXPECT_EQ(PrizeStore(db).ReadRoundSizes(), eights) << "every level's round as before";

        // The database itself now refuses a second win, whatever the case of the number.
        EXPECT_FALSE(db.OpenQuery(Win(QStringLiteral("a001"))));
        EXPECT_EQ(messages.texts.size(), 1);
    }
    // New files are made at the current version and behave the same.
    TestDatabase fresh;
    ASSERT_TRUE(fresh.ok());
    EXPECT_EQ(UserVersion(fresh.db()), SchemaVersion::Current);
    fresh.Exec(Win(QStringLiteral("B1")));
    EXPECT_FALSE(fresh.db().OpenQuery(Win(QStringLiteral("b1"))));
}

TEST_F(SchemaVersionTest, AFailedUpgradeChangesNothing)
{
    MakeVersionZero();
    // A table in the way of the new index makes the upgrade fail.
    Raw(path, {Win(QStringLiteral("A001")), QStringLiteral("drop index ComePrize_PersonID"),
               QStringLiteral("create table ComePrize_PersonID (x)")});
    CAdoDatabase db;
    EXPECT_FALSE(db.ConnectDatabase(QString(), path));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("upgrade")))
        << messages.texts[0].toStdString();
    QSqlDatabase raw =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
    {
        raw.setDatabaseName(path);
        ASSERT_TRUE(raw.open());
        QSqlQuery query(raw);
        ASSERT_TRUE(query.exec(QStringLiteral("pragma user_version")) && query.next());
        EXPECT_EQ(query.value(0).toInt(), 0);
        ASSERT_TRUE(query.exec(QStringLiteral("select count(*) from ComePrize")) && query.next());
        EXPECT_EQ(query.value(0).toInt(), 1);
    }
    raw = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}

TEST_F(SchemaVersionTest, ADoubleAwardKeepsWorkingAndIsReportedOnce)
{
    MakeVersionZero();
    Raw(path,
        {Win(QStringLiteral("A001")), Win(QStringLiteral("a001")), Win(QStringLiteral("1002"))});
    {
        CAdoDatabase db;
        ASSERT_TRUE(db.ConnectDatabase(QString(), path));
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("A001"), Qt::CaseInsensitive))
            << messages.texts[0].toStdString();
        EXPECT_FALSE(messages.texts[0].contains(QStringLiteral("1002")));
        EXPECT_EQ(UserVersion(db), SchemaVersion::Current);
        ASSERT_TRUE(db.OpenQuery(QLatin1String(SqlStatements::CountWinners)));
        EXPECT_EQ(db.GetFieldText(QStringLiteral("num")), QStringLiteral("3")) << "all wins kept";
        EXPECT_TRUE(db.OpenQuery(Win(QStringLiteral("1003"))));
    }
    CAdoDatabase again;
    ASSERT_TRUE(again.ConnectDatabase(QString(), path));
    EXPECT_EQ(messages.texts.size(), 1) << "said once";
    // Once the record is cleared the database refuses a second win by itself again.
    ASSERT_TRUE(WinnerStore(again).DeleteAll());
    EXPECT_TRUE(again.OpenQuery(Win(QStringLiteral("A001"))));
    EXPECT_FALSE(again.OpenQuery(Win(QStringLiteral("a001"))));
}

// As root the file permissions do not stop writes; a thread whose file-system user and group
// are not root's meets them as the operator would.
TEST_F(SchemaVersionTest, AReadOnlyFileOrFolderIsRefusedPlainly)
{
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                     QFile::WriteOther | QFile::ExeOther;
    const auto readOnly = QFile::ReadOwner | QFile::ReadOther | QFile::ExeOwner | QFile::ExeOther;
    const auto noExe = ~(QFile::ExeOwner | QFile::ExeOther);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), all));
    int made = 0;
    for (const auto& [folderMode, fileMode] :
         {std::pair{all, readOnly}, std::pair{readOnly, all}}) {
        messages.texts.clear();
        const QString folder = dir.filePath(QString::number(++made));
        const QString file = folder + QStringLiteral("/Data.db");
        ASSERT_TRUE(QDir().mkdir(folder));
        ASSERT_TRUE(DatabaseCreator::CreateSqlite(file, {TestDatabase::SchemaFile()}));
        ASSERT_TRUE(QFile::setPermissions(folder, folderMode));
        ASSERT_TRUE(QFile::setPermissions(file, fileMode & noExe));
        const QByteArray before = Contents(file);
        bool connected = true;
        std::thread([&] {
            setfsgid(65534);
            setfsuid(65534);
            CAdoDatabase db;
            connected = db.ConnectDatabase(QString(), file);
        }).join();
        QFile::setPermissions(folder, all);
        EXPECT_FALSE(connected) << made;
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("can only be read")))
            << messages.texts[0].toStdString();
        EXPECT_EQ(Contents(file), before);
    }
}
