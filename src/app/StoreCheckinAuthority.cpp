// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StoreCheckinAuthority.h"

#include <QDateTime>

CheckinPageReply StoreCheckinAuthority::CheckInByNumberAndName(const QString& id,
                                                               const QString& name)
{
    const CheckinReply reply = m_store.CheckInByNumberAndName(
        id, name, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    switch (reply.outcome) {
    case CheckinReply::Outcome::CheckedIn:
        return {CheckinPageReply::CheckedIn};
    case CheckinReply::Outcome::AlreadyCheckedIn:
        return {CheckinPageReply::Already};
    case CheckinReply::Outcome::Unknown:
        return {CheckinPageReply::Refused};
    case CheckinReply::Outcome::Failed:
        break;
    }
    return {CheckinPageReply::Unavailable};
}
