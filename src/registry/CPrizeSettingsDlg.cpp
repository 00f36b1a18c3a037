// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/CPrizeSettingsDlg.h"

#include "platform/core/MessageService.h"
#include "registry/EligibilityEditor.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const char* const kLevelNames[] = {
    QT_TRANSLATE_NOOP("CPrizeSettingsDlg", "一等奖"),
    QT_TRANSLATE_NOOP("CPrizeSettingsDlg", "二等奖"),
    QT_TRANSLATE_NOOP("CPrizeSettingsDlg", "三等奖"),
    QT_TRANSLATE_NOOP("CPrizeSettingsDlg", "四等奖"),
    QT_TRANSLATE_NOOP("CPrizeSettingsDlg", "五等奖"),
    QT_TRANSLATE_NOOP("CPrizeSettingsDlg", "六等奖"),
    QT_TRANSLATE_NOOP("CPrizeSettingsDlg", "七等奖"),
    QT_TRANSLATE_NOOP("CPrizeSettingsDlg", "八等奖"),
};
} // namespace

CPrizeSettingsDlg::CPrizeSettingsDlg(CAdoDatabase& database, QWidget* parent)
    : QDialog(parent), m_store(database), m_rules(database)
{
    setWindowTitle(tr("奖品设置"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    m_roundSizes.fill(PrizeStore::DefaultRoundSize);
    auto* form = new QFormLayout;
    for (int level = 1; level <= Levels; ++level) {
        auto* edit = new QLineEdit(this);
        edit->setMinimumWidth(240);
        m_edits[level - 1] = edit;
        auto* size = new QSpinBox(this);
        size->setRange(PrizeStore::DefaultRoundSize, PrizeStore::MaxRoundSize);
        size->setSuffix(tr(" 人/轮"));
        size->setToolTip(tr("这个奖项每轮最多抽出的人数。超过 8 人时，按“+”可把名额调到这个数，"
                            "一次抽出全部中奖者。"));
        m_sizeBoxes[level - 1] = size;
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(size);
        form->addRow(tr(kLevelNames[level - 1]), row);
    }

    QStringList levelNames;
    for (const char* name : kLevelNames) {
        levelNames << tr(name);
    }
    m_eligibility = new EligibilityEditor(levelNames, this);
    auto* eligibility = new QGroupBox(tr("参加范围（按分组）"), this);
    (new QVBoxLayout(eligibility))->addWidget(m_eligibility);

    m_ok = new QPushButton(tr("确定"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("取消"), this);
    connect(m_ok, &QPushButton::clicked, this, &CPrizeSettingsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CPrizeSettingsDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);

    auto* main = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->addWidget(eligibility, 1);
    main->addLayout(columns);
    main->addLayout(buttons);

    OnInitDialog();
}

void CPrizeSettingsDlg::OnInitDialog()
{
    FillPrizeEdits();
    // Rules that could not be read (the box has been shown) are neither shown nor replaced.
    const std::optional<EligibilityStore::Rules> rules = m_rules.Read();
    m_rulesRead = rules.has_value();
    m_eligibility->setEnabled(m_rulesRead);
    const std::optional<EligibilityStore::Counts> counts =
        rules ? m_rules.CandidateCounts() : std::nullopt;
    m_eligibility->SetRules(rules.value_or(EligibilityStore::Rules{}),
                            counts.value_or(EligibilityStore::Counts{}));
}

void CPrizeSettingsDlg::FillPrizeEdits()
{
    if (const std::optional<PrizeStore::PrizeNames> names = m_store.Names(&m_roundSizes)) {
        m_strStep = *names;
    }
    UpdateData(false);
}

void CPrizeSettingsDlg::UpdateData(bool save)
{
    for (int i = 0; i < Levels; ++i) {
        if (save) {
            m_strStep[i] = m_edits[i]->text();
            m_roundSizes[i] = m_sizeBoxes[i]->value();
        } else {
            m_edits[i]->setText(m_strStep[i]);
            m_sizeBoxes[i]->setValue(m_roundSizes[i]);
        }
    }
}

void CPrizeSettingsDlg::accept()
{
    UpdateData(true);
    if (!m_store.UpdateNames(m_strStep) || !m_store.UpdateRoundSizes(m_roundSizes) ||
        (m_rulesRead && !m_rules.Write(m_eligibility->Rules()))) {
        MessageService::Current().Show(QStringLiteral("Failed !!"),
                                       QGuiApplication::applicationDisplayName(),
                                       MessageService::Buttons::Ok);
        return;
    }
    QDialog::accept();
}
