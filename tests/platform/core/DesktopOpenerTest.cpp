// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/DesktopOpener.h"
#include "support/RecordingMessageService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Serves the event loop for ms milliseconds.
void Serve(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

} // namespace

// An opener that fails or cannot start leaves the operator the path; one that succeeds says
// nothing. A request from another thread is served on the application's.
TEST(DesktopOpener, SaysWhereTheFileIsOnlyWhenNothingOpensIt)
{
    RecordingMessageService messages;
    const QString failure = QStringLiteral("saved at %1");
    for (const char* command : {"false", "/nonexistent/opener", "true"}) {
        messages.texts.clear();
        DesktopOpener::SetCommand(QLatin1String(command));
        QThread* thread = QThread::create([&] { DesktopOpener::Open("/tmp/a b.xlsx", failure); });
        thread->start();
        thread->wait();
        delete thread;
        Serve(1500);
        const QStringList expected =
            qstrcmp(command, "true") == 0 ? QStringList() : QStringList{"saved at /tmp/a b.xlsx"};
        EXPECT_EQ(messages.texts, expected) << command;
    }
    DesktopOpener::SetCommand(QString());
}
