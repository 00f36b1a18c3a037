// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/core/SkinNotifications.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>

#include <functional>

// Sends one mouse event straight to a widget, with the buttons held during it, as the window
// system would deliver it to the widget under the pointer or holding the grab.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos,
                      Qt::MouseButton button = Qt::NoButton,
                      Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void MoveMouse(QWidget* widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    SendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, buttons);
}

// A parent window that writes down every element notification, e.g. "button 2" or
// "slider 0 4 17"; mouse movement is counted separately.
class RecordingOwner : public QWidget, public SkinNotifications
{
public:
    void OnSkinButtonIndex(int index) override
    {
        reports << QStringLiteral("button %1").arg(index);
        if (onButton) {
            onButton(index);
        }
    }
    void OnSkinSliderIndex(int index, int scrollCode, int position) override
    {
        reports << QStringLiteral("slider %1 %2 %3").arg(index).arg(scrollCode).arg(position);
    }
    void OnSkinProgressIndex(int index) override
    {
        reports << QStringLiteral("progress %1").arg(index);
    }
    void OnSkinTextIndex(int index) override { reports << QStringLiteral("text %1").arg(index); }
    void OnSkinMouseMove(const QString& name, const QPoint&) override { moves << name; }

    QStringList reports;
    QStringList moves;
    std::function<void(int)> onButton;
};
