// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/DrawEngine.h"

#include "data/CAdoDatabase.h"
#include "platform/core/GbkText.h"
#include "platform/core/StringTable.h"
#include "draw/engine/SystemDrawClock.h"
#include "draw/engine/SystemRandomSource.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

static_assert(DrawEngine::MaxValue == PrizeStore::Levels, "one prize name a level");

namespace {

// String table ids of the draw's texts.
constexpr int WinnerCaptionId = 106;    // caption before the winner's name
constexpr int PickUnfinishedId = 107;   // Start while a pick is still stopping
constexpr int EveryoneWonId = 108;      // no eligible participant left
constexpr int DrawingNumberId = 113;    // "drawing winner number" before the number
constexpr int DrawingNumberEndId = 114; // ... and after it
constexpr int QuotaTooLargeId = 115;    // fewer eligible participants than the quota
constexpr int RoundOverId = 116;
constexpr int DrawingNowId = 118; // refused while a round runs
constexpr int StartingId = 120;
constexpr int MaximumId = 121;
constexpr int MinimumId = 122;

// Interval factor of a reel that looks for its character: the right-hand reels slow down more.
constexpr int SlowDownFactor[DrawEngine::ReelCount] = {2, 2, 2, 2, 2, 3, 5, 8};
// Prize levels up to this one slow the looking reel down; higher levels stop at full speed.
constexpr int LastSlowLevel = 3;

const QString InfoName = QStringLiteral("ID_INFO");
const QString InfoCaptionName = QStringLiteral("ID_INFO1");
const QString StartButton = QStringLiteral("BUTTON_START");
const QString StopButton = QStringLiteral("BUTTON_STOP");

QString WinnerLineName(int pick)
{
    return QStringLiteral("ID_TEXT%1").arg(pick);
}

// Marks the engine at work for the length of one call from its host.
class BusyScope
{
public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_busy;
};

// Whether two IDs are equal once upper-cased as UpperCaseId does, without copying either: the
// winner is looked for in a pool of up to 100,000 entries right after the last reel stops.
bool SameIdUpperCased(const QString& a, const QString& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c; };
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (upper(a.at(i).unicode()) != upper(b.at(i).unicode())) {
            return false;
        }
    }
    return true;
}

bool InReelAlphabet(const QString& cell)
{
    if (cell.size() != 1 || cell.at(0).unicode() > 0x7f) {
        return false;
    }
    const char c = static_cast<char>(cell.at(0).unicode());
    return c != '\0' && std::memchr(DrawEngine::ReelAlphabet, c, DrawEngine::ReelAlphabetSize);
}

} // namespace

DrawEngine::DrawEngine(DrawHost& host, CAdoDatabase& database, std::unique_ptr<RandomSource> random,
                       std::unique_ptr<DrawClock> clock)
    : m_host(host), m_database(database), m_winners(database), m_prizes(database),
      m_random(std::move(random)), m_clock(std::move(clock))
{
    if (!m_random) {
        m_random = std::make_unique<SystemRandomSource>();
    }
    if (!m_clock) {
        m_clock = std::make_unique<SystemDrawClock>();
    }
    m_reelPositions.fill(-1);
}

DrawEngine::~DrawEngine() = default;

int DrawEngine::ReelPosition(int reel) const
{
    return reel >= 1 && reel <= ReelCount ? m_reelPositions[reel - 1] : -1;
}

bool DrawEngine::ReelStopped(int reel) const
{
    return reel >= 1 && reel <= ReelCount && m_reelStopped[reel - 1];
}

QString DrawEngine::PrizeName(int level) const
{
    return level >= 1 && level <= MaxValue ? m_prizeNames[level - 1] : QString();
}

QString DrawEngine::ReelCharacter(const QString& id, int reel)
{
    if (reel < 1) {
        return QString();
    }
    // Counted in characters, not UTF-16 units, so a character outside the BMP fills one reel.
    int index = 0;
    for (qsizetype i = 0; i < id.size(); ++i) {
        const qsizetype width =
            id.at(i).isHighSurrogate() && i + 1 < id.size() && id.at(i + 1).isLowSurrogate() ? 2
                                                                                             : 1;
        if (++index == reel) {
            return id.mid(i, width);
        }
        i += width - 1;
    }
    return QString();
}

