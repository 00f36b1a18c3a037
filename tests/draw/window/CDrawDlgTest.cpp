// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/window/CDrawDlg.h"
#include "data/DatabaseCreator.h"
#include "data/PrizeStore.h"
#include "data/SqlStatements.h"
#include "data/VoidStore.h"
#include "draw/engine/DrawEngine.h"
#include "draw/reels/CReelDisplay.h"
#include "draw/wall/CWinnersWall.h"
#include "draw/window/AppFolder.h"
#include "draw/window/CVoidRoundDlg.h"
#include "draw/window/DrawWindowVoids.h"
#include "platform/core/ResourceModule.h"
#include "platform/core/StringTable.h"
#include "skin/widgets/CSkinButton.h"
#include "skin/widgets/CSkinText.h"
#include "support/RecordingMessageService.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The window with its skin-button handler in reach, for buttons the default skin leaves out.
class TestDrawDlg : public CDrawDlg
{
public:
    using CDrawDlg::CDrawDlg;
    using CDrawDlg::OnSkinButtonClick;
};

// The draw window on an application folder with `people` participants.
class DrawWindowTest : public ::testing::Test
{
protected:
    RecordingMessageService messages;
    std::unique_ptr<AppFolder> folder;
    CAdoDatabase db;
    std::unique_ptr<TestDrawDlg> window;

    void Open(int people)
    {
        folder = std::make_unique<AppFolder>(people);
        ASSERT_FALSE(folder->path().isEmpty()) << folder->error().toStdString();
        ASSERT_TRUE(db.ConnectDatabase(QString(), folder->database()));
        window = std::make_unique<TestDrawDlg>(db, folder->path());
        window->SetTimerDivisor(10);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QString Text(const char* name) const
    {
        CSkinText* text = window->FindSkinText(QLatin1String(name));
        return text ? text->Text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }
    CSkinButton* Button(const char* name) const
    {
        return window->FindSkinButton(QLatin1String(name));
    }
    void Click(const char* name)
    {
        CSkinButton* button = Button(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    int Winners()
    {
        db.OpenQuery(QLatin1String(SqlStatements::CountWinners));
        return db.GetFieldText(QStringLiteral("num")).toInt();
    }
    QAction* MenuCommand(int id)
    {
        for (QAction* action : window->ContextMenu().actions()) {
            if (action->data().toInt() == id) {
                return action;
            }
        }
        return nullptr;
    }
    bool RoundOver(int timeoutMs = 20000)
    {
        return QTest::qWaitFor([&] { return Text("ID_INFO") == StringTable::Load(116); },
                               timeoutMs);
    }
};

} // namespace

TEST_F(DrawWindowTest, StartButtonAndF6DrawARoundThatIsRecordedAndListed)
{
    Open(10);
    Click("ID_UPONE1");
    EXPECT_EQ(Text("ID_NUMBER1"), QStringLiteral("2"));
    Click("BUTTON_START");
    EXPECT_FALSE(Button("BUTTON_START")->isEnabled());
    EXPECT_TRUE(Button("BUTTON_STOP")->isEnabled());
    EXPECT_FALSE(window->Engine().IsIdle());

    QTest::keyClick(window.get(), Qt::Key_F6);
    ASSERT_TRUE(RoundOver());
    EXPECT_EQ(Winners(), 2);
    EXPECT_TRUE(Text("ID_TEXT1").startsWith(QStringLiteral("1.")))
        << Text("ID_TEXT1").toStdString();
    EXPECT_TRUE(Text("ID_TEXT2").startsWith(QStringLiteral("2.")));
    EXPECT_TRUE(Text("ID_TEXT1").contains(QStringLiteral("一等奖")));
    EXPECT_TRUE(Button("BUTTON_START")->isEnabled());
    EXPECT_FALSE(Button("BUTTON_STOP")->isEnabled());
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

TEST_F(DrawWindowTest, EnterEscapeAndCloseRequestsNeverCloseTheWindow)
{
    Open(5);
    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    window->close();
    EXPECT_TRUE(window->isVisible());

    QTest::keyClick(window.get(), Qt::Key_F5);
    ASSERT_FALSE(window->Engine().IsIdle());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(Text("ID_SYSINFO"), StringTable::Load(119));
    Click("BUTTON_EXIT");
    EXPECT_TRUE(window->isVisible()) << "no exit during a round";
    EXPECT_EQ(Text("ID_SYSINFO"), StringTable::Load(119));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Text("ID_SYSINFO").isEmpty(); }, 2000))
        << "notices clear themselves";

