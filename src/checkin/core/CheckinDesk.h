// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/CheckinStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <functional>

class CAdoDatabase;

// The check-in desk at the door: a participant number typed, or read by a barcode or QR
// scanner (which types it and Enter), comes to one of three answers, each with its text and
// its sound. No box is ever shown: a box would take the scanner's next keys, so a failure is
// an answer on the screen like the others.
class CheckinDesk
{
    Q_DECLARE_TR_FUNCTIONS(CheckinDesk)

public:
    enum class Sound
    {
        CheckedIn,
        AlreadyCheckedIn,
        Unknown // also a failure
    };
    struct Answer
    {
        CheckinReply::Outcome outcome = CheckinReply::Outcome::Failed;
        QString name;   // the participant's name, large; empty when unknown
        QString status; // "签到成功", "已签到 (time)", "查无此编号" or the failure
        QString detail; // the number as read, and the cause of a failure
        Sound sound = Sound::Unknown;
    };
    using Clock = std::function<QDateTime()>;

    // Longer input is not a participant number (a scanner reading the wrong code).
    static constexpr int MaxInputLength = 32;

    // station: stored with every check-in. clock: the local time; the system's when empty.
    CheckinDesk(CAdoDatabase& database, QString station, Clock clock = {});

    Answer Scan(const QString& input);
    // "已签到 n / N": checked-in participants of all participants; empty when unreadable.
    QString Tally();

    // The wave file of a sound, relative to the application folder.
    static QString SoundFile(Sound sound);

private:
    CAdoDatabase& m_database;
    CheckinStore m_store;
    Clock m_clock;
};
