// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/window/CVoidRoundDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

CVoidRoundDlg::CVoidRoundDlg(const QList<PersonRow>& winners, QWidget* parent)
    : QDialog(parent), m_winners(winners)
{
    setWindowTitle(tr("作废本轮中奖者"));
    // Read from the back of the hall: twice the usual size, at least 20 points.
    QFont large = font();
    large.setPointSizeF(std::max(20.0, large.pointSizeF() * 2));
    setFont(large);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("勾选未到场的中奖者："), this));
    m_list = new QListWidget(this);
    for (const PersonRow& winner : m_winners) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1    %2").arg(winner.PersonID, winner.PersonName), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(m_list, 1);
    layout->addWidget(new QLabel(tr("原因（可不填）："), this));
    m_reason = new QLineEdit(tr("未到场"), this);
    layout->addWidget(m_reason);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("作废所选"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemChanged, this, &CVoidRoundDlg::UpdateConfirm);
    UpdateConfirm();

    if (const QScreen* screen = parent ? parent->screen() : this->screen()) {
        const QSize available = screen->availableGeometry().size();
        resize(available.width() / 2, available.height() * 2 / 3);
    }
}

void CVoidRoundDlg::SetChecked(int index, bool checked)
{
    if (QListWidgetItem* item = m_list->item(index)) {
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList CVoidRoundDlg::CheckedIds() const
{
    QStringList ids;
    for (int i = 0; i < m_list->count() && i < m_winners.size(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked) {
            ids.append(m_winners[i].PersonID);
        }
    }
    return ids;
}

QString CVoidRoundDlg::Reason() const
{
    return m_reason->text().trimmed();
}

void CVoidRoundDlg::SetReason(const QString& reason)
{
    m_reason->setText(reason);
}

void CVoidRoundDlg::UpdateConfirm()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!CheckedIds().isEmpty());
}