    QTest::keyClick(window.get(), Qt::Key_F6);
    ASSERT_TRUE(RoundOver());
    Click("BUTTON_EXIT");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(DrawWindowTest, AfterARefusedStartTheMouseCanStartAgain)
{
    Open(3);
    EXPECT_EQ(Text("ID_INFO"), QStringLiteral("奖品：一等奖"))
        << "the prize before the first round";
    for (int i = 0; i < 3; ++i) {
        Click("ID_UPONE1");
    }
    ASSERT_EQ(window->Engine().RoundQuota(), 4);
    Click("BUTTON_START");
    ASSERT_EQ(messages.texts, QStringList{StringTable::Load(115)});
    EXPECT_TRUE(window->Engine().IsIdle());
    EXPECT_TRUE(Button("BUTTON_START")->isEnabled());
    EXPECT_FALSE(Button("BUTTON_STOP")->isEnabled());

    Click("ID_DOWNONE1");
    Click("BUTTON_START");
    EXPECT_FALSE(window->Engine().IsIdle());
    EXPECT_FALSE(Button("BUTTON_START")->isEnabled());
    Click("BUTTON_STOP");
    ASSERT_TRUE(RoundOver());
    EXPECT_EQ(Winners(), 3);
}

TEST_F(DrawWindowTest, F5AndF6OnlyGiveANoticeWhileADialogOfTheProgramIsOpen)
{
    Open(5);
    const QString notice = QStringLiteral("请先关闭打开的窗口");
    auto dialog = std::make_unique<QDialog>(window.get());
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    // A system-wide key reaches the window behind the dialog; one pressed in the dialog (a
    // child of the window) goes the same way.
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_TRUE(window->Engine().IsIdle());
    EXPECT_EQ(Text("ID_SYSINFO"), notice);
    QTest::keyClick(dialog.get(), Qt::Key_F5);
    EXPECT_TRUE(window->Engine().IsIdle());
    dialog->hide();

    // A round running when a dialog opens rolls on until the dialog is closed and F6 stops it.
    QTest::keyClick(window.get(), Qt::Key_F5);
    ASSERT_FALSE(window->Engine().IsIdle());
    dialog->show();
    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_EQ(Text("ID_SYSINFO"), notice);
    EXPECT_FALSE(RoundOver(300));
    EXPECT_EQ(Winners(), 0);
    dialog.reset();
    QTest::keyClick(window.get(), Qt::Key_F6);
    ASSERT_TRUE(RoundOver());
    EXPECT_EQ(Winners(), 1);
}

TEST_F(DrawWindowTest, MenuExitClosesAfterYesEvenDuringARound)
{
    Open(5);
    QAction* exit = MenuCommand(57665);
    ASSERT_NE(exit, nullptr);
    QTest::keyClick(window.get(), Qt::Key_F5);
    messages.answer = MessageService::Answer::No;
    exit->trigger();
    EXPECT_TRUE(window->isVisible());
    messages.answer = MessageService::Answer::Yes;
    exit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(messages.texts.back(), StringTable::Load(135));
}

TEST_F(DrawWindowTest, LinkAndSkinTypeButtonsOpenAndWriteWhatTheyShould)
{
    Open(2);
    QList<QUrl> opened;
    window->SetLinkOpener([&](const QUrl& url) { opened << url; });
    window->OnSkinButtonClick(QStringLiteral("ID_URL"));
    window->OnSkinButtonClick(QStringLiteral("ID_EMAIL"));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0].scheme().startsWith(QStringLiteral("http")));
    EXPECT_EQ(opened[1].scheme(), QStringLiteral("mailto"));

    window->OnSkinButtonClick(QStringLiteral("BUTTON_AUTO"));
    window->OnSkinButtonClick(QStringLiteral("BUTTON_GETIT"));
    QFile skinType(folder->path() + QStringLiteral("skin.ini"));
    ASSERT_TRUE(skinType.open(QIODevice::ReadOnly));
    const QByteArray bytes = skinType.readAll();
    EXPECT_TRUE(bytes.contains("[SKINSTYPE]") && bytes.contains("AUTO=1") &&
                bytes.contains("index=1"));
    EXPECT_TRUE(messages.texts.isEmpty());

    // A failed write is said, not passed over.
    skinType.close();
    ASSERT_TRUE(skinType.remove());
    ASSERT_TRUE(QDir(folder->path()).mkdir(QStringLiteral("skin.ini")));
    window->OnSkinButtonClick(QStringLiteral("BUTTON_AUTO"));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("skin.ini")));
    window->OnSkinButtonClick(QStringLiteral("NO_SUCH_BUTTON"));
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(DrawWindowTest, DialogCommandsAreAnnouncedAndSavedSettingsTakeEffectAtOnce)
{
    Open(2);
    const std::pair<int, void (CDrawDlg::*)()> commands[] = {
        {32771, &CDrawDlg::personsRequested},
        {32773, &CDrawDlg::winnersRecordRequested},
        {32775, &CDrawDlg::basicSettingsRequested},
        {32778, &CDrawDlg::prizeSettingsRequested},
    };
    // The participant dialog's import writes through a connection of its own.
    CAdoDatabase import;
    ASSERT_TRUE(import.ConnectDatabase(QString(), folder->database()));
    QObject::connect(window.get(), &CDrawDlg::personsRequested, window.get(), [&import] {
        import.OpenQuery(QLatin1String(SqlStatements::InsertPerson),
                         {QStringLiteral("NEW1"), QStringLiteral("新人"), QString()});
    });
    for (const auto& [id, signal] : commands) {
        QSignalSpy spy(window.get(), signal);
        QAction* action = MenuCommand(id);
        ASSERT_NE(action, nullptr) << id;
        action->trigger();
        EXPECT_EQ(spy.count(), 1) << id;
    }
    EXPECT_TRUE(messages.texts.isEmpty()) << "the window opens nothing itself";
    const QList<PersonRow>& pool = window->Engine().Pool().Entries();
    EXPECT_TRUE(std::any_of(pool.begin(), pool.end(), [](const PersonRow& p) {
        return p.PersonID == QLatin1String("NEW1");
    })) << "the pool takes in what a dialog changed as it closes, not at the next pick";

    EventSettings saved = window->Settings();
    saved.company = QStringLiteral("新公司");
    saved.theme = QStringLiteral("新主题");
    saved.autoStop = 1;
    saved.bMusic1 = 0;
    saved.halfRangeRule = 0;
    EXPECT_TRUE(window->Engine().HalfRangeRule());
    window->ApplySettings(saved);
    EXPECT_FALSE(window->Engine().HalfRangeRule());
    EXPECT_EQ(Text("ID_COMPANY"), saved.company);
    EXPECT_EQ(Text("ID_THEME"), saved.theme);
    EXPECT_TRUE(window->Engine().AutoStop());
    EXPECT_EQ(window->Settings().bMusic1, 0);

    // Auto-stop now ends the first pick without F6.
    QTest::keyClick(window.get(), Qt::Key_F5);
    ASSERT_TRUE(RoundOver(20000));
    EXPECT_EQ(Winners(), 1);
}

