// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/PersonStore.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class CAdoDatabase;
class DrawEngine;
class DrawHost;
class QAction;
class QMenu;
class QWidget;

// The draw window's commands for absent winners, right after a round and without leaving the
// projector view: void some of the last round's winners (chosen in a large dialog, with a
// reason, confirmed), and draw the replacements for the open places of the selected level.
class DrawWindowVoids : public QObject
{
    Q_OBJECT

public:
    // Which winners to void, and why.
    struct Choice
    {
        QStringList personIds;
        QString reason;
    };
    // Asks the operator; nullopt when they cancel. The default shows CVoidRoundDlg.
    using Chooser = std::function<std::optional<Choice>(QWidget*, const QList<PersonRow>&)>;

    // window: the dialogs' parent; host: the window's skin buttons and notices.
    DrawWindowVoids(QWidget& window, DrawHost& host, DrawEngine& engine, CAdoDatabase& database);

    // Appends the two commands to menu; each opening of the menu brings them up to date.
    void AddTo(QMenu& menu);
    QAction& VoidAction() const { return *m_voidAction; }
    QAction& ReplacementAction() const { return *m_replacementAction; }
    // Enables the commands for the engine's state and names the open places in the text.
    void UpdateActions();

    void SetChooser(Chooser chooser) { m_choose = std::move(chooser); }
    // The time voids are stored with; the local time by default.
    void SetClock(std::function<QDateTime()> clock) { m_now = std::move(clock); }

    // Voids the chosen winners of the last round after a confirmation (No is the default).
    void OnVoidRound();
    // Starts the round that draws one winner for each open place of the selected level.
    void OnReplacementRound();

private:
    QWidget& m_window;
    DrawHost& m_host;
    DrawEngine& m_engine;
    CAdoDatabase& m_database;
    QAction* m_voidAction = nullptr;
    QAction* m_replacementAction = nullptr;
    Chooser m_choose;
    std::function<QDateTime()> m_now = &QDateTime::currentDateTime;
};
