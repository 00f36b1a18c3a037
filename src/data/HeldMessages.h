#pragma once

#include <QString>
#include <QStringList>

// Holds back the message boxes that the current thread shows while an instance lives, keeping
// their texts, so that a caller that reports a failure in words of its own shows one box instead
// of the database layer's box followed by its own. Boxes of other threads are shown as usual;
// a question asked on this thread meanwhile is answered No. Instances may nest and may live on
// several threads at once.
class HeldMessages
{
public:
    HeldMessages();
    ~HeldMessages();
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;

    // The boxes held back, in order; a technical detail follows its text after a blank line.
    const QStringList& Texts() const { return m_texts; }

private:
    QStringList m_texts;
    QStringList* m_outer = nullptr;
};
