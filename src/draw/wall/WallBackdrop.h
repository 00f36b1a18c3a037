// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

class WallLayout;
struct WallStyle;

// The still parts of the winners wall, drawn once for a round and a size: a warm glow with faint
// rays and gold confetti, a double gold frame, the title and the count between two gold lines.
namespace WallBackdrop {

QPixmap Draw(const WallLayout& layout, const WallStyle& style, const QString& title,
             const QString& count, qreal dpr);

QColor WithAlpha(QColor colour, int alpha);

} // namespace WallBackdrop
