// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/DrawEngine.h"

#include "data/CAdoDatabase.h"
#include "draw/engine/BusyScope.h"
#include "draw/engine/DrawTexts.h"
#include "draw/engine/EligibleView.h"
#include "draw/engine/SystemDrawClock.h"
#include "draw/engine/SystemRandomSource.h"

#include <optional>
#include <utility>

static_assert(DrawEngine::MaxValue == LevelSelector::MaxValue, "one prize name a level");

using enum DrawTexts::Text;

DrawEngine::DrawEngine(DrawHost& host, CAdoDatabase& database, std::unique_ptr<RandomSource> random,
                       std::unique_ptr<DrawClock> clock)
    : m_host(host), m_database(database), m_winners(database), m_random(std::move(random)),
      m_clock(std::move(clock)), m_levels(host, database), m_CandidatePool(database),
      m_contenders(database, m_CandidatePool), m_reels(host), m_bigRound(database),
      m_replacement(database)
{
    if (!m_random) {
        m_random = std::make_unique<SystemRandomSource>();
    }
    if (!m_clock) {
        m_clock = std::make_unique<SystemDrawClock>();
    }
    m_replacement.ReadCounts();
}

DrawEngine::~DrawEngine() = default;

// --- Operator actions --------------------------------------------------------------------------

bool DrawEngine::RefuseReentry()
{
    if (!m_busy) {
        return false;
    }
    m_host.ShowSysInfo(DrawTexts::Load(DrawingNow));
    return true;
}

bool DrawEngine::MayStart()
{
    m_levels.LoadPrizeNames();
    if (!m_IsIdle) {
        m_host.ShowSysInfo(DrawTexts::Load(DrawingNow));
        return false;
    }
    if (m_reels.OneArmed() && !m_reels.Stopped(ReelCount)) {
        m_host.ShowSysInfo(DrawTexts::Load(PickUnfinished));
        return false;
    }
    return true;
}

void DrawEngine::StartRound()
{
    if (RefuseReentry()) {
        return;
    }
    const BusyScope busy(m_busy);
    if (!MayStart()) {
        return;
    }
    m_levels.FollowRoundSize();
    m_replacement.ReadCounts();
    BeginRound(RoundQuota());
}

void DrawEngine::StartReplacementRound()
{
    if (RefuseReentry()) {
        return;
    }
    const BusyScope busy(m_busy);
    if (!MayStart()) {
        return;
    }
    if (!m_replacement.Begin(PrizeLevel())) {
        if (!m_replacement.ReadFailed()) {
            m_host.ShowMessageBox(DrawTexts::NoOpenPlace(PrizeLevel(), PrizeName(PrizeLevel())));
        }
        return;
    }
    BeginRound(m_replacement.Count());
    if (m_IsIdle) {
        m_replacement.End(); // refused before its first pick
    }
}

void DrawEngine::VoidsChanged()
{
    if (m_busy) {
        return;
    }
    const BusyScope busy(m_busy);
    m_replacement.ReadCounts();
    m_replacement.FollowVoids();
    if (m_IsIdle && !m_rolling) {
        m_contenders.Update(); // a void or its undo leaves the pool to be read again
    }
}

void DrawEngine::BeginRound(int count)
{
    m_roundCount = count;
    // A rule changed at any station since the last round takes effect now; the kept pool
    // serves every rule.
    if (!m_contenders.LoadRules()) {
        return;
    }
    if (!m_contenders.Update()) {
        // A failed query has shown its cause already: nobody may have won at all.
        if (!m_CandidatePool.ReadFailed()) {
            m_host.ShowMessageBox(m_contenders.NobodyLeftText());
        }
        m_IsIdle = true;
        return;
    }
    if (!EnoughEligible()) {
        m_IsIdle = true;
        return;
    }
    for (int pick = 1; pick <= MaxValue; ++pick) {
        m_host.SetSkinText(DrawTexts::WinnerLineName(pick), QString());
    }
    m_host.SetSkinText(DrawTexts::InfoCaptionName(), QString());
    m_IsIdle = false;
    m_PickNumber = 1;
    m_replacement.ClearLastRound();
    BeginPick();
}

void DrawEngine::StopRoll()
{
    if (RefuseReentry()) {
        return;
    }
    const BusyScope busy(m_busy);
    StopRollNow();
}

