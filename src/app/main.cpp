#include "CDrawApp.h"
#include "CDrawDlg.h"
#include "OperatorDialogs.h"
#include "WidgetMessageService.h"

#include <QApplication>
#include <QCoreApplication>

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
    QApplication::setApplicationVersion(QStringLiteral(SORTILO_VERSION));

    WidgetMessageService messages;
    MessageService::Install(&messages);

    CDrawApp app([](CDrawApp& drawApp) {
        CDrawDlg window(drawApp.Database(), drawApp.AppDirectory);
        ConnectOperatorDialogs(window, drawApp.Database(), drawApp.AppDirectory);
        // The winners record is not part of this build yet.
        QObject::connect(&window, &CDrawDlg::winnersRecordRequested, &window, [&window] {
            window.ShowSysInfo(QCoreApplication::translate("CDrawApp", "此功能将在后续版本中提供"));
        });
        window.exec();
    });
    const int code = app.Run();
    MessageService::Install(nullptr);
    return code;
}
