// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every message box of the program goes through the installed service, so tests can answer
// boxes without a screen and nothing ever blocks on a modal box that no one can see.
class MessageService
{
public:
    enum class Buttons
    {
        Ok,
        YesNo,
        // A question whose Yes destroys data: No is the default, so Return keeps the data.
        YesNoDefaultNo
    };
    enum class Answer
    {
        Ok,
        Yes,
        No
    };

    virtual ~MessageService() = default;
    virtual Answer Show(const QString& text, const QString& caption, Buttons buttons) = 0;
    // A notice whose technical detail (a driver's words) is kept apart from what the operator
    // reads; by default the detail follows the text after a blank line.
    virtual void ShowDetailed(const QString& text, const QString& detail);
    // A notice that something went as asked (an import finished, a file saved): on screen it
    // carries the information sign instead of the warning sign of ShowMessage. By default it is
    // shown like any notice.
    virtual void ShowInformation(const QString& text);

    // The service in use. Until one is installed, boxes go to standard error and
    // questions are answered No.
    static MessageService& Current();
    // Installs a service (not owned); nullptr restores the standard-error fallback.
    static void Install(MessageService* service);
};

// Shorthand for the common case: a notice (a warning) with an OK button and an empty caption.
void ShowMessage(const QString& text);
// A notice with a technical detail (see MessageService::ShowDetailed).
void ShowMessage(const QString& text, const QString& detail);
// A notice of success (see MessageService::ShowInformation).
void ShowInformation(const QString& text);
// A Yes/No question with an empty caption; true for Yes.
bool AskYesNo(const QString& text);
// A Yes/No question whose Yes destroys data; No is the default button. True for Yes.
bool ConfirmDestructive(const QString& text);
