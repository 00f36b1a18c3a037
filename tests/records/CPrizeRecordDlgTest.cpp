// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/CPrizeRecordDlg.h"
#include "data/WinnerStore.h"
#include "platform/core/StringTable.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/Worksheet.h"
#include "records/CRecordListCtrl.h"
#include "records/CRecordListHeader.h"
#include "records/core/StoredWidthsBytes.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class PrizeRecordTest : public ::testing::Test
{
protected:
    explicit PrizeRecordTest(TestDatabase::Driver driver = TestDatabase::Driver::Sqlite)
        : data(driver)
    {}

    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(data.target().driver);
        ASSERT_TRUE(data.ok()) << data.error().toStdString();
        // The dialog reads stored column widths from the application's settings: keep them in
        // a folder of the test's own.
        QCoreApplication::setOrganizationName(QStringLiteral("SortiloTest"));
        QCoreApplication::setApplicationName(QStringLiteral("RecordsTest"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }

    void AddPerson(const QString& id, const QString& name, const QString& company = {})
    {
        data.Exec("insert into person(PersonID,PersonName,Company) values(?,?,?)",
                  {id, name, company});
    }
    void AddWin(const QString& id, int step, int sNo, const QString& prize = "一等奖")
    {
        data.Exec("insert into ComePrize(PersonID,sDateTime,step,sNo,JP) values(?,?,?,?,?)",
                  {id, QStringLiteral("2026-12-07 09:%1:00").arg(sNo, 2, 10, QLatin1Char('0')),
                   step, sNo, prize});
    }
    int StoredWins() { return data.Count("select * from ComePrize"); }

    static QStringList Column(const CPrizeRecordDlg& dialog, int column)
    {
        QStringList texts;
        for (int row = 0; row < dialog.List().RowCount(); ++row) {
            texts << dialog.List().ItemText(row, column);
        }
        return texts;
    }

    TestDatabase data;
    RecordingMessageService messages;
    QTemporaryDir settingsDir;
};

// The same on the driver a parameterised test names.
class PrizeRecordDriverTest : public PrizeRecordTest,
                              public ::testing::WithParamInterface<TestDatabase::Driver>
{
protected:
    PrizeRecordDriverTest() : PrizeRecordTest(GetParam()) {}
};

INSTANTIATE_TEST_SUITE_P(Engines, PrizeRecordDriverTest, SORTILO_BOTH_DRIVERS);

} // namespace

TEST_F(PrizeRecordTest, NoWinnersShowsAnEmptyListTheCountZeroAndTheNineColumns)
{
    CPrizeRecordDlg dialog(data.db());
    EXPECT_EQ(dialog.List().RowCount(), 0);
    EXPECT_EQ(dialog.WinnerCountText(), "0");
    const QAbstractItemModel& model = *dialog.List().model();
    ASSERT_EQ(model.columnCount(), 9);
    const int ids[] = {124, 126, 102, 103, 104, 149, 123};
    const int widths[] = {100, 100, 80, 80, 200, 150, 150, 100, 340};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(model.headerData(i, Qt::Horizontal).toString(), StringTable::Load(ids[i]));
    }
    // The group the prize was won under, then the status of voided wins and replacements.
    EXPECT_EQ(model.headerData(7, Qt::Horizontal).toString(), QStringLiteral("分组"));
    EXPECT_EQ(model.headerData(8, Qt::Horizontal).toString(), QStringLiteral("状态"));
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(dialog.List().columnWidth(i), widths[i]);
    }
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(PrizeRecordTest, WinnersListedInPrizeOrderWithLeadingBlanks)
{
    AddPerson("O'NEIL", "O'Neil \"Ace\" 😀", "Dept 'A'");
    AddPerson("編號一二三四", "李四", "研发部");
    AddPerson("GONE", "Removed later");
    AddPerson("B2", "Second");
    AddPerson("C3", "Third");
    AddWin("編號一二三四", 2, 1, "10");
    AddWin("B2", 1, 10, "9");
    AddWin("GONE", 1, 3, "9");
    AddWin("O'NEIL", 1, 2, "8");
    data.Exec("delete from person where PersonID='GONE'");

    CPrizeRecordDlg dialog(data.db());
    // Every stored win is counted and listed; this one kept no name, and its participant is gone.
    EXPECT_EQ(dialog.WinnerCountText(), "4");
    ASSERT_EQ(dialog.List().RowCount(), 4);
    EXPECT_EQ(Column(dialog, 0), QStringList({"     1", "     1", "     1", "     2"}));
    EXPECT_EQ(Column(dialog, 1), QStringList({"     2", "     3", "     10", "     1"}));
    EXPECT_EQ(Column(dialog, 3)[1], "  ");
    const QStringList first = {
        "     1", "     2",    "  O'NEIL", "  O'Neil \"Ace\" 😀", " 2026-12-07 09:02:00",
        "8",      "  Dept 'A'"};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(dialog.List().ItemText(0, column), first[column]);
    }
    EXPECT_EQ(dialog.List().ItemText(3, 2), "  編號一二三四");

    // Places compare by value whatever blanks lead them: 2 before 10.
    dialog.List().SortByColumn(1, true);
    EXPECT_EQ(Column(dialog, 1), QStringList({"     1", "     2", "     3", "     10"}));
    dialog.List().SortByColumn(5, true);
    EXPECT_EQ(Column(dialog, 5), QStringList({"8", "9", "9", "10"}));

    // Refresh brings the rows back in query order; the arrow stays.
    AddWin("C3", 3, 1);
    dialog.RefreshButton().click();
    EXPECT_EQ(Column(dialog, 5), QStringList({"8", "9", "9", "10", "一等奖"}));
    EXPECT_EQ(dialog.List().Header().SortColumn(), 5);
    EXPECT_EQ(dialog.WinnerCountText(), "5");
}

