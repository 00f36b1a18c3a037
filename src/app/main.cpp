#include "CAboutDlg.h"
#include "CDrawApp.h"
#include "CDrawDlg.h"
#include "CPrizeRecordDlg.h"
#include "OperatorDialogs.h"
#include "WidgetMessageService.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // On a Wayland session prefer its X11 server (XWayland): only there do the window's shape
    // and the system-wide F5/F6 keys work. A platform chosen explicitly is respected.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sortilo"));
    // Names the settings file (~/.config/Sortilo/Sortilo.conf), read for stored column widths.
    QApplication::setOrganizationName(QStringLiteral("Sortilo"));
    QApplication::setApplicationVersion(QStringLiteral(SORTILO_VERSION));

    WidgetMessageService messages;
    MessageService::Install(&messages);

    CDrawApp app([](CDrawApp& drawApp) {
        CDrawDlg window(drawApp.Database(), drawApp.AppDirectory);
        ConnectOperatorDialogs(window, drawApp.Database(), drawApp.AppDirectory);
        QObject::connect(&window, &CDrawDlg::winnersRecordRequested, &window, [&drawApp] {
            CPrizeRecordDlg record(drawApp.Database());
            record.setWindowIcon(CAboutDlg::ProgramIcon());
            record.exec();
        });
        window.exec();
    });
    const int code = app.Run();
    MessageService::Install(nullptr);
    return code;
}
