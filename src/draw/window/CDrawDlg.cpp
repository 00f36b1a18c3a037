// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/window/CDrawDlg.h"

#include "data/DisplaySettings.h"
#include "draw/engine/DrawEngine.h"
#include "draw/reels/CReelDisplay.h"
#include "draw/wall/CWinnersWall.h"
#include "draw/window/CAboutDlg.h"
#include "draw/window/DrawWindowCheckin.h"
#include "draw/window/DrawWindowVoids.h"
#include "draw/window/WinnerTrace.h"
#include "platform/core/MessageService.h"
#include "platform/core/ResourceModule.h"
#include "platform/core/SharedFiles.h"
#include "platform/core/StringTable.h"
#include "platform/hotkeys/GlobalHotKeys.h"
#include "platform/sound/SoundPlayer.h"
#include "skin/core/SkinDescription.h"
#include "skin/credits/widgets/CCreditsPanel.h"
#include "skin/credits/widgets/CCreditsPanelB.h"
#include "skin/widgets/CSkinText.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Menu command ids of the right-click menu.
constexpr int CmdBasicSettings = 32775;
constexpr int CmdPersons = 32771;
constexpr int CmdWinnersRecord = 32773;
constexpr int CmdPrizes = 32778;
constexpr int CmdCheckin = 32790;
constexpr int CmdAbout = 32777;
constexpr int CmdExit = 57665;

const QString kWebPage = QStringLiteral("https://sortilo.example.org/");
const QString kMailAddress = QStringLiteral("mailto:support@sortilo.example.org");

} // namespace

