// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Serves the event's check-in page on the local network for the draw window, which only switches
// it on and off and shows its address; the program supplies the server.
class CheckinPageHost
{
public:
    virtual ~CheckinPageHost() = default;
    // Starts serving on port; false with errorText, in the operator's language, when the page
    // cannot be served (the port is taken, the machine has no address on a network, the event's
    // data cannot be opened).
    virtual bool StartPage(quint16 port, QString* errorText) = 0;
    virtual void StopPage() = 0;
    virtual bool IsServing() const = 0;
    // The page's address with its secret, for the QR code; empty while not serving.
    virtual QString PageUrl() const = 0;
};
