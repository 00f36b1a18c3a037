// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/EventSettings.h"
#include "draw/engine/DrawHost.h"
#include "skin/widgets/CSkinDialog.h"

#include <QHash>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class CAdoDatabase;
class CCreditsPanel;
class CCreditsPanelB;
class CReelDisplay;
class CWinnersWall;
class DrawEngine;
class DrawWindowCheckin;
class DrawWindowVoids;
class GlobalHotKeys;
class QLabel;
class QMenu;
class QTimer;
class QTreeWidget;
class SoundPlayer;

// The window the audience sees and the operator works in: the skin's face with the reel display
// in its middle. It hosts the draw engine, giving it the skin's texts and buttons, the reels,
// window timers and sounds; F5 and F6 start and stop the draw wherever the focus is, except while
// a dialog or box of the program is open over it.
//
// It opens no dialog of the program itself: the menu's dialog commands are announced as signals
// and the application decides what they open. After the event settings were saved elsewhere,
// ApplySettings takes them in.
class CDrawDlg : public CSkinDialog, public DrawHost
{
    Q_OBJECT

public:
    // Hot key ids of F5 (start) and F6 (stop).
    static constexpr int HotKeyStart = 1000;
    static constexpr int HotKeyStop = 1001;
    // Only this many pixels at the top of the window drag it (and only while no round runs).
    static constexpr int DragBandHeight = 100;
    // While no round runs and no other window of the program is open, the draw brings its
    // candidate pool up to date this often, so that the next pick need not read it.
    static constexpr int PoolRefreshMs = 2000;

    CDrawDlg(CAdoDatabase& database, const QString& appDirectory, QWidget* parent = nullptr);
    ~CDrawDlg() override;

    DrawEngine& Engine() { return *m_engine; }
    CReelDisplay& ReelDisplay() { return *m_reel; }
    const EventSettings& Settings() const { return m_settings; }
    // Uses the event settings from now on: company and theme (centred), the sounds (the
    // background music starts again from its start, or stops when switched off), auto-stop
    // and the half-range rule.
    void ApplySettings(const EventSettings& settings);
    QMenu& ContextMenu() { return *m_menu; }
    // The commands for absent winners in the menu.
    DrawWindowVoids& Voids() { return *m_voids; }
    // Serving the check-in page, its QR code over the window (F9) and the tally.
    DrawWindowCheckin& Checkin() { return *m_checkin; }

    // Tests run the draw's timers faster: every interval is divided by divisor.
    void SetTimerDivisor(int divisor) { m_timerDivisor = qMax(1, divisor); }
    // Opens web and mail links; the default hands them to the desktop.
    void SetLinkOpener(std::function<void(const QUrl&)> opener) { m_openLink = std::move(opener); }

    // The host side of the draw.
    void SetSkinText(const QString& name, const QString& text) override;
    using CSkinDialog::SetSkinText;
    void EnableSkinButton(const QString& name, bool enable) override;
    void ShowSysInfo(const QString& text) override;
    void SetReelText(int position, const QString& text, const QColor& colour) override;
    void ClearWinnersList() override;
    void AppendWinner(const QString& id, const QString& name) override;
    // A big round's winners go on the winners wall, over the whole screen; the menu opens it
    // again for the last such round.
    void ShowRoundWinners(const QString& prizeName, int level,
                          const QList<PersonRow>& winners) override;
    // The wall of the last big round; null before the first.
    CWinnersWall* WinnersWall() const { return m_wall; }
    void ShowMessageBox(const QString& text) override;
    void ShowDetailedMessageBox(const QString& text, const QString& detail) override;
    void StartTimer(int id, int intervalMs) override;
    void StopTimer(int id) override;
    void PlayDrawingSound() override;
    void RestartBackgroundMusic() override;

    // Enter does nothing; Escape only warns during a round. The window closes through
    // BUTTON_EXIT (idle) or the menu's exit (after a Yes).
    void accept() override;
    void reject() override;

signals:
    // The menu's dialog commands.
    void personsRequested();
    void winnersRecordRequested();
    void basicSettingsRequested();
    void prizeSettingsRequested();
    void checkinRequested();

protected:
    void OnInitDialog() override;
    void OnSkinButtonClick(const QString& name) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void OnSkinLayout() override;

private:
    void BuildMenu();
    // F5 and F6: nothing but a notice while a dialog or box of the program is open.
    void OnHotKey(int id);
    // After Start or Stop: when no round runs, Start is enabled and Stop is not.
    void ShowButtonsForIdle();
    // A dialog or box of the program is open over the window.
    bool IsCovered() const;
    void OnAbout();
    void ReopenWinnersWall();
    void OnForceExit();
    // F11 and the menu: fill the screen with the face, or give it its own size again; the
    // choice is kept for the event.
    void TogglePresentation();
    void CloseWindow();
    void StartBackgroundMusic();
    void OnTimerExpired(int id);
    void RefreshPoolWhileIdle();
    void StopAllTimers();

    CAdoDatabase& m_database;
    QString m_appDirectory;
    EventSettings m_settings;
    std::unique_ptr<DrawEngine> m_engine;
    CReelDisplay* m_reel = nullptr;
    CCreditsPanel* m_credits = nullptr;
    CCreditsPanelB* m_creditsB = nullptr;
    QTreeWidget* m_winnersList = nullptr;
    QLabel* m_winnersCaption = nullptr;
    QMenu* m_menu = nullptr;
    CWinnersWall* m_wall = nullptr;
    class QAction* m_wallAction = nullptr;
    class QAction* m_presentationAction = nullptr;
    DrawWindowVoids* m_voids = nullptr;
    DrawWindowCheckin* m_checkin = nullptr;
    GlobalHotKeys* m_hotKeys = nullptr;
    SoundPlayer* m_sound = nullptr;
    QHash<int, QTimer*> m_timers;
    QTimer* m_poolRefresh = nullptr;
    int m_timerDivisor = 1;
    std::function<void(const QUrl&)> m_openLink;
};
