// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/EventSettings.h"
#include "data/DatabaseTarget.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Write(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QLatin1String(EventSettings::FileName));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return path;
}

} // namespace

TEST(EventSettings, NoFileGivesTheDefaults)
{
    QTemporaryDir dir;
    const EventSettings s = EventSettings::Read(dir.filePath(QStringLiteral("config.ini")));
    EXPECT_EQ(s.company, QStringLiteral("Vantor软件开发实验室"));
    EXPECT_EQ(s.theme, QStringLiteral("喜迎新春抽奖活动"));
    EXPECT_EQ(s.music1, QStringLiteral("Sound/sound1.wav"));
    EXPECT_EQ(s.music2, QStringLiteral("Sound/sound2.wav"));
    EXPECT_EQ(s.bMusic1, 1);
    EXPECT_EQ(s.bMusic2, 0);
    EXPECT_EQ(s.autoStop, 0);
    EXPECT_EQ(s.halfRangeRule, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("config.ini"))))
        << "reading creates nothing";
}

TEST(EventSettings, LongTextsAreCutTo255GbkBytesBetweenCharacters)
{
    QTemporaryDir dir;
    const QString chinese = QString(150, QChar(0x6211)); // 300 GBK bytes
    const QString ascii = QString(300, QLatin1Char('x'));
    const QString path =
        Write(dir, "[DEFAULTADDRESS]\ncompany=" + chinese.toUtf8() + "\ntheme=" + ascii.toUtf8() +
                       "\nMUSIC1=a" + chinese.toUtf8() + "\n");
    const EventSettings s = EventSettings::Read(path);
    EXPECT_EQ(s.company, chinese.left(127)) << "254 bytes: the 128th character would split";
    EXPECT_EQ(s.theme, ascii.left(255));
    EXPECT_EQ(s.music1, QLatin1Char('a') + chinese.left(127));
}

TEST(EventSettings, FilesFromTheWindowsVersionRead)
{
    QTemporaryDir dir;
    // GBK text, CRLF line ends, Windows path, odd spacing and key case.
    const QString path = Write(dir, "[defaultaddress]\r\n"
                                    "Company = \xB3\xE9\xBD\xB1\xB9\xAB\xCB\xBE \r\n"
                                    "MUSIC1=Sound\\party.wav\r\n"
                                    "bmusic1=0\r\nBMUSIC2=1\r\nAUTOSTOP=yes\r\n");
    const EventSettings s = EventSettings::Read(path);
    EXPECT_EQ(s.company, QStringLiteral("抽奖公司"));
    EXPECT_EQ(s.theme, QStringLiteral("喜迎新春抽奖活动"));
    EXPECT_EQ(s.bMusic1, 0);
    EXPECT_EQ(s.bMusic2, 1);
    EXPECT_EQ(s.autoStop, 0);
    EXPECT_EQ(EventSettings::ResolvePath(QStringLiteral("/app/"), s.music1),
              QStringLiteral("/app/Sound/party.wav"));
    EXPECT_EQ(EventSettings::ResolvePath(QStringLiteral("/app/"), QStringLiteral("/abs/x.wav")),
              QStringLiteral("/abs/x.wav"));
}

TEST(EventSettings, FilesSavedByAWindowsEditorRead)
{
    QTemporaryDir dir;
    // Saved as "Unicode" (UTF-16 with its mark) or UTF-8 with a mark, with the sound switched on
    // by an empty number.
    const QString text = QStringLiteral("[DEFAULTADDRESS]\r\ncompany=抽奖公司\r\nBMUSIC1=\r\n"
                                        "BMUSIC2=\r\nAUTOSTOP=1\r\n");
    for (auto encoding :
         {QStringConverter::Utf16LE, QStringConverter::Utf16BE, QStringConverter::Utf8}) {
        QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
        const EventSettings s = EventSettings::Read(Write(dir, encoder.encode(text)));
        EXPECT_EQ(s.company, QStringLiteral("抽奖公司"));
        EXPECT_EQ(s.bMusic1, 1);
        EXPECT_EQ(s.bMusic2, 0);
        EXPECT_EQ(s.autoStop, 1);
    }
}

