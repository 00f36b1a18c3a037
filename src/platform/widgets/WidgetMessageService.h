// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/MessageService.h"

#include <functional>

class QWidget;

// Message boxes on screen, as the operator sees them. A box asked for on another thread (the
// participant import's worker, for one) is shown on the user-interface thread while the asking
// thread waits for the answer, so no widget is ever touched off that thread. The user-interface
// thread must therefore keep its event loop running while a worker may report: it must not
// wait for such a worker to finish without processing events.
class WidgetMessageService final : public MessageService
{
public:
    using BoxFunction =
        std::function<Answer(const QString& text, const QString& caption, Buttons buttons)>;

    // showBox replaces the modal box (tests); it is always called on the user-interface thread.
    explicit WidgetMessageService(BoxFunction showBox = {});

    Answer Show(const QString& text, const QString& caption, Buttons buttons) override;
    // On screen the detail sits behind the box's "Show Details..." button.
    void ShowDetailed(const QString& text, const QString& detail) override;
    // On screen with the information sign.
    void ShowInformation(const QString& text) override;

    // The narrowest box, so that the title bar shows its caption instead of cutting it short.
    static constexpr int MinimumBoxWidth = 320;

    // The window a box opens over: the program's topmost modal dialog (else its active window),
    // or a window of the program that stays on top of it (the import's results), since a box
    // over the dialog would open beneath that window and wait there unseen. Null when the
    // program shows no window.
    static QWidget* BoxParent();

private:
    // The sign follows the kind of box: a question for Yes/No, a warning for other notices
    // unless information is asked for.
    static Answer ShowBox(const QString& text, const QString& caption, Buttons buttons,
                          const QString& detail = QString(), bool information = false);
    // Runs box on the user-interface thread, waiting for it from any other thread.
    Answer OnUiThread(const std::function<Answer()>& box, Answer fallback);

    BoxFunction m_showBox;
    bool m_customBox = false;
};
