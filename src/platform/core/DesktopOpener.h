// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Opens a file with the desktop's default program (xdg-open) without waiting for that program.
// The desktop's opener reports no failure on screen: when it cannot start or ends with a failure
// (no program for the file type, say), the operator is shown failureText (%1: the file's path)
// instead, so a saved file is never lost from sight. Callable from any thread; the opener runs
// on the application's thread.
namespace DesktopOpener {

void Open(const QString& path, const QString& failureText);

// The program run with the file as its only argument; tests put a stand-in. Empty restores
// xdg-open.
void SetCommand(const QString& program);

} // namespace DesktopOpener
