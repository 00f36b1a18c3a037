// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EventFolder.h"
#include "data/CAdoDatabase.h"
#include "platform/core/SharedFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// The sources' res/ folder holds what an installed program ships: schema, demo list, skin.
const QString Shared = QStringLiteral(SORTILO_SOURCE_DIR "/res/");

int People(const QString& folder)
{
    CAdoDatabase db;
    if (!db.ConnectDatabase(QString(), folder + QStringLiteral("Data.db"))) {
        return -1;
    }
    db.OpenQuery(QStringLiteral("select count(*) as num from person"));
    return db.GetFieldText(QStringLiteral("num")).toInt();
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(EventFolder, ANewFolderIsSeededAndAUsedOneIsReusedUntouched)
{
    QTemporaryDir root;
    const QString place = root.filePath(QStringLiteral("年会 2027/抽奖 活动"));
    const EventFolder::Result made = EventFolder::Open(place, Shared);
    ASSERT_FALSE(made.directory.isEmpty()) << made.error.toStdString();
    EXPECT_TRUE(made.created);
    EXPECT_EQ(made.directory, place + u'/');
    EXPECT_EQ(People(made.directory), 0); // the schema only: no demo people
    EXPECT_FALSE(QFile::exists(made.directory + QStringLiteral("config.ini")));

    // The event's data and settings survive every later opening.
    {
        CAdoDatabase db;
        ASSERT_TRUE(db.ConnectDatabase(QString(), made.directory + QStringLiteral("Data.db")));
        ASSERT_TRUE(db.OpenQuery(
            QStringLiteral("insert into person(PersonID, PersonName) values('A1', '甲')")));
    }
    ASSERT_TRUE(Write(made.directory + QStringLiteral("config.ini"), "[DEFAULTADDRESS]\n"));
    const EventFolder::Result again = EventFolder::Open(place, Shared, /*demo=*/true);
    EXPECT_EQ(again.directory, made.directory);
    EXPECT_FALSE(again.created);
    EXPECT_EQ(People(again.directory), 1);
    EXPECT_EQ(Read(again.directory + QStringLiteral("config.ini")), "[DEFAULTADDRESS]\n");

    // Started in a folder holding Data.db, the program stays there whatever the default is.
    const EventFolder::Result here = EventFolder::Choose({}, {}, place, Shared);
    EXPECT_EQ(here.directory, made.directory);
    EXPECT_FALSE(here.created);
}

TEST(EventFolder, RefusesAFolderThatLostItsDatabaseAndPlacesItCannotWrite)
{
    QTemporaryDir root;
    const QString place = root.filePath(QStringLiteral("used event"));
    ASSERT_FALSE(EventFolder::Open(place, Shared).directory.isEmpty());
    ASSERT_TRUE(Write(place + QStringLiteral("/config.ini"), "[DEFAULTADDRESS]\n"));
    ASSERT_TRUE(QFile::remove(place + QStringLiteral("/Data.db")));

    const EventFolder::Result lost = EventFolder::Open(place, Shared);
    EXPECT_TRUE(lost.directory.isEmpty());
    EXPECT_TRUE(lost.error.contains(QStringLiteral("Data.db")) && lost.error.contains(place))
        << lost.error.toStdString();
    EXPECT_FALSE(QFile::exists(place + QStringLiteral("/Data.db")));

    // Under a file, or without the shared schema: a message, and nothing left behind.
    ASSERT_TRUE(Write(root.filePath(QStringLiteral("plain file")), "x"));
    const EventFolder::Result underFile =
        EventFolder::Open(root.filePath(QStringLiteral("plain file/event")), Shared);
    EXPECT_TRUE(underFile.directory.isEmpty());
    EXPECT_FALSE(underFile.error.isEmpty());
    const EventFolder::Result noShared =
        EventFolder::Open(root.filePath(QStringLiteral("new")), root.filePath("nowhere"));
    EXPECT_TRUE(noShared.error.contains(QStringLiteral("schema.sql")));
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("new"))));

    // A read-only folder (root may write anywhere, so only an ordinary user can see this).
    if (geteuid() != 0) {
        const QString locked = root.filePath(QStringLiteral("locked"));
        ASSERT_TRUE(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        const EventFolder::Result readOnly = EventFolder::Open(locked, Shared);
        EXPECT_TRUE(readOnly.directory.isEmpty());
        EXPECT_FALSE(readOnly.error.isEmpty());
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(EventFolder, AStationOfASharedDatabaseIsAnEventWithoutDataDb)
{
    // A station pointed at a PostgreSQL server keeps only its config.ini: it runs there, by
    // --event and as the current folder, and no Data.db is made beside it.
    QTemporaryDir station;
    ASSERT_TRUE(Write(station.filePath(QStringLiteral("config.ini")),
                      "[DATABASE]\nDriver=PostgreSQL\nHost=127.0.0.1\nName=gala\nUser=desk\n"));
    EXPECT_EQ(EventFolder::Open(station.path(), Shared).directory, station.path() + u'/');
    EXPECT_EQ(EventFolder::Choose({}, {}, station.path(), Shared).directory, station.path() + u'/');
    EXPECT_FALSE(QFile::exists(station.filePath(QStringLiteral("Data.db"))));
}

TEST(EventFolder, DefaultAndNamedEventsLieInTheDataFolderAndTheDemoHasItsList)
{
    QTemporaryDir data;
    QTemporaryDir elsewhere;
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const QString events = data.path() + QStringLiteral("/Sortilo/events");
    EXPECT_EQ(EventFolder::EventsRoot(), events);
    EXPECT_EQ(EventFolder::EventPath(QStringLiteral("2027")), events + QStringLiteral("/2027"));
    EXPECT_EQ(EventFolder::EventPath(elsewhere.path() + QStringLiteral("/x")),
              elsewhere.path() + QStringLiteral("/x"));

    const EventFolder::Result byDefault = EventFolder::Choose({}, {}, elsewhere.path(), Shared);
    EXPECT_EQ(byDefault.directory, events + QStringLiteral("/default/"));
    EXPECT_TRUE(byDefault.created);
    EXPECT_FALSE(QFile::exists(elsewhere.filePath(QStringLiteral("Data.db"))));
    const EventFolder::Result named =
        EventFolder::Choose(QStringLiteral("2027"), {}, elsewhere.path(), Shared);
    EXPECT_EQ(named.directory, events + QStringLiteral("/2027/"));

    QTemporaryDir demo;
    const EventFolder::Result demoEvent =
        EventFolder::Choose(QStringLiteral("2027"), demo.path(), elsewhere.path(), Shared);
    EXPECT_EQ(demoEvent.directory, demo.path() + u'/');
    EXPECT_GE(People(demoEvent.directory), 60);
    qputenv("XDG_DATA_HOME", oldData);
}

TEST(SharedFiles, TheEventsOwnCopyWinsOverTheProgramsAndInstalledLayoutsAreFound)
{
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    QDir(prefix.path()).mkpath(QStringLiteral("share/sortilo/skin"));
    ASSERT_TRUE(Write(prefix.filePath(QStringLiteral("share/sortilo/skin/skin.ini")), "[Screen]"));
    const QString shared = prefix.path() + QStringLiteral("/share/sortilo/");
    EXPECT_EQ(SharedFiles::FindBeside(prefix.filePath(QStringLiteral("bin"))), shared);
    EXPECT_EQ(SharedFiles::FindBeside(shared), shared); // a build's application folder
    EXPECT_EQ(SharedFiles::FindBeside(prefix.path()), QString());

    QTemporaryDir event;
    const QString eventDir = event.path() + u'/';
    SharedFiles::SetDirectory(shared);
    EXPECT_EQ(SharedFiles::Locate(eventDir, QStringLiteral("skin/skin.ini")),
              shared + QStringLiteral("skin/skin.ini"));
    QDir(event.path()).mkpath(QStringLiteral("skin"));
    ASSERT_TRUE(Write(eventDir + QStringLiteral("skin/skin.ini"), "[Screen]"));
    EXPECT_EQ(SharedFiles::Locate(eventDir, QStringLiteral("skin/skin.ini")),
              eventDir + QStringLiteral("skin/skin.ini"));
    EXPECT_EQ(SharedFiles::Locate(eventDir, QStringLiteral("Sound/none.wav")),
              eventDir + QStringLiteral("Sound/none.wav"));
    SharedFiles::SetDirectory(QString());
}
