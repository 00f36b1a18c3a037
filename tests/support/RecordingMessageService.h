// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/MessageService.h"

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
        Record(text, caption, QString(), buttons, false);
        return buttons == Buttons::Ok ? Answer::Ok : answer;
    }
    void ShowDetailed(const QString& text, const QString& detail) override
    {
        Record(text, QString(), detail, Buttons::Ok, false);
    }
    void ShowInformation(const QString& text) override
    {
        Record(text, QString(), QString(), Buttons::Ok, true);
    }

    // One entry per box, in order: its text, caption, technical detail and buttons.
    QStringList texts;
    QStringList captions;
    QStringList details;
    QList<Buttons> kinds;
    // Per box: shown as information (ShowInformation) rather than as a warning or question.
    QList<bool> informations;
    Answer answer = Answer::No;

private:
    void Record(const QString& text, const QString& caption, const QString& detail, Buttons buttons,
                bool information)
    {
        const QMutexLocker lock(&m_mutex);
        texts << text;
        captions << caption;
        details << detail;
        kinds << buttons;
        informations << information;
    }

    QMutex m_mutex;
};
