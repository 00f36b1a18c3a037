// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// Who may win a prize level: everyone (the default), only the participants of the chosen groups,
// or everyone except them. A participant without a group belongs to no chosen group. Groups
// compare as typed, blanks around cut off.
class EligibilityRule
{
public:
    enum class Mode
    {
        Everyone = 0,
        Only = 1,
        Except = 2
    };

    EligibilityRule() = default;
    // groups are cut of surrounding blanks; empty ones and repeats are dropped.
    EligibilityRule(Mode mode, const QStringList& groups);

    Mode GetMode() const { return m_mode; }
    // The chosen groups, sorted.
    const QStringList& Groups() const { return m_groups; }
    // True when the rule admits everyone: no filtering needed.
    bool AdmitsEveryone() const { return m_mode == Mode::Everyone; }
    bool Admits(const QString& group) const;
    // How many of total participants are admitted, given how many each group holds (participants
    // without a group under the empty group).
    qsizetype Count(const QHash<QString, qsizetype>& perGroup, qsizetype total) const;

    // The rule as a short canonical text, the same for equal rules: "everyone",
    // only:"Sales","Support" or except:"Sales" (groups sorted, a quote inside doubled).
    QString Describe() const;

    // The stored number of a mode; an unknown number reads as Everyone.
    static Mode ModeFromNumber(int number);

    bool operator==(const EligibilityRule& other) const
    {
        return m_mode == other.m_mode && m_groups == other.m_groups;
    }

private:
    Mode m_mode = Mode::Everyone;
    QStringList m_groups;
    QSet<QString> m_set;
};
