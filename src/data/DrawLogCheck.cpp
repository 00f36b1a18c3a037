// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DrawLogCheck.h"

#include "data/CAdoDatabase.h"
#include "data/DrawLog.h"
#include "data/PersonStore.h"
#include "data/ReadSnapshot.h"
#include "data/SqlStatements.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

using Finding = DrawLogCheck::Finding;

struct Difference
{
    qint64 seq;
    Finding finding;
    QString personId;
    QString detail;
};

struct StandingWin
{
    qint64 seq;
    LoggedWin win;
    bool matched = false;
};

// A void the log leaves, as the columns of its VoidedWin row after VoidID, as text.
struct StandingVoid
{
    qint64 seq;
    QStringList columns;
    bool matched = false;
};

const char* const WinColumnNames[] = {"PersonID", "sDateTime",  "step",   "sNo",
                                      "JP",       "PersonName", "Company"};
const char* const VoidColumnNames[] = {
    "PersonID", "sDateTime", "step",    "sNo",          "JP",         "PersonName",  "Company",
    "VoidTime", "Reason",    "Station", "ReturnToPool", "ReplacedBy", "ReplacedTime"};
constexpr int ReplacedByColumn = 11;

QStringList WinColumns(const LoggedWin& win)
{
    return {win.PersonID, win.sDateTime, win.step, win.sNo, win.JP, win.PersonName, win.Company};
}

QStringList VoidColumns(const LoggedWin& win, const QJsonObject& payload)
{
    QStringList columns = WinColumns(win);
    columns << payload.value(QStringLiteral("voidTime")).toString()
            << payload.value(QStringLiteral("reason")).toString()
            << payload.value(QStringLiteral("station")).toString()
            << (payload.value(QStringLiteral("returnToPool")).toBool() ? QStringLiteral("1")
                                                                       : QStringLiteral("0"))
            << QString() << QString();
    return columns;
}

// The columns in which a stored row differs from the log's, as "column: log …, stored …".
QString ChangedColumns(const char* const* names, const QStringList& logged,
                       const QStringList& stored)
{
    QStringList changed;
    for (qsizetype c = 0; c < logged.size(); ++c) {
        if (logged[c] != stored.value(c)) {
            changed << QStringLiteral("%1: log \"%2\", stored \"%3\"")
                           .arg(QLatin1String(names[c]), logged[c], stored.value(c));
        }
    }
    return changed.join(QStringLiteral("; "));
}

// Replays one entry of a kind that changes who won onto the wins and voids it leaves standing;
// false with *detail when the entry does not fit them.
class Replay
{
public:
    QHash<QString, StandingWin> wins;  // by PersonRow::IdKey
    QHash<qint64, StandingVoid> voids; // by VoidID

    bool Win(qint64 seq, const QJsonObject& payload, DrawLogCheck::Result& result, QString* detail)
    {
        const LoggedWin win = DrawLog::WinOf(payload);
        const QString key = PersonRow::IdKey(win.PersonID);
        if (wins.contains(key)) {
            *detail = QString();
            m_finding = Finding::WinTwice;
            return false;
        }
        wins.insert(key, {seq, win});
        ++result.wins;
        const qint64 replaces = payload.value(QStringLiteral("replaces")).toInteger();
        if (replaces == 0) {
            return true;
        }
        const auto place = voids.find(replaces);
        if (place == voids.end() || !place->columns[ReplacedByColumn].isEmpty()) {
            *detail = QStringLiteral("it replaces void %1, which is not open").arg(replaces);
            m_finding = Finding::VoidInvalid;
            return false;
        }
        place->columns[ReplacedByColumn] = win.PersonID;
        place->columns[ReplacedByColumn + 1] = win.sDateTime;
        ++result.replacements;
        return true;
    }

