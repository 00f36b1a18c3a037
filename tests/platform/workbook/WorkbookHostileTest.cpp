// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"
#include "platform/workbook/ZipFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Opening must fail with a message containing `expected`, and nothing else.
void ExpectRefused(const QString& path, const QString& expected)
{
    try {
        Workbook::Open(path);
        ADD_FAILURE() << "opened " << path.toStdString();
    } catch (const WorkbookError& error) {
        EXPECT_TRUE(error.Message().contains(expected))
            << error.Message().toStdString() << " lacks " << expected.toStdString();
    }
}

QByteArray Sheet(const QByteArray& rows)
{
    return R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)" +
           rows + "</sheetData></worksheet>";
}

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

} // namespace

TEST(HostileWorkbook, FilesThatAreNoWorkbookOrDamagedAreRefused)
{
    QTemporaryDir dir;
    ExpectRefused(Write(dir, "text.xlsx", "just some words"), QStringLiteral("不是工作簿"));
    ExpectRefused(Write(dir, "empty.xls", ""), QStringLiteral("不是工作簿"));
    ExpectRefused(dir.filePath("missing.xlsx"), QStringLiteral("不存在"));

    QFile real(QStringLiteral(SORTILO_WORKBOOK_FIXTURES "/sheet1.xlsx"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray bytes = real.readAll();
    ExpectRefused(Write(dir, "cut.xlsx", bytes.left(bytes.size() / 2)), QStringLiteral("工作簿"));
    QFile xls(QStringLiteral(SORTILO_WORKBOOK_FIXTURES "/sheet1.xls"));
    ASSERT_TRUE(xls.open(QIODevice::ReadOnly));
    const QByteArray xlsBytes = xls.readAll();
    ExpectRefused(Write(dir, "cut.xls", xlsBytes.left(1024)), QStringLiteral("工作簿"));

    const std::pair<const char*, QByteArray> damagedSheets[] = {
        {"broken xml", Sheet("<row><c><v>1</v></row>")},
        {"shared string out of range", Sheet(R"(<row r="1"><c r="A1" t="s"><v>99</v></c></row>)")},
        {"bad reference", Sheet(R"(<row r="1"><c r="1A"><v>1</v></c></row>)")},
    };
    for (const auto& [what, sheet] : damagedSheets) {
        SCOPED_TRACE(what);
        const QString path = dir.filePath(QStringLiteral("damaged.xlsx"));
        WriteZip(path, MinimalXlsx(sheet, "<sst/>"));
        ExpectRefused(path, QStringLiteral("损坏"));
    }
    // Entities a file declares are never expanded: the text stays as small as it was written.
    const QByteArray laughs =
        "<!DOCTYPE w [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaa\"><!ENTITY b "
        "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d "
        "\"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>" +
        Sheet(R"(<row r="1"><c r="A1" t="inlineStr"><is><t>&d;&d;&d;&d;</t></is></c></row>)");
    WriteZip(dir.filePath("laughs.xlsx"), MinimalXlsx(laughs));
    try {
        EXPECT_LT(Workbook::Open(dir.filePath("laughs.xlsx"))->Sheet(0).CellText(1, 1).size(), 100);
    } catch (const WorkbookError&) {
    }

    auto noWorkbookPart = MinimalXlsx(Sheet(""));
    noWorkbookPart.erase(noWorkbookPart.begin() + 1);
    WriteZip(dir.filePath("nobook.xlsx"), noWorkbookPart);
    ExpectRefused(dir.filePath("nobook.xlsx"), QStringLiteral("不是工作簿"));
}

TEST(HostileWorkbook, ZipBombsHugeSheetsAndHugeCellsStopAtTheLimits)
{
    QTemporaryDir dir;
    // A part that inflates beyond the limit (it compresses about a thousand to one).
    const QByteArray bomb = Sheet(QByteArray(WorkbookLimits::MaxPartBytes + 1, ' '));
    WriteZip(dir.filePath("bomb.xlsx"), MinimalXlsx(bomb));
    ASSERT_LT(QFile(dir.filePath("bomb.xlsx")).size(), 1024 * 1024);
    ExpectRefused(dir.filePath("bomb.xlsx"), QStringLiteral("MB"));

    // Millions of tiny elements, each of which would cost memory once parsed.
    WriteZip(dir.filePath("tags.xlsx"),
             MinimalXlsx(Sheet("<row>" + QByteArray("<c/>").repeated(WorkbookLimits::MaxPartTags) +
                               "</row>")));
    ExpectRefused(dir.filePath("tags.xlsx"), QString::number(WorkbookLimits::MaxPartTags));

    // A million rows: refused at the first row past the limit, long before a million.
    WriteZip(
        dir.filePath("rows.xlsx"),
        MinimalXlsx(Sheet(
            R"(<row r="1"><c r="A1"><v>1</v></c></row><row r="1000000"><c r="A1000000"><v>1</v></c></row>)")));
    ExpectRefused(dir.filePath("rows.xlsx"), QString::number(WorkbookLimits::MaxRows));

    // A 10 MB cell, as a shared string and as a field of a .csv.
    const QByteArray big(10 * 1024 * 1024, 'x');
    WriteZip(dir.filePath("cell.xlsx"),
             MinimalXlsx(Sheet(R"(<row r="1"><c r="B1" t="s"><v>0</v></c></row>)"),
                         "<sst><si><t>" + big + "</t></si></sst>"));
    ExpectRefused(dir.filePath("cell.xlsx"), QStringLiteral("B1"));
    ExpectRefused(Write(dir, "cell.csv", "ID,NAME\n1," + big + "\n"), QStringLiteral("B2"));
}

TEST(HostileWorkbook, PackagesAndMarkupThatReadDifferentlyElsewhereAreRefused)
{
    QTemporaryDir dir;
    const QByteArray real =
        Sheet(R"(<row r="1"><c r="A1" t="inlineStr"><is><t>real</t></is></c></row>)");
    const QByteArray decoy =
        Sheet(R"(<row r="1"><c r="A1" t="inlineStr"><is><t>decoy</t></is></c></row>)");
    // The same part twice, in other letter case or in the very same name.
    auto cased = MinimalXlsx(real);
    cased.insert(cased.begin(), {"XL/WORKSHEETS/SHEET1.XML", decoy});
    WriteZip(dir.filePath("cased.xlsx"), cased);
    ExpectRefused(dir.filePath("cased.xlsx"), QStringLiteral("同名"));
    auto twice = MinimalXlsx(real);
    twice.insert(twice.begin(), {"xl/worksheets/sheetX.xml", decoy});
    WriteZip(dir.filePath("twice.xlsx"), twice);
    QFile file(dir.filePath("twice.xlsx"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray renamed = file.readAll().replace("sheetX.xml", "sheet1.xml");
    file.close();
    ExpectRefused(Write(dir, "twice.xlsx", renamed), QStringLiteral("同名"));

    // Attributes cost memory as tags do; a reference to NUL would cut the text short.
    WriteZip(dir.filePath("attributes.xlsx"),
             MinimalXlsx(Sheet("<row" + QByteArray(R"( a="")").repeated(100000) + "/>")));
    ExpectRefused(dir.filePath("attributes.xlsx"), QStringLiteral("属性"));
    WriteZip(dir.filePath("nul.xlsx"),
             MinimalXlsx(
                 Sheet(R"(<row r="1"><c r="A1" t="inlineStr"><is><t>a&#0;b</t></is></c></row>)")));
    ExpectRefused(dir.filePath("nul.xlsx"), QStringLiteral("&#0;"));

    // A password-protected workbook is a compound file holding its package encrypted.
    const QByteArray stream =
        QByteArray::fromRawData(reinterpret_cast<const char*>(u"EncryptedPackage"), 32);
    ExpectRefused(
        Write(dir, "locked.xlsx",
              QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, 0) + stream),
        QStringLiteral("密码保护"));

    // An unclosed quotation would take every later row into one cell.
    ExpectRefused(Write(dir, "quote.csv", "ID,NAME\n1,\"open\n2,b\n3,c\n"), QStringLiteral("B2"));
}