TEST_F(PrizeRecordTest, ClearingEmptiesTheRecordOnlyAfterYes)
{
    AddPerson("A1", "Ann");
    AddPerson("B2", "Bob");
    AddWin("A1", 1, 1);
    AddWin("B2", 1, 2);
    CPrizeRecordDlg dialog(data.db());

    messages.answer = MessageService::Answer::No;
    dialog.ClearButton().click();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], StringTable::Load(134));
    EXPECT_EQ(messages.kinds[0], MessageService::Buttons::YesNoDefaultNo) << "Return keeps them";
    EXPECT_EQ(dialog.List().RowCount(), 2);
    EXPECT_EQ(StoredWins(), 2);

    messages.answer = MessageService::Answer::Yes;
    dialog.ClearButton().click();
    EXPECT_EQ(dialog.List().RowCount(), 0);
    EXPECT_EQ(dialog.WinnerCountText(), "0");
    EXPECT_EQ(StoredWins(), 0);

    dialog.RefreshButton().click();
    EXPECT_EQ(dialog.List().RowCount(), 0);
    EXPECT_EQ(dialog.WinnerCountText(), "0");
}

TEST_F(PrizeRecordTest, ARefusedDeleteKeepsEveryWinnerListed)
{
    AddPerson("A1", "Ann");
    AddWin("A1", 1, 1);
    data.Exec("create trigger keep before delete on ComePrize "
              "begin select raise(abort, 'the record is read-only'); end");
    CPrizeRecordDlg dialog(data.db());

    messages.answer = MessageService::Answer::Yes;
    dialog.ClearButton().click();
    ASSERT_EQ(messages.texts.size(), 2); // the question, then the layer's error
    EXPECT_TRUE(messages.texts[1].contains("read-only"));
    EXPECT_EQ(dialog.List().RowCount(), 1);
    EXPECT_EQ(dialog.WinnerCountText(), "1");
    EXPECT_EQ(StoredWins(), 1);
}

