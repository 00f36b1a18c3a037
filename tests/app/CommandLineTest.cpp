// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StoreCheckinAuthority.h"
#include "data/CheckinStore.h"
#include "data/SqlStatements.h"
#include "data/WinnerStore.h"
#include "platform/core/IniFile.h"
#include "platform/core/StringTable.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/Worksheet.h"
#include "support/RefusedCommit.h"
#include "support/TestDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// The program's workbook commands, run as a script would run them, in an event folder.
class CommandLineJobs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.ok());
        ASSERT_TRUE(QFile::copy(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/template1.xlsx"),
                                m_data.folder() + QStringLiteral("template1.xlsx")));
        m_data.Exec(QLatin1String(SqlStatements::InsertPerson), {"EXIST1", "已有", ""});
    }

    int Run(const QStringList& arguments)
    {
        QProcess program;
        program.setWorkingDirectory(m_data.folder());
        program.start(QStringLiteral(SORTILO_PROGRAM), arguments);
        EXPECT_TRUE(program.waitForFinished(60000));
        out = QString::fromUtf8(program.readAllStandardOutput());
        err = QString::fromUtf8(program.readAllStandardError());
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

    TestDatabase m_data;
    QString out;
    QString err;
};

} // namespace

TEST_F(CommandLineJobs, ImportPrintsTheFiguresAndTheRejectedRows)
{
    EXPECT_EQ(Run({"import", SORTILO_EXCHANGE_FIXTURES "/rows/Sheet1.xls"}), 0)
        << err.toStdString();
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7) << out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("一共导入：7"));
    EXPECT_EQ(lines[1], QStringLiteral("成功导入：3"));
    EXPECT_EQ(lines[2], QStringLiteral("导入失败：4"));
    EXPECT_EQ(lines[3], "ABCDEFGHI - 九位编号 - x\t" + StringTable::Load(141));
    EXPECT_EQ(m_data.Count(QStringLiteral("select * from person")), 4);
    // The draw log names the file by its SHA-256 and keeps the counts.
    QFile file(SORTILO_EXCHANGE_FIXTURES "/rows/Sheet1.xls");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    m_data.Exec(QStringLiteral("select payload from DrawLog where kind='import'"));
    const QString payload = m_data.db().GetFieldText("payload");
    EXPECT_TRUE(payload.contains(
                    QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex()) &&
                payload.contains("\"imported\":3"))
        << payload.toStdString();

    // What cannot be read fails with the reason, and so does a workbook of the wrong form.
    EXPECT_EQ(Run({"import", "missing.xlsx"}), 1);
    EXPECT_TRUE(err.contains(m_data.folder() + "missing.xlsx")) << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(Run({"import", SORTILO_EXCHANGE_FIXTURES "/bad-header/sheet1.xls"}), 1);
    EXPECT_TRUE(err.contains(StringTable::Load(138)));
    // No question a terminal cannot answer: where the template lies instead.
    ASSERT_TRUE(QFile::copy(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/template2.xlsx"),
                            m_data.folder() + QStringLiteral("template2.xlsx")));
    EXPECT_EQ(Run({"import", SORTILO_EXCHANGE_FIXTURES "/other-sheet/people.xlsx"}), 1);
    EXPECT_FALSE(err.contains(QStringLiteral("吗？"))) << err.toStdString();
    EXPECT_TRUE(err.contains(m_data.folder() + "template2.xlsx")) << err.toStdString();
}

TEST(CommandLine, AnImportWhoseCommitIsRefusedFailsAndCountsOnlyTheKeptRows)
{
    // SQLite checks the refusal on its set-up connection only.
    SORTILO_SKIP_UNLESS_AVAILABLE(TestDatabase::Driver::PostgreSql);
    TestDatabase data(TestDatabase::Driver::PostgreSql);
    ASSERT_TRUE(data.ok()) << data.error().toStdString();
    RefuseCommitOf(data, QStringLiteral("LOST1"));
    // The event folder's config.ini points the command at the server.
    const DatabaseTarget& target = data.target();
    IniFile config;
    const QLatin1String section(DatabaseTarget::ConfigSection);
    config.SetString(section, QStringLiteral("Driver"), QStringLiteral("PostgreSQL"));
    config.SetString(section, QStringLiteral("Host"), target.host);
    config.SetString(section, QStringLiteral("Port"), QString::number(target.port));
    config.SetString(section, QStringLiteral("Name"), target.name);
    config.SetString(section, QStringLiteral("User"), target.user);
    ASSERT_TRUE(config.Save(data.folder() + QStringLiteral("config.ini")));
    QFile rows(data.folder() + QStringLiteral("rows.csv"));
    ASSERT_TRUE(rows.open(QIODevice::WriteOnly));
    rows.write("ID,NAME,MEMO\nLOST1,乙,\n");
    rows.close();

    QProcess program;
    program.setWorkingDirectory(data.folder());
    program.start(QStringLiteral(SORTILO_PROGRAM), {"import", "rows.csv"});
    ASSERT_TRUE(program.waitForFinished(60000));
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(out.startsWith(QStringLiteral("一共导入：1\n成功导入：0\n导入失败：1\n")))
        << out.toStdString();
    EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError())
                    .contains(QStringLiteral("本次实际保存了 0 笔")));
    EXPECT_EQ(data.Count(QStringLiteral("select * from person")), 0);
}

