// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/EligibilityStore.h"
#include "data/PersonStore.h"
#include "registry/CBasicSettingsDlg.h"
#include "registry/CPrizeSettingsDlg.h"
#include "registry/EligibilityEditor.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

QStringList PrizeNames(TestDatabase& data)
{
    data.Exec(QStringLiteral("select * from JP where sNo=555"));
    QStringList names;
    for (int level = 1; level <= 8; ++level) {
        names << data.db().GetFieldText(QStringLiteral("step%1").arg(level));
    }
    return names;
}

QString FileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(PrizeSettingsDlg, StoresTheNamesAsTypedAndCancelStoresNothing)
{
    RecordingMessageService messages;
    TestDatabase data;
    const QStringList shipped = PrizeNames(data);
    {
        CPrizeSettingsDlg dlg(data.db());
        EXPECT_EQ(dlg.StepEdit(1)->text(), shipped[0]);
        EXPECT_EQ(dlg.StepEdit(8)->text(), shipped[7]);
        dlg.StepEdit(2)->setText(QStringLiteral("Tom's 笔记本"));
        dlg.CancelButton()->click();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
    }
    EXPECT_EQ(PrizeNames(data), shipped);

    CPrizeSettingsDlg dlg(data.db());
    EXPECT_EQ(dlg.RoundSizeBox(3)->value(), 8);
    dlg.StepEdit(2)->setText(QStringLiteral("Tom's 笔记本"));
    dlg.StepEdit(8)->setText(QString());
    dlg.RoundSizeBox(3)->setValue(150);
    dlg.OkButton()->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    QStringList expected = shipped;
    expected[1] = QStringLiteral("Tom's 笔记本");
    expected[7] = QString();
    EXPECT_EQ(PrizeNames(data), expected);
    EXPECT_EQ(PrizeStore(data.db()).ReadRoundSizes().value()[2], 150);
    EXPECT_EQ(CPrizeSettingsDlg(data.db()).RoundSizeBox(3)->value(), 150);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST(PrizeSettingsDlg, AFailedStoreSaysSoAndStaysOpen)
{
    RecordingMessageService messages;
    TestDatabase data;
    const QStringList shipped = PrizeNames(data);
    CPrizeSettingsDlg dlg(data.db());
    dlg.show();
    data.Exec(QStringLiteral("pragma query_only=1"));
    dlg.StepEdit(1)->setText(QStringLiteral("汽车"));
    dlg.OkButton()->click();
    ASSERT_FALSE(messages.texts.isEmpty());
    EXPECT_EQ(messages.texts.last(), QStringLiteral("Failed !!"));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.StepEdit(1)->text(), QStringLiteral("汽车"));
    data.Exec(QStringLiteral("pragma query_only=0"));
    EXPECT_EQ(PrizeNames(data), shipped);
}