TEST_F(DrawWindowTest, F11FillsTheScreenWithTheScaledFaceAndTheEventRemembersIt)
{
    Open(3);
    const QString config = folder->path() + QStringLiteral("config.ini");
    const QSize own = window->size();
    QTest::keyClick(window.get(), Qt::Key_F11);
    ASSERT_TRUE(window->IsPresentation());
    EXPECT_EQ(window->geometry(), window->screen()->geometry());
    EXPECT_EQ(window->ReelDisplay().geometry(), window->SkinToWindow(window->ReelRect()));
    EXPECT_EQ(window->ReelDisplay().Scale(), window->SkinScale());
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    EXPECT_TRUE(written.contains("[DISPLAY]") && written.contains("PRESENTATION=1"))
        << written.data();
    EXPECT_FALSE(written.contains("DEFAULTADDRESS")); // the event settings are left alone

    // The draw still works in presentation: F5 starts, the scaled start button is reachable.
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_FALSE(window->Engine().IsIdle());
    QTest::keyClick(window.get(), Qt::Key_F6);
    ASSERT_TRUE(RoundOver());
    EXPECT_EQ(Winners(), 1);
    CSkinButton* start = Button("BUTTON_START");
    EXPECT_EQ(window->childAt(start->geometry().center()), start);

    // The event opens as it was left; F11 gives the skin its own size again.
    window.reset();
    window = std::make_unique<TestDrawDlg>(db, folder->path());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(window->IsPresentation());
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_FALSE(window->IsPresentation());
    EXPECT_EQ(window->size(), own);
    EXPECT_EQ(window->ReelDisplay().geometry(), window->ReelRect());
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

TEST_F(DrawWindowTest, AnEnglishLocaleGetsEnglishTextsAndTheSkinsEnglishLabels)
{
    ResourceModule english;
    ASSERT_TRUE(english.LoadFor(QStringLiteral("en_US.UTF-8"), SORTILO_TEST_MODULES "/"));
    Open(3);
    EXPECT_TRUE(window->SkinPath().endsWith(QLatin1String("/skin/skin.en.ini")))
        << window->SkinPath().toStdString();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Prize Draw"));
    EXPECT_EQ(Text("ID_PERLIST"), QStringLiteral("Winners"));
    EXPECT_EQ(Text("ID_COMPANY"), QStringLiteral("Vantor Software Lab")) << "the first settings";
    ASSERT_NE(Button("BUTTON_START"), nullptr);
    EXPECT_EQ(Button("BUTTON_START")->TooltipText(), QStringLiteral("Start the draw (F5)"));
    ASSERT_NE(MenuCommand(32773), nullptr);
    EXPECT_EQ(MenuCommand(32773)->text(), QStringLiteral("Winners record"));
}

TEST_F(DrawWindowTest, ThreeBigRoundsOfLevelSixStoreAndWallEveryWinner)
{
    Open(500);
    PrizeStore prizes(db);
    PrizeStore::RoundSizes sizes;
    sizes.fill(PrizeStore::DefaultRoundSize);
    sizes[5] = 150;
    ASSERT_TRUE(prizes.UpdateRoundSizes(sizes));
    window->Engine().RefreshCandidatePool();
    for (int level = 1; level < 6; ++level) {
        Click("ID_UPONE");
    }
    for (int quota = 1; quota <= 8; ++quota) {
        Click("ID_UPONE1");
    }
    ASSERT_EQ(window->Engine().RoundQuota(), 150);
    // The size fits its narrow box in a smaller font instead of scrolling through it.
    CSkinText* quota = window->FindSkinText(QStringLiteral("ID_NUMBER1"));
    EXPECT_EQ(quota->Text(), QStringLiteral("150"));
    EXPECT_FALSE(quota->IsScrolling());
    EXPECT_LE(QFontMetrics(quota->DrawnFont()).horizontalAdvance(quota->Text()), quota->width());

    for (int round = 1; round <= 3; ++round) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return Button("BUTTON_START")->isEnabled(); }, 20000));
        Click("BUTTON_START");
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->Engine().IsRolling(); }, 20000))
            << messages.texts.join(u'\n').toStdString();
        QTest::keyClick(window.get(), Qt::Key_F6);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return window->WinnersWall() && window->WinnersWall()->isVisible(); }, 20000))
            << "round " << round << " rolling " << window->Engine().IsRolling() << " idle "
            << window->Engine().IsIdle() << " info " << Text("ID_INFO").toStdString() << " sys "
            << Text("ID_SYSINFO").toStdString() << " boxes "
            << messages.texts.join(u'\n').toStdString();
        CWinnersWall& wall = *window->WinnersWall();
        EXPECT_EQ(Winners(), 150 * round);
        EXPECT_TRUE(wall.CountText().contains(QStringLiteral("150")));
        EXPECT_GT(wall.PageCount(), 1);
        // Over the wall F6 turns its page instead of stopping a round; Escape returns.
        QTest::keyClick(&wall, Qt::Key_F6);
        EXPECT_EQ(wall.CurrentPage(), 1);
        QTest::keyClick(&wall, Qt::Key_Escape);
        ASSERT_TRUE(RoundOver());
        EXPECT_FALSE(wall.isVisible());
    }
    db.OpenQuery(QStringLiteral(
        "select count(*) as n, count(distinct PersonID) as people, min(sNo) as first, "
        "max(sNo) as last from ComePrize where step = 6"));
    EXPECT_EQ(db.GetFieldText(QStringLiteral("n")).toInt(), 450);
    EXPECT_EQ(db.GetFieldText(QStringLiteral("people")).toInt(), 450);
    EXPECT_EQ(db.GetFieldText(QStringLiteral("first")).toInt(), 1);
    EXPECT_EQ(db.GetFieldText(QStringLiteral("last")).toInt(), 150);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

