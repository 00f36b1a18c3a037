// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/CPersonDlg.h"
#include "data/CheckinStore.h"
#include "data/SqlStatements.h"
#include "exchange/ImportPerson.h"
#include "exchange/PersonText.h"
#include "platform/core/StringTable.h"
#include "registry/PersonCheckinBar.h"
#include "registry/PersonTableModel.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

class PersonDlgTest : public ::testing::Test
{
protected:
    PersonDlgTest()
    {
        for (const auto& [id, name] :
             {std::pair{"B002", "李四"}, {"A001", "张三"}, {"C003", "王五"}}) {
            m_data.Exec(QLatin1String(SqlStatements::InsertPerson),
                        {QString::fromUtf8(id), QString::fromUtf8(name), QStringLiteral("销售部")});
        }
        m_dlg = std::make_unique<CPersonDlg>(m_data.db(), m_data.folder());
        m_dlg->SetDocumentOpener([this](const QUrl& url) { m_opened << url; });
    }

    const CPersonDlg::Controls& ui() { return m_dlg->Ui(); }
    PersonTableModel& model() { return m_dlg->Model(); }
    QStringList ShownIds()
    {
        QStringList ids;
        for (int i = 0; i < model().rowCount(); ++i) {
            ids << model().Row(i).PersonID;
        }
        return ids;
    }
    int Stored(const QString& id)
    {
        return m_data.Count(QLatin1String(SqlStatements::SelectPersonById), {id});
    }
    void Select(int row)
    {
        ui().list->selectionModel()->select(
            model().index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    void Key(const QString& id, const QString& name, const QString& memo = {})
    {
        ui().id->setText(id);
        ui().name->setText(name);
        ui().memo->setText(memo);
    }
    static QString Str(int id) { return StringTable::Load(id); }

    RecordingMessageService m_messages;
    TestDatabase m_data;
    std::unique_ptr<CPersonDlg> m_dlg;
    QList<QUrl> m_opened;
};

} // namespace

TEST_F(PersonDlgTest, CheckInByHandFilterByStateAndTheDrawsOption)
{
    PersonCheckinBar& bar = m_dlg->Checkins();
    CheckinStore store(m_data.db(), QStringLiteral("door"));
    ASSERT_EQ(store.CheckIn(QStringLiteral("c003"), QStringLiteral("2027-01-20 18:00:00")).outcome,
              CheckinReply::Outcome::CheckedIn);
    m_dlg->FillList();
    EXPECT_EQ(model().index(2, PersonTableModel::CheckinColumn).data().toString(),
              QStringLiteral("2027-01-20 18:00:00"));
    EXPECT_EQ(bar.Tally()->text(), QStringLiteral("已签到 1 / 3"));

    Select(0); // A001
    bar.ToggleButton()->click();
    EXPECT_EQ(store.CheckedIn()->keys().size(), 2);
    bar.StateFilter()->setCurrentIndex(1);
    EXPECT_EQ(ShownIds(), (QStringList{QStringLiteral("A001"), QStringLiteral("C003")}));
    bar.StateFilter()->setCurrentIndex(2);
    EXPECT_EQ(ShownIds(), QStringList{QStringLiteral("B002")});
    bar.StateFilter()->setCurrentIndex(1);
    Select(1); // C003, out again
    bar.ToggleButton()->click();
    EXPECT_EQ(store.CheckedInCount(), 1);
    EXPECT_EQ(bar.Tally()->text(), QStringLiteral("已签到 1 / 3"));

    EXPECT_FALSE(bar.OnlyCheckedIn()->isChecked());
    bar.OnlyCheckedIn()->click();
    EXPECT_EQ(store.OnlyCheckedIn(), true);
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join(u'\n').toStdString();
}

TEST_F(PersonDlgTest, TheAddButtonSwitchesModesAndEmptiesTheTexts)
{
    EXPECT_EQ(ShownIds(), (QStringList{"A001", "B002", "C003"}));
    EXPECT_EQ(ui().count->text(), QStringLiteral("3"));
    EXPECT_EQ(ui().add->text(), Str(130));
    EXPECT_FALSE(ui().id->isEnabled());
    EXPECT_FALSE(ui().save->isEnabled());

    Select(1);
    EXPECT_EQ(ui().name->text(), QStringLiteral("李四")) << "selection copies the row";
    ui().add->click();
    EXPECT_TRUE(m_dlg->IsAddMode());
    EXPECT_EQ(ui().add->text(), Str(129));
    for (QWidget* w : {(QWidget*)ui().id, (QWidget*)ui().save, (QWidget*)ui().import}) {
        EXPECT_TRUE(w->isEnabled());
    }
    for (QWidget* w : {(QWidget*)ui().remove, (QWidget*)ui().modify, (QWidget*)ui().list,
                       (QWidget*)ui().clearAll, (QWidget*)ui().refresh}) {
        EXPECT_FALSE(w->isEnabled());
    }
    EXPECT_TRUE(ui().id->text().isEmpty() && ui().name->text().isEmpty() &&
                ui().memo->text().isEmpty());
    ui().name->setText(QStringLiteral("x"));
    ui().add->click();
    EXPECT_FALSE(m_dlg->IsAddMode());
    EXPECT_TRUE(ui().list->isEnabled() && ui().remove->isEnabled() && !ui().save->isEnabled());
    EXPECT_TRUE(ui().name->text().isEmpty());
}

TEST_F(PersonDlgTest, SaveChecksInOrderCountingGbkBytesAndStoresNothingOnRefusal)
{
    m_data.Exec(QLatin1String(SqlStatements::InsertPerson),
                {QStringLiteral("x001"), QStringLiteral("小写"), QString()});
    ui().add->click();
    const QString nineBytes = QStringLiteral("ABCDEFGH9");
    const QString fiveChinese = QStringLiteral("一二三四五");
    const struct
    {
        QString id, name;
        int message;
    } refused[] = {
        {nineBytes, QString(), 127}, // length first, before the empty name
        {fiveChinese, QStringLiteral("名"), 127},
        {QString(), QString(), 136},
        {QStringLiteral("N1"), QString(), 137},
        {QStringLiteral("X001"), QStringLiteral("张三"), 128}, // "x001" exists
    };
    for (const auto& c : refused) {
        m_messages.texts.clear();
        m_messages.captions.clear();
        Key(c.id, c.name, QStringLiteral("备注"));
        ui().save->click();
        EXPECT_EQ(m_messages.texts, QStringList{Str(c.message)}) << c.id.toStdString();
        EXPECT_EQ(m_messages.captions, QStringList{QString()});
        EXPECT_EQ(ui().id->text(), c.id) << "texts kept";
        EXPECT_EQ(ui().memo->text(), QStringLiteral("备注"));
    }
    EXPECT_EQ(m_data.Count(QLatin1String(SqlStatements::SelectAllPersons)), 4);

    // Four Chinese characters are 8 bytes: accepted.
    Key(QStringLiteral("一二三四"), QStringLiteral("四字"));
    ui().save->click();
    EXPECT_EQ(Stored(QStringLiteral("一二三四")), 1);
}

TEST_F(PersonDlgTest, ControlInvisibleAndBrokenCharactersAreRefusedWithTheImportsReasons)
{
    using PersonText::Problem;
    const auto reason = [](const char* column, Problem problem, int maxChars) {
        return ImportReasonText(TextRefused) + u'\n' + QLatin1String(column) +
               QStringLiteral("：") + PersonText::ReasonText(problem, maxChars);
    };
    const QString lone = QStringLiteral("张") + QChar(0xD800);
    const struct
    {
        QString id, name, memo, message;
    } refused[] = {
        {QStringLiteral("A\u0001B"), QStringLiteral("名"), {}, reason("ID", Problem::Control, 8)},
        {QStringLiteral("\u200B\u200B"),
         QStringLiteral("名"),
         {},
         reason("ID", Problem::Invisible, 8)},
        {QStringLiteral("N9"),
         lone,
         {},
         reason("NAME", Problem::Surrogate, PersonText::MaxNameChars)},
        {QStringLiteral("N9"), QStringLiteral("名"), QStringLiteral("a\tb"),
         reason("MEMO", Problem::Control, PersonText::MaxRemarkChars)},
    };
    ui().add->click();
    for (const auto& c : refused) {
        m_messages.texts.clear();
        Key(c.id, c.name, c.memo);
        ui().save->click();
        EXPECT_EQ(m_messages.texts, QStringList{c.message});
        EXPECT_EQ(Stored(c.id), 0);
    }
    // A change of name is checked alike and leaves the stored row as it was.
    ui().add->click();
    Select(0);
    m_messages.texts.clear();
    ui().name->setText(QStringLiteral("张\u0000三"));
    ui().modify->click();
    EXPECT_EQ(m_messages.texts,
              QStringList{reason("NAME", Problem::Control, PersonText::MaxNameChars)});
    Stored(QStringLiteral("A001"));
    EXPECT_EQ(m_data.db().GetFieldText(QStringLiteral("PersonName")), QStringLiteral("张三"));
}

TEST_F(PersonDlgTest, SavedRowsStandAtTheEndUntilTheNextReload)
{
    ui().add->click();
    Key(QStringLiteral("Z9"), QStringLiteral("O'Neil \"小王\" 🎉"));
    ui().save->click();
    // Blanks around the texts are cut off, as the import cuts them.
    Key(QStringLiteral(" A000\u3000"), QStringLiteral(" 赵六 "), QStringLiteral("\t"));
    ui().save->click();
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join(u'|').toStdString();
    EXPECT_EQ(ShownIds(), (QStringList{"A001", "B002", "C003", "Z9", "A000"}));
    EXPECT_EQ(ui().count->text(), QStringLiteral("5"));
    EXPECT_TRUE(m_dlg->IsAddMode()) << "ready for the next participant";
    EXPECT_TRUE(ui().id->text().isEmpty() && ui().name->text().isEmpty());

    m_data.Exec(QStringLiteral("select PersonName, Company, typeof(Company) as t from person "
                               "where PersonID='Z9'"));
    EXPECT_EQ(m_data.db().GetFieldText(QStringLiteral("PersonName")),
              QStringLiteral("O'Neil \"小王\" 🎉"));
    EXPECT_EQ(m_data.db().GetFieldText(QStringLiteral("t")), QStringLiteral("text"))
        << "an empty remark is stored as the empty text";
    EXPECT_EQ(Stored(QStringLiteral("A000")), 1);
    m_data.Exec(QStringLiteral("select PersonName, Company from person where PersonID='A000'"));
    EXPECT_EQ(m_data.db().GetFieldText(QStringLiteral("PersonName")), QStringLiteral("赵六"));
    EXPECT_EQ(m_data.db().GetFieldText(QStringLiteral("Company")), QString());

    ui().add->click();
    ui().refresh->click();
    EXPECT_EQ(ShownIds(), (QStringList{"A000", "A001", "B002", "C003", "Z9"}));
}

TEST_F(PersonDlgTest, TheIdEditUpperCasesAndStopsAtEightBytes)
{
    m_dlg->show();
    m_dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    ui().add->click();
    QTest::keyClicks(ui().id, QStringLiteral("ab12"));
    EXPECT_EQ(ui().id->text(), QStringLiteral("AB12"));
    EXPECT_TRUE(ui().id->hasFocus());
    QTest::keyClicks(ui().id, QStringLiteral("cdef"));
    EXPECT_EQ(ui().id->text(), QStringLiteral("AB12CDEF"));
    EXPECT_TRUE(ui().name->hasFocus()) << "the eighth byte moves on to the name";
    QTest::keyClicks(ui().id, QStringLiteral("g"));
    EXPECT_EQ(ui().id->text(), QStringLiteral("AB12CDEF"));

    // Chinese arrives through the input method, a character at a time.
    ui().id->clear();
    for (const QChar c : QStringLiteral("张三李四王")) {
        QInputMethodEvent typed;
        typed.setCommitString(QString(c));
        QApplication::sendEvent(ui().id, &typed);
    }
    EXPECT_EQ(ui().id->text(), QStringLiteral("张三李四"));
}

TEST_F(PersonDlgTest, ModifyChangesTheTableAndOnlyAMatchingSelectedRow)
{
    m_messages.texts.clear();
    ui().modify->click();
    EXPECT_EQ(m_messages.texts, QStringList{Str(132)});
    EXPECT_FALSE(m_messages.captions.value(0).isEmpty()) << "captioned with the program's name";

    Select(0);
    ui().name->setText(QStringLiteral("张三丰"));
    ui().modify->click();
    EXPECT_EQ(model().Row(0).PersonName, QStringLiteral("张三丰"));

    // No row selected after a reload: the table changes, the list keeps its text.
    ui().refresh->click();
    ui().name->setText(QStringLiteral("张无忌"));
    ui().memo->setText(QString());
    ui().modify->click();
    EXPECT_EQ(model().Row(0).PersonName, QStringLiteral("张三丰"));
    ASSERT_EQ(Stored(QStringLiteral("A001")), 1);
    EXPECT_EQ(m_data.db().GetFieldText(QStringLiteral("PersonName")), QStringLiteral("张无忌"));

    // A participant keeps a name.
    m_messages.texts.clear();
    ui().name->clear();
    ui().modify->click();
    EXPECT_EQ(m_messages.texts, QStringList{Str(137)});
    Stored(QStringLiteral("A001"));
    EXPECT_EQ(m_data.db().GetFieldText(QStringLiteral("PersonName")), QStringLiteral("张无忌"));
}

TEST_F(PersonDlgTest, AGroupIsSavedChangedShownAndFound)
{
    ui().add->click();
    Key(QStringLiteral("G1"), QStringLiteral("甲"));
    ui().group->setText(QStringLiteral(" 销售部 "));
    ui().save->click();
    ui().add->click();
    ui().refresh->click();
    ui().find->setText(QStringLiteral("销售"));
    ASSERT_EQ(ShownIds(), QStringList{"G1"});
    EXPECT_EQ(model().data(model().index(0, PersonTableModel::GroupColumn)).toString(),
              QStringLiteral("销售部"));

    Select(0);
    EXPECT_EQ(ui().group->text(), QStringLiteral("销售部"));
    ui().group->setText(QStringLiteral("研发部"));
    ui().modify->click();
    EXPECT_EQ(model().Row(0).PersonGroup, QStringLiteral("研发部"));
    ASSERT_EQ(Stored(QStringLiteral("G1")), 1);
    EXPECT_EQ(m_data.db().GetFieldText(QStringLiteral("PersonGroup")), QStringLiteral("研发部"));
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join(u'|').toStdString();
}

TEST_F(PersonDlgTest, DeleteAsksAndKeepsTheEditsClearAllEmptiesTheList)
{
    m_data.Exec(QLatin1String(SqlStatements::InsertWinner),
                {QStringLiteral("A001"), QStringLiteral("2026-01-01 10:00:00"), 1, 1,
                 QStringLiteral("一等奖"), QStringLiteral("A001"), QStringLiteral("A001")});
    Select(1);
    m_messages.answer = MessageService::Answer::No;
    ui().remove->click();
    EXPECT_EQ(m_messages.texts.last(), Str(131) + QStringLiteral("[ B002 - 李四 ] ? y/n"));
    EXPECT_EQ(m_messages.kinds.last(), MessageService::Buttons::YesNoDefaultNo);
    EXPECT_EQ(Stored(QStringLiteral("B002")), 1);

    m_messages.answer = MessageService::Answer::Yes;
    ui().remove->click();
    EXPECT_EQ(Stored(QStringLiteral("B002")), 0);
    EXPECT_EQ(ShownIds(), (QStringList{"A001", "C003"}));
    EXPECT_EQ(ui().count->text(), QStringLiteral("2"));
    EXPECT_EQ(ui().id->text(), QStringLiteral("B002")) << "the edits keep the deleted values";
    EXPECT_EQ(ui().name->text(), QStringLiteral("李四"));

    m_messages.answer = MessageService::Answer::No;
    ui().clearAll->click();
    EXPECT_EQ(m_messages.texts.last(), Str(133));
    EXPECT_EQ(m_messages.kinds.last(), MessageService::Buttons::YesNoDefaultNo);
    EXPECT_EQ(model().rowCount(), 2);
    m_messages.answer = MessageService::Answer::Yes;
    ui().clearAll->click();
    EXPECT_EQ(model().rowCount(), 0);
    EXPECT_EQ(ui().count->text(), QStringLiteral("0"));
    EXPECT_TRUE(ui().id->text().isEmpty());
    EXPECT_EQ(m_data.Count(QStringLiteral("select * from ComePrize")), 1) << "winners stay";
}

TEST_F(PersonDlgTest, AParticipantRemovedMeanwhileIsReportedAndTheListReloaded)
{
    Select(1);
    // Another station removes B002 while it is shown here.
    m_data.Exec(QLatin1String(SqlStatements::DeletePerson), {QStringLiteral("B002")});
    ui().name->setText(QStringLiteral("改名"));
    m_messages.texts.clear();
    ui().modify->click();
    ASSERT_EQ(m_messages.texts.size(), 1);
    EXPECT_TRUE(m_messages.texts[0].contains(QStringLiteral("B002")))
        << m_messages.texts[0].toStdString();
    EXPECT_TRUE(m_messages.texts[0].contains(QStringLiteral("没有修改")));
    EXPECT_EQ(ShownIds(), (QStringList{"A001", "C003"}));
    EXPECT_EQ(Stored(QStringLiteral("B002")), 0) << "the change made no new row";

    // The edits still show B002, as after a delete here: deleting it again changes nothing.
    m_messages.answer = MessageService::Answer::Yes;
    ui().remove->click();
    EXPECT_TRUE(m_messages.texts.last().contains(QStringLiteral("没有删除")))
        << m_messages.texts.last().toStdString();
    EXPECT_EQ(ui().count->text(), QStringLiteral("2"));
}

TEST_F(PersonDlgTest, AReadOnlyDatabaseIsReportedAndNothingChanges)
{
    m_data.Exec(QStringLiteral("pragma query_only=1"));
    m_messages.answer = MessageService::Answer::Yes;
    Select(0);
    ui().name->setText(QStringLiteral("改名"));
    ui().modify->click();
    EXPECT_EQ(m_messages.texts.last(), QStringLiteral("Failed Modify"));
    EXPECT_EQ(model().Row(0).PersonName, QStringLiteral("张三"));
    ui().remove->click();
    EXPECT_EQ(m_messages.texts.last(), QStringLiteral("Failed Delete"));
    ui().clearAll->click();
    EXPECT_EQ(m_messages.texts.last(), QStringLiteral("failed delete"));
    EXPECT_EQ(model().rowCount(), 3);

    ui().add->click();
    Key(QStringLiteral("N1"), QStringLiteral("新人"));
    m_messages.texts.clear();
    ui().save->click();
    ASSERT_EQ(m_messages.texts.size(), 2);
    EXPECT_TRUE(m_messages.texts[0].startsWith(QStringLiteral("Error: "))) << "the layer's box";
    EXPECT_EQ(m_messages.texts[1], QStringLiteral("Failed Key In"));
    EXPECT_EQ(ui().id->text(), QStringLiteral("N1"));
    EXPECT_EQ(model().rowCount(), 3);
    m_data.Exec(QStringLiteral("pragma query_only=0"));
    EXPECT_EQ(m_data.Count(QLatin1String(SqlStatements::SelectAllPersons)), 3);
}

TEST_F(PersonDlgTest, EnterNeverClosesEscapeDoes)
{
    m_dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dlg.get()));
    QTest::keyClick(ui().name, Qt::Key_Return);
    ui().add->click();
    Key(QStringLiteral("E1"), QStringLiteral("回车"));
    QTest::keyClick(ui().name, Qt::Key_Return); // in add mode Enter saves
    EXPECT_TRUE(m_dlg->isVisible());
    EXPECT_EQ(Stored(QStringLiteral("E1")), 1);
    QTest::keyClick(ui().name, Qt::Key_Escape);
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_EQ(m_dlg->result(), QDialog::Rejected);
}

