// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/core/SkinDescription.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// Picture helpers shared by the skinned dialog and its element controls. An empty (null)
// picture is accepted everywhere and then nothing happens.

// What a skin picture may ask for. A 4K projector needs 3840 x 2160 (33 MB decoded); the bounds
// leave room for that and keep a hostile file from taking the machine's memory.
namespace PictureLimits {
constexpr int MaxSide = 8192;                    // pixels, either way
constexpr qint64 MaxPixels = 32LL * 1024 * 1024; // 128 MB at four bytes a pixel
constexpr qint64 MaxFileBytes = 256LL * 1024 * 1024;
} // namespace PictureLimits

// Decodes a picture file (BMP, JPEG, GIF, PNG; the format is taken from the content). A missing,
// unreadable or undecodable file, or a path naming a directory, gives a null 0 x 0 picture.
// So does a picture past PictureLimits, which is refused before it is decoded. problem, when
// given, receives a sentence naming the file and why when a file was refused or could not be
// decoded (and is left alone otherwise).
// size, when given, receives the picture's size (0 x 0 on failure).
QImage LoadPictureFile(const QString& path, QSize* size = nullptr, QString* problem = nullptr);

// Makes target a copy of rect of source, of rect's size; the part of rect outside the source
// comes out black. An empty source leaves target as it was. rect is in the source's
// device-independent pixels: a picture made for a high-density screen keeps its density.
// A rect wholly inside a 32-bit source without fully transparent pixels in it is not copied:
// target then shares the source's pixels (read-only; a change to it copies first).
void CutBitmap(QImage& target, const QImage& source, const QRect& rect);

// picture made ready for cutting pieces of a face of size pixels: padded with black to at
// least that size and with fully transparent pixels made black, as CutBitmap would make them.
// Every piece inside size then shares its pixels (no copy per element). The picture itself is
// returned, unchanged and shared, when it needs neither.
QImage PreparedForCutting(const QImage& picture, const QSize& size);

// Copies picture 1:1 (in device-independent pixels) from its top-left corner into rect (no scaling:
// the part of the picture beyond rect's size is left out). A null picture draws nothing.
void DrawBitmap(QPainter& painter, const QImage& picture, const QRect& rect);

// A skin colour value 0x00BBGGRR as a colour.
QColor ColourFromSkinValue(SkinColour value);