CDrawDlg::CDrawDlg(CAdoDatabase& database, const QString& appDirectory, QWidget* parent)
    : CSkinDialog(parent), m_database(database), m_appDirectory(appDirectory),
      m_openLink([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    m_engine = std::make_unique<DrawEngine>(*this, m_database);
    m_reel = new CReelDisplay(this);
    m_credits = new CCreditsPanel(this);
    m_creditsB = new CCreditsPanelB(this);
    m_winnersCaption = new QLabel(QStringLiteral("本次獲將名額"), this);
    m_winnersList = new QTreeWidget(this);
    m_sound = new SoundPlayer(this);
    BuildMenu();
}

CDrawDlg::~CDrawDlg()
{
    // Timers must not reach the engine while it is being destroyed.
    StopAllTimers();
}

void CDrawDlg::OnInitDialog()
{
    // An event may carry its own skin and sounds; else those shipped with the program are used.
    // The skin's labels follow the language of the texts.
    SetSkinPath(SkinDescription::LanguageVariant(
        SharedFiles::Locate(m_appDirectory, QStringLiteral("skin/skin.ini")),
        ResourceModule::ActiveLanguageCode()));
    LoadSkin();

    setWindowIcon(CAboutDlg::ProgramIcon());
    setWindowTitle(StringTable::Load(110));

    OnSkinLayout();
    m_reel->show();
    m_reel->raise();

    // The credits panels and the winners list are kept up to date but never shown: the face of
    // the window is the skin's.
    m_credits->setGeometry(0, 0, 635, 77);
    m_credits->SetCredits(StringTable::Load(105), QLatin1Char('|'));
    m_credits->SetSpeed(2, 0);
    m_credits->SetColour(0, QColor(0, 0, 255));
    m_credits->SetTransparent(true);
    m_credits->SetBackgroundBitmap(QStringLiteral("143"));
    m_credits->hide();

    m_winnersList->setColumnCount(2);
    m_winnersList->setHeaderLabels({StringTable::Load(102), StringTable::Load(103)});
    m_winnersList->header()->resizeSection(0, 75);
    m_winnersList->header()->resizeSection(1, 75);
    m_winnersList->setRootIsDecorated(false);
    m_winnersList->hide();
    m_winnersCaption->hide();

    m_creditsB->SetSpeed(2, 0);
    m_creditsB->SetColour(0, QColor(190, 0, 0));
    m_creditsB->SetTransparent(true);
    m_creditsB->SetBackgroundBitmap(QStringLiteral("145"));
    m_creditsB->hide();

    SetSkinText(QStringLiteral("ID_PERLIST"), StringTable::Load(112));
    SetSkinText(QStringLiteral("ID_INFO"), StringTable::Load(111));
    m_engine->ShowSelectedPrize();

    m_hotKeys = new GlobalHotKeys(this, this);
    m_hotKeys->Register(HotKeyStart, Qt::Key_F5);
    m_hotKeys->Register(HotKeyStop, Qt::Key_F6);
    connect(m_hotKeys, &GlobalHotKeys::Activated, this, &CDrawDlg::OnHotKey);

    SetSkinText(QStringLiteral("ID_NUMBER"), QString::number(m_engine->PrizeLevel()));
    SetSkinText(QStringLiteral("ID_NUMBER1"), QString::number(m_engine->RoundQuota()));

    ApplySettings(EventSettings::Read(m_appDirectory + QLatin1String(EventSettings::FileName)));
    EnableSkinButton(QStringLiteral("BUTTON_STOP"), false);

    // Other stations' changes are taken in while the window waits for Start.
    m_poolRefresh = new QTimer(this);
    connect(m_poolRefresh, &QTimer::timeout, this, &CDrawDlg::RefreshPoolWhileIdle);
    connect(m_poolRefresh, &QTimer::timeout, m_checkin, &DrawWindowCheckin::RefreshTally);
    m_poolRefresh->start(PoolRefreshMs);

    if (DisplaySettings::ReadPresentation(m_appDirectory +
                                          QLatin1String(EventSettings::FileName))) {
        SetPresentation(true);
        m_presentationAction->setChecked(true);
    }
}

void CDrawDlg::ApplySettings(const EventSettings& settings)
{
    m_settings = settings;
    m_engine->SetAutoStop(m_settings.autoStop != 0);
    m_engine->SetHalfRangeRule(m_settings.halfRangeRule != 0);
    SetSkinText(QStringLiteral("ID_COMPANY"), m_settings.company, true);
    SetSkinText(QStringLiteral("ID_THEME"), m_settings.theme, true);
    if (m_settings.bMusic1 != 0) {
        StartBackgroundMusic();
    } else {
        m_sound->StopMusic();
    }
}

void CDrawDlg::OnSkinLayout()
{
    m_reel->setGeometry(SkinToWindow(ReelRect()));
    m_reel->SetScale(SkinScale());
    // The level and the round's size are read at a glance: a big round's size is drawn smaller
    // rather than scrolled through its narrow box.
    for (const char* name : {"ID_NUMBER", "ID_NUMBER1"}) {
        if (CSkinText* text = FindSkinText(QLatin1String(name))) {
            text->SetShrinkToFit(true);
        }
    }
}

void CDrawDlg::TogglePresentation()
{
    SetPresentation(!IsPresentation());
    m_presentationAction->setChecked(IsPresentation());
    QString error;
    if (!DisplaySettings::WritePresentation(m_appDirectory + QLatin1String(EventSettings::FileName),
                                            IsPresentation(), &error)) {
        ShowSysInfo(tr("无法保存显示方式：%1").arg(error));
    }
}

void CDrawDlg::BuildMenu()
{
    m_menu = new QMenu(this);
    const auto add = [this](int id, const QString& text, auto slot) {
        QAction* action = m_menu->addAction(text, this, slot);
        action->setData(id);
    };
    // The dialogs run while their signal is delivered. What they changed is taken into the
    // candidate pool as they close, not at the next pick in front of the audience.
    const auto addDialog = [&add, this](int id, const QString& text, void (CDrawDlg::*signal)()) {
        add(id, text, [this, signal] {
            emit(this->*signal)();
            m_engine->RefreshCandidatePool();
        });
    };
    addDialog(CmdBasicSettings, tr("基本信息设定"), &CDrawDlg::basicSettingsRequested);
    addDialog(CmdPersons, tr("录入用户信息"), &CDrawDlg::personsRequested);
    addDialog(CmdWinnersRecord, tr("查看中獎記錄"), &CDrawDlg::winnersRecordRequested);
    addDialog(CmdPrizes, tr("奖品设置"), &CDrawDlg::prizeSettingsRequested);
    addDialog(CmdCheckin, tr("签到台"), &CDrawDlg::checkinRequested);
    m_checkin = new DrawWindowCheckin(*this, *this, *m_engine, m_database,
                                      m_appDirectory + QLatin1String(EventSettings::FileName));
    m_checkin->AddTo(*m_menu);
    m_menu->addSeparator();
    m_presentationAction = m_menu->addAction(tr("全屏演示") + QStringLiteral("\tF11"), this,
                                             &CDrawDlg::TogglePresentation);
    m_presentationAction->setCheckable(true);
    m_wallAction = m_menu->addAction(tr("再次显示中奖名单墙"), this, &CDrawDlg::ReopenWinnersWall);
    m_wallAction->setEnabled(false);
    m_voids = new DrawWindowVoids(*this, *this, *m_engine, m_database);
    m_voids->AddTo(*m_menu);
    m_menu->addSeparator();
    add(CmdAbout, tr("关于Vantor抽奖系统"), &CDrawDlg::OnAbout);
    add(CmdExit, tr("退出(&x)"), &CDrawDlg::OnForceExit);
}

void CDrawDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CDrawDlg::OnForceExit()
{
    if (AskYesNo(StringTable::Load(135))) {
        CloseWindow();
    }
}

void CDrawDlg::CloseWindow()
{
    StopAllTimers();
    m_sound->StopMusic();
    done(QDialog::Accepted);
}

void CDrawDlg::accept() {}

void CDrawDlg::reject()
{
    if (!m_engine->IsIdle()) {
        ShowSysInfo(StringTable::Load(119));
    }
}

void CDrawDlg::OnSkinButtonClick(const QString& name)
{
    if (name == QLatin1String("BUTTON_START")) {
        EnableSkinButton(QStringLiteral("BUTTON_START"), false);
        EnableSkinButton(QStringLiteral("BUTTON_STOP"), true);
        m_engine->StartRound();
        ShowButtonsForIdle();
    } else if (name == QLatin1String("BUTTON_STOP")) {
        m_engine->StopRoll();
        EnableSkinButton(QStringLiteral("BUTTON_STOP"), false);
        ShowButtonsForIdle();
    } else if (name == QLatin1String("BUTTON_EXIT")) {
        if (m_engine->IsIdle()) {
            CloseWindow();
        } else {
            ShowSysInfo(StringTable::Load(119));
        }
    } else if (name == QLatin1String("ID_ABOUT")) {
        m_menu->popup(mapToGlobal(SkinToWindow(QRect(14, 50, 1, 1)).topLeft()));
    } else if (name == QLatin1String("ID_UPONE")) {
        m_engine->LevelUp();
    } else if (name == QLatin1String("ID_DOWNONE")) {
        m_engine->LevelDown();
    } else if (name == QLatin1String("ID_UPONE1")) {
        m_engine->QuotaUp();
    } else if (name == QLatin1String("ID_DOWNONE1")) {
        m_engine->QuotaDown();
    } else if (name == QLatin1String("ID_PLAY")) {
        m_creditsB->Start();
    } else if (name == QLatin1String("ID_STOP")) {
        m_creditsB->Stop();
    } else if (name == QLatin1String("BUTTON_AUTO") || name == QLatin1String("BUTTON_GETIT")) {
        QString error;
        const QString key =
            name == QLatin1String("BUTTON_AUTO") ? QStringLiteral("AUTO") : QStringLiteral("index");
        if (!WriteSkinsType(m_appDirectory, key, &error)) {
            ShowMessage(
                tr("无法写入 %1：%2").arg(m_appDirectory + QStringLiteral("skin.ini"), error));
        }
    } else if (name == QLatin1String("ID_URL")) {
        m_openLink(QUrl(kWebPage));
    } else if (name == QLatin1String("ID_EMAIL")) {
        m_openLink(QUrl(kMailAddress));
    }
}

void CDrawDlg::OnHotKey(int id)
{
    // Over the winners wall F6 turns its page; F5 starts nothing behind it.
    if (m_wall && m_wall->isVisible()) {
        if (id == HotKeyStop) {
            m_wall->NextPage();
        }
        return;
    }
    // The keys reach the window system-wide, also while a dialog or box of the program covers
    // it: a round started or stopped now would run unseen, and the open dialog's figures would
    // go stale. A round already running goes on; the key works again once the dialog closes.
    if (IsCovered()) {
        ShowSysInfo(tr("请先关闭打开的窗口"));
        return;
    }
    if (id == HotKeyStart) {
        m_engine->StartRound();
    } else if (id == HotKeyStop) {
        m_engine->StopRoll();
    }
    ShowButtonsForIdle();
}

void CDrawDlg::ShowButtonsForIdle()
{
    // A Start that was refused (too few participants, a failed query) or a Stop with nothing
    // rolling leaves no round running: only Start can be done, by mouse as well as by F5.
    if (m_engine->IsIdle() && !m_engine->IsRolling()) {
        EnableSkinButton(QStringLiteral("BUTTON_START"), true);
        EnableSkinButton(QStringLiteral("BUTTON_STOP"), false);
    }
}

bool CDrawDlg::IsCovered() const
{
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != this;
}

void CDrawDlg::mousePressEvent(QMouseEvent* event)
{
    // The window moves only by its top band, and never during a draw.
    if (event->button() == Qt::LeftButton &&
        (!m_engine->IsIdle() || event->position().y() >= DragBandHeight)) {
        QDialog::mousePressEvent(event);
        return;
    }
    CSkinDialog::mousePressEvent(event);
}

void CDrawDlg::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->popup(event->globalPos());
}

void CDrawDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11 && event->modifiers() == Qt::NoModifier) {
        TogglePresentation();
        return;
    }
    if (m_hotKeys && m_hotKeys->HandleKeyPress(event->key(), event->modifiers())) {
        return;
    }
    CSkinDialog::keyPressEvent(event);
}

// The host side of the draw.

void CDrawDlg::SetSkinText(const QString& name, const QString& text)
{
    CSkinDialog::SetSkinText(name, text, false);
}

void CDrawDlg::EnableSkinButton(const QString& name, bool enable)
{
    CSkinDialog::EnableSkinButton(name, enable);
}

void CDrawDlg::ShowSysInfo(const QString& text)
{
    SetSkinText(QStringLiteral("ID_SYSINFO"), text);
    StartTimer(DrawEngine::SysInfoTimer, 1000);
}

void CDrawDlg::SetReelText(int position, const QString& text, const QColor& colour)
{
    m_reel->SetReelText(position, text, colour);
}

void CDrawDlg::ClearWinnersList()
{
    m_winnersList->clear();
}

void CDrawDlg::AppendWinner(const QString& id, const QString& name)
{
    m_winnersList->addTopLevelItem(new QTreeWidgetItem(QStringList{id, name}));
    // A line without a number is the count of a big round, whose winners ShowRoundWinners traces.
    WinnerTrace::Append({id});
}

