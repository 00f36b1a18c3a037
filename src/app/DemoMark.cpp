// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DemoMark.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace {

// Keeps the mark on the window: the tag in its upper right corner, inside its frame, above the
// skin's elements whatever the window's size, and the word in a caption the window sets anew
// as it is first shown.
class MarkKeeper final : public QObject
{
public:
    MarkKeeper(QWidget& window, QLabel& tag, QString suffix)
        : QObject(&tag), m_window(window), m_tag(tag), m_suffix(std::move(suffix))
    {
        window.installEventFilter(this);
        MarkCaption();
        Place();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_window) {
            return false;
        }
        switch (event->type()) {
        case QEvent::WindowTitleChange:
            MarkCaption();
            break;
        case QEvent::Resize:
        case QEvent::Show:
            // After the window's own handling, which may lay out or add the skin's elements.
            QMetaObject::invokeMethod(this, &MarkKeeper::Place, Qt::QueuedConnection);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void MarkCaption()
    {
        const QString title = m_window.windowTitle();
        if (!title.endsWith(m_suffix)) {
            m_window.setWindowTitle(title + m_suffix);
        }
    }
    void Place()
    {
        m_tag.adjustSize();
        const int right = m_window.width() * 6 / 100;
        const int top = m_window.height() * 6 / 100;
        m_tag.move(m_window.width() - right - m_tag.width(), top);
        m_tag.raise();
    }

    QWidget& m_window;
    QLabel& m_tag;
    QString m_suffix;
};

} // namespace

namespace DemoMark {

void Apply(QWidget& window)
{
    auto* tag = new QLabel(QCoreApplication::translate("DemoMark", "演示活动 · 关闭后数据全部删除"),
                           &window);
    tag->setObjectName(QStringLiteral("demoTag"));
    tag->setAttribute(Qt::WA_TransparentForMouseEvents);
    tag->setStyleSheet(QStringLiteral("QLabel { color: #f0f0f0; background: rgba(0, 0, 0, 140);"
                                      " border-radius: 4px; padding: 2px 8px; font-size: 12px; }"));
    new MarkKeeper(window, *tag,
                   QStringLiteral(" — ") + QCoreApplication::translate("DemoMark", "演示活动"));
    tag->show();
}

} // namespace DemoMark
