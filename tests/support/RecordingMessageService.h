// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MessageService.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

// Records every message box instead of showing it, answers questions with a preset answer,
// and installs itself for its lifetime. Boxes may come from any thread; read the lists once
// those threads have finished.
class RecordingMessageService final : public MessageService
{
public:
    RecordingMessageService() { Install(this); }
    ~RecordingMessageService() override { Install(nullptr); }

    Answer Show(const QString& text, const QString& caption, Buttons buttons) override
    {
        const QMutexLocker lock(&m_mutex);
        texts << text;
        captions << caption;
        details << QString();
        kinds << buttons;
        return buttons == Buttons::Ok ? Answer::Ok : answer;
    }
    void ShowDetailed(const QString& text, const QString& detail) override
    {
        const QMutexLocker lock(&m_mutex);
        texts << text;
        captions << QString();
        details << detail;
        kinds << Buttons::Ok;
    }

    // One entry per box, in order: its text, caption, technical detail and buttons.
    QStringList texts;
    QStringList captions;
    QStringList details;
    QList<Buttons> kinds;
    Answer answer = Answer::No;

private:
    QMutex m_mutex;
};
