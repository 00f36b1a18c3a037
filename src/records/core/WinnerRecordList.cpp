// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/core/WinnerRecordList.h"

#include "data/PersonStore.h"

#include <QCoreApplication>
#include <QHash>
#include <QPair>

#include <algorithm>
#include <tuple>

namespace {

// Level and place compare as numbers, the time as its sortable text.
auto OrderKey(const WinnerRecordRow& row)
{
    return std::make_tuple(row.step.toInt(), row.sNo.toInt(), row.sDateTime);
}

WinnerRecordRow AsListed(const VoidedWinRow& row)
{
    return {row.PersonID,
            row.PersonName,
            row.Company,
            row.sDateTime,
            QString::number(row.step),
            QString::number(row.sNo),
            row.JP,
            row.PersonGroup};
}

} // namespace

QString WinnerRecordList::VoidStatus(const VoidedWinRow& row)
{
    // Minutes are enough for the operator; the seconds stay in the draw log.
    QString status =
        QCoreApplication::translate("WinnerRecordList", "作废 %1").arg(row.VoidTime.left(16));
    if (!row.Reason.isEmpty()) {
        status += u' ' + row.Reason;
    }
    if (!row.IsOpen()) {
        status +=
            QCoreApplication::translate("WinnerRecordList", "，由 %1 替补").arg(row.ReplacedBy);
    }
    return status;
}

QString WinnerRecordList::ReplacementStatus(const QString& voidedId)
{
    return QCoreApplication::translate("WinnerRecordList", "替补 %1").arg(voidedId);
}

QList<WinnerRecordEntry> WinnerRecordList::Merge(const QList<WinnerRecordRow>& wins,
                                                 const QList<VoidedWinRow>& voids)
{
    // The valid win that fills each replaced place: the same level, the replacement's number.
    QHash<QPair<QString, int>, qsizetype> winOf;
    for (qsizetype i = 0; i < wins.size(); ++i) {
        winOf.insert({PersonRow::IdKey(wins[i].PersonID), wins[i].step.toInt()}, i);
    }
    QHash<qsizetype, qsizetype> replacementOfVoid;
    QList<bool> isReplacement(wins.size(), false);
    for (qsizetype v = 0; v < voids.size(); ++v) {
        if (voids[v].IsOpen()) {
            continue;
        }
        const auto found = winOf.constFind({PersonRow::IdKey(voids[v].ReplacedBy), voids[v].step});
        if (found != winOf.constEnd() && !isReplacement[*found]) {
            replacementOfVoid.insert(v, *found);
            isReplacement[*found] = true;
        }
    }

    struct Line
    {
        WinnerRecordEntry entry;
        qsizetype replacement = -1; // index in wins
    };
    QList<Line> lines;
    lines.reserve(wins.size() + voids.size());
    for (qsizetype i = 0; i < wins.size(); ++i) {
        if (!isReplacement[i]) {
            lines.append({{wins[i], false, {}}, -1});
        }
    }
    for (qsizetype v = 0; v < voids.size(); ++v) {
        lines.append(
            {{AsListed(voids[v]), true, VoidStatus(voids[v])}, replacementOfVoid.value(v, -1)});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        return OrderKey(a.entry.win) < OrderKey(b.entry.win);
    });

    QList<WinnerRecordEntry> entries;
    entries.reserve(wins.size() + voids.size());
    for (const Line& line : std::as_const(lines)) {
        entries.append(line.entry);
        if (line.replacement >= 0) {
            entries.append(
                {wins[line.replacement], false, ReplacementStatus(line.entry.win.PersonID)});
        }
    }
    return entries;
}
