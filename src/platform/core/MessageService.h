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
        YesNo
    };
    enum class Answer
    {
        Ok,
        Yes,
        No
    };

    virtual ~MessageService() = default;
    virtual Answer Show(const QString& text, const QString& caption, Buttons buttons) = 0;

    // The service in use. Until one is installed, boxes go to standard error and
    // questions are answered No.
    static MessageService& Current();
    // Installs a service (not owned); nullptr restores the standard-error fallback.
    static void Install(MessageService* service);
};

// Shorthand for the common case: a notice with an OK button and an empty caption.
void ShowMessage(const QString& text);
// A Yes/No question with an empty caption; true for Yes.
bool AskYesNo(const QString& text);
