#include "WidgetMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>

WidgetMessageService::WidgetMessageService(BoxFunction showBox)
    : m_showBox(showBox ? std::move(showBox) : BoxFunction(&WidgetMessageService::ShowBox))
{}

MessageService::Answer WidgetMessageService::Show(const QString& text, const QString& caption,
                                                  Buttons buttons)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() == application->thread()) {
        return m_showBox(text, caption, buttons);
    }
    // Notices wait too: a worker failing row after row then shows one box at a time instead of
    // stacking boxes, each inside the event loop of the one before.
    Answer answer = buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    QMetaObject::invokeMethod(
        application, [&] { answer = m_showBox(text, caption, buttons); },
        Qt::BlockingQueuedConnection);
    return answer;
}

MessageService::Answer WidgetMessageService::ShowBox(const QString& text, const QString& caption,
                                                     Buttons buttons)
{
    QMessageBox box(buttons == Buttons::Ok ? QMessageBox::Warning : QMessageBox::Question,
                    caption.isEmpty() ? QApplication::applicationDisplayName() : caption, text,
                    buttons == Buttons::Ok ? QMessageBox::Ok : (QMessageBox::Yes | QMessageBox::No),
                    QApplication::activeWindow());
    const int result = box.exec();
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