TEST(EventSettings, WritesKeysInOrderAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    EventSettings s;
    s.company = QStringLiteral("星辰科技");
    s.theme = QStringLiteral("十周年庆典");
    s.autoStop = 1;
    s.halfRangeRule = 0;
    ASSERT_TRUE(s.Write(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QStringList keys;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        keys << line.section(u'=', 0, 0).trimmed();
    }
    EXPECT_EQ(keys, (QStringList{QStringLiteral("[DEFAULTADDRESS]"), QStringLiteral("company"),
                                 QStringLiteral("theme"), QStringLiteral("BMUSIC1"),
                                 QStringLiteral("BMUSIC2"), QStringLiteral("AUTOSTOP"),
                                 QStringLiteral("MUSIC1"), QStringLiteral("MUSIC2"),
                                 QStringLiteral("[DRAWRULES]"), QStringLiteral("HALFRANGE")}));
    EXPECT_TRUE(text.contains(QStringLiteral("AUTOSTOP=1")));
    const EventSettings back = EventSettings::Read(path);
    EXPECT_EQ(back.company, s.company);
    EXPECT_EQ(back.theme, s.theme);
    EXPECT_EQ(back.autoStop, 1);
    EXPECT_EQ(back.halfRangeRule, 0);
}

TEST(EventSettings, FailedWritesAreReported)
{
    QTemporaryDir dir;
    QString error;
    EventSettings s;
    EXPECT_FALSE(s.Write(dir.filePath(QStringLiteral("missing/config.ini")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(
        WriteSkinsType(dir.filePath(QStringLiteral("missing/")), QStringLiteral("AUTO"), &error));

    ASSERT_TRUE(WriteSkinsType(dir.path() + QLatin1Char('/'), QStringLiteral("AUTO")));
    ASSERT_TRUE(WriteSkinsType(dir.path() + QLatin1Char('/'), QStringLiteral("index")));
    QFile file(dir.filePath(QStringLiteral("skin.ini")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("[SKINSTYPE]"));
    EXPECT_TRUE(bytes.contains("AUTO=1"));
    EXPECT_TRUE(bytes.contains("index=1"));
}

TEST(EventSettings, TheDatabaseSectionNamesTheServerAndSurvivesSettingsWrites)
{
    QTemporaryDir dir;
    const QString sqlite = dir.filePath(QStringLiteral("Data.db"));
    const auto target = [&](const QByteArray& text, QString* error = nullptr) {
        return DatabaseTarget::FromConfig(Write(dir, text), sqlite, error);
    };
    EXPECT_EQ(target("[DEFAULTADDRESS]\ntheme=x\n")->path, sqlite) << "no section: the file";
    EXPECT_EQ(target("[database]\ndriver=sqlite\n")->driver, DatabaseTarget::Driver::Sqlite);

    const std::optional<DatabaseTarget> server =
        target("[DATABASE]\nDriver=PostgreSQL\nHost=hall.local\nPort=5433\nName=gala\nUser=desk\n"
               "Password=secret\n");
    ASSERT_TRUE(server.has_value());
    EXPECT_EQ(server->driver, DatabaseTarget::Driver::PostgreSql);
    EXPECT_EQ(server->host, QStringLiteral("hall.local"));
    EXPECT_EQ(server->port, 5433);
    EXPECT_EQ(server->name, QStringLiteral("gala"));
    EXPECT_EQ(server->user, QStringLiteral("desk"));
    EXPECT_TRUE(server->password.isEmpty()) << "a password in the file is never used";
    EXPECT_EQ(target("[DATABASE]\nDriver=PostgreSQL\nService=gala\n")->service,
              QStringLiteral("gala"));

    QString error;
    for (const QByteArray& bad :
         {QByteArray("[DATABASE]\nDriver=Oracle\n"),
          QByteArray("[DATABASE]\nDriver=PostgreSQL\nName=gala\nPort=http\n"),
          QByteArray("[DATABASE]\nDriver=PostgreSQL\nService=gala host=evil\n"),
          QByteArray("[DATABASE]\nDriver=PostgreSQL\nHost=hall.local\n")}) {
        error.clear();
        EXPECT_FALSE(target(bad, &error).has_value()) << bad.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }

    // The basic settings write their own section only.
    const QString path = Write(dir, "[DATABASE]\nDriver=PostgreSQL\nService=gala\n");
    EventSettings settings;
    settings.theme = QStringLiteral("年会");
    ASSERT_TRUE(settings.Write(path));
    EXPECT_EQ(DatabaseTarget::FromConfig(path, sqlite)->service, QStringLiteral("gala"));
    EXPECT_EQ(EventSettings::Read(path).theme, QStringLiteral("年会"));
}
