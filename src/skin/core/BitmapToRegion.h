// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinDescription.h"

#include <QImage>
#include <QRegion>

#include <optional>

// The region of all pixels of mask that are not transparent. A pixel is transparent when each
// of its red, green and blue values lies in [c, min(255, c + t)], c and t being the channel's
// value in transparent and tolerance (colour values 0x00BBGGRR). Runs of opaque pixels are
// collected row by row and merged into the result once a row brings the batch to batchSize runs;
// the region does not depend on batchSize. A null mask gives no region; a mask without opaque
// pixels gives an empty region.
std::optional<QRegion> BitmapToRegion(const QImage& mask, SkinColour transparent,
                                      SkinColour tolerance, int batchSize = 2000);
