#pragma once

#include "MessageService.h"

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
        return buttons == Buttons::Ok ? Answer::Ok : answer;
    }

    QStringList texts;
    QStringList captions;
    Answer answer = Answer::No;

private:
    QMutex m_mutex;
};
