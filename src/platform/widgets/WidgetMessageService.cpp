#include "WidgetMessageService.h"

#include <QApplication>
#include <QMessageBox>

MessageService::Answer WidgetMessageService::Show(const QString& text, const QString& caption,
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
