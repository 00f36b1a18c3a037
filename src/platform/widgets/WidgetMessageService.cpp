// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/WidgetMessageService.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>
#include <QWidget>

#include <algorithm>

WidgetMessageService::WidgetMessageService(BoxFunction showBox)
    : m_customBox(static_cast<bool>(showBox))
{
    m_showBox = showBox
                    ? std::move(showBox)
                    : BoxFunction([](const QString& text, const QString& caption, Buttons buttons) {
                          return ShowBox(text, caption, buttons);
                      });
}

MessageService::Answer WidgetMessageService::OnUiThread(const std::function<Answer()>& box,
                                                        Answer fallback)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() == application->thread()) {
        return box();
    }
    // Notices wait too: a worker failing row after row then shows one box at a time instead of
    // stacking boxes, each inside the event loop of the one before.
    Answer answer = fallback;
    QMetaObject::invokeMethod(
        application, [&] { answer = box(); }, Qt::BlockingQueuedConnection);
    return answer;
}

MessageService::Answer WidgetMessageService::Show(const QString& text, const QString& caption,
                                                  Buttons buttons)
{
    return OnUiThread([&] { return m_showBox(text, caption, buttons); },
                      buttons == Buttons::Ok ? Answer::Ok : Answer::No);
}

void WidgetMessageService::ShowDetailed(const QString& text, const QString& detail)
{
    if (m_customBox) {
        MessageService::ShowDetailed(text, detail);
        return;
    }
    OnUiThread([&] { return ShowBox(text, QString(), Buttons::Ok, detail); }, Answer::Ok);
}

void WidgetMessageService::ShowInformation(const QString& text)
{
    if (m_customBox) {
        MessageService::ShowInformation(text);
        return;
    }
    OnUiThread([&] { return ShowBox(text, QString(), Buttons::Ok, QString(), true); }, Answer::Ok);
}

namespace {

// True when window was opened over owner (its parent, or its parent's parent, and so on).
bool BelongsTo(const QWidget* window, const QWidget* owner)
{
    for (const QWidget* w = window; w; w = w->parentWidget()) {
        if (w == owner) {
            return true;
        }
    }
    return false;
}

} // namespace

QWidget* WidgetMessageService::BoxParent()
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) {
        owner = QApplication::activeWindow();
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && !window->isMinimized() &&
            window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
            (!owner || BelongsTo(window, owner))) {
            return window;
        }
    }
    return owner;
}

MessageService::Answer WidgetMessageService::ShowBox(const QString& text, const QString& caption,
                                                     Buttons buttons, const QString& detail,
                                                     bool information)
{
    const QMessageBox::Icon icon = buttons != Buttons::Ok ? QMessageBox::Question
                                   : information          ? QMessageBox::Information
                                                          : QMessageBox::Warning;
    const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
    QWidget* parent = BoxParent();
    QMessageBox box(icon, title, text,
                    buttons == Buttons::Ok ? QMessageBox::Ok : (QMessageBox::Yes | QMessageBox::No),
                    parent);
    // Over a window that stays on top the box stays on top too, whatever the window manager
    // makes of a transient window.
    if (parent && parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    // A message box sizes itself to its text and ignores a minimum width; a spacer in its
    // grid holds it wide enough for the title (with room for the title bar's buttons).
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width =
            std::max(MinimumBoxWidth, box.fontMetrics().horizontalAdvance(title) + 160);
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (buttons == Buttons::YesNoDefaultNo) {
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    }
    if (!detail.isEmpty()) {
        box.setDetailedText(detail);
    }
    const int result = box.exec();
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