QString DrawEngine::UpperCaseId(const QString& id)
{
    return PersonRow::IdKey(id);
}

int DrawEngine::RandomInRange(int low, int high)
{
    return RandomInRange(*m_random, low, high);
}

int DrawEngine::RandomInRange(RandomSource& random, int low, int high)
{
    if (high <= low) {
        return low;
    }
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low);
    return static_cast<int>(low + static_cast<std::int64_t>(random.Below(span)));
}

// --- Operator actions --------------------------------------------------------------------------

bool DrawEngine::RefuseReentry()
{
    if (!m_busy) {
        return false;
    }
    m_host.ShowSysInfo(StringTable::Load(DrawingNowId));
    return true;
}

void DrawEngine::StartRound()
{
    if (RefuseReentry()) {
        return;
    }
    const BusyScope busy(m_busy);
    LoadPrizeNames();
    if (!m_IsIdle) {
        m_host.ShowSysInfo(StringTable::Load(DrawingNowId));
        return;
    }
    if (m_reelOneArmed && !m_reelStopped[ReelCount - 1]) {
        m_host.ShowSysInfo(StringTable::Load(PickUnfinishedId));
        return;
    }
    if (!LoadCandidatePool()) {
        // A failed query has shown its cause already: nobody may have won at all.
        if (!m_poolFailed) {
            m_host.ShowMessageBox(PersonStore(m_database).Count().value_or(1) == 0
                                      ? NoParticipantsText()
                                      : StringTable::Load(EveryoneWonId));
        }
        m_IsIdle = true;
        return;
    }
    // The auto-stop timer starts before the quota check; when the check refuses the round, the
    // timer later finds nothing rolling and does nothing.
    if (m_autoStop) {
        m_host.EnableSkinButton(StopButton, false);
        m_host.StartTimer(AutoStopTimer, AutoStopMs);
    }
    if (m_CandidatePool.size() < m_RoundQuota) {
        m_host.ShowMessageBox(StringTable::Load(QuotaTooLargeId));
        m_IsIdle = true;
        return;
    }
    for (int pick = 1; pick <= MaxValue; ++pick) {
        m_host.SetSkinText(WinnerLineName(pick), QString());
    }
    m_host.SetSkinText(InfoCaptionName, QString());
    m_IsIdle = false;
    m_PickNumber = 1;
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
    if (!m_reelOneArmed || m_IsIdle) {
        ShowPickProgress();
        m_random->Reseed();
        PickWinner();
    } else {
        m_host.ShowSysInfo(StringTable::Load(DrawingNowId));
    }
}

QString DrawEngine::NoParticipantsText()
{
    return tr("参加抽奖的人员名单是空的。\n请点击左上角的菜单按钮（或在窗口上单击右键），"
              "选择“录入用户信息”，添加或导入参加抽奖的人员。");
}

void DrawEngine::ShowSelectedPrize()
{
    if (m_busy || !m_IsIdle) {
        return;
    }
    const BusyScope busy(m_busy);
    LoadPrizeNames();
    const QString prize = PrizeName(m_PrizeLevel);
    if (!prize.isEmpty()) {
        m_host.SetSkinText(InfoCaptionName, QString());
        m_host.SetSkinText(InfoName, tr("奖品：%1").arg(prize));
    }
}

void DrawEngine::LevelUp()
{
    ChangeValue(m_PrizeLevel, +1, "ID_NUMBER");
    ShowSelectedPrize();
}

void DrawEngine::LevelDown()
{
    ChangeValue(m_PrizeLevel, -1, "ID_NUMBER");
    ShowSelectedPrize();
}

void DrawEngine::QuotaUp()
{
    ChangeValue(m_RoundQuota, +1, "ID_NUMBER1");
}

void DrawEngine::QuotaDown()
{
    ChangeValue(m_RoundQuota, -1, "ID_NUMBER1");
}

void DrawEngine::ChangeValue(int& value, int delta, const char* skinName)
{
    if (RefuseReentry()) {
        return;
    }
    if (!m_IsIdle) {
        m_host.ShowSysInfo(StringTable::Load(DrawingNowId));
        return;
    }
    const int changed = value + delta;
    if (changed > MaxValue) {
        m_host.ShowSysInfo(StringTable::Load(MaximumId));
        return;
    }
    if (changed < 1) {
        m_host.ShowSysInfo(StringTable::Load(MinimumId));
        return;
    }
    value = changed;
    m_host.SetSkinText(QString::fromLatin1(skinName), QString::number(value));
}

