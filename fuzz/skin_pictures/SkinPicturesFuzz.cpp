// SPDX-License-Identifier: GPL-3.0-or-later
// A skin picture: decoding (format taken from the content), the window shape built from it as a
// mask, and the pieces cut from it for the elements.
#include "skin/core/BitmapToRegion.h"
#include "support/FuzzSupport.h"
#include "skin/core/SkinPictures.h"

#include <QImageReader>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Pictures that decode to more than a million pixels only spend the run's time filling memory
    // (a few bytes of a BMP header can ask for that); keep the runs on the parsing.
    QImageReader::setAllocationLimit(4);
    const QString path =
        FuzzSupport::WriteScratchFile(FuzzSupport::Bytes(data, size), QStringLiteral(".pic"));
    QSize pictureSize;
    const QImage picture = LoadPictureFile(path, &pictureSize);
    FUZZ_CHECK(picture.size() == pictureSize);
    if (picture.isNull()) {
        FUZZ_CHECK(pictureSize == QSize(0, 0));
        return 0;
    }

    // As the window's mask (white is outside), and with a colour range taken from the input;
    // the shape never depends on how the rows are batched.
    const auto shape = BitmapToRegion(picture, 0xFFFFFF, 0x101010);
    FUZZ_CHECK(shape && (shape->isEmpty() || picture.rect().contains(shape->boundingRect())));
    const SkinColour colour = size > 0 ? data[size - 1] * 0x010101u : 0;
    const auto batched = BitmapToRegion(picture, colour, 0x3F3F3F, 3);
    const auto whole = BitmapToRegion(picture, colour, 0x3F3F3F);
    FUZZ_CHECK(batched && whole && batched->xored(*whole).isEmpty());
    // A bound on the rectangles either gives the same shape or none, said as too complex.
    bool tooComplex = false;
    const auto bounded = BitmapToRegion(picture, colour, 0x3F3F3F, 3, 16, &tooComplex);
    FUZZ_CHECK(bounded ? !tooComplex && bounded->xored(*whole).isEmpty()
                       : tooComplex && whole->rectCount() > 0);

    // An element reaching past the picture's corner.
    const QRect rect(pictureSize.width() / 2, pictureSize.height() / 2, 40, 30);
    QImage piece;
    CutBitmap(piece, picture, rect);
    FUZZ_CHECK(piece.size() == rect.size());
    // One wholly inside, which may share the picture's pixels.
    CutBitmap(piece, picture,
              QRect(0, 0, pictureSize.width() / 2 + 1, pictureSize.height() / 2 + 1));
    FUZZ_CHECK(piece.pixel(0, 0) == picture.pixel(0, 0) || qAlpha(picture.pixel(0, 0)) == 0);
    return 0;
}