void DrawEngine::StopRollNow()
{
    if (!m_rolling) {
        return;
    }
    if (!m_reels.OneArmed() || m_IsIdle) {
        ShowPickProgress();
        m_random->Reseed();
        PickWinner();
    } else {
        m_host.ShowSysInfo(DrawTexts::Load(DrawingNow));
    }
}

void DrawEngine::ShowSelectedPrize()
{
    if (m_busy || !m_IsIdle) {
        return;
    }
    const BusyScope busy(m_busy);
    m_levels.LoadPrizeNames();
    m_levels.FollowRoundSize();
    const QString prize = PrizeName(PrizeLevel());
    if (!prize.isEmpty()) {
        m_host.SetSkinText(DrawTexts::InfoCaptionName(), QString());
        m_host.SetSkinText(DrawTexts::InfoName(), DrawTexts::SelectedPrize(prize));
    }
}

void DrawEngine::ChangeValue(bool quota, int delta)
{
    if (RefuseReentry()) {
        return;
    }
    if (!m_IsIdle) {
        m_host.ShowSysInfo(DrawTexts::Load(DrawingNow));
        return;
    }
    {
        const BusyScope busy(m_busy); // the quota may read the round sizes
        if (quota) {
            m_levels.ChangeQuota(delta);
            return;
        }
        m_levels.ChangeLevel(delta);
    }
    ShowSelectedPrize();
}

void DrawEngine::OnTimer(int id)
{
    // A tick that comes through a message box's event loop is skipped: the timer fires again.
    if (m_busy) {
        return;
    }
    const BusyScope busy(m_busy);
    m_reels.WrapPositions();
    if (id >= 1 && id <= ReelCount) {
        m_reels.Tick(id, PrizeLevel() <= ReelStrip::LastSlowLevel,
                     [this](bool stoppedByMatch) { return WinnerSequence(stoppedByMatch); });
        return;
    }
    switch (id) {
    case AutoStopTimer:
        m_host.StopTimer(AutoStopTimer);
        StopRollNow();
        break;
    case RevealTimer:
        RevealTick();
        break;
    case NextPickTimer:
        m_host.StopTimer(NextPickTimer);
        // An operator's stop within the 300 ms has already chosen this pick's winner; choosing
        // again would replace the winner while the reels already stop on the first one.
        if (m_rolling && !m_reels.OneArmed()) {
            PickWinner();
        }
        break;
    default:
        break; // timer 17 is the host's; other ids are not the draw's
    }
}

void DrawEngine::RefreshCandidatePool()
{
    if (m_busy || !m_IsIdle || m_rolling) {
        return;
    }
    const BusyScope busy(m_busy);
    if (m_CandidatePool.Refresh()) {
        m_replacement.ReadCounts(); // the data changed: a void at another station may be in it
    }
}

// --- Database work -----------------------------------------------------------------------------

bool DrawEngine::EnoughEligible()
{
    const qsizetype eligible = m_contenders.Of(PrizeLevel()).Size();
    if (eligible == 0) {
        m_host.ShowMessageBox(DrawTexts::NobodyEligible(PrizeLevel(), PrizeName(PrizeLevel())));
        return false;
    }
    // The auto-stop timer starts before the quota check; when the check refuses the round, the
    // timer later finds nothing rolling and does nothing.
    if (m_autoStop) {
        m_host.EnableSkinButton(DrawTexts::StopButton(), false);
        m_host.StartTimer(AutoStopTimer, AutoStopMs);
    }
    if (eligible < m_roundCount) {
        m_host.ShowMessageBox(DrawTexts::Load(QuotaTooLarge));
        return false;
    }
    return true;
}

bool DrawEngine::StoreWinner(WinRefusal& refusal)
{
    const QString time = TimeText();
    // The token's round trip to a server also finds a connection the server dropped meanwhile,
    // which the insert then makes again instead of failing on it.
    m_database.ChangeToken();
    m_win = {m_TargetID, time, PrizeLevel(), m_PickNumber, PrizeName(PrizeLevel())};
    if (m_replacement.Active()) {
        m_replacement.Fill(m_win, m_PickNumber);
    }
    return m_winners.InsertWinner(m_win, &refusal, m_targetPool);
}

QString DrawEngine::StoredWinnerName()
{
    // The win is journalled: the kept pool leaves its winner out now, or at the next pick. The
    // insert copied the participant's row as it stood then; the pool, current after the
    // insert at the revision of the pick, holds that same row.
    if (m_CandidatePool.CatchUp() && m_CandidatePool.Revision() == m_targetRevision) {
        return m_target.PersonName;
    }
    return m_winners.WinnerName(m_TargetID).value_or(QString());
}