void DrawEngine::OnTimer(int id)
{
    // A tick that comes through a message box's event loop is skipped: the timer fires again.
    if (m_busy) {
        return;
    }
    const BusyScope busy(m_busy);
    // Positions advance without wrapping; the next timer message of any kind wraps them.
    for (int& position : m_reelPositions) {
        if (position < 0 || position >= ReelAlphabetSize) {
            position = 0;
        }
    }
    if (id >= 1 && id <= ReelCount) {
        // A late tick of a reel that has already stopped must not set it rolling again.
        if (!m_reelStopped[id - 1]) {
            ReelTick(id);
        }
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
        if (m_rolling && !m_reelOneArmed) {
            PickWinner();
        }
        break;
    default:
        break; // timer 17 is the host's; other ids are not the draw's
    }
}

// --- Database work -----------------------------------------------------------------------------

void DrawEngine::LoadPrizeNames()
{
    // When the row cannot be read the names keep their previous values.
    if (std::optional<PrizeStore::PrizeNames> names = m_prizes.Names()) {
        m_prizeNames = std::move(*names);
    }
}

bool DrawEngine::LoadCandidatePool()
{
    m_poolFailed = false;
    // The token is taken before the query: a change another station commits while the query
    // runs then makes the next token differ instead of leaving its pool looking current.
    const ChangeStamp token = m_database.ChangeToken();
    const quint64 count = m_database.ChangeCount();
    if (CatchUpPool(token, count)) {
        return !m_CandidatePool.isEmpty();
    }
    m_CandidatePool.clear();
    m_poolToken.reset();
    if (std::optional<QList<Candidate>> pool = m_winners.CandidatePool()) {
        m_CandidatePool = std::move(*pool);
        m_poolToken = token;
        m_poolCount = count;
    } else {
        m_poolFailed = true;
    }
    return !m_CandidatePool.isEmpty();
}

bool DrawEngine::CatchUpPool(const ChangeStamp& token, quint64 count)
{
    if (!m_poolToken || !token.OthersKnown() || token.others != m_poolToken->others ||
        token.otherWins - m_poolToken->otherWins > MaxOtherWins) {
        return false;
    }
    // Only this connection changed the data, apart from wins stored elsewhere: apply what the
    // stores journalled, if they journalled all of it. Reading 100,000 participants again
    // costs far more.
    if (count != m_poolCount && !ApplyJournal(m_poolCount, count)) {
        return false;
    }
    m_poolToken = token;
    m_poolCount = count;
    return true;
}

void DrawEngine::RefreshCandidatePool()
{
    if (m_busy || !m_IsIdle || m_rolling) {
        return;
    }
    const BusyScope busy(m_busy);
    const ChangeStamp token = m_database.ChangeToken();
    // Without a working connection the next Start reads the pool and reports the cause.
    if (token == m_poolToken || token == m_refreshFailedToken || !token.OthersKnown()) {
        return;
    }
    LoadCandidatePool();
    m_refreshFailedToken =
        m_poolFailed ? std::optional<ChangeStamp>(m_database.ChangeToken()) : std::nullopt;
}

