// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/PersonStore.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QDialogButtonBox;
class QLineEdit;
class QCheckBox;

// Chooses which winners of the last round are voided (absent), and why: one checkbox a winner
// and a reason for all of them, in letters large enough to read on the projector. Nothing is
// checked at first; the dialog cannot be confirmed before something is.
class CVoidRoundDlg : public QDialog
{
    Q_OBJECT

public:
    CVoidRoundDlg(const QList<PersonRow>& winners, QWidget* parent = nullptr);

    // Checks or unchecks the winner at index (in the order given).
    void SetChecked(int index, bool checked);
    // The numbers of the checked winners, in the order given.
    QStringList CheckedIds() const;
    QString Reason() const;
    void SetReason(const QString& reason);

    int Count() const { return int(m_boxes.size()); }
    QDialogButtonBox& Buttons() const { return *m_buttons; }

private:
    void UpdateConfirm();

    QList<PersonRow> m_winners;
    QList<QCheckBox*> m_boxes; // one a winner, in the order given
    QLineEdit* m_reason = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