TEST(PrizeSettingsDlg, EachLevelsRuleIsEditedWithItsCountAndStoredForEveryStation)
{
    RecordingMessageService messages;
    TestDatabase data;
    PersonStore people(data.db());
    const int total = people.Count().value();
    for (const char* id : {"X1", "X2"}) {
        ASSERT_TRUE(people.Insert({id, "名", "", "销售部"}));
    }
    {
        CPrizeSettingsDlg dlg(data.db());
        EligibilityEditor& editor = *dlg.Eligibility();
        editor.LevelBox()->setCurrentIndex(1);
        EXPECT_FALSE(editor.GroupList()->isEnabled()) << "everyone: no group to choose";
        editor.ModeBox()->setCurrentIndex(int(EligibilityRule::Mode::Only));
        ASSERT_EQ(editor.GroupList()->count(), 1);
        editor.GroupList()->item(0)->setCheckState(Qt::Checked);
        EXPECT_TRUE(editor.SummaryLabel(2)->text().contains(QStringLiteral("现可抽 2 人")))
            << editor.SummaryLabel(2)->text().toStdString();
        EXPECT_TRUE(
            editor.SummaryLabel(1)->text().contains(QStringLiteral("现可抽 %1 人").arg(total + 2)));
        dlg.OkButton()->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    const EligibilityStore::Rules rules = EligibilityStore(data.db()).Read().value();
    EXPECT_EQ(rules[1], EligibilityRule(EligibilityRule::Mode::Only, {"销售部"}));
    EXPECT_TRUE(rules[0].AdmitsEveryone());

    CPrizeSettingsDlg again(data.db());
    again.Eligibility()->LevelBox()->setCurrentIndex(1);
    EXPECT_EQ(again.Eligibility()->ModeBox()->currentIndex(), int(EligibilityRule::Mode::Only));
    EXPECT_EQ(again.Eligibility()->GroupList()->item(0)->checkState(), Qt::Checked);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

class BasicSettingsDlgTest : public ::testing::Test
{
protected:
    BasicSettingsDlgTest()
    {
        m_current.music1 = QStringLiteral("/sounds/music.wav");
        m_current.bMusic2 = 1;
    }
    QString Folder() const { return m_dir.path() + QLatin1Char('/'); }
    QString Config() const { return Folder() + QStringLiteral("config.ini"); }

    RecordingMessageService m_messages;
    QTemporaryDir m_dir;
    EventSettings m_current;
};

TEST_F(BasicSettingsDlgTest, WithoutAFileShowsTheDefaultsAndOkStoresEverythingInOrder)
{
    CBasicSettingsDlg dlg(Folder(), m_current);
    const auto& ui = dlg.Ui();
    EXPECT_EQ(ui.company->text(), EventSettings().company);
    EXPECT_EQ(ui.theme->text(), EventSettings().theme);
    EXPECT_EQ(ui.backgroundMusicFile->text(), QStringLiteral("/sounds/music.wav"));
    EXPECT_TRUE(ui.backgroundMusic->isChecked() && ui.drawMusic->isChecked());
    EXPECT_FALSE(ui.autoStop->isChecked());
    EXPECT_TRUE(ui.halfRange->isChecked()) << "the half-range rule is on by default";
    EXPECT_TRUE(ui.backgroundMusicFile->isReadOnly() && ui.drawMusicFile->isReadOnly());

    ui.autoStop->setChecked(true);
    ui.halfRange->setChecked(false);
    ui.ok->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    const QString expected =
        QStringLiteral("[DEFAULTADDRESS]|company=%1|theme=%2|BMUSIC1=1|BMUSIC2=1|AUTOSTOP=1|"
                       "MUSIC1=/sounds/music.wav|MUSIC2=Sound/sound2.wav|[DRAWRULES]|HALFRANGE=0")
            .arg(EventSettings().company, EventSettings().theme);
    EXPECT_EQ(FileText(Config()).split(u'\n', Qt::SkipEmptyParts).join(u'|'), expected);
    EXPECT_EQ(dlg.Settings().autoStop, 1);
    EXPECT_EQ(dlg.Settings().halfRangeRule, 0);
}

TEST_F(BasicSettingsDlgTest, CancelChangesNothingEvenAfterABrowse)
{
    CBasicSettingsDlg dlg(Folder(), m_current);
    dlg.SetFileChooser([](QWidget*, const QString&) { return QStringLiteral("/x/new.wav"); });
    dlg.Ui().browseDrawMusic->click();
    dlg.Ui().company->setText(QStringLiteral("新公司"));
    dlg.Ui().cancel->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(Config()));
    EXPECT_EQ(dlg.Settings().music2, m_current.music2);
}

TEST_F(BasicSettingsDlgTest, ABrowseChangesOnlyItsOwnPath)
{
    QFile file(Config());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[DEFAULTADDRESS]\ncompany=星辰科技\ntheme=年会\n");
    file.close();

    CBasicSettingsDlg dlg(Folder(), m_current);
    const auto& ui = dlg.Ui();
    EXPECT_EQ(ui.company->text(), QStringLiteral("星辰科技"));
    QString filterAsked;
    QString answer = QStringLiteral("/party/drum.wav");
    dlg.SetFileChooser([&](QWidget*, const QString& filter) {
        filterAsked = filter;
        return answer;
    });
    ui.company->setText(QStringLiteral("星辰科技集团"));
    ui.autoStop->setChecked(true);
    ui.browseDrawMusic->click();
    EXPECT_EQ(filterAsked, CBasicSettingsDlg::WaveFilter());
    EXPECT_EQ(ui.drawMusicFile->text(), QStringLiteral("/party/drum.wav"));
    EXPECT_EQ(ui.company->text(), QStringLiteral("星辰科技集团")) << "typed text kept";
    EXPECT_TRUE(ui.autoStop->isChecked());
    answer.clear(); // cancelled: nothing changes
    ui.browseBackgroundMusic->click();
    EXPECT_EQ(ui.backgroundMusicFile->text(), QStringLiteral("/sounds/music.wav"));

    ui.ok->click();
    const EventSettings stored = EventSettings::Read(Config());
    EXPECT_EQ(stored.company, QStringLiteral("星辰科技集团"));
    EXPECT_EQ(stored.theme, QStringLiteral("年会"));
    EXPECT_EQ(stored.music2, QStringLiteral("/party/drum.wav"));
    EXPECT_EQ(stored.autoStop, 1);
}

TEST_F(BasicSettingsDlgTest, AFailedWriteIsReportedAndTheDialogStaysOpen)
{
    CBasicSettingsDlg dlg(Folder() + QStringLiteral("gone/"), m_current);
    dlg.show();
    dlg.Ui().theme->setText(QStringLiteral("新主题"));
    dlg.Ui().ok->click();
    ASSERT_EQ(m_messages.texts.size(), 1);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.Ui().theme->text(), QStringLiteral("新主题"));
    EXPECT_EQ(dlg.Settings().theme, m_current.theme) << "nothing pretended";
}
