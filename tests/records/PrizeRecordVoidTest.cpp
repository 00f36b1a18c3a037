// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/VoidStore.h"
#include "data/WinnerStore.h"
#include "records/CPrizeRecordDlg.h"
#include "records/CRecordListCtrl.h"
#include "records/core/RecordTableModel.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Voiding and undoing from the winners record, on both engines.
class PrizeRecordVoidTest : public ::testing::TestWithParam<TestDatabase::Driver>
{
protected:
    PrizeRecordVoidTest() : data(GetParam()) {}

    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(data.target().driver);
        ASSERT_TRUE(data.ok()) << data.error().toStdString();
        QCoreApplication::setOrganizationName(QStringLiteral("SortiloTest"));
        QCoreApplication::setApplicationName(QStringLiteral("RecordsVoidTest"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        for (const char* id : {"A1", "A2", "A3"}) {
            data.Exec("insert into person(PersonID,PersonName,Company) values(?,?,?)",
                      {id, QStringLiteral("Name %1").arg(id), QString()});
        }
        for (int place = 1; place <= 3; ++place) {
            data.Exec(
                "insert into ComePrize(PersonID,sDateTime,step,sNo,JP) values(?,?,?,?,?)",
                {QStringLiteral("A%1").arg(place), "2026-12-08 20:10:00", 2, place, "二等奖"});
        }
    }

    std::unique_ptr<CPrizeRecordDlg> Open()
    {
        auto dialog = std::make_unique<CPrizeRecordDlg>(data.db());
        dialog->SetReasonAsker([this](QWidget*, const QString& text) {
            asked << text;
            return reason;
        });
        dialog->SetClock([] { return QDateTime(QDate(2026, 12, 8), QTime(20, 15, 42)); });
        return dialog;
    }
    static void Select(CPrizeRecordDlg& dialog, const QString& id)
    {
        for (int row = 0; row < dialog.List().RowCount(); ++row) {
            if (dialog.List().ItemText(row, 2).trimmed() == id) {
                dialog.List().selectRow(row);
                return;
            }
        }
        FAIL() << "no row " << id.toStdString();
    }
    static QStringList Dimmed(const CPrizeRecordDlg& dialog)
    {
        QStringList lines;
        for (int row = 0; row < dialog.List().RowCount(); ++row) {
            if (dialog.List().Model().RowDimmed(row)) {
                lines << dialog.List().ItemText(row, 2).trimmed() + u'|' +
                             dialog.List().ItemText(row, 8).trimmed();
            }
        }
        return lines;
    }
    int StoredWins() { return data.Count("select * from ComePrize"); }

    TestDatabase data;
    RecordingMessageService messages;
    QTemporaryDir settingsDir;
    QStringList asked;
    std::optional<QString> reason = QStringLiteral("未到场");
};

INSTANTIATE_TEST_SUITE_P(Engines, PrizeRecordVoidTest, SORTILO_BOTH_DRIVERS);

} // namespace

TEST_P(PrizeRecordVoidTest, VoidIsConfirmedListedGreyAndUndone)
{
    auto dialog = Open();
    EXPECT_FALSE(dialog->ReturnsToPoolBox().isChecked()) << "off by default";

    // Nothing selected: told so, nothing asked.
    dialog->OnVoid();
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(asked.isEmpty());

    // Cancelled reason, then No to the confirmation: nothing changes.
    Select(*dialog, "A2");
    reason.reset();
    dialog->OnVoid();
    reason = QStringLiteral("未到场");
    Select(*dialog, "A2");
    dialog->OnVoid();
    ASSERT_EQ(messages.kinds.size(), 2);
    EXPECT_EQ(messages.kinds.last(), MessageService::Buttons::YesNoDefaultNo);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked.last().contains("A2"));
    EXPECT_EQ(StoredWins(), 3);
    EXPECT_TRUE(Dimmed(*dialog).isEmpty());

    // Yes: the win leaves the count, stays listed greyed with its time and reason.
    messages.answer = MessageService::Answer::Yes;
    Select(*dialog, "A2");
    dialog->OnVoid();
    EXPECT_EQ(messages.texts.size(), 3) << messages.texts.join('\n').toStdString();
    EXPECT_EQ(StoredWins(), 2);
    EXPECT_EQ(dialog->WinnerCountText(), "2");
    EXPECT_EQ(dialog->List().RowCount(), 3);
    EXPECT_EQ(Dimmed(*dialog), QStringList{"A2|作废 2026-12-08 20:15 未到场"});
    // A voided win cannot be voided again; a valid one cannot be undone.
    dialog->OnVoid();
    Select(*dialog, "A1");
    dialog->OnUndoVoid();
    EXPECT_EQ(messages.texts.size(), 5);
    EXPECT_EQ(StoredWins(), 2);

    // Undo: the win counts again as it was.
    Select(*dialog, "A2");
    dialog->OnUndoVoid();
    EXPECT_EQ(messages.texts.size(), 5) << messages.texts.join('\n').toStdString();
    EXPECT_EQ(StoredWins(), 3);
    EXPECT_TRUE(Dimmed(*dialog).isEmpty());
    EXPECT_EQ(data.Count("select * from ComePrize where PersonID='A2' and sNo=2"), 1);
}

TEST_P(PrizeRecordVoidTest, UndoOfAReplacedVoidIsRefusedAndTheOptionIsShared)
{
    VoidStore voids(data.db(), QStringLiteral("here"));
    ASSERT_TRUE(voids.Void("A3", QString(), "2026-12-08 20:12:00"));
    const auto open = voids.OpenPlaces(2);
    ASSERT_TRUE(open && open->size() == 1);
    data.Exec("insert into person(PersonID,PersonName,Company) values('B9','Nine','')");
    ComePrizeRow replacement{"B9", "2026-12-08 20:20:00", 2, 1, "二等奖", open->first().VoidID};
    ASSERT_TRUE(WinnerStore(data.db()).InsertWinner(replacement));

    auto dialog = Open();
    // The replacement follows the place it fills.
    ASSERT_EQ(dialog->List().RowCount(), 4);
    EXPECT_EQ(dialog->List().ItemText(2, 2).trimmed(), "A3");
    EXPECT_EQ(dialog->List().ItemText(3, 2).trimmed(), "B9");
    EXPECT_EQ(dialog->List().ItemText(3, 8).trimmed(), "替补 A3");
    Select(*dialog, "A3");
    dialog->OnUndoVoid();
    EXPECT_EQ(messages.texts, QStringList{"该名额已经补抽，不能撤销作废。"});
    EXPECT_EQ(StoredWins(), 3);

    dialog->ReturnsToPoolBox().setChecked(true);
    EXPECT_EQ(voids.ReturnsToPool(), std::optional(true));
}
