// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/window/CVoidRoundDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

CVoidRoundDlg::CVoidRoundDlg(const QList<PersonRow>& winners, QWidget* parent)
    : QDialog(parent), m_winners(winners)
{
    setWindowTitle(tr("作废本轮中奖者"));
    // Read from the back of the hall: two and a half times the usual size, at least 24 points,
    // with checkboxes as tall as the letters.
    QFont large = font();
    large.setPointSizeF(std::max(24.0, large.pointSizeF() * 2.5));
    setFont(large);
    const int box = QFontMetrics(large).height() * 3 / 4;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("勾选未到场的中奖者："), this));
    auto* rows = new QWidget;
    auto* rowsLayout = new QVBoxLayout(rows);
    for (const PersonRow& winner : m_winners) {
        auto* check =
            new QCheckBox(QStringLiteral("%1    %2").arg(winner.PersonID, winner.PersonName), rows);
        check->setStyleSheet(
            QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(box));
        check->setFont(large); // a style sheet of its own would otherwise take the default
        connect(check, &QCheckBox::toggled, this, &CVoidRoundDlg::UpdateConfirm);
        rowsLayout->addWidget(check);
        m_boxes.append(check);
    }
    rowsLayout->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll, 1);
    layout->addWidget(new QLabel(tr("原因（可不填）："), this));
    m_reason = new QLineEdit(tr("未到场"), this);
    layout->addWidget(m_reason);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("作废所选"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdateConfirm();

    if (const QScreen* screen = parent ? parent->screen() : this->screen()) {
        const QSize available = screen->availableGeometry().size();
        resize(available.width() / 2, available.height() * 3 / 4);
    }
}

void CVoidRoundDlg::SetChecked(int index, bool checked)
{
    if (index >= 0 && index < m_boxes.size()) {
        m_boxes[index]->setChecked(checked);
    }
}

QStringList CVoidRoundDlg::CheckedIds() const
{
    QStringList ids;
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i]->isChecked()) {
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
