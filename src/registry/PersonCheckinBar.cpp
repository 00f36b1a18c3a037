// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/PersonCheckinBar.h"

#include "platform/core/MessageService.h"
#include "registry/PersonTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSysInfo>
#include <QTableView>

PersonCheckinBar::PersonCheckinBar(CAdoDatabase& database, PersonTableModel& model,
                                   QTableView& list, QWidget* parent, Clock clock)
    : QWidget(parent), m_store(database, QSysInfo::machineHostName()), m_model(model), m_list(list),
      m_clock(std::move(clock))
{
    if (!m_clock) {
        m_clock = [] { return QDateTime::currentDateTime(); };
    }
    m_state = new QComboBox(this);
    m_state->addItems({tr("全部人员"), tr("已签到"), tr("未签到")});
    m_toggle = new QPushButton(tr("签到 / 取消签到"), this);
    m_only = new QCheckBox(tr("只有已签到的人员参加抽奖"), this);
    m_tally = new QLabel(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("签到："), this));
    layout->addWidget(m_state);
    layout->addWidget(m_toggle);
    layout->addWidget(m_tally);
    layout->addStretch(1);
    layout->addWidget(m_only);

    connect(m_state, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model.SetStateFilter(static_cast<PersonTableModel::State>(index));
        UpdateTally();
    });
    connect(m_toggle, &QPushButton::clicked, this, &PersonCheckinBar::OnToggle);
    connect(m_only, &QCheckBox::toggled, this, &PersonCheckinBar::OnOnlyCheckedIn);
}

void PersonCheckinBar::Reload()
{
    if (std::optional<QHash<QString, QString>> checkins = m_store.CheckedIn()) {
        m_model.SetCheckins(std::move(*checkins));
    }
    if (const std::optional<bool> only = m_store.OnlyCheckedIn()) {
        const QSignalBlocker quiet(m_only);
        m_only->setChecked(*only);
    }
    m_checkedIn = m_store.CheckedInCount().value_or(0);
    UpdateTally();
}

void PersonCheckinBar::OnToggle()
{
    const QModelIndexList selected = m_list.selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        ShowMessage(tr("请先在列表中选择一位人员。"));
        return;
    }
    const int row = selected.first().row();
    const bool checkIn = !m_model.IsCheckedIn(row);
    const QString time =
        checkIn ? m_clock().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
    if (!m_store.SetCheckedIn(m_model.Row(row).PersonID, checkIn, time)) {
        return; // the database layer has shown its box
    }
    m_model.SetCheckin(row, time);
    m_checkedIn += checkIn ? 1 : -1;
    UpdateTally();
}

void PersonCheckinBar::OnOnlyCheckedIn(bool only)
{
    if (!m_store.SetOnlyCheckedIn(only)) {
        const QSignalBlocker quiet(m_only);
        m_only->setChecked(!only);
    }
}

void PersonCheckinBar::UpdateTally()
{
    m_tally->setText(tr("已签到 %1 / %2").arg(m_checkedIn).arg(m_model.TotalRows()));
}
