// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/DesktopOpener.h"

#include "platform/core/MessageService.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QThread>

namespace {

QMutex g_commandMutex;
QString g_command;

QString Command()
{
    const QMutexLocker lock(&g_commandMutex);
    return g_command.isEmpty() ? QStringLiteral("xdg-open") : g_command;
}

void Start(const QString& path, const QString& failureText)
{
    // Some desktops' openers wait until the opened program ends: the process is not waited
    // for, only watched, and killed with the program's end (the opened program stays).
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(Command());
    process->setArguments({path});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    const QString text = failureText.arg(QDir::toNativeSeparators(path));
    QObject::connect(process, &QProcess::finished, process,
                     [process, text](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || code != 0) {
                             ShowMessage(text);
                         }
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, text](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             process->deleteLater();
                             ShowMessage(text);
                         }
                     });
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, process,
                     [process] {
                         process->disconnect();
                         process->kill();
                         process->waitForFinished(1000);
                     });
    process->start();
}

} // namespace

namespace DesktopOpener {

void Open(const QString& path, const QString& failureText)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) {
        return;
    }
    if (QThread::currentThread() == application->thread()) {
        Start(path, failureText);
    } else {
        QMetaObject::invokeMethod(
            application, [path, failureText] { Start(path, failureText); }, Qt::QueuedConnection);
    }
}

void SetCommand(const QString& program)
{
    const QMutexLocker lock(&g_commandMutex);
    g_command = program;
}

} // namespace DesktopOpener