bool DrawEngine::ApplyJournal(quint64 from, quint64 to)
{
    const std::optional<QList<PoolJournal::Entry>> entries = m_database.Journal().Between(from, to);
    if (!entries) {
        return false;
    }
    // The changes are gathered first so that the pool is walked once: participants that left
    // it (removed or won), changed names, and the participants added, in their order (new rows
    // come last in the database's order too).
    QSet<QString> leaving;
    QHash<QString, PersonRow> changed;
    QList<Candidate> added;
    bool allRemoved = false;
    const auto indexOfAdded = [&added](const QString& id) {
        for (qsizetype i = 0; i < added.size(); ++i) {
            if (SameIdUpperCased(added[i].PersonID, id)) {
                return i;
            }
        }
        return qsizetype(-1);
    };
    for (const PoolJournal::Entry& entry : *entries) {
        const QString key = UpperCaseId(entry.person.PersonID);
        switch (entry.kind) {
        case PoolJournal::Kind::PersonAdded:
            added.append(entry.person);
            break;
        case PoolJournal::Kind::PersonChanged:
            if (const qsizetype i = indexOfAdded(key); i >= 0) {
                added[i].PersonName = entry.person.PersonName;
                added[i].Company = entry.person.Company;
            } else {
                changed.insert(key, entry.person);
            }
            break;
        case PoolJournal::Kind::PersonRemoved:
        case PoolJournal::Kind::WinAdded:
            if (const qsizetype i = indexOfAdded(key); i >= 0) {
                added.removeAt(i);
            } else {
                leaving.insert(key);
            }
            break;
        case PoolJournal::Kind::AllPersonsRemoved:
            allRemoved = true;
            leaving.clear();
            changed.clear();
            added.clear();
            break;
        }
        // Each participant added is checked for an earlier win below, one query each: beyond
        // a few hundred, reading the pool again is cheaper.
        if (added.size() > MaxJournalledAdditions) {
            return false;
        }
    }
    for (Candidate& candidate : added) {
        // A win of a participant removed earlier stays stored: such a participant, added
        // again, has already won.
        if (m_winners.HasWon(candidate.PersonID)) {
            candidate.PersonID.clear();
        }
    }
    added.removeIf([](const Candidate& candidate) { return candidate.PersonID.isEmpty(); });
    if (allRemoved) {
        m_CandidatePool.clear();
    }
    if (!changed.isEmpty()) {
        for (Candidate& candidate : m_CandidatePool) {
            if (const auto it = changed.constFind(UpperCaseId(candidate.PersonID));
                it != changed.constEnd()) {
                candidate.PersonName = it->PersonName;
                candidate.Company = it->Company;
            }
        }
    }
    if (leaving.size() <= 8) {
        // The usual case, the winner of the last pick: compared in place, without a copy.
        const QList<QString> ids = leaving.values();
        m_CandidatePool.removeIf([&ids](const Candidate& candidate) {
            return std::any_of(ids.begin(), ids.end(), [&candidate](const QString& id) {
                return SameIdUpperCased(candidate.PersonID, id);
            });
        });
    } else {
        m_CandidatePool.removeIf([&leaving](const Candidate& candidate) {
            return leaving.contains(UpperCaseId(candidate.PersonID));
        });
    }
    m_CandidatePool.append(added);
    return true;
}

bool DrawEngine::StoreWinner(const QString& id, WinRefusal& refusal)
{
    const QString time = m_clock->Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // The token's round trip to a server also finds a connection the server dropped meanwhile,
    // which the insert then makes again instead of failing on it.
    m_database.ChangeToken();
    const bool stored = m_winners.InsertWinner(
        {id, time, m_PrizeLevel, m_PickNumber, PrizeName(m_PrizeLevel)}, &refusal);
    // The win is journalled: the kept pool leaves its winner out now, or at the next pick.
    if (stored) {
        CatchUpPool(m_database.ChangeToken(), m_database.ChangeCount());
    }
    return stored;
}

QString DrawEngine::ShowWinner(const QString& id)
{
    QString name = m_winners.WinnerName(id).value_or(QString());
    m_host.AppendWinner(id, name);

    // Short names are padded so that the winner lines keep their columns.
    if (GbkText::ByteLength(name) <= 4) {
        name += QStringLiteral("    ");
    }
    const QString line = QString::number(m_PickNumber) + QLatin1Char('.') + name +
                         QStringLiteral("   ") + id + QStringLiteral("   (") +
                         PrizeName(m_PrizeLevel) + QLatin1Char(')');
    m_host.SetSkinText(WinnerLineName(m_PickNumber), line);
    return QStringLiteral("     ") + name;
}

// --- Picks -------------------------------------------------------------------------------------

bool DrawEngine::BeginPick()
{
    if (!LoadCandidatePool()) {
        EndRoundWithoutWinner();
        if (!m_poolFailed) {
            m_host.ShowMessageBox(StringTable::Load(EveryoneWonId));
        }
        return false;
    }
    for (int& position : m_reelPositions) {
        position = RandomInRange(0, ReelAlphabetSize);
    }
    for (int reel = 1; reel <= ReelCount; ++reel) {
        m_host.StartTimer(reel, ReelIntervalMs);
    }
    m_rolling = true;
    m_host.StopTimer(RevealTimer);
    m_host.ClearWinnersList();
    m_host.SetSkinText(InfoCaptionName, QString());
    if (m_PickNumber == 1) {
        m_host.SetSkinText(InfoName, StringTable::Load(StartingId));
    } else {
        ShowPickProgress();
    }
    m_reelOneArmed = false;
    m_reelStopped.fill(false);
    m_winnerRevealed = false;
    return true;
}

