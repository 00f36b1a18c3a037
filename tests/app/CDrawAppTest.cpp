// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CDrawApp.h"
#include "data/DatabaseCreator.h"
#include "platform/core/StringTable.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Runs the application from folder as its current directory.
class InFolder
{
public:
    explicit InFolder(const QString& folder) : m_old(QDir::currentPath())
    {
        QDir::setCurrent(folder);
    }
    ~InFolder() { QDir::setCurrent(m_old); }

private:
    QString m_old;
};

} // namespace

TEST(CDrawApp, WithoutADatabaseItExitsWithCodeOneAndNeverOpensTheWindow)
{
    RecordingMessageService messages;
    QTemporaryDir dir;
    InFolder folder(dir.path());
    bool windowRan = false;
    CDrawApp app([&](CDrawApp&) { windowRan = true; });
    EXPECT_EQ(app.Run(QStringLiteral("zh_CN.UTF-8")), 1);
    EXPECT_FALSE(windowRan);
    ASSERT_EQ(messages.texts.size(), 2) << "the layer's cause, then the application's box";
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Data.db")));
    EXPECT_EQ(messages.texts[1], QStringLiteral("连接数据库失败"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Data.db"))));
}

TEST(CDrawApp, AServerThatCannotBeUsedEndsTheProgramLikeAMissingFile)
{
    RecordingMessageService messages;
    QTemporaryDir dir;
    InFolder folder(dir.path());
    bool windowRan = false;
    CDrawApp app([&](CDrawApp&) { windowRan = true; });
    const auto runWith = [&](const QByteArray& section) {
        messages.texts.clear();
        QFile config(dir.filePath(QStringLiteral("config.ini")));
        config.open(QIODevice::WriteOnly | QIODevice::Truncate);
        config.write("[DEFAULTADDRESS]\ntheme=x\n[DATABASE]\n" + section);
        config.close();
        return app.Run(QStringLiteral("zh_CN.UTF-8"));
    };
    // Nothing listens on port 1 of this machine: refused at once.
    EXPECT_EQ(runWith("Driver=PostgreSQL\nHost=127.0.0.1\nPort=1\nName=event\nUser=desk\n"), 1);
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("127.0.0.1"))) << "the layer's cause";
    EXPECT_EQ(messages.texts[1], QStringLiteral("连接数据库失败"));

    EXPECT_EQ(runWith("Driver=Access\n"), 1);
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Access")));
    EXPECT_EQ(runWith("Driver=PostgreSQL\nHost=db\n"), 1) << "neither a database nor a service";
    EXPECT_FALSE(windowRan);
}

TEST(CDrawApp, AnUnreadableSettingsFileAsksBeforeTheStationGoesOnWithItsOwnFile)
{
    RecordingMessageService messages;
    QTemporaryDir dir;
    InFolder folder(dir.path());
    bool windowRan = false;
    CDrawApp app([&](CDrawApp&) { windowRan = true; });
    const auto runWith = [&](const QByteArray& config, MessageService::Answer answer) {
        messages.texts.clear();
        messages.answer = answer;
        windowRan = false;
        QFile file(dir.filePath(QStringLiteral("config.ini")));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(config);
        file.close();
        return app.Run(QStringLiteral("zh_CN.UTF-8"));
    };
    const QByteArray tooLarge = "[DEFAULTADDRESS]\n" + QByteArray(1100 * 1024, ';') + "\n";

    // Without a database of its own nothing is asked: the station cannot go on.
    EXPECT_EQ(runWith(tooLarge, MessageService::Answer::Yes), 1);
    EXPECT_TRUE(messages.texts.value(0).contains(QStringLiteral("config.ini")));
    ASSERT_TRUE(DatabaseCreator::CreateSqlite(dir.filePath(QStringLiteral("Data.db")),
                                              {TestDatabase::SchemaFile()}));

    EXPECT_EQ(runWith(tooLarge, MessageService::Answer::No), 1);
    EXPECT_FALSE(windowRan);
    ASSERT_EQ(messages.texts.size(), 1) << "one question, nothing after No";
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("超过上限")));
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Data.db")));
    EXPECT_EQ(runWith(QByteArray("\0\x01\x02[DEFAULTADDRESS]", 19), MessageService::Answer::Yes),
              0);
    EXPECT_TRUE(windowRan) << "a binary file: asked, and Yes goes on with Data.db";
    EXPECT_EQ(messages.texts.size(), 1);

    // A server section still seen in the file is never given up for the local file.
    EXPECT_EQ(runWith(tooLarge + "[Database]\nDriver=PostgreSQL\nService=gala\n",
                      MessageService::Answer::Yes),
              1);
    EXPECT_FALSE(windowRan);
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("[DATABASE]")));

    // A file that was read with lines left out goes on and says so.
    EXPECT_EQ(runWith("[DEFAULTADDRESS]\ntheme=" + QByteArray(5000, 'x') + "\n",
                      MessageService::Answer::No),
              0);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("4096")));
}

