// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/EligibilityStore.h"
#include "data/PrizeStore.h"

#include <QDialog>
#include <QString>

#include <array>

class CAdoDatabase;
class EligibilityEditor;
class QLineEdit;
class QSpinBox;
class QPushButton;

// The names of the eight prize levels and how many winners one round of each may draw (8 to
// 1,000; above 8 the draw's quota button reaches that size), kept in the one row of table JP, and
// who may win each (EligibilityEditor, kept in table LevelGroup). OK stores them, the names
// exactly as typed, and closes; when the store fails the operator sees "Failed !!" and the
// dialog stays open with everything as entered. Cancel stores nothing. The draw reads them at
// every Start.
class CPrizeSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Levels = PrizeStore::Levels;

    CPrizeSettingsDlg(CAdoDatabase& database, QWidget* parent = nullptr);

    // The edit of level 1..8.
    QLineEdit* StepEdit(int level) const { return m_edits[level - 1]; }
    // The round size of level 1..8.
    QSpinBox* RoundSizeBox(int level) const { return m_sizeBoxes[level - 1]; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    EligibilityEditor* Eligibility() const { return m_eligibility; }

    // OK: stores the names; closes only when that succeeded.
    void accept() override;

private:
    void OnInitDialog();
    void FillPrizeEdits();
    void UpdateData(bool save);

    PrizeStore m_store;
    EligibilityStore m_rules;
    EligibilityEditor* m_eligibility = nullptr;
    bool m_rulesRead = false;
    // m_strStep1 .. m_strStep8.
    PrizeStore::PrizeNames m_strStep;
    PrizeStore::RoundSizes m_roundSizes;
    std::array<QLineEdit*, Levels> m_edits{};
    std::array<QSpinBox*, Levels> m_sizeBoxes{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