void DrawEngine::EndRoundWithoutWinner()
{
    for (int reel = 1; reel <= ReelCount; ++reel) {
        m_host.StopTimer(reel);
    }
    m_host.StopTimer(AutoStopTimer);
    m_host.StopTimer(NextPickTimer);
    m_rolling = false;
    m_reelOneArmed = false;
    m_winnerRevealed = false;
    m_host.SetSkinText(InfoCaptionName, QString());
    m_host.SetSkinText(InfoName, QString());
    m_host.EnableSkinButton(StopButton, false);
    m_host.EnableSkinButton(StartButton, true);
    m_IsIdle = true;
}

void DrawEngine::ShowPickProgress()
{
    m_host.SetSkinText(InfoName, StringTable::Load(DrawingNumberId) +
                                     QString::number(m_PickNumber) +
                                     StringTable::Load(DrawingNumberEndId));
}

void DrawEngine::PickWinner()
{
    for (;;) {
        const int n = static_cast<int>(m_CandidatePool.size());
        if (n == 0) {
            // Everyone in the pool has won meanwhile (at another station on the same data):
            // nobody is left to choose, so the round ends instead of rolling for ever.
            EndRoundWithoutWinner();
            m_host.ShowMessageBox(StringTable::Load(EveryoneWonId));
            return;
        }
        // Every second pick of the window's life draws from the first half of the pool, unless
        // the event switched the rule off.
        const int range = m_halfRangeRule && m_HalfRangeToggle && n > 4 ? n / 2 : n;
        m_HalfRangeToggle = !m_HalfRangeToggle;
        const int index = RandomInRange(0, range);
        const QString id = m_CandidatePool.at(index).PersonID;
        // A failed test counts as not won: the insert at the last reel is the final word.
        if (!m_winners.HasWon(id)) {
            m_TargetID = UpperCaseId(id);
            break;
        }
        // The participant has won since the pool was loaded: that entry is stale. Dropping it
        // makes the re-picks end even if every entry has gone stale.
        m_CandidatePool.removeAt(index);
    }
    for (int reel = 1; reel <= ReelCount; ++reel) {
        m_targetCells[reel - 1] = ReelCharacter(m_TargetID, reel);
    }
    m_reelOneArmed = true;
}

// --- Reels and the reveal ----------------------------------------------------------------------

void DrawEngine::ReelTick(int reel)
{
    const int i = reel - 1;
    QString shown(QLatin1Char(ReelAlphabet[m_reelPositions[i]]));
    const bool looking = reel == 1 ? m_reelOneArmed : m_reelStopped[i - 1];
    if (looking) {
        const QString& target = m_targetCells[i];
        if (target.isEmpty()) {
            // The ID is shorter than this reel: it turns empty without searching.
            m_reelStopped[i] = true;
            m_SlowDownCounter = 0;
            m_host.StopTimer(reel);
            m_host.SetReelText(reel, QString(), RollingColour());
            if (reel == ReelCount) {
                WinnerSequence(false);
            }
            return;
        }
        m_host.StartTimer(reel, SlowDownFactor[i] * m_SlowDownCounter + ReelIntervalMs);
        // A character the reel does not carry (punctuation, a Chinese character) would never
        // come round: the reel stops on it at once, so every round finishes.
        if (target == shown || !InReelAlphabet(target)) {
            shown = target;
            m_reelStopped[i] = true;
            m_SlowDownCounter = 0;
            m_host.StopTimer(reel);
            if (reel < ReelCount) {
                m_host.PlayDrawingSound();
            } else if (!WinnerSequence(true)) {
                return; // refused: the reels stay cleared
            }
        }
        if (m_PrizeLevel <= LastSlowLevel) {
            ++m_SlowDownCounter;
        } else {
            m_SlowDownCounter = 0;
        }
    }
    m_host.SetReelText(reel, shown, RollingColour());
    ++m_reelPositions[i];
}