void CDrawDlg::ShowRoundWinners(const QString& prizeName, int level,
                                const QList<PersonRow>& winners)
{
    std::vector<WallCard> cards;
    cards.reserve(size_t(winners.size()));
    for (const PersonRow& winner : winners) {
        cards.push_back({winner.PersonID, winner.PersonName});
    }
    if (!m_wall) {
        m_wall = new CWinnersWall(this);
        connect(m_wall, &CWinnersWall::closed, this, [this] { activateWindow(); });
    }
    m_wall->SetStyle(WallStyle::FromSkin(Description()));
    m_wall->ShowRound(prizeName, level, std::move(cards));
    m_wallAction->setEnabled(true);
    QStringList ids;
    for (const PersonRow& winner : winners) {
        ids.append(winner.PersonID);
    }
    WinnerTrace::Append(ids);
    m_wall->Present();
}

void CDrawDlg::ReopenWinnersWall()
{
    if (m_wall && m_engine->IsIdle()) {
        m_wall->Present();
    }
}

void CDrawDlg::ShowMessageBox(const QString& text)
{
    ShowMessage(text);
}

void CDrawDlg::ShowDetailedMessageBox(const QString& text, const QString& detail)
{
    ShowMessage(text, detail);
}

void CDrawDlg::StartTimer(int id, int intervalMs)
{
    QTimer*& timer = m_timers[id];
    if (!timer) {
        timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, id] { OnTimerExpired(id); });
    }
    timer->start(qMax(1, intervalMs / m_timerDivisor));
    m_checkin->HideCodeIfRoundRuns();
}

void CDrawDlg::RefreshPoolWhileIdle()
{
    // A dialog or box of the program is open: it may be changing the data right now (an
    // import), and the dialog commands refresh the pool as they close.
    if (IsCovered()) {
        return;
    }
    m_engine->RefreshCandidatePool();
}

void CDrawDlg::StopAllTimers()
{
    for (QTimer* timer : std::as_const(m_timers)) {
        timer->stop();
    }
    if (m_poolRefresh) {
        m_poolRefresh->stop();
    }
}

void CDrawDlg::StopTimer(int id)
{
    if (QTimer* timer = m_timers.value(id)) {
        timer->stop();
    }
}

void CDrawDlg::OnTimerExpired(int id)
{
    if (id == DrawEngine::SysInfoTimer) {
        StopTimer(id);
        SetSkinText(QStringLiteral("ID_SYSINFO"), QString());
        return;
    }
    m_engine->OnTimer(id);
}

void CDrawDlg::PlayDrawingSound()
{
    if (m_settings.bMusic2 != 0) {
        m_sound->PlayDrawingSound(
            SharedFiles::Locate(m_appDirectory, EventSettings::ResolvePath({}, m_settings.music2)));
    }
}

void CDrawDlg::RestartBackgroundMusic()
{
    StartBackgroundMusic();
}

void CDrawDlg::StartBackgroundMusic()
{
    if (m_settings.bMusic1 != 0) {
        m_sound->StartMusic(
            SharedFiles::Locate(m_appDirectory, EventSettings::ResolvePath({}, m_settings.music1)));
    }
}