TEST_F(DrawWindowTest, TwoOfEightVoidedFromTheWindowAndTheirPlacesDrawnAgain)
{
    Open(12);
    DrawWindowVoids& voids = window->Voids();
    voids.UpdateActions();
    EXPECT_FALSE(voids.VoidAction().isEnabled()) << "no round yet";
    for (int i = 0; i < 7; ++i) {
        Click("ID_UPONE1");
    }
    QTest::keyClick(window.get(), Qt::Key_F5);
    QTest::keyClick(window.get(), Qt::Key_F6);
    ASSERT_TRUE(RoundOver());
    ASSERT_EQ(Winners(), 8);
    const QList<PersonRow> round = window->Engine().LastRoundWinners();
    ASSERT_EQ(round.size(), 8);

    // The real dialog, answered as the operator would: the 2nd and 5th winners, a reason.
    int shown = 0;
    voids.SetChooser([&](QWidget* parent, const QList<PersonRow>& winners) {
        ++shown;
        CVoidRoundDlg dialog(winners, parent);
        EXPECT_EQ(dialog.Count(), 8);
        EXPECT_TRUE(dialog.CheckedIds().isEmpty()) << "nothing checked at first";
        dialog.SetChecked(1, true);
        dialog.SetChecked(4, true);
        dialog.SetReason(QStringLiteral("未到场"));
        return std::optional(DrawWindowVoids::Choice{dialog.CheckedIds(), dialog.Reason()});
    });
    voids.UpdateActions();
    ASSERT_TRUE(voids.VoidAction().isEnabled());
    voids.VoidAction().trigger();
    ASSERT_EQ(messages.kinds, QList{MessageService::Buttons::YesNoDefaultNo});
    EXPECT_EQ(Winners(), 8) << "No keeps every win";

    messages.answer = MessageService::Answer::Yes;
    voids.VoidAction().trigger();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(Winners(), 6);
    VoidStore store(db, QStringLiteral("test"));
    const auto open = store.OpenPlaces(1);
    ASSERT_TRUE(open);
    QStringList voided;
    for (const VoidedWinRow& row : *open) {
        voided << row.PersonID + u'|' + row.Reason;
    }
    EXPECT_EQ(voided, QStringList({round[1].PersonID + "|未到场", round[4].PersonID + "|未到场"}));

    voids.UpdateActions();
    EXPECT_EQ(voids.ReplacementAction().text(), QStringLiteral("补抽空缺名额（2）"));
    ASSERT_TRUE(voids.ReplacementAction().isEnabled());
    voids.ReplacementAction().trigger();
    EXPECT_FALSE(window->Engine().IsIdle());
    QTest::keyClick(window.get(), Qt::Key_F6);
    ASSERT_TRUE(RoundOver());
    EXPECT_EQ(Winners(), 8);
    EXPECT_EQ(store.OpenPlaces(1)->size(), 0);
    EXPECT_EQ(window->Engine().LastRoundWinners().size(), 2);
    voids.UpdateActions();
    EXPECT_FALSE(voids.ReplacementAction().isEnabled());
    EXPECT_EQ(messages.texts.size(), 2) << messages.texts.join(u'\n').toStdString();
}
