// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/EligibilityRule.h"

EligibilityRule::EligibilityRule(Mode mode, const QStringList& groups) : m_mode(mode)
{
    for (const QString& group : groups) {
        const QString trimmed = group.trimmed();
        if (!trimmed.isEmpty()) {
            m_set.insert(trimmed);
        }
    }
    if (m_mode == Mode::Everyone) {
        m_set.clear();
    }
    m_groups = QStringList(m_set.begin(), m_set.end());
    m_groups.sort();
}

bool EligibilityRule::Admits(const QString& group) const
{
    switch (m_mode) {
    case Mode::Only:
        return m_set.contains(group);
    case Mode::Except:
        return !m_set.contains(group);
    case Mode::Everyone:
        break;
    }
    return true;
}

qsizetype EligibilityRule::Count(const QHash<QString, qsizetype>& perGroup, qsizetype total) const
{
    if (m_mode == Mode::Everyone) {
        return total;
    }
    qsizetype chosen = 0;
    for (const QString& group : m_groups) {
        chosen += perGroup.value(group);
    }
    return m_mode == Mode::Only ? chosen : total - chosen;
}

QString EligibilityRule::Describe() const
{
    if (m_mode == Mode::Everyone) {
        return QStringLiteral("everyone");
    }
    QStringList quoted;
    for (QString group : m_groups) {
        quoted << u'"' + group.replace(u'"', QStringLiteral("\"\"")) + u'"';
    }
    return (m_mode == Mode::Only ? QStringLiteral("only:") : QStringLiteral("except:")) +
           quoted.join(u',');
}

EligibilityRule::Mode EligibilityRule::ModeFromNumber(int number)
{
    return number == int(Mode::Only) || number == int(Mode::Except) ? Mode(number) : Mode::Everyone;
}
