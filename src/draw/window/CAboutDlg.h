#pragma once

#include <QDialog>

// The about box: program name, version and what the program is for.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The program's icon, drawn rather than shipped so it scales to any size.
    static QIcon ProgramIcon();
};
