#include "NumberText.h"
#include "Workbook.h"
#include "WorkbookError.h"

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

INSTANTIATE_TEST_SUITE_P(Formats, LibreOfficeWorkbook,
                         ::testing::Values(MadeByLibreOffice{"sheet1.xlsx", "12", "12.5"},
                                           MadeByLibreOffice{"sheet1.xls", "12", "12.5"},
                                           MadeByLibreOffice{"sheet1.csv", "0012", "12.50"}));

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
