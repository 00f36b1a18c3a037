// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/core/SkinDescription.h"

#include <QImage>
#include <QRegion>

#include <limits>
#include <optional>

// The region of all pixels of mask that are not transparent. A pixel is transparent when each
// of its red, green and blue values lies in [c, min(255, c + t)], c and t being the channel's
// value in transparent and tolerance (colour values 0x00BBGGRR). Runs of opaque pixels are
// collected row by row and merged into the result once a row brings the batch to batchSize runs;
// the region does not depend on batchSize. A null mask gives no region; a mask without opaque
// pixels gives an empty region. A region that would need more than maxRectangles rectangles
// (rows whose runs repeat the row above count once) gives no region either, and sets
// *tooComplex when given; the scan stops there, so its memory stays bounded.
std::optional<QRegion> BitmapToRegion(const QImage& mask, SkinColour transparent,
                                      SkinColour tolerance, int batchSize = 2000,
                                      int maxRectangles = std::numeric_limits<int>::max(),
                                      bool* tooComplex = nullptr);

// Most rectangles a window shape may have. The shape goes to the display server in one request,
// and a server without the big-request extension takes at most 262,140 bytes in one: 32,765
// rectangles of 8 bytes. A smooth outline needs about one rectangle a row (an 8,192-pixel-high
// ellipse with a hole takes some 16,000); a mask past the bound leaves the window rectangular.
constexpr int MaxMaskRectangles = 32000;
