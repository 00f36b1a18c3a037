// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/core/CheckinDesk.h"

#include "data/CAdoDatabase.h"
#include "data/PersonStore.h"

#include <utility>

namespace {

constexpr const char* StoredTimeFormat = "yyyy-MM-dd HH:mm:ss";

// What a scanner or a keyboard typed, without the spaces and control characters around it.
QString CleanInput(const QString& input)
{
    QString cleaned;
    for (const QChar c : input) {
        if (!c.isNonCharacter() && c.category() != QChar::Other_Control) {
            cleaned.append(c);
        }
    }
    return cleaned.trimmed();
}

} // namespace

CheckinDesk::CheckinDesk(CAdoDatabase& database, QString station, Clock clock)
    : m_database(database), m_store(database, std::move(station)), m_clock(std::move(clock))
{
    if (!m_clock) {
        m_clock = [] { return QDateTime::currentDateTime(); };
    }
}

CheckinDesk::Answer CheckinDesk::Scan(const QString& input)
{
    using Outcome = CheckinReply::Outcome;
    const QString number = CleanInput(input);
    const QDateTime now = m_clock();
    CheckinReply reply{Outcome::Unknown, {}, {}, {}};
    if (!number.isEmpty() && number.size() <= MaxInputLength) {
        const CAdoDatabase::QuietFailures quiet(m_database);
        reply = m_store.CheckIn(number, now.toString(QLatin1String(StoredTimeFormat)));
    }
    Answer answer;
    answer.outcome = reply.outcome;
    answer.name = reply.PersonName;
    answer.detail = tr("编号 %1").arg(reply.PersonID.isEmpty() ? number : reply.PersonID);
    switch (reply.outcome) {
    case Outcome::CheckedIn:
        answer.status = tr("签到成功");
        answer.sound = Sound::CheckedIn;
        break;
    case Outcome::AlreadyCheckedIn: {
        // Today's check-ins by their time alone; an earlier day's with its date.
        const QDateTime at = QDateTime::fromString(reply.time, QLatin1String(StoredTimeFormat));
        const QString when = at.isValid() && at.date() == now.date()
                                 ? at.toString(QStringLiteral("HH:mm:ss"))
                                 : reply.time;
        answer.status = tr("已签到 (%1)").arg(when);
        answer.sound = Sound::AlreadyCheckedIn;
        break;
    }
    case Outcome::Unknown:
        answer.status = tr("查无此编号");
        break;
    case Outcome::Failed: {
        answer.status = tr("签到失败，请再扫一次");
        const QString cause =
            m_database.LastNotice().isEmpty() ? m_database.LastError() : m_database.LastNotice();
        answer.detail += QStringLiteral(" · ") + cause;
        break;
    }
    }
    return answer;
}

QString CheckinDesk::Tally()
{
    const CAdoDatabase::QuietFailures quiet(m_database);
    const std::optional<int> checkedIn = m_store.CheckedInCount();
    const std::optional<int> all = PersonStore(m_database).Count();
    if (!checkedIn || !all) {
        return QString();
    }
    return tr("已签到 %1 / %2").arg(*checkedIn).arg(*all);
}

QString CheckinDesk::SoundFile(Sound sound)
{
    switch (sound) {
    case Sound::CheckedIn:
        return QStringLiteral("Sound/checkin-ok.wav");
    case Sound::AlreadyCheckedIn:
        return QStringLiteral("Sound/checkin-again.wav");
    case Sound::Unknown:
        break;
    }
    return QStringLiteral("Sound/checkin-unknown.wav");
}
