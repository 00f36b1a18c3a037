// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DrawLogCheck.h"

#include "data/CAdoDatabase.h"
#include "data/DrawLog.h"
#include "data/PersonStore.h"
#include "data/SqlStatements.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

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

// The columns in which a stored win differs from the log's, as "column: log …, stored …".
QString ChangedColumns(const LoggedWin& logged, const LoggedWin& stored)
{
    const QString LoggedWin::*columns[] = {
        &LoggedWin::PersonID, &LoggedWin::sDateTime,  &LoggedWin::step,   &LoggedWin::sNo,
        &LoggedWin::JP,       &LoggedWin::PersonName, &LoggedWin::Company};
    const char* names[] = {"PersonID", "sDateTime", "step", "sNo", "JP", "PersonName", "Company"};
    QStringList changed;
    for (size_t c = 0; c < std::size(columns); ++c) {
        if (logged.*columns[c] != stored.*columns[c]) {
            changed << QStringLiteral("%1: log \"%2\", stored \"%3\"")
                           .arg(QLatin1String(names[c]), logged.*columns[c], stored.*columns[c]);
        }
    }
    return changed.join(QStringLiteral("; "));
}

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
    struct Snapshot
    {
        CAdoDatabase& database;
        bool open;
        ~Snapshot()
        {
            if (open) {
                database.RollbackTransaction();
            }
        }
    } snapshot{database, !database.InTransaction() && database.BeginReadSnapshot()};
    DrawLog log(database);

    // The chain, entry by entry, and the wins it leaves standing.
    QHash<QString, StandingWin> standing;
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
                       entry.kind == QLatin1String(DrawLog::Existing)) {
                const LoggedWin win = DrawLog::WinOf(payload);
                const QString key = PersonRow::IdKey(win.PersonID);
                if (standing.contains(key)) {
                    fail(Finding::WinTwice, entry.seq, QString(), win.PersonID);
                } else {
                    standing.insert(key, {entry.seq, win});
                    ++result.wins;
                }
            } else if (entry.kind == QLatin1String(DrawLog::Clear)) {
                standing.clear();
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
                differences.append({it->seq, Finding::WinChanged, stored.PersonID,
                                    ChangedColumns(it->win, stored)});
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
