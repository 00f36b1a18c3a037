// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XlsReader.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"
#include "platform/workbook/XlsStreamWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <sys/resource.h>

namespace {

const QString SheetXls = QStringLiteral(SORTILO_WORKBOOK_FIXTURES "/sheet1.xls");

// The message reading path gives; fails the test when it reads.
QString Refusal(const QString& path)
{
    try {
        Workbook::Open(path);
    } catch (const WorkbookError& error) {
        return error.Message();
    }
    ADD_FAILURE() << "read " << path.toStdString();
    return QString();
}

long PeakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Reader programs that misbehave, written as shell scripts and run in place of the real one.
class FakeReader : public ::testing::Test
{
protected:
    void TearDown() override
    {
        XlsReader::SetHelper(QString());
        XlsReader::SetTimeout(XlsReader::DefaultTimeoutMs);
    }
    void UseScript(const QByteArray& body)
    {
        QFile script(m_dir.filePath(QStringLiteral("reader.sh")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + body + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        XlsReader::SetHelper(script.fileName());
    }
    // A reader that prints the records write makes, then tail, and exits with exitCode.
    void UseStream(const std::function<void(XlsStreamWriter&)>& write,
                   const QByteArray& tail = QByteArray(), int exitCode = 0)
    {
        QFile stream(m_dir.filePath(QStringLiteral("stream.bin")));
        ASSERT_TRUE(stream.open(QIODevice::WriteOnly));
        XlsStreamWriter writer(stream);
        write(writer);
        writer.Flush();
        stream.write(tail);
        stream.close();
        UseScript("cat '" + stream.fileName().toUtf8() + "'; exit " + QByteArray::number(exitCode));
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST(XlsReaderProcess, HostileFileCostsTheReaderProcessOnlyAndIsReported)
{
    ASSERT_FALSE(XlsReader::FindHelper().isEmpty());
    // The library asks for 4 GB on opening this file; the reader's memory limit refuses it.
    const long before = PeakKb();
    EXPECT_TRUE(
        Refusal(QStringLiteral(SORTILO_SOURCE_DIR "/fuzz/xls/open/freexl-4gb-allocation.xls"))
            .contains(QStringLiteral("内存超出限制")));
    EXPECT_LT(PeakKb() - before, 50 * 1024);
    // The library dies on this one with a segmentation fault.
    EXPECT_TRUE(Refusal(QStringLiteral(SORTILO_SOURCE_DIR "/fuzz/xls/open/freexl-segfault.xls"))
                    .contains(QStringLiteral("异常退出")));
    EXPECT_EQ(Workbook::Open(SheetXls)->Sheet(0).CellText(2, 1), u"1001");
}

TEST_F(FakeReader, ReaderThatCrashesHangsOrBabblesGivesAMessage)
{
    XlsReader::SetTimeout(1000);
    const std::pair<QByteArray, const char*> readers[] = {
        {"kill -SEGV $$", "异常退出"},
        {"printf SORTXLS1S; kill -KILL $$", "异常退出"},
        {"exit 7", "异常退出"},
        {"echo nonsense", "结果有误"},
        {"exit 0", "结果有误"},
        {"printf SORTX; exec sleep 30", "秒仍未完成"},
        {"exec >&-; exec sleep 30", "秒仍未完成"},
    };
    for (const auto& [body, expected] : readers) {
        SCOPED_TRACE(body.constData());
        UseScript(body);
        QElapsedTimer timer;
        timer.start();
        const QString message = Refusal(SheetXls);
        EXPECT_TRUE(message.contains(QString::fromUtf8(expected))) << message.toStdString();
        if (std::string_view(expected) != "结果有误") {
            EXPECT_TRUE(message.contains(SheetXls)) << message.toStdString();
        }
        EXPECT_LT(timer.elapsed(), 10000);
    }
    XlsReader::SetHelper(m_dir.filePath(QStringLiteral("missing")));
    EXPECT_TRUE(Refusal(SheetXls).contains(QStringLiteral("找不到")));
}

TEST_F(FakeReader, ItsOutputIsCheckedLikeAFile)
{
    const auto sheet = [](XlsStreamWriter& out) { out.Sheet("名单", 2); };
    UseStream([&](XlsStreamWriter& out) {
        sheet(out);
        out.Cell(2, 3, CellKind::Number, "12.5");
        out.End();
    });
    const auto workbook = Workbook::Open(SheetXls);
    EXPECT_EQ(workbook->Sheet(0).Name(), u"名单");
    EXPECT_EQ(workbook->Sheet(0).CellText(2, 3), u"12.5");

    // A cell claiming four gigabytes of text is refused from its length alone.
    UseStream(sheet, QByteArray("C\1\0\0\0\1\0\0\0\0\xff\xff\xff\xff", 14));
    EXPECT_TRUE(Refusal(SheetXls).contains(QStringLiteral("A1 的内容超过 32767 个字符")));
    UseStream([](XlsStreamWriter& out) { out.Sheet("big", WorkbookLimits::MaxRows + 1); });
    EXPECT_TRUE(Refusal(SheetXls).contains(QStringLiteral("超过 200000 行")));
    UseStream([](XlsStreamWriter& out) { out.Fail(XlsStream::Failure::Damaged, -5); }, {}, 1);
    EXPECT_TRUE(Refusal(SheetXls).contains(QStringLiteral("错误 -5")));

    struct Malformed
    {
        const char* what;
        std::function<void(XlsStreamWriter&)> write;
        QByteArray tail = QByteArray();
    };
    const Malformed malformed[] = {
        {"cell before any sheet",
         [](XlsStreamWriter& out) { out.Cell(1, 1, CellKind::Text, "x"); }},
        {"refusal with exit 0",
         [](XlsStreamWriter& out) { out.Fail(XlsStream::Failure::Damaged, 1); }},
        {"records after the end",
         [&](XlsStreamWriter& out) {
             sheet(out);
             out.End();
             out.End();
         }},
        {"counts that differ", sheet, QByteArray("E\1\0\0\0\5\0\0\0\0\0\0\0", 13)},
        {"unknown record", sheet, "Z"},
    };
    for (const auto& [what, write, tail] : malformed) {
        SCOPED_TRACE(what);
        UseStream(write, tail);
        EXPECT_TRUE(Refusal(SheetXls).contains(QStringLiteral("结果有误")));
    }
}
