// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/EligibilityStore.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QListWidget;

// Who may win each prize level: a level chooser, the rule of the chosen level (everyone, only the
// checked groups, everyone except them) with the groups to check, and a line per level with its
// rule and how many participants it admits among those who have not won.
class EligibilityEditor : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Levels = EligibilityStore::Levels;

    // levelNames: the name of each level's line (first prize ... eighth prize).
    EligibilityEditor(const QStringList& levelNames, QWidget* parent = nullptr);

    // Shows rules, with the groups of counts (and those the rules name) to choose from.
    void SetRules(const EligibilityStore::Rules& rules, const EligibilityStore::Counts& counts);
    const EligibilityStore::Rules& Rules() const { return m_rules; }

    QComboBox* LevelBox() const { return m_level; }
    QComboBox* ModeBox() const { return m_mode; }
    QListWidget* GroupList() const { return m_groups; }
    // The line of level 1..8.
    QLabel* SummaryLabel(int level) const { return m_summaries[level - 1]; }

private:
    void ShowLevel();
    void TakeLevel();
    void ShowSummaries();

    QStringList m_levelNames;
    EligibilityStore::Rules m_rules;
    EligibilityStore::Counts m_counts;
    QComboBox* m_level = nullptr;
    QComboBox* m_mode = nullptr;
    QListWidget* m_groups = nullptr;
    std::array<QLabel*, Levels> m_summaries{};
    bool m_showing = false; // the widgets are being filled: their signals change nothing
};
