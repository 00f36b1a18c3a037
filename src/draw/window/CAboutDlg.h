// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// The about box: program name, version, what the program is for and its licence.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The program's icon, drawn rather than shipped so it scales to any size.
    static QIcon ProgramIcon();
};
