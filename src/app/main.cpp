#include "CDrawApp.h"
#include "CDrawDlg.h"
#include "WidgetMessageService.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sortilo"));
    QApplication::setApplicationVersion(QStringLiteral(SORTILO_VERSION));

    WidgetMessageService messages;
    MessageService::Install(&messages);

    CDrawApp app([](CDrawApp& drawApp) {
        CDrawDlg window(drawApp.Database(), drawApp.AppDirectory);
        window.exec();
    });
    const int code = app.Run();
    MessageService::Install(nullptr);
    return code;
}
