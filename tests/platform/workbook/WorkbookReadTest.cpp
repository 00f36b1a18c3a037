// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/NumberText.h"
#include "platform/workbook/SheetDataSplitter.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/ZipFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct MadeByLibreOffice
{
    const char* file;
    // LibreOffice turned 0012 and 12.50 into numbers; a .csv keeps what was written.
    const char* a4;
    const char* c4;
};

class LibreOfficeWorkbook : public ::testing::TestWithParam<MadeByLibreOffice>
{
};

QString Fixture(const char* name)
{
    return QStringLiteral(SORTILO_WORKBOOK_FIXTURES "/") + QString::fromUtf8(name);
}

std::unique_ptr<Workbook> OpenBytes(const QTemporaryDir& dir, const QString& name,
                                    const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    return Workbook::Open(file.fileName());
}

} // namespace

TEST_P(LibreOfficeWorkbook, CellsReadAsTextWhateverTheFormat)
{
    const auto workbook = Workbook::Open(Fixture(GetParam().file));
    ASSERT_EQ(workbook->SheetCount(), 1);
    Worksheet* sheet = workbook->FindSheet(QStringLiteral("SHEET1"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->CellText(1, 1), u"ID");
    EXPECT_EQ(sheet->CellText(1, 3), u"MEMO");
    EXPECT_EQ(sheet->CellText(2, 1), u"1001");
    EXPECT_EQ(sheet->CellText(2, 2), u"张三");
    // Mixed Chinese and Latin text is stored as rich-text runs in .xlsx: one text again.
    EXPECT_EQ(sheet->CellText(2, 3), u"Sales部门");
    EXPECT_EQ(sheet->CellText(5, 2), u"赵六Zhao");
    EXPECT_EQ(sheet->CellText(3, 2), u" Li Lei ");
    EXPECT_EQ(sheet->CellText(3, 3), u"quote \"x\", comma");
    EXPECT_EQ(sheet->CellText(4, 1), QString::fromUtf8(GetParam().a4));
    EXPECT_EQ(sheet->CellText(4, 3), QString::fromUtf8(GetParam().c4));
    EXPECT_EQ(sheet->CellText(5, 3), u"");
    EXPECT_EQ(sheet->CellText(6, 1), u"");
    EXPECT_EQ(sheet->CellText(0, 0), u"");
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LibreOfficeWorkbook,
    ::testing::Values(MadeByLibreOffice{"sheet1.xlsx", "12", "12.5"},
                      MadeByLibreOffice{"sheet1.xls", "12", "12.5"},
                      MadeByLibreOffice{"sheet1.csv", "0012", "12.50"}),
    [](const auto& test) {
        return QString::fromUtf8(test.param.file).replace(u'.', u'_').toStdString();
    });

TEST(LibreOfficeDates, DateCellsReadAsTheSameTextFromXlsxAndXls)
{
    for (const char* file : {"dates.xlsx", "dates.xls"}) {
        SCOPED_TRACE(file);
        const auto workbook = Workbook::Open(Fixture(file));
        const Worksheet& sheet = workbook->Sheet(0);
        EXPECT_EQ(sheet.CellText(2, 1), u"2026-12-07");
        EXPECT_EQ(sheet.CellText(3, 1), u"2026-12-07 20:15:00");
        EXPECT_EQ(sheet.CellText(4, 1), u"1999-01-31");
    }
}

TEST(HandMadeXlsx, PrefixedElementsInlineStringsFormulasAndEscapesReadAsText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("made.xlsx"));
    WriteZip(
        path,
        MinimalXlsx(
            R"(<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><x:sheetData>)"
            R"(<x:row r="2"><x:c r="A2" t="s"><x:v>0</x:v></x:c><x:c t="inlineStr"><x:is><x:t>  in line</x:t></x:is></x:c>)"
            R"(<x:c t="b"><x:v>1</x:v></x:c><x:c t="e"><x:v>#N/A</x:v></x:c>)"
            R"(<x:c t="str"><x:f>A2&amp;"!"</x:f><x:v>a&#13;b!</x:v></x:c></x:row></x:sheetData></x:worksheet>)",
            R"(<sst><si><t>a_x000D_b</t><rPh><t>ignored</t></rPh></si></sst>)"));
    auto workbook = Workbook::Open(path);
    Worksheet& sheet = workbook->Sheet(0);
    EXPECT_EQ(sheet.CellText(2, 1), u"a\rb");
    EXPECT_EQ(sheet.CellText(2, 2), u"  in line");
    EXPECT_EQ(sheet.CellText(2, 3), u"TRUE");
    EXPECT_EQ(sheet.CellText(2, 4), u"#N/A");
    EXPECT_EQ(sheet.CellText(2, 5), u"a\rb!");
    // Saved again, the prefixed sheet keeps its prefix and the formula its text.
    sheet.SetCell(3, 1, CellKind::Text, QStringLiteral("new"));
    workbook->SaveAs(dir.filePath(QStringLiteral("again.xlsx")));
    const auto again = Workbook::Open(dir.filePath(QStringLiteral("again.xlsx")));
    EXPECT_EQ(again->Sheet(0).CellText(2, 5), u"a\rb!");
    EXPECT_EQ(again->Sheet(0).CellText(3, 1), u"new");
    ASSERT_NE(again->Sheet(0).FormulaAt(2, 5), nullptr);
    EXPECT_EQ(again->Sheet(0).FormulaAt(2, 5)->text, u"A2&\"!\"");
}

