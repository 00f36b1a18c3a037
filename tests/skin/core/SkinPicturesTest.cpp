// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/core/SkinPictures.h"
#include "skin/core/BitmapToRegion.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QImage Filled(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The region as the sorted list of its rectangles, for exact comparison.
QList<QRect> Rects(const QRegion& region)
{
    return QList<QRect>(region.begin(), region.end());
}

} // namespace

TEST(LoadPictureFile, ReadsEveryFormatByContentAndNeverFails)
{
    QTemporaryDir dir;
    const QImage source = Filled(7, 5, QColor(200, 10, 20));
    for (const char* format : {"BMP", "JPEG", "PNG"}) {
        // A misleading extension: the content decides.
        const QString path = dir.filePath(QStringLiteral("pic_%1.dat").arg(format));
        ASSERT_TRUE(source.save(path, format)) << format;
        QSize size;
        const QImage picture = LoadPictureFile(path, &size);
        EXPECT_EQ(size, QSize(7, 5)) << format;
        EXPECT_EQ(picture.size(), QSize(7, 5)) << format;
    }

    // Qt reads GIF but does not write it: a 3 x 2 red GIF.
    const QString gif = dir.filePath(QStringLiteral("red.gif"));
    QFile gifFile(gif);
    ASSERT_TRUE(gifFile.open(QIODevice::WriteOnly));
    gifFile.write(QByteArray::fromHex("47494638396103000200f00000ff000000000021f904000000"
                                      "00002c0000000003000200000202845f003b"));
    gifFile.close();
    const QImage red = LoadPictureFile(gif);
    ASSERT_EQ(red.size(), QSize(3, 2));
    EXPECT_EQ(red.pixelColor(2, 1), QColor(Qt::red));

    QSize size(1, 1);
    EXPECT_TRUE(LoadPictureFile(dir.filePath(QStringLiteral("missing.bmp")), &size).isNull());
    EXPECT_EQ(size, QSize(0, 0));
    // An empty skin key names the skin folder itself.
    EXPECT_TRUE(LoadPictureFile(dir.path() + u'/', &size).isNull());
    EXPECT_EQ(size, QSize(0, 0));

    const QString garbage = dir.filePath(QStringLiteral("garbage.bmp"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a bitmap at all");
    file.close();
    EXPECT_TRUE(LoadPictureFile(garbage, &size).isNull());
    EXPECT_EQ(size, QSize(0, 0));
}

TEST(CutAndDrawBitmap, EmptyPicturesChangeNothing)
{
    QImage target = Filled(3, 3, Qt::green);
    CutBitmap(target, QImage(), QRect(0, 0, 2, 2));
    EXPECT_EQ(target, Filled(3, 3, Qt::green));

    QImage canvas = Filled(4, 4, Qt::blue);
    {
        QPainter painter(&canvas);
        DrawBitmap(painter, QImage(), QRect(0, 0, 4, 4));
    }
    EXPECT_EQ(canvas, Filled(4, 4, Qt::blue));
}

TEST(CutAndDrawBitmap, CutsAtTheRectangleAndDrawsOneToOne)
{
    QImage source = Filled(10, 10, Qt::white);
    source.setPixelColor(4, 5, Qt::red);
    QImage piece;
    CutBitmap(piece, source, QRect(4, 5, 3, 2));
    ASSERT_EQ(piece.size(), QSize(3, 2));
    EXPECT_EQ(piece.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(piece.pixelColor(1, 0), QColor(Qt::white));

    // A rectangle reaching beyond the picture keeps its size; the outside part is black.
    CutBitmap(piece, source, QRect(8, 8, 4, 4));
    ASSERT_EQ(piece.size(), QSize(4, 4));
    EXPECT_EQ(piece.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(piece.pixelColor(3, 3), QColor(Qt::black));

    // Drawing copies 1:1 from the picture's top-left corner, never scaled.
    QImage canvas = Filled(6, 6, Qt::blue);
    {
        QPainter painter(&canvas);
        DrawBitmap(painter, source, QRect(1, 1, 4, 5));
    }
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(4, 5), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(5, 5), QColor(Qt::blue));
}

TEST(CutAndDrawBitmap, PiecesInsideThePictureShareItsPixels)
{
    QImage source = Filled(100, 100, Qt::white);
    source.setPixelColor(10, 20, Qt::red);
    QImage piece;
    CutBitmap(piece, source, QRect(10, 20, 50, 50));
    // No copy: the piece reads the picture's own memory.
    EXPECT_EQ(piece.constBits(), source.constBits() + 20 * source.bytesPerLine() + 10 * 4);
    EXPECT_EQ(piece.pixelColor(0, 0), QColor(Qt::red));
    // A change to the piece copies it first and leaves the picture alone; the piece outlives
    // the picture.
    piece.setPixelColor(1, 0, Qt::green);
    EXPECT_EQ(source.pixelColor(11, 20), QColor(Qt::white));
    source = QImage();
    EXPECT_EQ(piece.pixelColor(1, 0), QColor(Qt::green));
}

TEST(SkinColours, WindowsColourValuesAreBlueGreenRed)
{
    EXPECT_EQ(ColourFromSkinValue(255), QColor(255, 0, 0));
    EXPECT_EQ(ColourFromSkinValue(16711680), QColor(0, 0, 255));
    EXPECT_EQ(ColourFromSkinValue(0x0000FF00), QColor(0, 255, 0));
    EXPECT_EQ(ColourFromSkinValue(16777215), QColor(255, 255, 255));
}

TEST(BitmapToRegion, OnlyPureWhiteIsOutside)
{
    EXPECT_FALSE(BitmapToRegion(QImage(), 0xFFFFFF, 0x101010).has_value());

    const auto white = BitmapToRegion(Filled(20, 10, Qt::white), 0xFFFFFF, 0x101010);
    ASSERT_TRUE(white.has_value());
    EXPECT_TRUE(white->isEmpty());

    QImage mask = Filled(20, 10, Qt::white);
    mask.setPixelColor(3, 2, QColor(254, 255, 255));
    mask.setPixelColor(4, 2, QColor(255, 255, 254));
    mask.setPixelColor(10, 9, Qt::black);
    const auto region = BitmapToRegion(mask, 0xFFFFFF, 0x101010);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(Rects(*region), (QList<QRect>{QRect(3, 2, 2, 1), QRect(10, 9, 1, 1)}));

    // Rows with the same runs make one band.
    QImage block = Filled(20, 10, Qt::white);
    QPainter(&block).fillRect(QRect(2, 3, 5, 4), Qt::black);
    EXPECT_EQ(Rects(*BitmapToRegion(block, 0xFFFFFF, 0x101010)), QList<QRect>{QRect(2, 3, 5, 4)});
}

TEST(BitmapToRegion, ToleranceWidensTheTransparentRangePerChannel)
{
    QImage mask = Filled(3, 1, Qt::white);
    mask.setPixelColor(0, 0, QColor(0x10, 0x20, 0x3F)); // inside the range: transparent
    mask.setPixelColor(1, 0, QColor(0x10, 0x20, 0x41)); // blue beyond the range: opaque
    const auto region = BitmapToRegion(mask, 0x302010, 0x100000);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(Rects(*region), (QList<QRect>{QRect(1, 0, 2, 1)}));
}

TEST(BitmapToRegion, BatchesGiveTheSingleBatchRegion)
{
    // A comb: every other pixel of every row is opaque, 100 runs a row, 3,000 runs in all.
    QImage mask = Filled(200, 30, Qt::white);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = (y % 2); x < mask.width(); x += 2) {
            mask.setPixelColor(x, y, QColor(128, 0, 0));
        }
    }
    // Plus a solid disc, whose rows merge into bands.
    {
        QPainter painter(&mask);
        painter.setBrush(Qt::red);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRect(20, 2, 60, 26));
    }
    const auto batched = BitmapToRegion(mask, 0xFFFFFF, 0x101010);
    const auto single = BitmapToRegion(mask, 0xFFFFFF, 0x101010, 1 << 30);
    const auto tiny = BitmapToRegion(mask, 0xFFFFFF, 0x101010, 7);
    ASSERT_TRUE(batched && single && tiny);
    EXPECT_TRUE(batched->xored(*single).isEmpty());
    EXPECT_TRUE(tiny->xored(*single).isEmpty());
    EXPECT_TRUE(single->contains(QPoint(50, 15)));
    EXPECT_FALSE(single->contains(QPoint(101, 0)));
    EXPECT_TRUE(single->contains(QPoint(101, 1)));

    int area = 0;
    for (const QRect& rect : *single) {
        area += rect.width() * rect.height();
    }
    int opaque = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            opaque += mask.pixelColor(x, y) != QColor(Qt::white);
        }
    }
    EXPECT_EQ(area, opaque);
}