TEST_F(PersonDlgTest, TheFindBoxFiltersByNumberOrNameInAnyCase)
{
    ui().find->setText(QStringLiteral("b0"));
    EXPECT_EQ(ShownIds(), QStringList{"B002"});
    Select(0);
    EXPECT_EQ(ui().name->text(), QStringLiteral("李四")) << "the shown row, not the first stored";
    ui().find->setText(QStringLiteral(" 王 "));
    EXPECT_EQ(ShownIds(), QStringList{"C003"});
    ui().find->setText(QStringLiteral("销售")); // remarks are not searched
    EXPECT_TRUE(ShownIds().isEmpty());
    ui().find->clear();
    EXPECT_EQ(model().rowCount(), 3);

    // Narrowing and widening again, and a reload under a filter.
    m_data.Exec(QLatin1String(SqlStatements::InsertPerson),
                {QStringLiteral("A011"), QStringLiteral("钱七"), QString()});
    ui().find->setText(QStringLiteral("a0"));
    ui().refresh->click();
    EXPECT_EQ(ShownIds(), (QStringList{"A001", "A011"}));
    ui().find->setText(QStringLiteral("a01"));
    EXPECT_EQ(ShownIds(), QStringList{"A011"});
    ui().find->setText(QStringLiteral("a0"));
    EXPECT_EQ(ShownIds(), (QStringList{"A001", "A011"}));
}

TEST_F(PersonDlgTest, TheTemplateOpensWithTheDesktopOrIsReportedMissing)
{
    ui().viewTemplate->click();
    EXPECT_EQ(m_messages.texts, QStringList{Str(140)});
    EXPECT_TRUE(m_opened.isEmpty());

    QFile file(m_data.folder() + QStringLiteral("template2.xlsx"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ui().viewTemplate->click();
    ASSERT_EQ(m_opened.size(), 1);
    EXPECT_EQ(m_opened[0].toLocalFile(), file.fileName());
    EXPECT_EQ(m_messages.texts.size(), 1);
}
