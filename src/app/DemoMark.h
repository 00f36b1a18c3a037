// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Marks the draw window of a throw-away demo event: its caption says so, and a small grey tag
// in the window's upper right corner, in the style of a note rather than of a result, tells the
// operator and the audience that nothing drawn here is kept.
namespace DemoMark {

void Apply(QWidget& window);

} // namespace DemoMark
