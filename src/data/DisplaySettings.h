// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the draw window is shown for this event: kept in the event's "config.ini" in a section of
// its own, so the event settings' keys stay exactly as they are.
namespace DisplaySettings {

constexpr const char* Section = "DISPLAY";
// 1 when the draw window fills its screen (presentation), 0 or missing for the skin's own size.
constexpr const char* PresentationKey = "PRESENTATION";

bool ReadPresentation(const QString& path);
// Writes the key, keeping whatever else the file holds. False with errorText when it failed.
bool WritePresentation(const QString& path, bool on, QString* errorText = nullptr);

} // namespace DisplaySettings