TEST(CDrawApp, ADatabaseWithoutTheTablesIsRefusedBeforeAnyChange)
{
    RecordingMessageService messages;
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("Data.db"))).open(QIODevice::WriteOnly);
    InFolder folder(dir.path());
    bool windowRan = false;
    CDrawApp app([&](CDrawApp&) { windowRan = true; });
    EXPECT_EQ(app.Run(QStringLiteral("zh_CN.UTF-8")), 1);
    EXPECT_FALSE(windowRan);
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_EQ(messages.texts[1], QStringLiteral("连接数据库失败"));
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("Data.db"))).size(), 0);
    // Only the window's lock file is new.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("Data.db"), QLatin1String(EventLock::FileName)}));
}

TEST(CDrawApp, OpensTheDatabaseOfTheCurrentFolderAndRunsTheWindow)
{
    RecordingMessageService messages;
    QTemporaryDir dir;
    ASSERT_TRUE(
        DatabaseCreator::CreateSqlite(dir.filePath(QStringLiteral("Data.db")),
                                      {TestDatabase::SchemaFile(), TestDatabase::DemoFile()}));
    InFolder folder(dir.path());
    QString seenFolder;
    QString seenCount;
    CDrawApp app([&](CDrawApp& self) {
        EXPECT_EQ(CDrawApp::Instance(), &self);
        seenFolder = self.AppDirectory;
        self.Database().OpenQuery(QStringLiteral("select count(*) as num from person"));
        seenCount = self.Database().GetFieldText(QStringLiteral("num"));
    });
    EXPECT_EQ(app.Run(QStringLiteral("en_US.UTF-8")), 0);
    EXPECT_EQ(seenFolder, QDir::currentPath() + QLatin1Char('/'));
    EXPECT_GE(seenCount.toInt(), 60);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST(CDrawApp, OneWindowAnEventFolderWhileTheCommandsRunBesideIt)
{
    RecordingMessageService messages;
    QTemporaryDir dir;
    ASSERT_TRUE(DatabaseCreator::CreateSqlite(dir.filePath(QStringLiteral("Data.db")),
                                              {TestDatabase::SchemaFile()}));
    // The real program's window on the folder, offscreen.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("xdg")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("xdg")));
    const auto start = [&](QProcess& program, const QStringList& arguments) {
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(SORTILO_PROGRAM), arguments);
    };
    QProcess window;
    start(window, {QStringLiteral("--event"), dir.path()});
    // Its connection makes the write-ahead log, after the folder was locked.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QFile::exists(dir.filePath(QStringLiteral("Data.db-wal"))); }, 30000))
        << window.readAllStandardError().toStdString();

    InFolder folder(dir.path());
    bool windowRan = false;
    {
        CDrawApp second([&](CDrawApp&) { windowRan = true; });
        EXPECT_EQ(second.Run(QStringLiteral("zh_CN.UTF-8")), 1);
    }
    EXPECT_FALSE(windowRan);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(dir.path())) << messages.texts[0].toStdString();
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("只能运行一个抽奖窗口")));

    QProcess job;
    start(job, {QStringLiteral("export-winners"), dir.filePath(QStringLiteral("w.xlsx"))});
    ASSERT_TRUE(job.waitForFinished(60000));
    EXPECT_EQ(job.exitCode(), 0) << job.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("w.xlsx"))));

    // A window that was killed holds nothing: the kernel drops its lock.
    EXPECT_EQ(window.state(), QProcess::Running);
    window.kill(); // SIGKILL
    ASSERT_TRUE(window.waitForFinished(10000));
    CDrawApp next([&](CDrawApp&) { windowRan = true; });
    EXPECT_EQ(next.Run(QStringLiteral("zh_CN.UTF-8")), 0);
    EXPECT_TRUE(windowRan);
}

