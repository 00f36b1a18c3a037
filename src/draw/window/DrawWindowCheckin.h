// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/CheckinStore.h"

#include <QObject>
#include <QRect>
#include <QString>

class CAdoDatabase;
class CheckinPageHost;
class CheckinQrPanel;
class CSkinDialog;
class DrawEngine;
class DrawHost;
class QAction;
class QEvent;
class QLabel;
class QMenu;

// The draw window's part in the check-in: serving the check-in page on the local network (an
// event setting, switched from the menu), its QR code shown large over the window (menu or F9;
// gone as a round starts) and the tally "checked in n / N" in the top right corner, kept up to
// date while the window waits for Start. An event that never touches check-in sees none of it.
class DrawWindowCheckin : public QObject
{
    Q_OBJECT

public:
    static constexpr int CodeKey = Qt::Key_F9;

    // window: the face the code and the tally are shown on; host: its notices; settingsFile:
    // the event's config.ini.
    DrawWindowCheckin(CSkinDialog& window, DrawHost& host, DrawEngine& engine,
                      CAdoDatabase& database, QString settingsFile);

    // Appends the two commands to menu.
    void AddTo(QMenu& menu);
    QAction& ServeAction() const { return *m_serveAction; }
    QAction& CodeAction() const { return *m_codeAction; }

    // The server of the page; until it is given the page cannot be served. Serves the page at
    // once when the event's setting says so (a failure is told, and the page stays off).
    void SetPageHost(CheckinPageHost* host);

    // The menu's commands: switch serving on or off (the setting is kept for the event), show or
    // hide the code (only while the page is served and no round runs).
    void ToggleServing();
    void ToggleCode();
    void HideCode();
    bool IsCodeShown() const;
    // F9 shows or hides the code; true when the key was taken.
    bool HandleKeyPress(int key, Qt::KeyboardModifiers modifiers);

    // The window starts a timer: when a round has started, the code makes way for the reels.
    void HideCodeIfRoundRuns();
    // Reads the tally again and shows or hides it: between rounds and while no dialog of the
    // program covers the window; at other times it does nothing.
    void RefreshTally();
    const QLabel& TallyLabel() const { return *m_tally; }
    const CheckinQrPanel& CodePanel() const { return *m_panel; }
    // Places the code and the tally on the face, as the window shows it now.
    void Arrange();

protected:
    // The window's F9, its size and its first showing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool StartServing(quint16 port);
    void UpdateActions();
    void ApplyColours();
    void PlaceTally();
    // The skin's face in the window (all of it before the skin is loaded).
    QRect Face() const;

    CSkinDialog& m_window;
    DrawHost& m_host;
    DrawEngine& m_engine;
    CAdoDatabase& m_database;
    CheckinStore m_store;
    QString m_settingsFile;
    CheckinPageHost* m_page = nullptr;
    CheckinQrPanel* m_panel = nullptr;
    QLabel* m_tally = nullptr;
    QAction* m_serveAction = nullptr;
    QAction* m_codeAction = nullptr;
    bool m_coloured = false;
};
