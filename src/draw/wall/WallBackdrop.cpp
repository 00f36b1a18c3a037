// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/wall/WallBackdrop.h"

#include "draw/wall/WallLayout.h"
#include "draw/wall/WallStyle.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace WallBackdrop {

namespace {

QFont TitleFont(const WallStyle& style, int pixelSize)
{
    QFont font(style.titleFont);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(true);
    return font;
}

} // namespace

QColor WithAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QPixmap Draw(const WallLayout& layout, const WallStyle& style, const QString& title,
             const QString& count, qreal dpr)
{
    const double u = layout.Unit();
    const int w = layout.Size().width();
    const int h = layout.Size().height();
    QPixmap picture(QSize(w, h) * dpr);
    picture.setDevicePixelRatio(dpr);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor bg = style.background;

    // A warm glow behind the cards, darker towards the edges.
    QRadialGradient glow(QPointF(w / 2.0, h * 0.45), std::max(w, h) * 0.72);
    glow.setColorAt(0, bg.lighter(112));
    glow.setColorAt(0.5, bg.darker(110));
    glow.setColorAt(1, bg.darker(190));
    p.fillRect(QRect(0, 0, w, h), glow);

    // Faint rays from above the title.
    const QPointF rayCentre(w / 2.0, -h * 0.08);
    const double reach = std::hypot(w, h) * 1.2;
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(style.accent, 10));
    for (int k = 0; k < 48; k += 2) {
        const double a0 = k * M_PI / 48;
        const double a1 = (k + 1) * M_PI / 48;
        const QPointF poly[] = {rayCentre, rayCentre + QPointF(std::cos(a0), std::sin(a0)) * reach,
                                rayCentre + QPointF(std::cos(a1), std::sin(a1)) * reach};
        p.drawPolygon(poly, 3);
    }

    // Gold confetti, the same every time (a fixed sequence, not chance).
    quint32 seed = 0x5EED2027u;
    const auto next = [&seed](quint32 range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    for (int i = 0; i < 170; ++i) {
        const double x = next(static_cast<quint32>(w));
        const double y = next(static_cast<quint32>(h));
        const double size = (1.5 + next(4)) * u;
        p.setBrush(WithAlpha(next(3) ? style.accent : style.title, 40 + int(next(70))));
        p.save();
        p.translate(x, y);
        p.rotate(next(90));
        p.drawRect(QRectF(-size / 2, -size / 2, size, size * (1 + next(2))));
        p.restore();
    }

    // A double gold frame, like the edge of the draw window.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(style.accent, 200), std::max(1.0, 2.2 * u)));
    const double r = 20 * u;
    p.drawRoundedRect(QRectF(14 * u, 14 * u, w - 28 * u, h - 28 * u), r, r);
    p.setPen(QPen(WithAlpha(style.accent, 90), std::max(1.0, 1.0 * u)));
    p.drawRoundedRect(QRectF(22 * u, 22 * u, w - 44 * u, h - 44 * u), r * 0.7, r * 0.7);

    // The title, shrunk to the width when the prize name is long.
    const QRect titleRect = layout.TitleRect();
    int titlePx = static_cast<int>(78 * u);
    while (titlePx > 24 * u &&
           QFontMetrics(TitleFont(style, titlePx)).horizontalAdvance(title) > titleRect.width()) {
        titlePx -= std::max(1, titlePx / 20);
    }
    const QFont titleFont = TitleFont(style, titlePx);
    const QString shownTitle =
        QFontMetrics(titleFont).elidedText(title, Qt::ElideRight, titleRect.width());
    p.setFont(titleFont);
    p.setPen(WithAlpha(Qt::black, 110));
    p.drawText(titleRect.translated(0, static_cast<int>(3 * u)), Qt::AlignCenter, shownTitle);
    p.setPen(style.title);
    p.drawText(titleRect, Qt::AlignCenter, shownTitle);

    // The count between two gold lines ending in diamonds.
    QFont countFont(style.cardFont);
    countFont.setPixelSize(std::max(1, static_cast<int>(28 * u)));
    p.setFont(countFont);
    const QRect countRect = layout.CountRect();
    const int half =
        QFontMetrics(countFont).horizontalAdvance(count) / 2 + static_cast<int>(26 * u);
    p.setPen(style.accent);
    p.drawText(countRect, Qt::AlignCenter, count);
    const double cy = countRect.center().y() + 1;
    const double cx = countRect.center().x();
    const double span = std::min(w * 0.26, countRect.width() / 2.0 - half);
    for (const int side : {-1, 1}) {
        const QPointF inner(cx + side * half, cy);
        const QPointF outer(cx + side * (half + span), cy);
        QLinearGradient line(inner, outer);
        line.setColorAt(0, WithAlpha(style.accent, 220));
        line.setColorAt(1, WithAlpha(style.accent, 0));
        p.setPen(QPen(QBrush(line), std::max(1.0, 1.6 * u)));
        p.drawLine(inner, outer);
        const double d = 6 * u;
        const QPointF diamond[] = {inner + QPointF(0, -d), inner + QPointF(side * d, 0),
                                   inner + QPointF(0, d), inner + QPointF(-side * d, 0)};
        p.setPen(Qt::NoPen);
        p.setBrush(style.accent);
        p.drawPolygon(diamond, 4);
    }
    p.end();
    return picture;
}

} // namespace WallBackdrop
