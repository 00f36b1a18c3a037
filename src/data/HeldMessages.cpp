#include "HeldMessages.h"

#include "MessageService.h"

#include <atomic>
#include <mutex>

namespace {

// Where this thread's boxes go while it holds them; null while it does not.
thread_local QStringList* t_held = nullptr;

// The service installed while any thread holds its boxes. It lives as long as the program, so
// a thread that took it as the current service just before it was put away again still
// reaches a valid service, which passes that thread's box on.
class HoldingService final : public MessageService
{
public:
    Answer Show(const QString& text, const QString& caption, Buttons buttons) override
    {
        if (t_held) {
            t_held->append(text);
            return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
        }
        return m_previous.load()->Show(text, caption, buttons);
    }
    void ShowDetailed(const QString& text, const QString& detail) override
    {
        if (t_held) {
            t_held->append(detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail);
            return;
        }
        m_previous.load()->ShowDetailed(text, detail);
    }

    void Hold()
    {
        const std::lock_guard lock(m_mutex);
        // Someone may have put this service back in place after it was released; it never
        // passes boxes on to itself.
        if (m_holders++ == 0 && &MessageService::Current() != this) {
            m_previous.store(&MessageService::Current());
            Install(this);
        }
    }
    void Release()
    {
        const std::lock_guard lock(m_mutex);
        // A service installed meanwhile by someone else stays.
        if (--m_holders == 0 && &MessageService::Current() == this) {
            Install(m_previous.load());
        }
    }

private:
    std::mutex m_mutex;
    int m_holders = 0;
    std::atomic<MessageService*> m_previous{nullptr};
};

HoldingService& Holder()
{
    static HoldingService service;
    return service;
}

} // namespace

HeldMessages::HeldMessages() : m_outer(t_held)
{
    t_held = &m_texts;
    Holder().Hold();
}

HeldMessages::~HeldMessages()
{
    Holder().Release();
    t_held = m_outer;
}