TEST_F(PrizeRecordTest, AFailedListingLeavesTheListEmptyAndStillCounts)
{
    AddPerson("A1", "Ann");
    AddWin("A1", 1, 1);
    data.Exec("drop view hadPrizeView");
    CPrizeRecordDlg dialog(data.db());
    EXPECT_EQ(dialog.List().RowCount(), 0);
    EXPECT_EQ(dialog.WinnerCountText(), "1");
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(PrizeRecordTest, StoredWidthsSizeAndExport)
{
    {
        QSettings settings;
        settings.setValue("ListCtrls/1019", StoredWidthsBytes({7, 11, 12, 13, 14, 15, 16, 17}));
    }
    CPrizeRecordDlg dialog(data.db());
    EXPECT_EQ(dialog.List().columnWidth(0), 11);
    EXPECT_EQ(dialog.List().columnWidth(6), 17);

    dialog.show();
    dialog.resize(600, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.List().geometry(), QRect(5, 50, 590, 345));

    // A cancelled save dialog ends the export without a word.
    dialog.SetSaveChooser([](QWidget*, const QString&) { return QString(); });
    dialog.ExportButton().click();
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(PrizeRecordTest, OpensWideEnoughForEveryColumnAndRemembersSizeAndWidths)
{
    {
        QSettings settings;
        settings.setValue("ListCtrls/1019", StoredWidthsBytes({7, 100, 100, 80, 80, 120, 100, 90}));
    }
    {
        CPrizeRecordDlg dialog(data.db());
        dialog.show();
        QCoreApplication::processEvents();
        // Every column when the screen is wide enough, else as wide as the screen.
        const int screenWidth = dialog.screen()->availableGeometry().width();
        EXPECT_GE(dialog.List().viewport()->width(),
                  std::min(dialog.List().ColumnsWidth(), screenWidth - 60))
            << "the last column is on screen";
        dialog.List().setColumnWidth(6, 55);
        dialog.resize(640, 420);
        dialog.hide();
    }
    CPrizeRecordDlg dialog(data.db());
    EXPECT_EQ(dialog.size(), QSize(640, 420));
    EXPECT_EQ(dialog.List().columnWidth(6), 55);
    EXPECT_EQ(dialog.List().columnWidth(0), 100);
}

TEST_F(PrizeRecordTest, ExportSavesThePrizeSheetWithTheProgressBarRunningThroughTheWinners)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/template1.xlsx"),
                            data.folder() + QStringLiteral("template1.xlsx")));
    AddPerson("P1", "张三");
    AddPerson("P2", "李四");
    AddWin("P1", 1, 1);
    AddWin("P2", 1, 2);
    CPrizeRecordDlg dialog(data.db(), data.folder());
    QString proposed;
    const QString path = data.folder() + QStringLiteral("winners.xlsx");
    dialog.SetSaveChooser([&](QWidget*, const QString& name) {
        proposed = name;
        return path;
    });
    dialog.ExportButton().click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.RunningExport(); }, 20000));
    EXPECT_EQ(proposed, QStringLiteral("Prize1.xlsx"));
    EXPECT_EQ(dialog.ProgressBar().maximum(), 2);
    EXPECT_EQ(dialog.ProgressBar().value(), 2);
    EXPECT_FALSE(dialog.ProgressBar().isVisible());
    const std::unique_ptr<Workbook> saved = Workbook::Open(path);
    const Worksheet* sheet = saved->FindSheet(QStringLiteral("Prize"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->CellText(5, 4), QStringLiteral("  李四"));
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_P(PrizeRecordDriverTest, EveryWinKeepsItsNameWhenTheListIsClearedOrImportedAgain)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/template1.xlsx"),
                            data.folder() + QStringLiteral("template1.xlsx")));
    AddPerson("A1", "Ann", "Sales");
    AddPerson("B2", "Bob", "IT");
    WinnerStore winners(data.db());
    ASSERT_TRUE(winners.InsertWinner({"A1", "2026-12-07 09:01:00", 1, 1, "一等奖"}));
    ASSERT_TRUE(winners.InsertWinner({"B2", "2026-12-07 09:02:00", 1, 2, "一等奖"}));
    const QString path = data.folder() + QStringLiteral("winners.xlsx");
    const auto expectEveryWin = [&](const char* when) {
        CPrizeRecordDlg dialog(data.db(), data.folder());
        EXPECT_EQ(dialog.WinnerCountText(), "2") << when;
        EXPECT_EQ(Column(dialog, 2), QStringList({"  A1", "  B2"})) << when;
        EXPECT_EQ(Column(dialog, 3), QStringList({"  Ann", "  Bob"})) << when;
        EXPECT_EQ(Column(dialog, 6), QStringList({"  Sales", "  IT"})) << when;
        dialog.SetSaveChooser([&](QWidget*, const QString&) { return path; });
        dialog.ExportButton().click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.RunningExport(); }, 20000)) << when;
        const std::unique_ptr<Workbook> saved = Workbook::Open(path);
        const Worksheet* sheet = saved->FindSheet(QStringLiteral("Prize"));
        ASSERT_NE(sheet, nullptr) << when;
        EXPECT_EQ(sheet->CellText(4, 4), QStringLiteral("  Ann")) << when;
        EXPECT_EQ(sheet->CellText(5, 3), QStringLiteral("  B2")) << when;
        EXPECT_EQ(sheet->CellText(5, 4), QStringLiteral("  Bob")) << when;
        EXPECT_EQ(sheet->CellText(5, 7), QStringLiteral("  IT")) << when;
    };
    // The participant dialog's "clear all" keeps the wins.
    data.Exec("delete from person");
    expectEveryWin("after the list was cleared");
    // A list imported again gives a winner's number another name.
    AddPerson("a1", "Another", "Ops");
    AddPerson("B2", "Robert");
    expectEveryWin("after the list was imported again");
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}
