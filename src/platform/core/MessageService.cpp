// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/MessageService.h"

#include <atomic>
#include <cstdio>

namespace {

class StandardErrorMessages final : public MessageService
{
public:
    Answer Show(const QString& text, const QString& caption, Buttons buttons) override
    {
        const QByteArray line =
            (caption.isEmpty() ? text : caption + QStringLiteral(": ") + text).toUtf8();
        std::fprintf(stderr, "%s\n", line.constData());
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
};

StandardErrorMessages g_fallback;
std::atomic<MessageService*> g_installed{nullptr};

} // namespace

MessageService& MessageService::Current()
{
    MessageService* service = g_installed.load();
    return service ? *service : g_fallback;
}

void MessageService::Install(MessageService* service)
{
    g_installed.store(service);
}

void MessageService::ShowDetailed(const QString& text, const QString& detail)
{
    Show(detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail, QString(), Buttons::Ok);
}

void MessageService::ShowInformation(const QString& text)
{
    Show(text, QString(), Buttons::Ok);
}

void ShowInformation(const QString& text)
{
    MessageService::Current().ShowInformation(text);
}

void ShowMessage(const QString& text, const QString& detail)
{
    MessageService::Current().ShowDetailed(text, detail);
}

void ShowMessage(const QString& text)
{
    MessageService::Current().Show(text, QString(), MessageService::Buttons::Ok);
}

bool AskYesNo(const QString& text)
{
    return MessageService::Current().Show(text, QString(), MessageService::Buttons::YesNo) ==
           MessageService::Answer::Yes;
}

bool ConfirmDestructive(const QString& text)
{
    return MessageService::Current().Show(text, QString(),
                                          MessageService::Buttons::YesNoDefaultNo) ==
           MessageService::Answer::Yes;
}
