// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/PersonStore.h"

#include <QColor>
#include <QList>
#include <QString>

// What the draw engine needs from the window that hosts it: its text elements and buttons, the
// reel display, the small winners list, message boxes, window timers and the two sounds. The
// main draw window implements it with real widgets; tests implement it with a recording fake and
// a virtual clock.
//
// Timers behave like classic window timers: StartTimer(id, ms) starts timer id firing every ms
// milliseconds until StopTimer(id), and starting a running id again replaces its interval and
// restarts its period. The host forwards every expiry of every timer to DrawEngine::OnTimer(id)
// (reel timers 1..8, 10, 15, 16; forwarding 17 as well is harmless). A Qt host uses
// Qt::PreciseTimer: the reels run at 10 ms.
//
// Timer 17 belongs to the host: ShowSysInfo writes the notice into ID_SYSINFO and (re)starts a
// one-shot 1000 ms timer 17 whose expiry empties ID_SYSINFO again. The engine never starts or
// stops timer 17 itself, and the window uses the same ShowSysInfo for its own notices.
class DrawHost
{
public:
    virtual ~DrawHost() = default;

    // Text of a skin text element (ID_INFO, ID_INFO1, ID_TEXT1..ID_TEXT8, ID_NUMBER,
    // ID_NUMBER1), not centred. A name the skin does not define is ignored.
    virtual void SetSkinText(const QString& name, const QString& text) = 0;
    // BUTTON_START, BUTTON_STOP. A name the skin does not define is ignored.
    virtual void EnableSkinButton(const QString& name, bool enable) = 0;
    // A one-second notice in ID_SYSINFO (see timer 17 above).
    virtual void ShowSysInfo(const QString& text) = 0;
    // Reel cell 1..8: one character or empty, drawn in colour.
    virtual void SetReelText(int position, const QString& text, const QColor& colour) = 0;

    // The winners list (control 1009): it holds the most recent winner only.
    virtual void ClearWinnersList() = 0;
    virtual void AppendWinner(const QString& id, const QString& name) = 0;

    // A round of more than eight winners, drawn and stored at once: every winner (the stored
    // number and name) in place order, after the reels stopped on the first. Hosts without a
    // view of their own for such a round leave it out; the winner lines show the first eight.
    virtual void ShowRoundWinners(const QString& prizeName, int level,
                                  const QList<PersonRow>& winners)
    {
        Q_UNUSED(prizeName);
        Q_UNUSED(level);
        Q_UNUSED(winners);
    }

    // A message box with an OK button and an empty caption. Must not block in tests. A modal box
    // may run a nested event loop that delivers timers and hot keys meanwhile: the engine refuses
    // the calls that reach it that way (see DrawEngine).
    virtual void ShowMessageBox(const QString& text) = 0;
    // The same with a technical detail (a driver's words) kept apart from the text; by default
    // the detail follows the text after a blank line.
    virtual void ShowDetailedMessageBox(const QString& text, const QString& detail)
    {
        ShowMessageBox(detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail);
    }

    virtual void StartTimer(int id, int intervalMs) = 0;
    virtual void StopTimer(int id) = 0;

    // The drawing sound (when switched on), including any pause that follows it; it may end the
    // background music.
    virtual void PlayDrawingSound() = 0;
    // Starts the background music again from its start (when switched on).
    virtual void RestartBackgroundMusic() = 0;
};