// A sheet of several megabytes is parsed in runs of rows: what lies at the cuts between runs
// (a comment or character data that looks like a row's end, an attribute holding '>') must read
// as it does in a small sheet, and a damaged row far down must still refuse the file.
TEST(HandMadeXlsx, LargeSheetReadsEveryRowAndRefusesADamagedOne)
{
    constexpr int Rows = 40000;
    QByteArray rows;
    for (int i = 1; i <= Rows; ++i) {
        const QByteArray n = QByteArray::number(i);
        const bool trap = i % 1000 == 0;
        rows += trap ? "<!-- </x:row><x:row> -->\n<x:row r=\"" + n + "\" note='a>\"b'>"
                     : "<x:row r=\"" + n + (i % 7 ? "\">" : "\" ht=\"20\" customHeight=\"1\">");
        rows += "<x:c r=\"A" + n + "\" t=\"s\"><x:v>" + QByteArray::number(i % 2) + "</x:v></x:c>";
        rows += "<x:c t=\"inlineStr\"><x:is><x:t>" +
                (trap ? QByteArray("<![CDATA[</x:row> >]]>") : "name " + n) + "</x:t></x:is></x:c>";
        rows += "<x:c><x:v>" + n + "</x:v></x:c></x:row>\n";
    }
    const QByteArray head =
        R"(<?xml version="1.0" encoding="UTF-8"?>)"
        R"(<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        R"(<x:sheetPr/><x:sheetData>)";
    const QByteArray tail = "</x:sheetData><x:pageMargins left=\"0.7\"/></x:worksheet>";
    const QByteArray strings =
        "<sst><si><t>even</t></si><si><r><t>o</t></r><r><t>dd</t></r></si></sst>";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.xlsx"));
    WriteZip(path, MinimalXlsx(head + rows + tail, strings));
    const auto workbook = Workbook::Open(path);
    const Worksheet& sheet = workbook->Sheet(0);
    ASSERT_EQ(sheet.LastRow(), Rows);
    EXPECT_EQ(sheet.CellCount(), 3 * Rows);
    for (int i = 1; i <= Rows; ++i) {
        const QString n = QString::number(i);
        ASSERT_EQ(sheet.CellText(i, 1), QLatin1String(i % 2 ? "odd" : "even")) << i;
        ASSERT_EQ(sheet.CellText(i, 2),
                  i % 1000 ? QStringLiteral("name ") + n : QStringLiteral("</x:row> >"))
            << i;
        ASSERT_EQ(sheet.CellText(i, 3), n) << i;
    }
    EXPECT_EQ(sheet.Rows()[7 - 1].attributes, u" ht=\"20\" customHeight=\"1\"");
    EXPECT_TRUE(sheet.Rows()[3000 - 1].attributes.contains(u"note="));

    for (const QByteArray& damaged :
         {head +
              QByteArray(rows).replace("</x:row>\n<x:row r=\"39999\"",
                                       "</x:rox>\n<x:row r=\"39999\"") +
              tail,
          head + rows + "</x:sheetData><x:pageMargins></x:worksheet>"}) {
        WriteZip(path, MinimalXlsx(damaged, strings));
        EXPECT_THROW(Workbook::Open(path), WorkbookError);
    }
}