QString DrawEngine::ShowWinner(const QString& name)
{
    m_host.AppendWinner(m_TargetID, name);
    m_replacement.AddWinner({m_TargetID, name, m_target.Company, m_target.PersonGroup}, m_win);
    const QString padded = DrawTexts::PaddedName(name);
    const QString prize = PrizeName(PrizeLevel());
    m_host.SetSkinText(DrawTexts::WinnerLineName(m_PickNumber),
                       m_replacement.Active()
                           ? DrawTexts::ReplacementLine(m_win.sNo, padded, m_TargetID, prize)
                           : DrawTexts::WinnerLine(m_PickNumber, padded, m_TargetID, prize));
    return DrawTexts::WinnerInfo(padded);
}

// --- Picks -------------------------------------------------------------------------------------

bool DrawEngine::BeginPick()
{
    if (!m_contenders.Update()) {
        EndRoundWithoutWinner();
        if (!m_CandidatePool.ReadFailed()) {
            m_host.ShowMessageBox(m_CandidatePool.Size() > 0 ? DrawTexts::NoneCheckedIn()
                                                             : DrawTexts::Load(EveryoneWon));
        }
        return false;
    }
    m_reels.Roll(*m_random);
    m_rolling = true;
    m_host.StopTimer(RevealTimer);
    m_host.ClearWinnersList();
    m_host.SetSkinText(DrawTexts::InfoCaptionName(), QString());
    if (m_PickNumber == 1) {
        m_host.SetSkinText(DrawTexts::InfoName(), m_replacement.Active()
                                                      ? DrawTexts::ReplacementStarting()
                                                      : DrawTexts::Load(Starting));
    } else {
        ShowPickProgress();
    }
    m_winnerRevealed = false;
    return true;
}

void DrawEngine::EndRoundWithoutWinner(bool clearReels)
{
    if (clearReels) {
        m_reels.Clear();
    }
    for (int reel = 1; reel <= ReelCount; ++reel) {
        m_host.StopTimer(reel);
    }
    m_host.StopTimer(AutoStopTimer);
    m_host.StopTimer(NextPickTimer);
    m_rolling = false;
    m_reels.Disarm();
    m_winnerRevealed = false;
    m_host.SetSkinText(DrawTexts::InfoCaptionName(), QString());
    m_host.SetSkinText(DrawTexts::InfoName(), QString());
    m_host.EnableSkinButton(DrawTexts::StopButton(), false);
    m_host.EnableSkinButton(DrawTexts::StartButton(), true);
    m_IsIdle = true;
    m_replacement.End();
}

void DrawEngine::ShowPickProgress()
{
    m_host.SetSkinText(DrawTexts::InfoName(),
                       m_replacement.Active()
                           ? DrawTexts::ReplacementProgress(m_replacement.Place(m_PickNumber))
                           : DrawTexts::PickProgress(m_PickNumber));
}

bool DrawEngine::PickBigRound()
{
    m_database.ChangeToken(); // finds a connection the server dropped, as StoreWinner does
    const BigRound::Outcome outcome = m_bigRound.Draw(
        m_CandidatePool, RuleInForce(PrizeLevel()), m_contenders.CheckedIn(), *m_random,
        {QString(), TimeText(), PrizeLevel(), 0, PrizeName(PrizeLevel())}, m_roundCount,
        m_halfRangeRule, m_HalfRangeToggle,
        m_replacement.Active() ? m_replacement.Places() : QList<QPair<int, qint64>>());
    if (outcome == BigRound::Outcome::Stored) {
        m_TargetID = UpperCaseId(m_bigRound.Winners().first().PersonID);
        for (qsizetype i = 0; i < m_bigRound.Winners().size(); ++i) {
            m_replacement.AddWinner(m_bigRound.Winners().at(i), m_bigRound.Wins().at(i));
        }
        return true;
    }
    EndRoundWithoutWinner(true);
    m_bigRound.TellFailure(m_host, outcome, m_roundCount);
    return false;
}

