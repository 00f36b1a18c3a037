// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon: one scalable SVG and PNGs of the usual theme sizes, all from the
// one shape description below, so every size shows the same picture. The SVG is written as text
// (the shapes are three plain elements; no SVG library is needed for that).
//   sortilo_icongen OUTDIR  ->  OUTDIR/scalable/apps/ID.svg, OUTDIR/NxN/apps/ID.png
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr const char* IconId = "io.github.sortilo.Sortilo";
constexpr double Box = 256; // the design grid; every size is scaled from it

// A red tile with a gold rim, a gold medallion and a red eight-pointed star, like the medallion
// of the default skin.
constexpr double TileInset = 12, TileRadius = 48, TileRim = 8;
constexpr double MedallionRadius = 82, MedallionRim = 5;
constexpr double StarOuter = 64, StarInner = 27;
const QColor TileTop(0xD0, 0x26, 0x2E), TileBottom(0x78, 0x0E, 0x14), Gold(0xF2, 0xC1, 0x4E);
const QColor MedallionLight(0xFF, 0xE6, 0x96), MedallionDark(0xD0, 0x8E, 0x1A);
const QColor MedallionRimColour(0x8A, 0x5A, 0x0A), StarColour(0xB3, 0x17, 0x1F);

QPolygonF Star()
{
    QPolygonF star;
    for (int i = 0; i < 16; ++i) {
        const double r = i % 2 == 0 ? StarOuter : StarInner;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 8;
        star << QPointF(Box / 2 + r * std::cos(a), Box / 2 + r * std::sin(a));
    }
    return star;
}

QString Hex(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QByteArray Svg()
{
    QString points;
    for (const QPointF& p : Star()) {
        points += QStringLiteral("%1,%2 ").arg(p.x(), 0, 'f', 2).arg(p.y(), 0, 'f', 2);
    }
    const double tile = Box - 2 * TileInset;
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                          "viewBox=\"0 0 256 256\">\n"
                          "  <defs>\n"
                          "    <linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
                          "      <stop offset=\"0\" stop-color=\"%1\"/><stop offset=\"1\" "
                          "stop-color=\"%2\"/>\n"
                          "    </linearGradient>\n"
                          "    <radialGradient id=\"medal\" cx=\"0.4\" cy=\"0.35\" r=\"0.7\">\n"
                          "      <stop offset=\"0\" stop-color=\"%3\"/><stop offset=\"1\" "
                          "stop-color=\"%4\"/>\n"
                          "    </radialGradient>\n"
                          "  </defs>\n"
                          "  <rect x=\"%5\" y=\"%5\" width=\"%6\" height=\"%6\" rx=\"%7\" "
                          "fill=\"url(#tile)\" stroke=\"%8\" stroke-width=\"%9\"/>\n")
               .arg(Hex(TileTop), Hex(TileBottom), Hex(MedallionLight), Hex(MedallionDark))
               .arg(TileInset)
               .arg(tile)
               .arg(TileRadius)
               .arg(Hex(Gold))
               .arg(TileRim)
               .toUtf8() +
           QStringLiteral("  <circle cx=\"128\" cy=\"128\" r=\"%1\" fill=\"url(#medal)\" "
                          "stroke=\"%2\" stroke-width=\"%3\"/>\n"
                          "  <polygon points=\"%4\" fill=\"%5\"/>\n"
                          "</svg>\n")
               .arg(MedallionRadius)
               .arg(Hex(MedallionRimColour))
               .arg(MedallionRim)
               .arg(points.trimmed(), Hex(StarColour))
               .toUtf8();
}

QImage Png(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Box, size / Box);

    QLinearGradient tile(0, TileInset, 0, Box - TileInset);
    tile.setColorAt(0, TileTop);
    tile.setColorAt(1, TileBottom);
    p.setBrush(tile);
    p.setPen(QPen(Gold, TileRim));
    p.drawRoundedRect(QRectF(TileInset, TileInset, Box - 2 * TileInset, Box - 2 * TileInset),
                      TileRadius, TileRadius);

    const QRectF medal(Box / 2 - MedallionRadius, Box / 2 - MedallionRadius, 2 * MedallionRadius,
                       2 * MedallionRadius);
    QRadialGradient gold(medal.left() + 0.4 * medal.width(), medal.top() + 0.35 * medal.height(),
                         0.7 * medal.width());
    gold.setColorAt(0, MedallionLight);
    gold.setColorAt(1, MedallionDark);
    p.setBrush(gold);
    p.setPen(QPen(MedallionRimColour, MedallionRim));
    p.drawEllipse(medal);

    p.setBrush(StarColour);
    p.setPen(Qt::NoPen);
    p.drawPolygon(Star());
    p.end();
    return image;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sortilo_icongen OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = QLatin1String(IconId);
    if (!WriteFile(out + QStringLiteral("/scalable/apps/") + name + QStringLiteral(".svg"),
                   Svg())) {
        std::fprintf(stderr, "sortilo_icongen: cannot write the SVG into %s\n", argv[1]);
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = out + QStringLiteral("/%1x%1/apps/").arg(size);
        QDir().mkpath(dir);
        if (!Png(size).save(dir + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "sortilo_icongen: cannot write the %dx%d PNG\n", size, size);
            return 1;
        }
    }
    return 0;
}
