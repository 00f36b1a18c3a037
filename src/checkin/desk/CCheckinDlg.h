// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkin/core/CheckinDesk.h"

#include <QDialog>
#include <QString>

class CAdoDatabase;
class QLabel;
class QLineEdit;
class QFrame;
class QTimer;
class SoundPlayer;

// The check-in window at the door: one input that takes a participant number typed, or read by
// a barcode or QR scanner, and Enter. The answer shows at once, large enough to read from a
// step away (the name, "签到成功" / "已签到 (time)" / "查无此编号" on green, amber or red),
// with a sound of its own, and the input is empty and ready for the next number. The input is
// the window's only widget that takes the keyboard, so no scanned key goes elsewhere.
class CCheckinDlg : public QDialog
{
    Q_OBJECT

public:
    // station: stored with every check-in. sound: plays the answers (none: silent).
    CCheckinDlg(CAdoDatabase& database, const QString& appDirectory, const QString& station,
                SoundPlayer* sound, QWidget* parent = nullptr,
                CheckinDesk::Clock clock = CheckinDesk::Clock());

    QLineEdit* Input() const { return m_input; }
    QString NameText() const;
    QString StatusText() const;
    QString TallyText() const;
    const CheckinDesk::Answer& LastAnswer() const { return m_answer; }

    // Enter in the input checks the number in; Escape closes the window as usual.
    void accept() override;

private:
    void TakeInput();
    void Show(const CheckinDesk::Answer& answer);
    void RefreshTally();

    CheckinDesk m_desk;
    QString m_appDirectory;
    SoundPlayer* m_sound;
    CheckinDesk::Answer m_answer;
    QLineEdit* m_input = nullptr;
    QFrame* m_panel = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_detail = nullptr;
    QLabel* m_tally = nullptr;
    QTimer* m_tallyTimer = nullptr;
};
