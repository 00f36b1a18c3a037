// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/XlsxWriter.h"
#include "platform/workbook/ZipArchive.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Digest(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QByteArray Part(const QString& path, const QString& name)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return ZipArchive(file.readAll()).Read(name);
}

} // namespace

TEST(WorkbookFromTemplate, KeepsTheTemplateAndItsLookAddsRowsAndRenames)
{
    QTemporaryDir dir;
    const QString templateFile = dir.filePath(QStringLiteral("template1.xlsx"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/template1.xlsx"),
                            templateFile));
    const QByteArray before = Digest(templateFile);

    const QString found = Workbook::FindTemplate(dir.filePath(QStringLiteral("template1")));
    ASSERT_EQ(found, templateFile);
    auto workbook = Workbook::Open(found);
    Worksheet* sheet = workbook->FindSheet(QStringLiteral("Sheet1"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->CellText(1, 1), u"中奖名单");
    EXPECT_EQ(sheet->CellText(3, 3), u"编号");
    workbook->RenameSheet(*sheet, QStringLiteral("Prize"));
    sheet->SetCell(4, 1, CellKind::Text, QStringLiteral("     1"));
    sheet->SetCell(4, 4, CellKind::Text, QStringLiteral("  <李&四> \"x\"\x01 \U0001F600"));
    sheet->SetCell(5, 7, CellKind::Text, QStringLiteral("  备注"));
    const QString output = dir.filePath(QStringLiteral("Prize1.xlsx"));
    workbook->SaveAs(output);
    EXPECT_EQ(Digest(templateFile), before);

    const auto saved = Workbook::Open(output);
    ASSERT_EQ(saved->SheetCount(), 1);
    const Worksheet& prize = saved->Sheet(0);
    EXPECT_EQ(prize.Name(), u"Prize");
    EXPECT_EQ(prize.CellText(1, 1), u"中奖名单");
    EXPECT_EQ(prize.CellText(3, 7), u"备注");
    EXPECT_EQ(prize.CellText(4, 1), u"     1");
    EXPECT_EQ(prize.CellText(4, 4), QStringLiteral("  <李&四> \"x\" \U0001F600"));
    EXPECT_EQ(prize.CellText(5, 7), u"  备注");
    // Formats, widths, merged title and frozen headings stay; the print titles follow the name.
    EXPECT_EQ(prize.Cell(3, 1)->style, workbook->Sheet(0).Cell(3, 1)->style);
    const QByteArray sheetXml = Part(output, QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(sheetXml.contains("<mergeCell ref=\"A1:G1\"/>"));
    EXPECT_TRUE(sheetXml.contains("<cols>"));
    EXPECT_TRUE(sheetXml.contains("<pane "));
    EXPECT_TRUE(sheetXml.contains("<dimension ref=\"A1:G5\"/>"));
    EXPECT_EQ(Part(output, QStringLiteral("xl/styles.xml")),
              Part(templateFile, QStringLiteral("xl/styles.xml")));
    const QByteArray book = Part(output, QStringLiteral("xl/workbook.xml"));
    EXPECT_TRUE(book.contains("name=\"Prize\""));
    EXPECT_TRUE(book.contains(">Prize!$1:$3<")) << book.constData();
    EXPECT_FALSE(book.contains("sheet1"));
}

TEST(WorkbookFromTemplate, SheetNamesAreCheckedAndReferencesRenamedExactly)
{
    auto workbook = Workbook::CreateEmpty();
    Worksheet& sheet = workbook->Sheet(0);
    for (const QString& bad : {QString(), QStringLiteral("a/b"), QStringLiteral("[x]"),
                               QString(32, u'x'), QStringLiteral("'q")}) {
        EXPECT_THROW(workbook->RenameSheet(sheet, bad), WorkbookError) << bad.toStdString();
    }
    workbook->AddSheet(std::make_unique<Worksheet>(QStringLiteral("Other")));
    EXPECT_THROW(workbook->RenameSheet(sheet, QStringLiteral("OTHER")), WorkbookError);
    workbook->RenameSheet(sheet, QStringLiteral("sheet1"));
    EXPECT_EQ(workbook->FindSheet(QStringLiteral("SHEET1")), &sheet);

    const QByteArray xml =
        "<workbook><sheets><sheet name=\"Sheet1\" r:id=\"rId1\"/><sheet name=\"sheet10\" "
        "r:id=\"rId2\"/></sheets>"
        "<definedNames><definedName name=\"a\">sheet1!$A$1,Sheet10!$B$2,'SHEET1'!$C$3</definedName>"
        "</definedNames></workbook>";
    const QByteArray renamed =
        XlsxWriter::RenameSheets(xml, {{QStringLiteral("sheet1"), QStringLiteral("中奖 名单")}});
    EXPECT_EQ(renamed,
              QStringLiteral("<workbook><sheets><sheet name=\"中奖 名单\" r:id=\"rId1\"/><sheet "
                             "name=\"sheet10\" r:id=\"rId2\"/></sheets>"
                             "<definedNames><definedName name=\"a\">'中奖 "
                             "名单'!$A$1,Sheet10!$B$2,'中奖 名单'!$C$3</definedName>"
                             "</definedNames></workbook>")
                  .toUtf8());
}

TEST(WorkbookSave, WorkbooksFromOtherFormatsBecomePlainXlsxAndFailuresLeaveOldFiles)
{
    QTemporaryDir dir;
    auto workbook = Workbook::Open(QStringLiteral(SORTILO_WORKBOOK_FIXTURES "/sheet1.xls"));
    workbook->Sheet(0).SetCell(6, 2, CellKind::Number, QStringLiteral("12.5"));
    const QString output = dir.filePath(QStringLiteral("out.xlsx"));
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    workbook->SaveAs(output);
    const auto saved = Workbook::Open(output);
    EXPECT_EQ(saved->Sheet(0).Name(), u"sheet1");
    EXPECT_EQ(saved->Sheet(0).CellText(2, 3), u"Sales部门");
    EXPECT_EQ(saved->Sheet(0).CellText(6, 2), u"12.5");
    EXPECT_EQ(saved->Sheet(0).Cell(6, 2)->kind, CellKind::Number);

    EXPECT_THROW(workbook->SaveAs(dir.filePath(QStringLiteral("no/such/folder/out.xlsx"))),
                 WorkbookError);
    EXPECT_THROW(saved->Sheet(0).SetCell(200001, 1, CellKind::Text, QStringLiteral("x")),
                 WorkbookError);
    EXPECT_THROW(saved->Sheet(0).SetCell(1, 1, CellKind::Text, QString(32768, u'x')),
                 WorkbookError);
}

TEST(WorkbookSave, TextsThatLookLikeEscapesReadBackAsWritten)
{
    // A written "_x0041_" once read back as "A", and "_x cac_" as U+0CAC (blanks and a sign
    // passed for hex digits).
    const QStringList texts{QStringLiteral("_x0041_"),        QStringLiteral("a_x cac_b"),
                            QStringLiteral("_x005F_x0041__"), QStringLiteral("_x+041_"),
                            QStringLiteral("_x0041\x01_"),    QStringLiteral("_\x01x0041_")};
    QTemporaryDir dir;
    auto workbook = Workbook::CreateEmpty();
    for (int i = 0; i < texts.size(); ++i) {
        workbook->Sheet(0).SetCell(i + 1, 1, CellKind::Text, texts[i]);
    }
    workbook->SaveAs(dir.filePath(QStringLiteral("out.xlsx")));
    const auto saved = Workbook::Open(dir.filePath(QStringLiteral("out.xlsx")));
    for (int i = 0; i < texts.size(); ++i) {
        // A control character is left out (XML cannot carry it), and nothing else.
        EXPECT_EQ(saved->Sheet(0).CellText(i + 1, 1), QString(texts[i]).remove(u'\x01'));
    }
}

TEST(Templates, GeneratorGivesTheCommittedFilesTheImportAndExportsExpect)
{
    QTemporaryDir dir;
    ASSERT_EQ(QProcess::execute(QStringLiteral(SORTILO_TEMPLATEGEN), {dir.path()}), 0);
    for (const char* name : {"template1.xlsx", "template2.xlsx"}) {
        SCOPED_TRACE(name);
        const QString committed = QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/") + name;
        EXPECT_EQ(Digest(dir.filePath(QString::fromUtf8(name))), Digest(committed))
            << "regenerate res/templates (target sortilo_templates)";
    }
    const auto participants =
        Workbook::Open(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/template2.xlsx"));
    ASSERT_EQ(participants->SheetCount(), 1);
    const Worksheet& header = participants->Sheet(0);
    EXPECT_EQ(header.Name(), u"sheet1");
    EXPECT_EQ(header.CellText(1, 1) + header.CellText(1, 2) + header.CellText(1, 3), u"IDNAMEMEMO");
    EXPECT_EQ(header.LastRow(), 1);
    const auto winners =
        Workbook::Open(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/template1.xlsx"));
    EXPECT_EQ(winners->Sheet(0).Name(), u"sheet1");
    EXPECT_EQ(winners->Sheet(0).LastRow(), 3);
}
