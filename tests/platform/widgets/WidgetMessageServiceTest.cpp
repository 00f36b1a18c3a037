// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/WidgetMessageService.h"
#include "data/CAdoDatabase.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct Shown
{
    QString text;
    MessageService::Buttons buttons;
    bool onGuiThread;
};

} // namespace

// The import worker's situation: a statement fails on a worker thread with its own connection.
// The box must appear on the user-interface thread, in order, and the worker gets the answer.
TEST(WidgetMessageService, BoxesFromAWorkerAreShownOnTheUserInterfaceThread)
{
    QList<Shown> shown;
    WidgetMessageService service(
        [&](const QString& text, const QString&, MessageService::Buttons buttons) {
            shown.append({text, buttons, QThread::currentThread() == qApp->thread()});
            return buttons == MessageService::Buttons::Ok ? MessageService::Answer::Ok
                                                          : MessageService::Answer::Yes;
        });
    MessageService::Install(&service);

    TestDatabase test;
    ASSERT_TRUE(test.ok());
    const DatabaseTarget target = test.db().Target();
    bool connected = false;
    bool failed = false;
    bool answeredYes = false;
    QThread* worker = QThread::create([&] {
        CAdoDatabase db;
        connected = db.ConnectDatabase(target);
        failed = !db.OpenQuery(QStringLiteral("insert into nosuchtable values(1)"));
        answeredYes = AskYesNo(QStringLiteral("continue?"));
    });
    bool finished = false;
    QObject::connect(worker, &QThread::finished, [&] { finished = true; });
    worker->start();
    // The user-interface thread keeps its event loop running while the worker may report.
    while (!finished) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    worker->wait();
    delete worker;
    MessageService::Install(nullptr);

    EXPECT_TRUE(connected);
    EXPECT_TRUE(failed);
    EXPECT_TRUE(answeredYes);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("Error: "))) << shown[0].text.toStdString();
    EXPECT_EQ(shown[1].buttons, MessageService::Buttons::YesNo);
    EXPECT_TRUE(shown[0].onGuiThread);
    EXPECT_TRUE(shown[1].onGuiThread);

    // On the user-interface thread itself the box is shown directly.
    service.Show(QStringLiteral("here"), QString(), MessageService::Buttons::Ok);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(shown[2].onGuiThread);
}

TEST(WidgetMessageService, EachKindOfBoxCarriesItsSignAndIsWideEnoughForItsCaption)
{
    WidgetMessageService service;
    QList<QMessageBox::Icon> icons;
    QList<int> widths;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            icons << box->icon();
            widths << box->width();
            box->done(QMessageBox::No);
        }
    });
    closer.start(10);
    service.ShowInformation(QStringLiteral("完成导入！"));
    service.Show(QStringLiteral("失败"), QString(), MessageService::Buttons::Ok);
    service.Show(QStringLiteral("?"), QString(), MessageService::Buttons::YesNoDefaultNo);
    EXPECT_EQ(icons, (QList<QMessageBox::Icon>{QMessageBox::Information, QMessageBox::Warning,
                                               QMessageBox::Question}));
    for (const int width : widths) {
        EXPECT_GE(width, WidgetMessageService::MinimumBoxWidth);
    }
}

TEST(WidgetMessageService, ABoxOpensOverTheWindowThatStaysOnTopOfItsDialog)
{
    WidgetMessageService service;
    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    QWidget results(&dialog, Qt::Window | Qt::WindowStaysOnTopHint);
    results.show();
    QWidget unrelated(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    QList<QWidget*> parents;
    QList<bool> onTop;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            parents << box->parentWidget();
            onTop << box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box->done(QMessageBox::Ok);
        }
    });
    closer.start(10);
    service.ShowInformation(QStringLiteral("完成导入！"));
    results.hide();
    unrelated.show(); // another dialog's window: the box stays with its own dialog
    service.Show(QStringLiteral("失败"), QString(), MessageService::Buttons::Ok);
    EXPECT_EQ(parents, (QList<QWidget*>{&results, &dialog}));
    EXPECT_EQ(onTop, (QList<bool>{true, false}));
}
