// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString WriteFile(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("t.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

TEST(IniFile, ReadsLikeTheProfileFunctions)
{
    IniFile ini;
    ini.LoadText(QStringLiteral("; a comment\n"
                                "[Screen]\n"
                                "  Main =  main.bmp  \n"
                                "; Mask=ignored.bmp\n"
                                "Quoted=\"  spaced  \"\n"
                                "[other]\n"
                                "z=1\n"
                                "a=2\n"
                                "m=3\n"));
    EXPECT_EQ(ini.GetString(QStringLiteral("SCREEN"), QStringLiteral("main"), QString()),
              QStringLiteral("main.bmp"));
    EXPECT_FALSE(ini.HasKey(QStringLiteral("Screen"), QStringLiteral("Mask")));
    EXPECT_EQ(ini.GetString(QStringLiteral("Screen"), QStringLiteral("Quoted"), QString()),
              QStringLiteral("  spaced  "));
    EXPECT_EQ(ini.GetString(QStringLiteral("Screen"), QStringLiteral("none"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(ini.Keys(QStringLiteral("OTHER")),
              (QStringList{QStringLiteral("z"), QStringLiteral("a"), QStringLiteral("m")}));
}

TEST(IniFile, UnclosedSectionLineIsIgnoredAndSavesUnchanged)
{
    // The entries after "[broken" once landed in a section named "broken\r\ntheme".
    IniFile ini;
    ini.LoadText(QStringLiteral("[DEFAULTADDRESS]\r\ncompany=A\r\n  [broken\r\ntheme=B\r\n"));
    EXPECT_EQ(ini.Keys(QStringLiteral("DEFAULTADDRESS")),
              (QStringList{QStringLiteral("company"), QStringLiteral("theme")}));
    const QString saved = ini.ToText();
    EXPECT_EQ(saved, QStringLiteral("[DEFAULTADDRESS]\ncompany=A\ntheme=B\n"));
    IniFile again;
    again.LoadText(saved);
    EXPECT_EQ(again.ToText(), saved);
}

TEST(IniFile, IntegersTakeLeadingDigitsAndEmptyValuesTheDefault)
{
    IniFile ini;
    ini.LoadText(QStringLiteral("[s]\na=12abc\nb=abc\nc=-3\nd=\ne=99999999999\nf=  \ng=\"\"\n"));
    EXPECT_EQ(ini.GetInt(QStringLiteral("s"), QStringLiteral("a"), 7), 12);
    EXPECT_EQ(ini.GetInt(QStringLiteral("s"), QStringLiteral("b"), 7), 0);
    EXPECT_EQ(ini.GetInt(QStringLiteral("s"), QStringLiteral("c"), 7), -3);
    // An empty value reads as the default ("BMUSIC1=" must not silence the music).
    for (const char* empty : {"d", "f", "g"}) {
        EXPECT_EQ(ini.GetInt(QStringLiteral("s"), QLatin1String(empty), 7), 7) << empty;
    }
    EXPECT_EQ(ini.GetInt(QStringLiteral("s"), QStringLiteral("e"), 7), 2147483647);
    EXPECT_EQ(ini.GetInt(QStringLiteral("s"), QStringLiteral("missing"), 7), 7);
}

TEST(IniFile, ReadsGbkFilesAndWritesUtf8KeepingOtherContent)
{
    QTemporaryDir dir;
    // "[DEFAULTADDRESS]\ncompany=抽奖\n" in GBK, with a second section to keep.
    const QString path =
        WriteFile(dir, QByteArray("[DEFAULTADDRESS]\r\ncompany=\xB3\xE9\xBD\xB1\r\n"
                                  "[keep]\r\nx=1\r\n"));
    IniFile ini;
    ASSERT_TRUE(ini.Load(path));
    EXPECT_EQ(ini.GetString(QStringLiteral("defaultaddress"), QStringLiteral("COMPANY"), QString()),
              QStringLiteral("抽奖"));

    ASSERT_TRUE(IniFile::WriteValue(path, QStringLiteral("DEFAULTADDRESS"), QStringLiteral("theme"),
                                    QStringLiteral("新春")));
    const QByteArray bytes = ReadFile(path);
    EXPECT_TRUE(bytes.contains("company=抽奖"));
    EXPECT_TRUE(bytes.contains("theme=新春"));
    EXPECT_TRUE(bytes.contains("[keep]"));
    EXPECT_LT(bytes.indexOf("theme="), bytes.indexOf("[keep]")) << "key appended to its section";
}

TEST(IniFile, FailedWritesAreReportedAndLeaveNothingBehind)
{
    QTemporaryDir dir;
    // The file name is taken by a folder: the write must fail and say so.
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("config.ini")));
    QString error;
    EXPECT_FALSE(IniFile::WriteValue(path, QStringLiteral("s"), QStringLiteral("k"),
                                     QStringLiteral("v"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});

    error.clear();
    EXPECT_FALSE(IniFile::WriteValue(QStringLiteral("/nonexistent-folder/x.ini"),
                                     QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"),
                                     &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(IniFile, OversizedFilesAndLinesAreLeftOutAndSaidSo)
{
    QTemporaryDir dir;
    const QString path =
        WriteFile(dir, "[s]\nlong=" + QByteArray(IniFile::MaxLineLength, 'x') + "\nkept=1\n");
    IniFile ini;
    ASSERT_TRUE(ini.Load(path));
    EXPECT_FALSE(ini.HasKey(QStringLiteral("s"), QStringLiteral("long")));
    EXPECT_EQ(ini.GetInt(QStringLiteral("s"), QStringLiteral("kept"), 0), 1);
    EXPECT_TRUE(ini.Problem().contains(path)) << ini.Problem().toStdString();
    // A stray byte costs only itself, and is said too.
    ASSERT_TRUE(ini.Load(WriteFile(dir, "[s]\ncompany=研发部\xFF\ntheme=抽奖\n")));
    EXPECT_EQ(ini.GetString(QStringLiteral("s"), QStringLiteral("theme"), QString()),
              QStringLiteral("抽奖"));
    EXPECT_TRUE(ini.Problem().contains(QStringLiteral("无法识别"))) << ini.Problem().toStdString();

    const QString big = WriteFile(dir, "[s]\nk=1\n" + QByteArray(IniFile::MaxFileBytes, ';'));
    EXPECT_FALSE(ini.Load(big));
    EXPECT_FALSE(ini.HasKey(QStringLiteral("s"), QStringLiteral("k")));
    QString error;
    EXPECT_FALSE(IniFile::WriteValue(big, QStringLiteral("s"), QStringLiteral("k"),
                                     QStringLiteral("2"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("没有读取"))) << error.toStdString();
    EXPECT_EQ(QFileInfo(big).size(), IniFile::MaxFileBytes + 8) << "the file is left as it was";
}

TEST(IniFile, AKillDuringASaveLeavesTheOldOrTheNewFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    // Two documents large enough that a save takes a while.
    IniFile documents[2];
    QByteArray texts[2];
    for (int d = 0; d < 2; ++d) {
        for (int k = 0; k < 4000; ++k) {
            documents[d].SetString(QStringLiteral("DEFAULTADDRESS"), QStringLiteral("key%1").arg(k),
                                   QStringLiteral("value %1 of document %2").arg(k).arg(d));
        }
        texts[d] = documents[d].ToText().toUtf8();
    }
    ASSERT_TRUE(documents[0].Save(path));
    std::mt19937 random(7);
    int trials = 0;
    for (; trials < 30; ++trials) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                documents[i % 2].Save(path);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const QByteArray after = ReadFile(path);
        ASSERT_TRUE(after == texts[0] || after == texts[1])
            << "trial " << trials << ": " << after.size() << " bytes";
    }
    EXPECT_EQ(trials, 30);
}
