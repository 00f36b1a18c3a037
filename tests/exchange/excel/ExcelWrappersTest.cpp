// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/excel/CExcelApplication.h"
#include "exchange/excel/CExcelDispatchException.h"
#include "exchange/excel/MissingArgument.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ExcelWrappers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/template1.xlsx"),
                                m_dir.filePath(QStringLiteral("template1.xlsx"))));
        CExcelApplication::SetDesktopLauncher([this](const QString& path) { m_opened << path; });
    }
    void TearDown() override
    {
        CExcelApplication::SetDesktopLauncher(nullptr);
        CExcelApplication::SetStartCheck(nullptr);
    }

    static void SaveAs(CExcelWorksheet& sheet, const QString& path)
    {
        sheet.SaveAs(path, MissingArgument, MissingArgument, MissingArgument, MissingArgument,
                     MissingArgument, MissingArgument, MissingArgument, MissingArgument);
    }

    QTemporaryDir m_dir;
    QStringList m_opened;
};

} // namespace

TEST_F(ExcelWrappers, ExportChainFillsTheTemplateSavesAndShowsTheFile)
{
    CExcelApplication app;
    ASSERT_TRUE(app.CreateDispatch(QStringLiteral("Excel.Application")));
    app.SetVisible(false);
    CExcelWorkbooks books = app.GetWorkbooks();
    CExcelWorkbook book = books.Add(QVariant(m_dir.filePath(QStringLiteral("template1"))));
    CExcelWorksheets sheets = book.GetWorksheets();
    CExcelWorksheet sheet = sheets.GetItem(QVariant(QStringLiteral("sheet1")));
    sheet.SetName(QStringLiteral("Prize"));
    sheet = sheets.GetItem(QVariant(QStringLiteral("Prize")));
    CExcelRange cells = sheet.GetCells();
    cells.SetItem(QVariant(4), QVariant(1), QVariant(QStringLiteral("     1")));
    cells.SetItem(QVariant(4), QVariant(3), QVariant(QStringLiteral("  1001")));
    cells.SetItem(QVariant(5), QVariant(2), QVariant(7));
    const QString path = m_dir.filePath(QStringLiteral("Prize1.xlsx"));
    SaveAs(sheet, path);
    EXPECT_TRUE(m_opened.isEmpty());
    app.SetVisible(true);
    EXPECT_EQ(m_opened, QStringList{path});
    cells.ReleaseDispatch();
    sheet.ReleaseDispatch();
    sheets.ReleaseDispatch();
    book.ReleaseDispatch();
    books.ReleaseDispatch();
    app.ReleaseDispatch();

    // Read back as the import reads: by name in any letter case, cell by cell, as text.
    CExcelApplication reader;
    ASSERT_TRUE(reader.CreateDispatch(QStringLiteral("excel.application")));
    CExcelRange saved = reader.GetWorkbooks()
                            .Add(QVariant(path))
                            .GetWorksheets()
                            .GetItem(QVariant(QStringLiteral("PRIZE")))
                            .GetCells();
    EXPECT_EQ(saved.GetItem(QVariant(1), QVariant(1)).toString(), u"中奖名单");
    EXPECT_EQ(saved.GetItem(QVariant(4), QVariant(1)).toString(), u"     1");
    EXPECT_EQ(saved.GetItem(QVariant(4), QVariant(3)).toString(), u"  1001");
    EXPECT_EQ(saved.GetItem(QVariant(5), QVariant(2)).toString(), u"7");
    EXPECT_TRUE(saved.GetItem(QVariant(4), QVariant(2)).isNull());
    reader.SetVisible(true); // nothing saved by this one: nothing to show
    EXPECT_EQ(m_opened.size(), 1);
}

TEST_F(ExcelWrappers, ImportChainReadsLibreOfficeWorkbooksCellByCell)
{
    for (const char* file : {"sheet1.xlsx", "sheet1.xls", "sheet1.csv"}) {
        SCOPED_TRACE(file);
        CExcelApplication app;
        ASSERT_TRUE(app.CreateDispatch(QStringLiteral("Excel.Application")));
        CExcelRange cells = app.GetWorkbooks()
                                .Add(QVariant(QStringLiteral(SORTILO_WORKBOOK_FIXTURES "/") + file))
                                .GetWorksheets()
                                .GetItem(QVariant(QStringLiteral("Sheet1")))
                                .GetCells();
        EXPECT_EQ(cells.GetItem(QVariant(1), QVariant(2)).toString(), u"NAME");
        EXPECT_EQ(cells.GetItem(QVariant(2), QVariant(1)).toString(), u"1001");
        EXPECT_EQ(cells.GetItem(QVariant(2), QVariant(3)).toString(), u"Sales部门");
        EXPECT_TRUE(cells.GetItem(QVariant(6), QVariant(1)).isNull());
    }
}

TEST_F(ExcelWrappers, FailingCallsRaiseTheDispatchExceptionAndServerlessStartsFail)
{
    CExcelApplication app;
    EXPECT_FALSE(app.CreateDispatch(QStringLiteral("Word.Application")));
    EXPECT_THROW(app.GetWorkbooks(), CExcelDispatchException);
    CExcelApplication::SetStartCheck([] { return false; });
    EXPECT_FALSE(app.CreateDispatch(QStringLiteral("Excel.Application")));
    CExcelApplication::SetStartCheck(nullptr);
    ASSERT_TRUE(app.CreateDispatch(QStringLiteral("Excel.Application")));

    CExcelWorkbooks books = app.GetWorkbooks();
    EXPECT_THROW(books.Add(QVariant(m_dir.filePath(QStringLiteral("template9")))),
                 CExcelDispatchException);
    QFile notBook(m_dir.filePath(QStringLiteral("notes.xlsx")));
    ASSERT_TRUE(notBook.open(QIODevice::WriteOnly));
    notBook.write("not a workbook");
    notBook.close();
    EXPECT_THROW(books.Add(QVariant(notBook.fileName())), CExcelDispatchException);

    CExcelWorksheets sheets = books.Add(MissingArgument).GetWorksheets();
    EXPECT_THROW(sheets.GetItem(QVariant(QStringLiteral("sheet2"))), CExcelDispatchException);
    EXPECT_THROW(sheets.GetItem(QVariant(2)), CExcelDispatchException);
    CExcelWorksheet sheet = sheets.GetItem(QVariant(1));
    EXPECT_THROW(sheet.SetName(QStringLiteral("a:b")), CExcelDispatchException);
    CExcelRange cells = sheet.GetCells();
    EXPECT_THROW(cells.SetItem(QVariant(0), QVariant(1), QVariant(QStringLiteral("x"))),
                 CExcelDispatchException);
    EXPECT_THROW(cells.GetItem(QVariant(QStringLiteral("row")), QVariant(1)),
                 CExcelDispatchException);
    EXPECT_THROW(sheet.SaveAs(m_dir.filePath(QStringLiteral("p.xlsx")), MissingArgument,
                              QVariant(QStringLiteral("secret")), MissingArgument, MissingArgument,
                              MissingArgument, MissingArgument, MissingArgument, MissingArgument),
                 CExcelDispatchException);
    EXPECT_THROW(SaveAs(sheet, m_dir.filePath(QStringLiteral("missing/folder/p.xlsx"))),
                 CExcelDispatchException);
    cells.ReleaseDispatch();
    EXPECT_THROW(cells.GetItem(QVariant(1), QVariant(1)), CExcelDispatchException);
    app.SetVisible(true);
    EXPECT_TRUE(m_opened.isEmpty());
}
