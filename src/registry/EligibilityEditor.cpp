// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/EligibilityEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

EligibilityEditor::EligibilityEditor(const QStringList& levelNames, QWidget* parent)
    : QWidget(parent), m_levelNames(levelNames)
{
    m_level = new QComboBox(this);
    m_level->addItems(levelNames.mid(0, Levels));
    m_mode = new QComboBox(this);
    // In the order of EligibilityRule::Mode.
    m_mode->addItems({tr("所有人员"), tr("仅限勾选的分组"), tr("勾选的分组以外的人员")});
    m_groups = new QListWidget(this);
    m_groups->setMinimumHeight(120);

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(tr("奖项："), this));
    choice->addWidget(m_level, 1);
    choice->addWidget(new QLabel(tr("可参加："), this));
    choice->addWidget(m_mode, 2);

    auto* summaries = new QGridLayout;
    for (int i = 0; i < Levels; ++i) {
        m_summaries[i] = new QLabel(this);
        m_summaries[i]->setTextFormat(Qt::PlainText);
        summaries->addWidget(m_summaries[i], i, 0);
    }

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->addLayout(choice);
    main->addWidget(m_groups);
    main->addLayout(summaries);

    connect(m_level, &QComboBox::currentIndexChanged, this, &EligibilityEditor::ShowLevel);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &EligibilityEditor::TakeLevel);
    connect(m_groups, &QListWidget::itemChanged, this, &EligibilityEditor::TakeLevel);
    ShowLevel();
}

void EligibilityEditor::SetRules(const EligibilityStore::Rules& rules,
                                 const EligibilityStore::Counts& counts)
{
    m_rules = rules;
    m_counts = counts;
    ShowLevel();
}

void EligibilityEditor::ShowLevel()
{
    m_showing = true;
    const EligibilityRule& rule = m_rules[m_level->currentIndex()];
    m_mode->setCurrentIndex(int(rule.GetMode()));
    // Every group that holds participants without a win, and those the level's rule names.
    QStringList names = m_counts.perGroup.keys() + rule.Groups();
    names.removeAll(QString());
    names.removeDuplicates();
    names.sort();
    m_groups->clear();
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(
            tr("%1（%2 人）").arg(name).arg(m_counts.perGroup.value(name)), m_groups);
        item->setData(Qt::UserRole, name);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(rule.Groups().contains(name) ? Qt::Checked : Qt::Unchecked);
    }
    m_groups->setEnabled(!rule.AdmitsEveryone());
    m_showing = false;
    ShowSummaries();
}

void EligibilityEditor::TakeLevel()
{
    if (m_showing) {
        return;
    }
    QStringList checked;
    for (int row = 0; row < m_groups->count(); ++row) {
        if (m_groups->item(row)->checkState() == Qt::Checked) {
            checked << m_groups->item(row)->data(Qt::UserRole).toString();
        }
    }
    const auto mode = EligibilityRule::ModeFromNumber(m_mode->currentIndex());
    m_rules[m_level->currentIndex()] = EligibilityRule(mode, checked);
    m_groups->setEnabled(mode != EligibilityRule::Mode::Everyone);
    ShowSummaries();
}

void EligibilityEditor::ShowSummaries()
{
    for (int i = 0; i < Levels; ++i) {
        const EligibilityRule& rule = m_rules[i];
        const QString groups = rule.Groups().join(QStringLiteral("、"));
        QString text;
        switch (rule.GetMode()) {
        case EligibilityRule::Mode::Everyone:
            text = tr("所有人员");
            break;
        case EligibilityRule::Mode::Only:
            text = tr("仅限：%1").arg(groups);
            break;
        case EligibilityRule::Mode::Except:
            text = tr("除外：%1").arg(groups);
            break;
        }
        m_summaries[i]->setText(tr("%1：%2，现可抽 %3 人")
                                    .arg(m_levelNames.value(i), text)
                                    .arg(rule.Count(m_counts.perGroup, m_counts.total)));
    }
}