void DrawEngine::PickWinner()
{
    if (m_roundCount > MaxValue && !PickBigRound()) {
        return;
    }
    while (m_roundCount <= MaxValue) {
        // Only the participants the level admits are candidates, in the pool's order.
        const EligibleView eligible = m_contenders.Of(PrizeLevel());
        const int n = static_cast<int>(eligible.Size());
        if (n == 0) {
            // Everyone in the pool has won meanwhile (at another station on the same data):
            // nobody is left to choose, so the round ends instead of rolling for ever.
            EndRoundWithoutWinner();
            m_host.ShowMessageBox(
                m_contenders.NobodyForLevelText(PrizeLevel(), PrizeName(PrizeLevel())));
            return;
        }
        // Every second pick of the window's life draws from the first half of the candidates,
        // unless the event switched the rule off.
        const int range = m_halfRangeRule && m_HalfRangeToggle && n > 4 ? n / 2 : n;
        m_HalfRangeToggle = !m_HalfRangeToggle;
        const qsizetype index = eligible.PoolIndex(RandomInRange(0, range));
        // An entry whose participant has won meanwhile is dropped, so the re-picks end even if
        // every entry has gone stale.
        if (!m_CandidatePool.ConfirmAt(index)) {
            m_contenders.Reselect();
        } else {
            m_target = m_CandidatePool.At(index);
            m_targetRevision = m_CandidatePool.Revision();
            m_targetPool = {n, range, m_CandidatePool.Digest(),
                            RuleInForce(PrizeLevel()).Describe()};
            m_TargetID = UpperCaseId(m_target.PersonID);
            break;
        }
    }
    m_reels.Arm(m_TargetID);
}

// --- Reels and the reveal ----------------------------------------------------------------------

bool DrawEngine::WinnerSequence(bool stoppedByMatch)
{
    m_rolling = false;
    m_host.StopTimer(ReelCount);
    // The winner is stored (and synced) before anything of the win is shown; a winner who could
    // not be stored is never shown, and the round ends so that the operator can start again. A
    // big round was stored whole when its reels began to stop; it ends with this reveal.
    WinRefusal refusal;
    const bool big = m_roundCount > MaxValue;
    const bool stored = big || StoreWinner(refusal);
    if (stored) {
        if (big) {
            m_PickNumber = m_roundCount;
        }
        const QString displayName = big ? m_bigRound.Show(m_host, PrizeName(PrizeLevel()),
                                                          PrizeLevel(), m_replacement.Active())
                                        : ShowWinner(StoredWinnerName());
        m_host.SetSkinText(DrawTexts::InfoCaptionName(), DrawTexts::Load(WinnerCaption));
        m_host.SetSkinText(DrawTexts::InfoName(), displayName);
        m_winnerRevealed = true;
        m_host.StartTimer(RevealTimer, FirstRevealMs);
        m_reels.ShowTarget(BlinkOnColour());
    } else {
        // The audience must not take the number the reels stopped on for a winner.
        EndRoundWithoutWinner(true);
    }
    if (stoppedByMatch) {
        m_host.PlayDrawingSound();
    }
    m_host.RestartBackgroundMusic();
    if (!stored) {
        m_host.ShowDetailedMessageBox(DrawTexts::RefusedWin(m_TargetID, refusal,
                                                            m_database.Target().path,
                                                            m_database.RecoveryPath()),
                                      refusal.detail);
    }
    return stored;
}

void DrawEngine::RevealTick()
{
    m_reels.ShowTarget(m_blinkPhase ? BlinkOnColour() : BlinkOffColour());
    m_blinkPhase = !m_blinkPhase;
    m_host.StartTimer(RevealTimer, BlinkMs);
    if (m_IsIdle || !m_winnerRevealed) {
        return;
    }
    if (m_PickNumber < m_roundCount) {
        ++m_PickNumber;
        m_host.StopTimer(RevealTimer);
        m_winnerRevealed = false;
        m_reels.Disarm();
        m_rolling = true;
        m_IsIdle = false;
        if (BeginPick()) {
            m_host.StartTimer(NextPickTimer, NextPickMs);
        }
    } else {
        // The round is over; the last number keeps blinking until the next pick.
        m_host.SetSkinText(DrawTexts::InfoName(), DrawTexts::Load(RoundOver));
        m_host.SetSkinText(DrawTexts::InfoCaptionName(), QString());
        m_host.EnableSkinButton(DrawTexts::StopButton(), false);
        m_host.EnableSkinButton(DrawTexts::StartButton(), true);
        m_IsIdle = true;
        m_replacement.End();
    }
}