    bool Void(qint64 seq, const QJsonObject& payload, DrawLogCheck::Result& result, QString* detail)
    {
        m_finding = Finding::VoidInvalid;
        const LoggedWin win = DrawLog::WinOf(payload);
        const qint64 voidId = payload.value(QStringLiteral("voidId")).toInteger();
        const auto standing = wins.constFind(PersonRow::IdKey(win.PersonID));
        if (standing == wins.constEnd() || !(standing->win == win)) {
            *detail = QStringLiteral("it voids a win the log does not leave standing");
            return false;
        }
        if (voidId == 0 || voids.contains(voidId)) {
            *detail = QStringLiteral("void %1 is there already").arg(voidId);
            return false;
        }
        wins.erase(standing);
        voids.insert(voidId, {seq, VoidColumns(win, payload)});
        ++result.voids;
        return true;
    }

    bool Unvoid(qint64 seq, const QJsonObject& payload, DrawLogCheck::Result& result,
                QString* detail)
    {
        m_finding = Finding::VoidInvalid;
        const qint64 voidId = payload.value(QStringLiteral("voidId")).toInteger();
        const auto place = voids.constFind(voidId);
        if (place == voids.constEnd() || !place->columns[ReplacedByColumn].isEmpty()) {
            *detail = QStringLiteral("it undoes void %1, which is not open").arg(voidId);
            return false;
        }
        const QStringList& c = place->columns;
        const LoggedWin win{c[0], c[1], c[2], c[3], c[4], c[5], c[6]};
        const QString key = PersonRow::IdKey(win.PersonID);
        if (wins.contains(key)) {
            *detail = QStringLiteral("its participant has won again");
            return false;
        }
        wins.insert(key, {seq, win});
        voids.erase(place);
        ++result.undone;
        return true;
    }

    void Clear()
    {
        wins.clear();
        voids.clear();
    }

    Finding LastFinding() const { return m_finding; }

private:
    Finding m_finding = Finding::Agrees;
};

} // namespace

