// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SqlStatements.h"
#include "exchange/ParticipantImport.h"
#include "exchange/excel/CExcelApplication.h"
#include "platform/core/DesktopOpener.h"
#include "platform/core/StringTable.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/Worksheet.h"
#include "registry/CImportResultDlg.h"
#include "registry/CPersonDlg.h"
#include "registry/ImportFailureModel.h"
#include "registry/ImportWorker.h"
#include "registry/PersonTableModel.h"
#include "support/RecordingMessageService.h"
#include "support/RefusedCommit.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

// The participant dialog's import (on its worker thread) and export.
class PersonDlgWorkbook : public ::testing::Test
{
protected:
    explicit PersonDlgWorkbook(TestDatabase::Driver driver = TestDatabase::Driver::Sqlite)
        : m_data(driver)
    {
        if (!m_data.ok()) {
            return;
        }
        m_data.Exec(QLatin1String(SqlStatements::InsertPerson), {"EXIST1", "已有", ""});
        m_dlg = std::make_unique<CPersonDlg>(m_data.db(), m_data.folder());
        m_dlg->SetOpenChooser([this](QWidget*, const QString&) { return m_chosen; });
        m_dlg->SetSaveChooser([this](QWidget*, const QString& proposed) {
            m_proposed << proposed;
            return m_chosen;
        });
    }

    // Presses import and waits for the worker to end.
    void Import(const QString& path)
    {
        m_chosen = path;
        m_dlg->Ui().import->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_dlg->RunningImport(); }, 20000));
        QCoreApplication::processEvents();
    }
    QStringList ResultRows() const
    {
        QStringList rows;
        const QAbstractItemModel& list = m_dlg->ResultDialog().Failures();
        for (int i = 0; i < list.rowCount(); ++i) {
            rows << list.index(i, 0).data().toString() + u'|' + list.index(i, 1).data().toString();
        }
        return rows;
    }

    RecordingMessageService m_messages;
    TestDatabase m_data;
    std::unique_ptr<CPersonDlg> m_dlg;
    QString m_chosen;
    QStringList m_proposed;
};

// The import writes through a connection of its own to the same database, on either engine.
class PersonDlgImport : public PersonDlgWorkbook,
                        public ::testing::WithParamInterface<TestDatabase::Driver>
{
protected:
    PersonDlgImport() : PersonDlgWorkbook(GetParam()) {}
    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(GetParam());
        ASSERT_TRUE(m_data.ok()) << m_data.error().toStdString();
    }
};

INSTANTIATE_TEST_SUITE_P(Engines, PersonDlgImport, SORTILO_BOTH_DRIVERS);

} // namespace

TEST_P(PersonDlgImport, ImportShowsTheResultsReloadsTheListAndAnnouncesTheEnd)
{
    CImportResultDlg& results = m_dlg->ResultDialog();
    EXPECT_FALSE(results.isVisible());
    EXPECT_TRUE(results.windowFlags() & Qt::WindowStaysOnTopHint);

    Import(QStringLiteral(SORTILO_EXCHANGE_FIXTURES "/rows/Sheet1.xlsx"));
    EXPECT_TRUE(results.isVisible());
    EXPECT_EQ(results.TotalText(), "7");
    EXPECT_EQ(results.ImportedText(), "3");
    EXPECT_EQ(results.RejectedText(), "4");
    const QStringList rows = ResultRows();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], "ABCDEFGHI - 九位编号 - x|" + StringTable::Load(141));
    EXPECT_EQ(rows[3], "EXIST1 - 已有 - exists|" + StringTable::Load(144));
    EXPECT_EQ(m_dlg->Model().rowCount(), 4);
    EXPECT_EQ(m_messages.texts, QStringList{StringTable::Load(148)});
    EXPECT_EQ(m_messages.informations, QList<bool>{true}) << "a success, not a warning";

    // A cancelled file dialog leaves the last results as they are.
    results.hide();
    Import(QString());
    EXPECT_FALSE(results.isVisible());
    EXPECT_EQ(results.TotalText(), "7");
    EXPECT_EQ(ResultRows(), rows);
    EXPECT_EQ(m_messages.texts.size(), 1);
}