TEST(CDrawApp, TheDatabaseSectionPointsTheStationAtAServer)
{
    SORTILO_SKIP_UNLESS_AVAILABLE(TestDatabase::Driver::PostgreSql);
    RecordingMessageService messages;
    TestDatabase shared(TestDatabase::Driver::PostgreSql, true);
    ASSERT_TRUE(shared.ok()) << shared.error().toStdString();
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("config.ini")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    const DatabaseTarget& target = shared.target();
    config.write(
        QStringLiteral("[DATABASE]\nDriver=PostgreSQL\nHost=%1\nPort=%2\nName=%3\nUser=%4\n")
            .arg(target.host)
            .arg(target.port)
            .arg(target.name, target.user)
            .toUtf8());
    config.close();
    InFolder folder(dir.path());
    QString seenCount;
    CDrawApp app([&](CDrawApp& self) {
        EXPECT_EQ(self.Database().Target().driver, DatabaseTarget::Driver::PostgreSql);
        self.Database().OpenQuery(QStringLiteral("select count(*) as num from person"));
        seenCount = self.Database().GetFieldText(QStringLiteral("num"));
    });
    EXPECT_EQ(app.Run(QStringLiteral("zh_CN.UTF-8")), 0);
    EXPECT_GE(seenCount.toInt(), 60);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Data.db"))));
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST(CDrawApp, TheLocaleChoosesTheLanguageOfEveryTextWhenItsModuleIsThere)
{
    RecordingMessageService messages;
    QTemporaryDir dir;
    ASSERT_TRUE(DatabaseCreator::CreateSqlite(dir.filePath(QStringLiteral("Data.db")),
                                              {TestDatabase::SchemaFile()}));
    for (const char* module : {SORTILO_TEST_BIGRES, SORTILO_TEST_ENRES}) {
        ASSERT_TRUE(QFile::copy(QLatin1String(module),
                                dir.filePath(QFileInfo(QLatin1String(module)).fileName())));
    }
    InFolder folder(dir.path());
    // Qt's own buttons speak the program's language too.
    const auto saveButton = [] {
        return QDialogButtonBox(QDialogButtonBox::Save).button(QDialogButtonBox::Save)->text();
    };
    ASSERT_TRUE(QFile::exists(
        ResourceModule::QtTranslationFile(ResourceModule::Language::SimplifiedChinese)))
        << "scripts/bootstrap installs qt6-translations-l10n";
    struct
    {
        const char* locale;
        bool module;
        const char* caption;
        const char* save;
    } const cases[] = {
        {"zh_TW.UTF-8", true, "抽獎程式", "儲存"},
        {"en_US.UTF-8", true, "Prize Draw", "Save"},
        {"zh_CN.UTF-8", false, "抽獎程序", "保存"},
    };
    for (const auto& expected : cases) {
        QString caption;
        QString save;
        CDrawApp app([&](CDrawApp& self) {
            EXPECT_EQ(self.HasResourceModule(), expected.module) << expected.locale;
            caption = StringTable::Load(110);
            save = saveButton();
        });
        EXPECT_EQ(app.Run(QLatin1String(expected.locale)), 0);
        EXPECT_EQ(caption, QString::fromUtf8(expected.caption)) << expected.locale;
        EXPECT_TRUE(save.startsWith(QString::fromUtf8(expected.save))) << save.toStdString();
    }
    EXPECT_EQ(saveButton(), QStringLiteral("Save")) << "the translation leaves with the program";
}
