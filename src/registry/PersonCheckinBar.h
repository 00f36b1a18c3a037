// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/CheckinStore.h"

#include <QDateTime>
#include <QWidget>

#include <functional>

class CAdoDatabase;
class PersonTableModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

// The check-in line of the participant dialog: shows only those checked in or not, checks the
// selected participant in or out by hand, tells how many are checked in, and holds the event's
// option that admits only checked-in participants to the draw (shared by every station).
class PersonCheckinBar : public QWidget
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    PersonCheckinBar(CAdoDatabase& database, PersonTableModel& model, QTableView& list,
                     QWidget* parent = nullptr, Clock clock = Clock());

    // Reads the check-ins and the option again, after the list was reloaded.
    void Reload();

    QComboBox* StateFilter() const { return m_state; }
    QPushButton* ToggleButton() const { return m_toggle; }
    QCheckBox* OnlyCheckedIn() const { return m_only; }
    QLabel* Tally() const { return m_tally; }

private:
    void OnToggle();
    void OnOnlyCheckedIn(bool only);
    void UpdateTally();

    CheckinStore m_store;
    PersonTableModel& m_model;
    QTableView& m_list;
    Clock m_clock;
    QComboBox* m_state = nullptr;
    QPushButton* m_toggle = nullptr;
    QCheckBox* m_only = nullptr;
    QLabel* m_tally = nullptr;
    int m_checkedIn = 0;
};