DrawLogCheck::Result DrawLogCheck::Run(CAdoDatabase& database)
{
    Result result;
    const auto fail = [&result](Finding finding, qint64 seq, const QString& detail,
                                const QString& personId = QString()) {
        result.finding = finding;
        result.seq = seq;
        result.detail = detail;
        result.personId = personId;
        return result;
    };
    const CAdoDatabase::QuietFailures quiet(database);
    // The log, its head and the wins are read as of one moment, while stations go on drawing;
    // inside a caller's transaction they are read as that transaction sees them.
    const ReadSnapshot snapshot(database);
    DrawLog log(database);

    // The chain, entry by entry, and the wins and voids it leaves standing.
    Replay replay;
    QHash<QString, StandingWin>& standing = replay.wins;
    QString previous = DrawLog::FirstPrevious();
    bool stopped = false;
    const bool read = log.Read([&](const DrawLogEntry& entry) {
        const qint64 expected = result.entries + 1;
        if (entry.seq != expected) {
            fail(Finding::EntryBroken, entry.seq,
                 QStringLiteral("entry %1 was expected here").arg(expected));
        } else if (entry.previous != previous) {
            fail(Finding::EntryBroken, entry.seq,
                 QStringLiteral("it does not name the digest of the entry before"));
        } else if (entry.ComputeDigest() != entry.digest) {
            fail(Finding::EntryBroken, entry.seq,
                 QStringLiteral("its content does not give its digest"));
        } else {
            ++result.entries;
            previous = entry.digest;
            QJsonParseError error;
            const QJsonObject payload =
                QJsonDocument::fromJson(entry.payload.toUtf8(), &error).object();
            if (error.error != QJsonParseError::NoError) {
                fail(Finding::EntryUnknown, entry.seq, error.errorString());
            } else if (entry.kind == QLatin1String(DrawLog::Win) ||
                       entry.kind == QLatin1String(DrawLog::Existing) ||
                       entry.kind == QLatin1String(DrawLog::Void) ||
                       entry.kind == QLatin1String(DrawLog::Unvoid)) {
                QString detail;
                const bool fits = entry.kind == QLatin1String(DrawLog::Void)
                                      ? replay.Void(entry.seq, payload, result, &detail)
                                  : entry.kind == QLatin1String(DrawLog::Unvoid)
                                      ? replay.Unvoid(entry.seq, payload, result, &detail)
                                      : replay.Win(entry.seq, payload, result, &detail);
                if (!fits) {
                    fail(replay.LastFinding(), entry.seq, detail,
                         payload.value(QStringLiteral("id")).toString());
                }
            } else if (entry.kind == QLatin1String(DrawLog::Clear)) {
                replay.Clear();
                ++result.clearings;
            } else if (entry.kind == QLatin1String(DrawLog::Import)) {
                ++result.imports;
            } else {
                fail(Finding::EntryUnknown, entry.seq,
                     QStringLiteral("unknown kind \"%1\"").arg(entry.kind));
            }
        }
        stopped = result.finding != Finding::Agrees;
        return !stopped;
    });
    if (!read) {
        return fail(Finding::Unreadable, 0, database.LastError());
    }
    if (stopped) {
        return result;
    }
    result.lastDigest = previous;
    const std::optional<QPair<qint64, QString>> head = log.Head();
    if (!head) {
        return fail(Finding::HeadDiffers, 0,
                    database.LastError().isEmpty() ? QStringLiteral("the head row is missing")
                                                   : database.LastError());
    }
    if (head->first != result.entries || head->second != previous) {
        return fail(Finding::HeadDiffers, head->first,
                    QStringLiteral("the head names entry %1, the log ends at entry %2")
                        .arg(head->first)
                        .arg(result.entries));
    }

    // The stored wins against the standing ones.
    QList<Difference> differences;
    const bool winsRead = database.ReadRows(
        QLatin1String(SqlStatements::SelectWinsInOrder), 7, [&](const QString* row) {
            ++result.winners;
            const LoggedWin stored{row[0], row[1], row[2], row[3], row[4], row[5], row[6]};
            const auto it = standing.find(PersonRow::IdKey(stored.PersonID));
            if (it == standing.end() || it->matched) {
                differences.append({std::numeric_limits<qint64>::max(), Finding::WinUnlogged,
                                    stored.PersonID, QString()});
                return;
            }
            it->matched = true;
            if (!(it->win == stored)) {
                differences.append(
                    {it->seq, Finding::WinChanged, stored.PersonID,
                     ChangedColumns(WinColumnNames, WinColumns(it->win), WinColumns(stored))});
            }
        });
    if (!winsRead) {
        return fail(Finding::Unreadable, 0, database.LastError());
    }
    for (const StandingWin& win : std::as_const(standing)) {
        if (!win.matched) {
            differences.append({win.seq, Finding::WinMissing, win.win.PersonID, QString()});
        }
    }
    // The stored voids against the log's, by their number.
    constexpr int VoidColumnCount = int(std::size(VoidColumnNames));
    const bool voidsRead = database.ReadRows(
        QLatin1String(SqlStatements::SelectVoidedWinsInOrder), VoidColumnCount + 1,
        [&](const QString* row) {
            ++result.voided;
            const QStringList stored(row + 1, row + 1 + VoidColumnCount);
            const auto it = replay.voids.find(row[0].toLongLong());
            if (it == replay.voids.end()) {
                differences.append({std::numeric_limits<qint64>::max(), Finding::VoidUnlogged,
                                    stored[0], QString()});
                return;
            }
            it->matched = true;
            if (it->columns != stored) {
                differences.append({it->seq, Finding::VoidChanged, stored[0],
                                    ChangedColumns(VoidColumnNames, it->columns, stored)});
            }
        });
    if (!voidsRead) {
        return fail(Finding::Unreadable, 0, database.LastError());
    }
    for (const StandingVoid& place : std::as_const(replay.voids)) {
        if (!place.matched) {
            differences.append({place.seq, Finding::VoidMissing, place.columns[0], QString()});
        }
    }
    if (differences.isEmpty()) {
        return result;
    }
    // The earliest entry first; stored wins no entry names come last, in stored order.
    std::stable_sort(differences.begin(), differences.end(),
                     [](const Difference& a, const Difference& b) { return a.seq < b.seq; });
    const Difference& first = differences.first();
    result.differences = static_cast<int>(differences.size());
    return fail(first.finding, first.seq == std::numeric_limits<qint64>::max() ? 0 : first.seq,
                first.detail, first.personId);
}