TEST(SheetDataSplitter, CutsOnlyBetweenWholeRowsOrReadsThePartWhole)
{
    const QByteArray rows =
        "<x:row r=\"1\" a='>\"'/><!-- </x:row> --><?pi </x:row>?>"
        "<x:row><x:c><x:is><x:t><![CDATA[</x:row>]]></x:t></x:is></x:c></x:row>";
    const QByteArray xml =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?><x:worksheet><x:cols/>"
        "<x:sheetData>" +
        rows + "</x:sheetData><x:sheetData><x:row/></x:sheetData></x:worksheet>";
    const std::vector<qsizetype> cuts = SheetDataSplitter::Split(xml, 1);
    QByteArrayList runs;
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
        runs.append(xml.mid(cuts[i], cuts[i + 1] - cuts[i]));
    }
    EXPECT_EQ(runs, QByteArrayList({"<x:row r=\"1\" a='>\"'/>", "<!-- </x:row> -->",
                                    "<?pi </x:row>?>", rows.mid(rows.lastIndexOf("<x:row>"))}));
    // The first sheetData is empty: its rows are none, whatever follows.
    EXPECT_TRUE(
        SheetDataSplitter::Split("<w><sheetData/><sheetData><row/></sheetData></w>", 1).empty());
    for (const QByteArray& whole :
         {QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><w><sheetData><row/>"
                     "</sheetData></w>"),
          QByteArray("<!DOCTYPE w [<!ENTITY e \"</row>\">]><w><sheetData><row/></sheetData></w>"),
          QByteArray("<\0w\0>\0", 6)}) {
        EXPECT_TRUE(SheetDataSplitter::Split(whole, 1).empty()) << whole.constData();
    }
}

TEST(CsvWorkbook, ReadsGbkOrUtf8WithCommasOrSemicolons)
{
    QTemporaryDir dir;
    // "张三" in GBK, semicolons, CRLF, a quoted field across a line break.
    const auto gbk =
        OpenBytes(dir, QStringLiteral("a.csv"),
                  QByteArray("ID;NAME;MEMO\r\n7;\xD5\xC5\xC8\xFD;\"two\r\nlines; one cell\"\r\n"));
    Worksheet& first = gbk->Sheet(0);
    EXPECT_EQ(first.Name(), u"sheet1");
    EXPECT_EQ(first.CellText(2, 2), u"张三");
    EXPECT_EQ(first.CellText(2, 3), u"two\r\nlines; one cell");
    EXPECT_EQ(first.LastRow(), 2);

    const auto bom =
        OpenBytes(dir, QStringLiteral("b.csv"), QByteArray("\xEF\xBB\xBFID,NAME\n,王五\nx,\"\"\n"));
    Worksheet& second = bom->Sheet(0);
    EXPECT_EQ(second.CellText(1, 1), u"ID");
    EXPECT_EQ(second.CellText(2, 1), u"");
    EXPECT_EQ(second.CellText(2, 2), u"王五");
    EXPECT_EQ(second.CellText(3, 2), u"");
}

TEST(NumberText, WholeNumbersWithoutFractionOthersToFifteenDigits)
{
    EXPECT_EQ(NumberText::FromStored(u"1001"), u"1001");
    EXPECT_EQ(NumberText::FromStored(u"1001.0"), u"1001");
    EXPECT_EQ(NumberText::FromStored(u"1.0E+3"), u"1000");
    EXPECT_EQ(NumberText::FromStored(u"12.5"), u"12.5");
    EXPECT_EQ(NumberText::FromStored(u"-3"), u"-3");
    EXPECT_EQ(NumberText::FromStored(u"0.1"), u"0.1");
    EXPECT_EQ(NumberText::FromStored(u"0.30000000000000004"), u"0.3");
    EXPECT_EQ(NumberText::FromStored(u"1E+20"), u"1E+20");
    EXPECT_EQ(NumberText::FromStored(u"007"), u"7");
    EXPECT_EQ(NumberText::FromStored(u"abc"), u"abc");
}