TEST_P(PersonDlgImport, ARefusedCommitIsNotAnnouncedAsFinished)
{
    if (GetParam() == TestDatabase::Driver::Sqlite) {
        GTEST_SKIP() << "SQLite checks the refusing constraint only on the set-up connection";
    }
    RefuseCommitOf(m_data, QStringLiteral("LOST1"));
    const QString path = m_data.folder() + QStringLiteral("refused.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ID,NAME,MEMO\nN1,甲,\nLOST1,乙,\n");
    file.close();

    Import(path);
    CImportResultDlg& results = m_dlg->ResultDialog();
    EXPECT_EQ(results.TotalText(), "2");
    const int kept = results.ImportedText().toInt();
    EXPECT_EQ(m_dlg->Model().rowCount(), 1 + kept) << "the list shows what is stored";
    EXPECT_EQ(ResultRows().last(), "LOST1 - 乙 - |" + ParticipantImport::UnsavedReasonText());
    EXPECT_FALSE(m_messages.texts.contains(StringTable::Load(148)));
    ASSERT_FALSE(m_messages.texts.isEmpty());
    EXPECT_TRUE(m_messages.texts.last().contains(QStringLiteral("本次实际保存了 %1 笔").arg(kept)))
        << m_messages.texts.last().toStdString();
}

TEST_F(PersonDlgWorkbook, WhileAnImportRunsNoSecondStartsAndTheDialogStaysOpen)
{
    const QString path = m_data.folder() + QStringLiteral("many.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ID,NAME,MEMO\n");
    for (int i = 0; i < 40000; ++i) {
        file.write(QStringLiteral("N%1,名%1,\n").arg(i).toUtf8());
    }
    file.close();

    m_dlg->show();
    m_chosen = path;
    m_dlg->Ui().import->click();
    ASSERT_NE(m_dlg->RunningImport(), nullptr);
    m_dlg->Ui().import->click();
    m_dlg->close();
    EXPECT_TRUE(m_dlg->isVisible());
    // Clearing the list is refused before it is asked.
    m_messages.answer = MessageService::Answer::Yes;
    m_dlg->Ui().clearAll->click();
    EXPECT_EQ(m_messages.texts.size(), 3);
    EXPECT_EQ(m_messages.kinds.last(), MessageService::Buttons::Ok);
    // The operator keys in the next participant meanwhile: the reload at the end keeps it.
    m_dlg->Ui().add->click();
    QTest::keyClicks(m_dlg->Ui().id, QStringLiteral("n9"));
    QTest::keyClicks(m_dlg->Ui().name, QStringLiteral("Li Si"));

    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_dlg->RunningImport(); }, 60000));
    EXPECT_EQ(m_dlg->ResultDialog().ImportedText(), "40000");
    EXPECT_EQ(m_dlg->Model().rowCount(), 40001);
    EXPECT_EQ(m_dlg->Ui().id->text(), "N9");
    EXPECT_EQ(m_dlg->Ui().name->text(), "Li Si");
    EXPECT_EQ(m_dlg->Ui().count->text(), "40001");
    EXPECT_EQ(m_messages.texts.last(), StringTable::Load(148));
    m_dlg->close();
    EXPECT_FALSE(m_dlg->isVisible());
}

TEST_F(PersonDlgWorkbook, ExportSavesTheListWhereChosen)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/template2.xlsx"),
                            m_data.folder() + QStringLiteral("template2.xlsx")));
    m_chosen = m_data.folder() + QStringLiteral("out.xlsx");
    // The saved workbook goes to the desktop's opener; one that fails says where the file is.
    CExcelApplication::SetDesktopLauncher(&CExcelApplication::OpenWithDesktop);
    DesktopOpener::SetCommand(QStringLiteral("false"));
    m_dlg->Ui().exportList->click();
    // The export runs on a thread of its own: the dialog is served meanwhile.
    EXPECT_NE(m_dlg->RunningExport(), nullptr);
    EXPECT_FALSE(m_dlg->Ui().exportList->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_dlg->RunningExport(); }, 20000));
    EXPECT_EQ(m_proposed, QStringList{"Persons.xlsx"});
    EXPECT_FALSE(m_dlg->Ui().progress->isVisible());
    EXPECT_EQ(m_dlg->Ui().progress->maximum(), 1);
    EXPECT_TRUE(m_dlg->Ui().exportList->isEnabled());
    EXPECT_EQ(Workbook::Open(m_chosen)->FindSheet("sheet1")->CellText(2, 1), "EXIST1");
    EXPECT_TRUE(QTest::qWaitFor([this] { return !m_messages.texts.isEmpty(); }, 10000));
    EXPECT_TRUE(m_messages.texts.value(0).contains(m_chosen))
        << m_messages.texts.value(0).toStdString();
    CExcelApplication::SetDesktopLauncher(nullptr);
    DesktopOpener::SetCommand(QString());
}
