// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/EligibilityStore.h"
#include "data/PersonStore.h"
#include "data/WinnerStore.h"
#include "draw/engine/BigRound.h"
#include "draw/engine/CandidatePool.h"
#include "draw/engine/Contenders.h"
#include "draw/engine/DrawClock.h"
#include "draw/engine/DrawHost.h"
#include "draw/engine/DrawTexts.h"
#include "draw/engine/LevelSelector.h"
#include "draw/engine/RandomSource.h"
#include "draw/engine/ReelSet.h"
#include "draw/engine/ReelStrip.h"
#include "draw/engine/ReplacementRound.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class CAdoDatabase;

// The draw: picks winners at random among the participants who have not won yet (the
// CandidatePool) and whom the selected level's eligibility rule admits, rolls the eight reels and
// stops them left to right on the winner's number, records every winner the moment the last reel
// stops and lists the round's winners. It has no window of its own: everything it shows, and its
// timers, go through the DrawHost; it runs on the thread of its host.
//
// A round of more than eight winners (a level whose round size is above 8, see PrizeStore) is a
// big round (BigRound): the reels roll as usual; Stop chooses and stores every winner of the
// round at once, the reels stop on the first winner's number and the host shows them all
// (DrawHost::ShowRoundWinners). Nothing of such a round is shown unless all of it was stored.
//
// A replacement round (StartReplacementRound) draws the selected level again for the places its
// voided wins left open, one winner a place: the same picks, reels and big round as any round,
// with each win stored in the place of the voided win it fills.
//
// The host forwards: BUTTON_START and F5 to StartRound; BUTTON_STOP and F6 to StopRoll; the
// level and quota buttons to LevelUp/LevelDown/QuotaUp/QuotaDown; every timer expiry to OnTimer.
//
// A message box (the engine's own or the database layer's) may run a nested event loop. Calls
// that arrive through it while the engine is at work are refused: a key or button gets the
// "drawing in progress" notice, a timer tick is skipped and comes again with the timer's next
// period. So a box never lets a second pick, tick or start slip into the one under way.
class DrawEngine
{
public:
    // The reels roll through the characters of ReelStrip.
    static constexpr int ReelAlphabetSize = ReelStrip::Size;
    static constexpr int ReelCount = ReelStrip::ReelCount;
    static constexpr int MaxValue = 8; // of PrizeLevel and RoundQuota

    // Timer ids: reel i runs on timer i (1..8).
    static constexpr int AutoStopTimer = 10;
    static constexpr int RevealTimer = 15;
    static constexpr int NextPickTimer = 16;
    static constexpr int SysInfoTimer = 17; // owned by the host, see DrawHost

    static constexpr int ReelIntervalMs = ReelStrip::IntervalMs;
    static constexpr int AutoStopMs = 5000;
    static constexpr int FirstRevealMs = 1500;
    static constexpr int BlinkMs = 500;
    static constexpr int NextPickMs = 300;

    static QColor RollingColour() { return ReelSet::RollingColour(); }
    static QColor BlinkOnColour() { return QColor(0, 0, 0); }
    static QColor BlinkOffColour() { return QColor(255, 255, 255); }

    // random and clock default to the operating system's entropy and the local time.
    DrawEngine(DrawHost& host, CAdoDatabase& database, std::unique_ptr<RandomSource> random = {},
               std::unique_ptr<DrawClock> clock = {});
    ~DrawEngine();
    DrawEngine(const DrawEngine&) = delete;
    DrawEngine& operator=(const DrawEngine&) = delete;

    // Start (BUTTON_START, F5): checks, then the first pick of a round.
    void StartRound();
    // Stop (BUTTON_STOP, F6, auto-stop): chooses the winner of the pick that is rolling.
    void StopRoll();
    // Every timer expiry of the host window.
    void OnTimer(int id);
    // Brings the candidate pool up to date while no round runs, so that the next pick need not
    // read it: the window calls it after an operator's dialog closed and now and then while
    // idle, to take in other stations' changes. Does nothing during a round or while a box of
    // the engine is open (see CandidatePool::Refresh for the rest).
    void RefreshCandidatePool();

    // Voided wins leave open places (see ReplacementRound). Open places of level 1..8 as last
    // read: at construction, Start, RefreshCandidatePool, VoidsChanged and after a replacement
    // round.
    int OpenPlaces(int level) const { return m_replacement.OpenPlaces(level); }
    // A replacement round for the selected level: one winner for each of its open places, in
    // place order, among the participants any round of the level admits; through the reels one
    // pick at a time when 8 or fewer, else as a big round. Each win is stored in the place of
    // the voided win it fills. Refused while a round runs and when the level has no open place;
    // the operator's quota stays as it was.
    void StartReplacementRound();
    // After a void or its undo: reads the open places again, takes the voided winners out of
    // LastRoundWinners (an undone one back in) and, between rounds, brings the pool up to date.
    void VoidsChanged();
    // The last round's winners as stored (number, name, remark), in place order, without those
    // voided since; empty before the first round.
    QList<PersonRow> LastRoundWinners() const { return m_replacement.LastRoundWinners(); }
    bool IsReplacementRound() const { return m_replacement.Active(); }

    // Between rounds: shows the prize of the selected level in ID_INFO, so the audience sees
    // what is drawn next. Does nothing during a round or when the level has no prize name.
    void ShowSelectedPrize();

