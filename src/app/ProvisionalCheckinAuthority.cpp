// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProvisionalCheckinAuthority.h"

#include "data/PersonStore.h"

CheckinReply ProvisionalCheckinAuthority::CheckInByNumberAndName(const QString& id,
                                                                 const QString& name)
{
    // One lookup whatever was typed: an unknown number and a wrong name cost the same.
    const std::optional<PersonRow> person = PersonStore(m_database).Find(id);
    if (!person || person->PersonName.trimmed() != name) {
        return {CheckinReply::Refused};
    }
    const QString key = PersonRow::IdKey(person->PersonID);
    if (m_checkedIn.contains(key)) {
        return {CheckinReply::Already};
    }
    m_checkedIn.insert(key);
    return {CheckinReply::CheckedIn};
}
