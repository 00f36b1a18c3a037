// SPDX-License-Identifier: GPL-3.0-or-later
// A whole skin folder as the skinned window loads it: skin.ini, then every picture it names
// (each file decoded once), the window shape from the mask, the face scaled for presentation,
// the pictures made ready for cutting and one piece cut for every element, cut to the skin.
// The input is the folder: skin.ini first, then files, each opened by a line "=====name".
// Memory must stay proportional to the pictures, whatever the number and size of elements.
#include "skin/core/BitmapToRegion.h"
#include "support/FuzzSupport.h"
#include "skin/core/SkinDescription.h"
#include "skin/core/SkinFace.h"
#include "skin/core/SkinPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>

#include <cmath>

namespace {

const QByteArray FileMark("\n=====");

// The scratch folder of this process, emptied and filled with the input's files.
QString WriteFolder(const QByteArray& bytes)
{
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        return QStringLiteral("%1/sortilo-fuzz-skin-%2/")
            .arg(base)
            .arg(QCoreApplication::applicationPid());
    }();
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    qsizetype at = bytes.indexOf(FileMark);
    const auto write = [](const QString& path, const QByteArray& content) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
            FuzzSupport::Fail("cannot write the skin folder");
        }
    };
    write(folder + QStringLiteral("skin.ini"), bytes.left(at < 0 ? bytes.size() : at));
    while (at >= 0) {
        const qsizetype nameStart = at + FileMark.size();
        const qsizetype nameEnd = bytes.indexOf('\n', nameStart);
        const qsizetype next = bytes.indexOf(FileMark, nameStart);
        if (nameEnd < 0 || (next >= 0 && next < nameEnd)) {
            break;
        }
        // Plain file names only, at most 40 characters: the skin's pictures lie beside skin.ini.
        QString name =
            QString::fromLatin1(bytes.mid(nameStart, std::min<qsizetype>(40, nameEnd - nameStart)));
        for (QChar& ch : name) {
            if (!ch.isLetterOrNumber() && ch != u'.' && ch != u'_' && ch != u'-') {
                ch = u'_';
            }
        }
        if (!name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")) {
            write(folder + name,
                  bytes.mid(nameEnd + 1, (next < 0 ? bytes.size() : next) - nameEnd - 1));
        }
        at = next;
    }
    return folder;
}

QRect ScaleRect(const QRect& rect, double factor)
{
    const auto at = [factor](int v) { return static_cast<int>(std::lround(v * factor)); };
    return QRect(QPoint(at(rect.left()), at(rect.top())),
                 QPoint(at(rect.left() + rect.width()) - 1, at(rect.top() + rect.height()) - 1));
}

// One layout of the face at scale (1: the window, otherwise presentation on a larger screen).
void LayOut(const SkinDescription& skin, const QImage& main, const QImage& mask, const QImage& down,
            double scale, const QHash<QString, QImage>& thumbs)
{
    const QSize skinSize = mask.isNull() ? main.size() : mask.size();
    QImage faceMain = ScaledPicture(main, scale, 1.0);
    if (scale != 1.0) {
        faceMain = Shaped(faceMain, mask, scale, EdgeColourOf(main, mask));
    }
    const QRect bounds(QPoint(0, 0), skinSize.isEmpty() ? QSize(100, 30) : skinSize);
    const QSize cutSize = ScaleRect(bounds, scale).size();
    const QImage cutMain = PreparedForCutting(faceMain, cutSize);
    const QImage cutDown = PreparedForCutting(ScaledPicture(down, scale, 1.0), cutSize);
    if (!mask.isNull()) {
        const QImage scaledMask =
            scale == 1.0 ? mask
                         : mask.scaled(ScaleRect(QRect(QPoint(0, 0), skinSize), scale).size(),
                                       Qt::IgnoreAspectRatio, Qt::FastTransformation);
        bool tooComplex = false;
        const auto region =
            BitmapToRegion(scaledMask, 0xFFFFFF, 0x101010, 2000, MaxMaskRectangles, &tooComplex);
        FUZZ_CHECK(region ? region->rectCount() <= MaxMaskRectangles : tooComplex);
    }
    // Every element's piece, as the controls cut them; all are kept at once, as the window
    // keeps them.
    std::vector<QImage> pieces;
    const auto cut = [&](const QRect& entryRect, const QImage& picture) {
        const QRect rect = ScaleRect(entryRect.intersected(bounds), scale);
        FUZZ_CHECK(rect.width() <= cutSize.width() + 1 && rect.height() <= cutSize.height() + 1);
        QImage piece;
        CutBitmap(piece, picture, rect);
        pieces.push_back(piece);
    };
    for (const auto& entry : skin.Buttons()) {
        cut(entry.rect, cutMain);
        cut(entry.rect, cutDown);
    }
    for (const auto& entry : skin.Texts()) {
        cut(entry.rect, cutMain);
    }
    for (const auto& entry : skin.Sliders()) {
        cut(entry.rect, cutMain);
        const QImage thumb = thumbs.value(skin.PicturePath(entry.thumb));
        if (!thumb.isNull() && scale != 1.0) {
            pieces.push_back(thumb.scaled(qMax(1, qRound(thumb.width() * scale)),
                                          qMax(1, qRound(thumb.height() * scale))));
        }
    }
    for (const auto& entry : skin.ProgressBars()) {
        cut(entry.rect, cutMain);
        cut(entry.rect, cutDown);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Pictures up to four million pixels (16 MB decoded) keep the runs quick and still show any
    // element that copies a picture instead of sharing it: 256 copies exceed the memory bound.
    QImageReader::setAllocationLimit(16);
    const QString folder = WriteFolder(FuzzSupport::Bytes(data, size));

    SkinDescription skin;
    skin.Load(folder + QStringLiteral("skin.ini"));
    for (const std::size_t count : {skin.Buttons().size(), skin.Texts().size(),
                                    skin.Sliders().size(), skin.ProgressBars().size()}) {
        FUZZ_CHECK(count <= std::size_t(SkinDescription::MaxElementsPerSection));
    }
    // Each file is decoded once, however many keys name it.
    QHash<QString, QImage> decoded;
    const auto load = [&](const QString& key) {
        const QString path = skin.PicturePath(key);
        auto it = decoded.find(path);
        if (it == decoded.end()) {
            QString problem;
            it = decoded.insert(path, LoadPictureFile(path, nullptr, &problem));
        }
        return *it;
    };
    const SkinScreen& screen = skin.Screen();
    const QImage main = load(screen.main);
    const QImage mask = load(screen.mask);
    load(screen.over);
    load(screen.disabled);
    const QImage down = load(screen.down);
    QHash<QString, QImage> thumbs;
    for (const auto& entry : skin.Sliders()) {
        for (const QString& name : {entry.thumb, entry.pressedThumb}) {
            const QString path = skin.PicturePath(name);
            if (!thumbs.contains(path)) {
                thumbs.insert(path, LoadPictureFile(path));
            }
        }
    }
    LayOut(skin, main, mask, down, 1.0, thumbs);
    LayOut(skin, main, mask, down, 1.5, thumbs);
    return 0;
}
