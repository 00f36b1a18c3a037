// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <optional>

class QWidget;

// Where a window really is. A window manager that reparents a frameless window into a frame of
// its own and places it there need not tell the program where the window went: Qt then keeps
// the position it asked for ((0, 0) for a window it let the manager place), and every menu,
// dialog and box placed from it lands beside the window instead of on it.
namespace WindowPosition {

// The top-left corner of widget's window on the screen as the X server shows it; empty off
// X11 and before the window exists on the server.
std::optional<QPoint> OnServer(const QWidget& widget);

// Brings Qt's idea of the window's position in line with the server's (the window does not
// move on the screen). Does nothing where they agree or the server cannot be asked.
void TakeFromServer(QWidget& widget);

} // namespace WindowPosition
