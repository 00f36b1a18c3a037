// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OperatorDialogs.h"

#include "checkin/desk/CCheckinDlg.h"
#include "draw/window/CDrawDlg.h"
#include "platform/sound/SoundPlayer.h"
#include "registry/CBasicSettingsDlg.h"
#include "registry/CPersonDlg.h"
#include "registry/CPrizeSettingsDlg.h"

#include <QSysInfo>

void ConnectOperatorDialogs(CDrawDlg& window, CAdoDatabase& database, const QString& appDirectory)
{
    QObject::connect(&window, &CDrawDlg::personsRequested, &window, [&, appDirectory] {
        CPersonDlg dlg(database, appDirectory, &window);
        dlg.setWindowIcon(window.windowIcon());
        dlg.exec();
    });
    QObject::connect(&window, &CDrawDlg::prizeSettingsRequested, &window, [&] {
        // The draw reads the names again at its next Start.
        CPrizeSettingsDlg dlg(database, &window);
        dlg.setWindowIcon(window.windowIcon());
        dlg.exec();
    });
    QObject::connect(&window, &CDrawDlg::checkinRequested, &window, [&, appDirectory] {
        SoundPlayer sound;
        CCheckinDlg dlg(database, appDirectory, QSysInfo::machineHostName(), &sound, &window);
        dlg.setWindowIcon(window.windowIcon());
        dlg.exec();
    });
    QObject::connect(&window, &CDrawDlg::basicSettingsRequested, &window, [&, appDirectory] {
        // The dialog writes config.ini and closes with OK only when that succeeded.
        CBasicSettingsDlg dlg(appDirectory, window.Settings(), &window);
        dlg.setWindowIcon(window.windowIcon());
        if (dlg.exec() == QDialog::Accepted) {
            window.ApplySettings(dlg.Settings());
        }
    });
}