// The headers of a 24-bit BMP of the given size without its pixels: what a reader learns
// before decoding.
QByteArray BitmapHeaderOnly(qint32 width, qint32 height)
{
    QByteArray bytes("BM");
    const auto put32 = [&bytes](qint32 value) {
        for (int i = 0; i < 4; ++i) {
            bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
        }
    };
    const auto put16 = [&bytes](qint16 value) {
        bytes.append(static_cast<char>(value & 0xff)).append(static_cast<char>(value >> 8));
    };
    put32(54 + 64); // file size as claimed
    put32(0);
    put32(54);
    put32(40);
    put32(width);
    put32(height);
    put16(1);
    put16(24);
    put32(0);
    put32(0);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    return bytes + QByteArray(64, '\0');
}

TEST(BitmapToRegion, MasksPastTheRectangleBoundGiveNoRegion)
{
    // A checkerboard: one rectangle a black pixel, two million in all.
    QImage board(2048, 2048, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(board.scanLine(y));
        for (int x = 0; x < board.width(); ++x) {
            line[x] = (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        }
    }
    bool tooComplex = false;
    EXPECT_FALSE(BitmapToRegion(board, 0xFFFFFF, 0, 2000, MaxMaskRectangles, &tooComplex));
    EXPECT_TRUE(tooComplex);
    // Its top 30 rows fit: 30,720 rectangles.
    tooComplex = false;
    EXPECT_EQ(BitmapToRegion(board.copy(0, 0, 2048, 30), 0xFFFFFF, 0, 2000, MaxMaskRectangles,
                             &tooComplex)
                  ->rectCount(),
              30720);
    EXPECT_FALSE(tooComplex);
}

TEST(LoadPictureFile, RefusesPicturesPastTheLimitsBeforeDecodingAndSaysWhy)
{
    QTemporaryDir dir;
    for (const QSize& size : {QSize(20000, 20000), QSize(100, 9000), QSize(8000, 8000)}) {
        const QString path = dir.filePath(QStringLiteral("big.bmp"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(BitmapHeaderOnly(size.width(), size.height()));
        file.close();
        QString problem;
        QSize loaded(1, 1);
        EXPECT_TRUE(LoadPictureFile(path, &loaded, &problem).isNull());
        EXPECT_EQ(loaded, QSize(0, 0));
        EXPECT_TRUE(problem.contains(path)) << problem.toStdString();
        // The BMP decoder itself refuses more than 16384 x 16384 before telling the size.
        if (size.width() < 16384) {
            EXPECT_TRUE(
                problem.contains(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())))
                << problem.toStdString();
        }
    }
    // A PNG tells its size in its header: 20,000 x 20,000 (a few bytes of its pixels).
    const QString png = dir.filePath(QStringLiteral("main.png"));
    QFile pngFile(png);
    ASSERT_TRUE(pngFile.open(QIODevice::WriteOnly));
    pngFile.write(QByteArray::fromHex(
        "89504e470d0a1a0a0000000d4948445200004e2000004e2008020000006c12d16e0000000c49444154789c"
        "6360a00c000000400001b7347cef0000000049454e44ae426082"));
    pngFile.close();
    QString pngProblem;
    EXPECT_TRUE(LoadPictureFile(png, nullptr, &pngProblem).isNull());
    EXPECT_TRUE(pngProblem.contains(QStringLiteral("20000 x 20000"))) << pngProblem.toStdString();

    // Within the limits nothing is said.
    const QString small = dir.filePath(QStringLiteral("small.png"));
    ASSERT_TRUE(Filled(4096, 2048, Qt::red).save(small));
    QString problem;
    EXPECT_EQ(LoadPictureFile(small, nullptr, &problem).size(), QSize(4096, 2048));
    EXPECT_TRUE(problem.isEmpty());
}
