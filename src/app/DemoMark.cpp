// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DemoMark.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace {

// Keeps the tag in the window's upper right corner, inside its frame, whatever its size.
class TagPlacer final : public QObject
{
public:
    TagPlacer(QWidget& window, QLabel& tag) : QObject(&tag), m_window(window), m_tag(tag)
    {
        window.installEventFilter(this);
        Place();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window &&
            (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
            Place();
        }
        return false;
    }

private:
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
};

} // namespace

namespace DemoMark {

void Apply(QWidget& window)
{
    const QString mark = QCoreApplication::translate("DemoMark", "演示活动");
    window.setWindowTitle(window.windowTitle() + QStringLiteral(" — ") + mark);
    auto* tag = new QLabel(QCoreApplication::translate("DemoMark", "演示活动 · 关闭后数据全部删除"),
                           &window);
    tag->setObjectName(QStringLiteral("demoTag"));
    tag->setAttribute(Qt::WA_TransparentForMouseEvents);
    tag->setStyleSheet(QStringLiteral("QLabel { color: #f0f0f0; background: rgba(0, 0, 0, 140);"
                                      " border-radius: 4px; padding: 2px 8px; font-size: 12px; }"));
    new TagPlacer(window, *tag);
    tag->show();
}

} // namespace DemoMark
