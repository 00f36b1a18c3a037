// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

class PersonTableModel;
class QDialog;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

// The controls of the participant dialog and their arrangement: the edits of a participant
// (number, name, remark, group), the note, the workbook and list buttons, the record count, the
// find box and the list. Its texts keep the dialog's translation context.
class PersonDlgLayout
{
    Q_DECLARE_TR_FUNCTIONS(CPersonDlg)

public:
    struct Controls
    {
        QLineEdit* id = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* memo = nullptr;
        QLineEdit* group = nullptr;
        QPushButton* add = nullptr;
        QPushButton* save = nullptr;
        QPushButton* modify = nullptr;
        QPushButton* remove = nullptr;
        QPushButton* refresh = nullptr;
        QPushButton* clearAll = nullptr;
        QPushButton* import = nullptr;
        QPushButton* viewTemplate = nullptr;
        QPushButton* exportList = nullptr;
        QLabel* count = nullptr;
        QLabel* note = nullptr;
        QLineEdit* find = nullptr;
        QTableView* list = nullptr;
        QProgressBar* progress = nullptr;
    };

    // Makes the controls on dialog, lays them out and sets the dialog's title, flags and size;
    // the list shows model. Connecting the controls is the dialog's.
    static Controls Build(QDialog& dialog, PersonTableModel& model);
};
