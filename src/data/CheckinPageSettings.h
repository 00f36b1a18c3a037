// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Whether the draw program serves the check-in page on the local network, and on which port:
// kept in the event's "config.ini" in a section of its own, so the event settings' keys stay as
// they are. An event that never touched it serves nothing.
struct CheckinPageSettings
{
    static constexpr const char* Section = "CHECKINPAGE";
    static constexpr quint16 DefaultPort = 8080;

    bool serve = false;         // key SERVE: 1 serves the page while the draw window is open
    quint16 port = DefaultPort; // key PORT: 1..65535; anything else reads as the default

    static CheckinPageSettings Read(const QString& path);
    // Writes both keys, keeping whatever else the file holds. Atomic; false with errorText when
    // it failed.
    bool Write(const QString& path, QString* errorText = nullptr) const;
};