    // PrizeLevel and RoundQuota up and down by one (see LevelSelector); refused while a round
    // runs; a new level shows its prize (see ShowSelectedPrize). While the quota is above 8 it
    // follows the level's round size (a new level, new sizes read at Start or after the prize
    // settings changed).
    void LevelUp() { ChangeValue(false, +1); }
    void LevelDown() { ChangeValue(false, -1); }
    void QuotaUp() { ChangeValue(true, +1); }
    void QuotaDown() { ChangeValue(true, -1); }

    // Auto-stop: the first pick of a round stops by itself 5 s after Start (AUTOSTOP setting).
    void SetAutoStop(bool on) { m_autoStop = on; }
    bool AutoStop() const { return m_autoStop; }

    // The half-range rule: every second pick of the window's life draws only from the first half
    // of the pool (when it holds more than 4), which makes the first half three times as likely
    // to win. On by default; off, every pick draws from the whole pool.
    void SetHalfRangeRule(bool on) { m_halfRangeRule = on; }
    bool HalfRangeRule() const { return m_halfRangeRule; }

    // An index in [low, high), every index equally likely; low when the range is empty.
    int RandomInRange(int low, int high) { return RandomInRange(*m_random, low, high); }
    static int RandomInRange(RandomSource& random, int low, int high)
    {
        if (high <= low) {
            return low;
        }
        const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low);
        return static_cast<int>(low + static_cast<std::int64_t>(random.Below(span)));
    }

    // State, under the names the rest of the program uses.
    bool IsIdle() const { return m_IsIdle; }
    int PrizeLevel() const { return m_levels.PrizeLevel(); }
    int RoundQuota() const { return m_levels.RoundQuota(); }
    int PickNumber() const { return m_PickNumber; }
    const CandidatePool& Pool() const { return m_CandidatePool; }
    bool HalfRangeToggle() const { return m_HalfRangeToggle; }
    const QString& TargetID() const { return m_TargetID; }
    int SlowDownCounter() const { return m_reels.SlowDownCounter(); }
    int ReelPosition(int reel) const { return m_reels.Position(reel); } // reel 1..8
    bool ReelStopped(int reel) const { return m_reels.Stopped(reel); }
    bool ReelOneArmed() const { return m_reels.OneArmed(); }
    bool IsRolling() const { return m_rolling; }
    bool WinnerRevealed() const { return m_winnerRevealed; }
    bool BlinkPhase() const { return m_blinkPhase; }
    // Prize name of level 1..8 as last read from the database; empty outside 1..8.
    QString PrizeName(int level) const { return m_levels.PrizeName(level); }
    // Round size of level 1..8 as last read from the database; 8 outside 1..8.
    int RoundSize(int level) const { return m_levels.RoundSize(level); }
    // The winners of the last big round, as stored, in place order.
    const QList<PersonRow>& BigRoundWinners() const { return m_bigRound.Winners(); }
    // The eligibility rule of level 1..8 as read at the last Start (everyone outside 1..8 and
    // before the first Start); RuleInForce(level).Describe() names it in a short text.
    const EligibilityRule& RuleInForce(int level) const { return m_contenders.RuleInForce(level); }

    // Upper-cases the single-byte letters a..z only.
    static QString UpperCaseId(const QString& id) { return PersonRow::IdKey(id); }

private:
    bool RefuseReentry();
    // Start's checks that no round runs; tells the operator why not.
    bool MayStart();
    // The checks of Start and the first pick of a round of count winners.
    void BeginRound(int count);
    void StopRollNow();
    // Whether the pool holds enough participants the level admits for the round; tells the
    // operator why not.
    bool EnoughEligible();
    bool BeginPick();
    void PickWinner();
    // Draws and stores the whole round at once; false when nothing was stored (the round is
    // over and the operator told why).
    bool PickBigRound();
    QString TimeText() const
    {
        return m_clock->Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    bool StoreWinner(WinRefusal& refusal);
    // The name the winner was stored with: the chosen row's while nothing but wins changed
    // since it was taken from the pool, else read from the stored win.
    QString StoredWinnerName();
    // Shows the stored winner in the winners list and the round's winner line; returns the
    // text under the reels.
    QString ShowWinner(const QString& name);
    // clearReels: empties the reels too, so that no number looks like a winner's.
    void EndRoundWithoutWinner(bool clearReels = false);
    // Stores and reveals the winner; false when the win was refused (the round is over).
    bool WinnerSequence(bool stoppedByMatch);
    void RevealTick();
    void ShowPickProgress();
    void ChangeValue(bool quota, int delta);

    DrawHost& m_host;
    CAdoDatabase& m_database;
    WinnerStore m_winners;
    std::unique_ptr<RandomSource> m_random;
    std::unique_ptr<DrawClock> m_clock;

    bool m_IsIdle = true;
    LevelSelector m_levels;
    int m_roundCount = 1; // winners of the round under way (the quota at its Start)
    int m_PickNumber = 1;
    CandidatePool m_CandidatePool;
    Contenders m_contenders; // the pool's entries a pick of the level chooses among
    bool m_HalfRangeToggle = false;
    QString m_TargetID;
    PersonRow m_target;           // the chosen participant's row, as the pool held it
    quint64 m_targetRevision = 0; // the pool's revision when it was chosen
    PickPool m_targetPool;        // the pool it was chosen from, for the draw log
    ReelSet m_reels;
    bool m_rolling = false;
    bool m_winnerRevealed = false;
    bool m_blinkPhase = false;
    BigRound m_bigRound;
    ReplacementRound m_replacement;
    ComePrizeRow m_win; // the win of the pick, as stored
    bool m_autoStop = false;
    bool m_halfRangeRule = true;
    bool m_busy = false;
};
