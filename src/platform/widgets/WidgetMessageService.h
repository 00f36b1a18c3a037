#pragma once

#include "MessageService.h"

// Message boxes on screen, as the operator sees them.
class WidgetMessageService final : public MessageService
{
public:
    Answer Show(const QString& text, const QString& caption, Buttons buttons) override;
};
