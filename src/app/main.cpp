// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CDrawApp.h"
#include "app/CheckinPageRunner.h"
#include "app/CommandLine.h"
#include "app/DemoMark.h"
#include "app/EventFolder.h"
#include "app/OperatorDialogs.h"
#include "app/QuitSignals.h"
#include "checkin/desk/CCheckinDlg.h"
#include "draw/window/CAboutDlg.h"
#include "draw/window/CDrawDlg.h"
#include "draw/window/DrawWindowCheckin.h"
#include "exchange/excel/CExcelApplication.h"
#include "platform/core/ResourceModule.h"
#include "platform/core/SharedFiles.h"
#include "platform/sound/SoundPlayer.h"
#include "platform/widgets/WidgetMessageService.h"
#include "records/CPrizeRecordDlg.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // The command line is read before a display is needed, so --help works anywhere.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Prize draw for company events. Without options the program runs in the current "
            "folder when it holds Data.db, else in the operator's default event folder.\n\n") +
        CommandLine::HelpText());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption event(
        QStringLiteral("event"),
        QStringLiteral("Open or create the event folder DIR (a bare name lies under %1).")
            .arg(EventFolder::EventsRoot()),
        QStringLiteral("DIR"));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Run a throw-away event with demo participants."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The port of serve-checkin (default %1).")
                                      .arg(CommandLine::DefaultCheckinPort),
                                  QStringLiteral("N"));
    parser.addOption(event);
    parser.addOption(demo);
    parser.addOption(port);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("One of the commands listed above, with its FILE."),
                                 QStringLiteral("[command [FILE]]"));
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "sortilo: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    QStringList command = parser.positionalArguments();
    // The check-in desk is a window: it runs as the program does, with the desk as its window.
    const bool deskOnly =
        command == QStringList{QLatin1String(CommandLine::DeskCommand)} && !parser.isSet(demo);
    if (deskOnly) {
        command.clear();
    }
    if (!command.isEmpty() && !parser.isSet(help) && !parser.isSet(version)) {
        const bool known = CommandLine::Commands().contains(command[0]);
        const bool takesFile = known && CommandLine::TakesFile(command[0]);
        if (!known || command.size() != (takesFile ? 2 : 1) || parser.isSet(demo) ||
            (command[0] != QLatin1String("serve-checkin") && parser.isSet(port))) {
            std::fprintf(stderr, "sortilo: unknown command line; see sortilo --help\n");
            return 2;
        }
    }
    bool portValid = true;
    const uint portNumber = parser.isSet(port) ? parser.value(port).toUInt(&portValid)
                                               : CommandLine::DefaultCheckinPort;
    if (!portValid || portNumber == 0 || portNumber > 65535) {
        std::fprintf(stderr, "sortilo: --port needs a number from 1 to 65535\n");
        return 2;
    }
    if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                               QStringLiteral("sortilo"))));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("sortilo %s\n", SORTILO_VERSION);
        return 0;
    }

    if (!command.isEmpty()) {
        // A job without a window: no display is needed and no box is shown; messages go to
        // standard error. The file is meant from where the command was given.
        const QString file =
            command.size() > 1 ? QDir::current().absoluteFilePath(command[1]) : QString();
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Sortilo"));
        SharedFiles::SetDirectory(SharedFiles::FindBeside(QCoreApplication::applicationDirPath()));
        ResourceModule texts;
        texts.LoadFor(ResourceModule::CurrentLocaleName(), SharedFiles::Directory());
        const EventFolder::Result folder = EventFolder::Choose(
            parser.value(event), QString(), QDir::currentPath(), SharedFiles::Directory());
        if (folder.directory.isEmpty()) {
            ShowMessage(folder.error);
            return 1;
        }
        QDir::setCurrent(folder.directory);
        if (command[0] == QLatin1String("serve-checkin")) {
            // Serves until Ctrl+C or SIGTERM ends the event loop.
            QuitSignals::Install();
            return CommandLine::ServeCheckin(folder.directory, static_cast<quint16>(portNumber));
        }
        return CommandLine::Run(command[0], file, folder.directory);
    }

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
    // Ties the windows to the menu entry, for the desktop's task bar and window icons.
    QApplication::setDesktopFileName(QStringLiteral("io.github.sortilo.Sortilo"));

    // The boxes shown before the event opens (its folder, its lock) speak the locale's language,
    // from the module shipped with the program.
    SharedFiles::SetDirectory(SharedFiles::FindBeside(QCoreApplication::applicationDirPath()));
    ResourceModule shippedTexts;
    shippedTexts.LoadFor(ResourceModule::CurrentLocaleName(), SharedFiles::Directory());

    WidgetMessageService messages;
    MessageService::Install(&messages);
    // From here on SIGTERM and SIGINT close the program normally (a demo event's folder goes too).
    QuitSignals::Install();

    std::unique_ptr<QTemporaryDir> demoFolder;
    if (parser.isSet(demo)) {
        demoFolder = std::make_unique<QTemporaryDir>();
        if (!demoFolder->isValid()) {
            ShowMessage(QCoreApplication::translate("EventFolder", "无法新建演示活动：%1")
                            .arg(demoFolder->errorString()));
            MessageService::Install(nullptr);
            return 1;
        }
    }
    const EventFolder::Result folder =
        EventFolder::Choose(parser.value(event), demoFolder ? demoFolder->path() : QString(),
                            QDir::currentPath(), SharedFiles::Directory());
    if (folder.directory.isEmpty()) {
        ShowMessage(folder.error);
        MessageService::Install(nullptr);
        return 1;
    }
    QDir::setCurrent(folder.directory);

    // A saved workbook opens in the desktop's spreadsheet program, in the window mode only.
    CExcelApplication::SetDesktopLauncher(&CExcelApplication::OpenWithDesktop);
    const bool isDemo = demoFolder != nullptr;
    CDrawApp app([isDemo, deskOnly](CDrawApp& drawApp) {
        if (deskOnly) {
            SoundPlayer sound;
            CCheckinDlg desk(drawApp.Database(), drawApp.AppDirectory, QSysInfo::machineHostName(),
                             &sound);
            desk.setWindowIcon(CAboutDlg::ProgramIcon());
            desk.showMaximized();
            desk.exec();
            return;
        }
        // Made before the window and gone after it: the window asks it until its end.
        CheckinPageRunner checkinPage(drawApp.AppDirectory, QSysInfo::machineHostName());
        CDrawDlg window(drawApp.Database(), drawApp.AppDirectory);
        window.Checkin().SetPageHost(&checkinPage);
        if (isDemo) {
            DemoMark::Apply(window);
        }
        ConnectOperatorDialogs(window, drawApp.Database(), drawApp.AppDirectory);
        QObject::connect(&window, &CDrawDlg::winnersRecordRequested, &window, [&] {
            // Over the draw window, centred on it like the other dialogs.
            CPrizeRecordDlg record(drawApp.Database(), drawApp.AppDirectory, &window);
            record.setWindowIcon(CAboutDlg::ProgramIcon());
            record.exec();
        });
        window.exec();
    });
    const int code = app.Run();
    MessageService::Install(nullptr);
    return code;
}