TEST_F(CommandLineJobs, ExportsSaveWorkbooksAndHelpListsTheCommands)
{
    EXPECT_EQ(Run({"export-winners", "winners.xlsx"}), 0) << err.toStdString();
    EXPECT_NE(Workbook::Open(m_data.folder() + "winners.xlsx")->FindSheet("Prize"), nullptr);
    // A folder where the workbook should go: refused, and said so.
    ASSERT_TRUE(QDir(m_data.folder()).mkdir("persons.xlsx"));
    EXPECT_EQ(Run({"export-participants", "persons.xlsx"}), 1);
    EXPECT_TRUE(err.contains("Failed ")) << err.toStdString();
    EXPECT_TRUE(err.contains(m_data.folder() + "persons.xlsx")) << err.toStdString();
    // .xlsx content under a .xls name: refused before anything is written.
    EXPECT_EQ(Run({"export-winners", "winners.xls"}), 1);
    EXPECT_TRUE(err.contains(".xlsx")) << err.toStdString();
    EXPECT_FALSE(QFile::exists(m_data.folder() + "winners.xls"));

    EXPECT_EQ(Run({"--help"}), 0);
    for (const char* word :
         {"import FILE", "export-participants FILE", "export-winners FILE", "verify-log",
          "export-log FILE", "checkin", "serve-checkin [--port N]", "--event", "--demo"}) {
        EXPECT_TRUE(out.contains(QLatin1String(word))) << word;
    }
    EXPECT_EQ(Run({"import"}), 2);
    EXPECT_EQ(Run({"export-everything", "x.xlsx"}), 2);
    EXPECT_EQ(Run({"verify-log", "x.xlsx"}), 2);
    // serve-checkin takes no file and a port in range; the other commands take no port.
    EXPECT_EQ(Run({"serve-checkin", "x.xlsx"}), 2);
    EXPECT_EQ(Run({"serve-checkin", "--port", "70000"}), 2);
    EXPECT_EQ(Run({"import", "x.xlsx", "--port", "8080"}), 2);
}

TEST_F(CommandLineJobs, TheDrawLogIsVerifiedAndExported)
{
    ASSERT_TRUE(WinnerStore(m_data.db()).InsertWinner({"EXIST1", "2026-12-07 20:00:00", 3, 1, ""}));
    EXPECT_EQ(Run({"verify-log"}), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("中奖 1，")) &&
                out.contains(QStringLiteral("中奖人数：1")))
        << out.toStdString();
    EXPECT_EQ(Run({"export-log", "log.xlsx"}), 0) << err.toStdString();
    const std::unique_ptr<Workbook> book = Workbook::Open(m_data.folder() + "log.xlsx");
    const Worksheet* sheet = book->FindSheet("DrawLog");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->CellText(2, 2), QStringLiteral("win"));
    m_data.Exec(QStringLiteral("select digest from DrawLog"));
    EXPECT_EQ(sheet->CellText(2, 7), m_data.db().GetFieldText("digest"));

    m_data.Exec(QStringLiteral("update ComePrize set sNo = 2"));
    EXPECT_EQ(Run({"verify-log"}), 3);
    EXPECT_TRUE(err.contains("EXIST1") && err.contains("sNo")) << err.toStdString();
}

TEST_F(CommandLineJobs, TheCheckinPageDecidesWithTheEventsDatabase)
{
    StoreCheckinAuthority page(m_data.db(), QStringLiteral("door"));
    EXPECT_EQ(page.CheckInByNumberAndName("NOSUCH", "已有").outcome, CheckinPageReply::Refused);
    EXPECT_EQ(page.CheckInByNumberAndName("EXIST1", "别人").outcome, CheckinPageReply::Refused);
    EXPECT_EQ(page.CheckInByNumberAndName("exist1", "已有").outcome, CheckinPageReply::CheckedIn);
    EXPECT_EQ(page.CheckInByNumberAndName("EXIST1", "已有").outcome, CheckinPageReply::Already);
    // Stored for every station: the desk's store sees it.
    EXPECT_EQ(CheckinStore(m_data.db(), QStringLiteral("desk")).CheckedInCount(), 1);
}
