// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/VoidStore.h"
#include "data/WinnerStore.h"

#include <QList>
#include <QString>

// One line of the winners record: a win as listed, whether it was voided, and its status text.
struct WinnerRecordEntry
{
    WinnerRecordRow win;
    bool voided = false;
    // "作废 <time> <reason>" for a voided win (with its replacement once drawn), "替补 <number>"
    // for a win that fills a voided place; empty for any other win.
    QString status;
};

// The lines of the winners record: the valid wins and the voided ones by level, place and time,
// each replacement right after the voided win whose place it fills.
namespace WinnerRecordList {

QList<WinnerRecordEntry> Merge(const QList<WinnerRecordRow>& wins,
                               const QList<VoidedWinRow>& voids);

// The status of a voided win: when, why, and who fills its place.
QString VoidStatus(const VoidedWinRow& row);
// The status of a win that fills the place of the voided win of voidedId.
QString ReplacementStatus(const QString& voidedId);

} // namespace WinnerRecordList