bool DrawEngine::WinnerSequence(bool stoppedByMatch)
{
    m_rolling = false;
    m_host.StopTimer(ReelCount);
    // The winner is stored (and synced) before anything of the win is shown; a winner who could
    // not be stored is never shown, and the round ends so that the operator can start again.
    WinRefusal refusal;
    const bool stored = StoreWinner(m_TargetID, refusal);
    if (stored) {
        const QString displayName = ShowWinner(m_TargetID);
        m_host.SetSkinText(InfoCaptionName, StringTable::Load(WinnerCaptionId));
        m_host.SetSkinText(InfoName, displayName);
        m_winnerRevealed = true;
        m_host.StartTimer(RevealTimer, FirstRevealMs);
        ShowTargetOnReels(BlinkOnColour());
    } else {
        EndRoundWithoutWinner();
        // The audience must not take the number the reels stopped on for a winner.
        for (int reel = 1; reel <= ReelCount; ++reel) {
            m_host.SetReelText(reel, QString(), RollingColour());
        }
    }
    if (stoppedByMatch) {
        m_host.PlayDrawingSound();
    }
    m_host.RestartBackgroundMusic();
    if (!stored) {
        m_host.ShowDetailedMessageBox(RefusedWinText(m_TargetID, refusal, m_database.Target().path,
                                                     m_database.RecoveryPath()),
                                      refusal.detail);
    }
    return stored;
}

QString DrawEngine::RefusedWinText(const QString& id, const WinRefusal& refusal,
                                   const QString& databasePath, const QString& recoveryPath)
{
    QString text;
    switch (refusal.cause) {
    case WinRefusal::Cause::AlreadyWon:
        text = tr("编号 %1 刚刚已在另一台抽奖机上中奖，这次抽中没有记录，不算中奖。已显示的中奖者"
                  "都已保存。请按“开始”重新抽取。")
                   .arg(id);
        break;
    case WinRefusal::Cause::FileGone:
        text = recoveryPath.isEmpty()
                   ? tr("编号 %1 的中奖没有记录：数据库文件在程序运行时被删除或替换，而且无法在"
                        "旁边写入副本。请不要关闭程序，先把程序文件夹中的文件复制到别处。")
                         .arg(id)
                   : tr("编号 %1 的中奖没有记录：数据库文件在程序运行时被删除或替换。已保存的中奖"
                        "者都已复制到 %2。请关闭程序后重新启动：程序会自动用这份副本替换 "
                        "%3，原来的文件改名保留。")
                         .arg(id, recoveryPath, QFileInfo(databasePath).fileName());
        break;
    case WinRefusal::Cause::Failed:
        text = tr("编号 %1 的中奖没有记录：数据库无法保存（连接中断、磁盘已满或数据库拒绝写入）。"
                  "已显示的中奖者都已保存。请检查数据库连接和磁盘空间，然后按“开始”重新抽取。")
                   .arg(id);
        break;
    }
    return QString::fromLatin1(FailedInputText) + u'\n' + text;
}

void DrawEngine::ShowTargetOnReels(const QColor& colour)
{
    for (int reel = 1; reel <= ReelCount; ++reel) {
        m_host.SetReelText(reel, m_targetCells[reel - 1], colour);
    }
}

void DrawEngine::RevealTick()
{
    ShowTargetOnReels(m_blinkPhase ? BlinkOnColour() : BlinkOffColour());
    m_blinkPhase = !m_blinkPhase;
    m_host.StartTimer(RevealTimer, BlinkMs);
    if (m_IsIdle || !m_winnerRevealed) {
        return;
    }
    if (m_PickNumber < m_RoundQuota) {
        ++m_PickNumber;
        m_host.StopTimer(RevealTimer);
        m_winnerRevealed = false;
        m_reelOneArmed = false;
        m_rolling = true;
        m_IsIdle = false;
        if (BeginPick()) {
            m_host.StartTimer(NextPickTimer, NextPickMs);
        }
    } else {
        // The round is over; the last number keeps blinking until the next pick.
        m_host.SetSkinText(InfoName, StringTable::Load(RoundOverId));
        m_host.SetSkinText(InfoCaptionName, QString());
        m_host.EnableSkinButton(StopButton, false);
        m_host.EnableSkinButton(StartButton, true);
        m_IsIdle = true;
    }
}
