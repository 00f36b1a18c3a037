// SPDX-License-Identifier: GPL-3.0-or-later
#include "skingen/SkinPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <utility>
#include <vector>

using namespace SkinLayout;

namespace {

QFont Font(const QString& face, int pixelSize, bool bold)
{
    QFont font(face);
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A bold font of at most pixelSize in which text fits width (a longer language's caption is
// drawn smaller rather than cut).
QFont FittingFont(const QString& face, int pixelSize, const QString& text, double width)
{
    QFont font = Font(face, pixelSize, true);
    while (pixelSize > 10 && QFontMetricsF(font).horizontalAdvance(text) > width - 8) {
        font = Font(face, --pixelSize, true);
    }
    return font;
}

QLinearGradient GoldGradient(const QRectF& rect, double light = 1.0)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, QColor(255, 240, 180).lighter(static_cast<int>(100 * light)));
    gradient.setColorAt(0.45, QColor(240, 190, 80).lighter(static_cast<int>(100 * light)));
    gradient.setColorAt(0.55, QColor(214, 152, 44).lighter(static_cast<int>(100 * light)));
    gradient.setColorAt(1.0, QColor(150, 92, 16).lighter(static_cast<int>(100 * light)));
    return gradient;
}

void DrawCentredText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                     const QColor& colour, const QColor& shadow)
{
    painter.setFont(font);
    if (shadow.alpha() > 0) {
        painter.setPen(shadow);
        painter.drawText(rect.translated(0, 2), Qt::AlignCenter, text);
    }
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, text);
}

// A framed panel: darker glass with a gold hairline.
void DrawPanel(QPainter& painter, const QRectF& rect)
{
    QLinearGradient glass(rect.topLeft(), rect.bottomLeft());
    glass.setColorAt(0, QColor(60, 0, 8, 150));
    glass.setColorAt(1, QColor(30, 0, 4, 190));
    painter.setPen(QPen(QColor(255, 206, 110, 200), 2));
    painter.setBrush(glass);
    painter.drawRoundedRect(rect, 16, 16);
    painter.setPen(QPen(QColor(255, 206, 110, 70), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(5, 5, -5, -5), 12, 12);
}

} // namespace

QImage SkinPainter::Background() const
{
    QImage background(Width, Height, QImage::Format_RGB32);
    QPainter painter(&background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawBackground(painter);
    return background;
}

QImage SkinPainter::Picture(const QImage& background, int state) const
{
    QImage picture = background;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Button& button : Buttons(m_words)) {
        DrawButton(painter, button, state);
    }
    return picture;
}

QImage SkinPainter::Mask()
{
    QImage mask(Width, Height, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    // No antialiasing: every pixel is either pure white (outside) or black.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(Outline());
    return mask;
}

void SkinPainter::DrawBackground(QPainter& painter) const
{
    const QPainterPath outline = Outline();
    painter.fillRect(QRect(0, 0, Width, Height), QColor(40, 0, 6));
    painter.setClipPath(outline);

    QRadialGradient red(QPointF(Width / 2.0, 330), 820);
    red.setColorAt(0.0, QColor(206, 28, 40));
    red.setColorAt(0.5, QColor(150, 10, 24));
    red.setColorAt(1.0, QColor(66, 0, 10));
    painter.fillRect(QRect(0, 0, Width, Height), red);

    // Soft rays from behind the reels.
    const QPointF centre(Width / 2.0, ReelRect.center().y());
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 36; i += 2) {
        const double a0 = i * M_PI / 18.0;
        const double a1 = (i + 1) * M_PI / 18.0;
        QPainterPath ray;
        ray.moveTo(centre);
        ray.lineTo(centre + QPointF(std::cos(a0), std::sin(a0)) * 1400);
        ray.lineTo(centre + QPointF(std::cos(a1), std::sin(a1)) * 1400);
        ray.closeSubpath();
        QRadialGradient fade(centre, 900);
        fade.setColorAt(0, QColor(255, 200, 120, 34));
        fade.setColorAt(1, QColor(255, 200, 120, 0));
        painter.setBrush(fade);
        painter.drawPath(ray);
    }

    // A fine lattice, barely there.
    painter.setPen(QPen(QColor(255, 210, 130, 12), 1));
    for (int d = -Height; d < Width; d += 34) {
        painter.drawLine(d, 0, d + Height, Height);
        painter.drawLine(d + Height, 0, d, Height);
    }

    // Gold confetti, fixed by the seed so every build draws the same skin.
    QRandomGenerator random(20240101);
    for (int i = 0; i < 260; ++i) {
        const QPointF at(random.bounded(Width), random.bounded(Height));
        if (ReelFrame.adjusted(-10, -10, 10, 10).contains(at.toPoint())) {
            continue;
        }
        const double r = 1.0 + random.bounded(2.5);
        painter.setBrush(QColor(255, 214, 120, 40 + random.bounded(90)));
        painter.save();
        painter.translate(at);
        painter.rotate(random.bounded(90));
        painter.drawRect(QRectF(-r, -r, 2 * r, 2 * r));
        painter.restore();
    }

    // Double gold border along the outline.
    painter.setBrush(Qt::NoBrush);
    QPen edge(QBrush(GoldGradient(QRectF(0, 0, Width, Height))), 14);
    edge.setJoinStyle(Qt::RoundJoin);
    painter.setPen(edge);
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(90, 40, 0, 160), 2));
    painter.drawPath(outline.translated(0, 0));
    painter.setClipping(false);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(18, 52, Width - 36, Height - 70), 32, 32);
    painter.setPen(QPen(QColor(255, 214, 120, 150), 1.5));
    painter.drawPath(inner);
    painter.setClipPath(outline);

    // The crest's medallion: a gold disc holding an eight-pointed star.
    const QPointF medal(Width / 2.0, 34);
    painter.setPen(QPen(QColor(120, 60, 0), 2));
    painter.setBrush(GoldGradient(QRectF(medal.x() - 24, medal.y() - 24, 48, 48), 1.05));
    painter.drawEllipse(medal, 24, 24);
    QPainterPath star;
    for (int i = 0; i < 16; ++i) {
        const double radius = i % 2 ? 8 : 19;
        const double angle = i * M_PI / 8 - M_PI / 2;
        const QPointF point = medal + QPointF(std::cos(angle), std::sin(angle)) * radius;
        i ? star.lineTo(point) : star.moveTo(point);
    }
    star.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(178, 16, 30));
    painter.drawPath(star);

    // Gold flourishes either side of the theme.
    painter.setPen(QPen(QColor(255, 214, 120, 190), 2));
    for (const int side : {-1, 1}) {
        const double x0 = Width / 2.0 + side * 250;
        const double x1 = Width / 2.0 + side * 560;
        painter.drawLine(QPointF(x0, 208), QPointF(x1, 208));
        painter.setBrush(QColor(255, 214, 120));
        painter.drawEllipse(QPointF(x1 + side * 8, 208), 4, 4);
        painter.setBrush(Qt::NoBrush);
    }

    // The lit frame of the reels: a gold band studded with bulbs.
    painter.setPen(QPen(QColor(110, 50, 0), 2));
    painter.setBrush(GoldGradient(ReelFrame));
    painter.drawRoundedRect(ReelFrame, 22, 22);
    painter.setBrush(QColor(70, 0, 8));
    painter.drawRoundedRect(ReelRect.adjusted(-8, -8, 8, 8), 10, 10);
    painter.fillRect(ReelRect, QColor(189, 0, 0));
    const int cell = (ReelRect.width() - 50) / 8;
    painter.setPen(QPen(QColor(120, 0, 0), 1));
    for (int k = 1; k < 8; ++k) {
        const int x = ReelRect.left() + 25 + k * cell;
        painter.drawLine(x, ReelRect.top() + 18, x, ReelRect.bottom() - 18);
    }
    std::vector<QPointF> bulbs;
    const QRectF track = QRectF(ReelFrame).adjusted(12, 11, -12, -11);
    for (double x = track.left() + 14; x <= track.right() - 10; x += 31.5) {
        bulbs.emplace_back(x, track.top());
        bulbs.emplace_back(x, track.bottom());
    }
    for (double y = track.top() + 31; y <= track.bottom() - 26; y += 31) {
        bulbs.emplace_back(track.left(), y);
        bulbs.emplace_back(track.right(), y);
    }
    painter.setPen(Qt::NoPen);
    for (const QPointF& bulb : bulbs) {
        QRadialGradient glow(bulb, 9);
        glow.setColorAt(0, QColor(255, 255, 240));
        glow.setColorAt(0.45, QColor(255, 236, 160));
        glow.setColorAt(1, QColor(255, 190, 60, 0));
        painter.setBrush(glow);
        painter.drawEllipse(bulb, 9, 9);
    }

    // A quiet band under the reels for the winner's name.
    QLinearGradient band(QPointF(0, 0), QPointF(Width, 0));
    band.setColorAt(0, QColor(255, 214, 120, 0));
    band.setColorAt(0.5, QColor(255, 214, 120, 150));
    band.setColorAt(1, QColor(255, 214, 120, 0));
    painter.fillRect(QRectF(120, 470, Width - 240, 1.5), band);
    painter.fillRect(QRectF(120, 556, Width - 240, 1.5), band);
    QLinearGradient shade(QPointF(0, 0), QPointF(Width, 0));
    shade.setColorAt(0, QColor(40, 0, 4, 0));
    shade.setColorAt(0.5, QColor(40, 0, 4, 90));
    shade.setColorAt(1, QColor(40, 0, 4, 0));
    painter.fillRect(QRectF(120, 472, Width - 240, 84), shade);

    // The two panels, with the captions of the steppers painted in.
    DrawPanel(painter, WinnersPanel);
    painter.setPen(QPen(QColor(255, 214, 120, 110), 1));
    painter.drawLine(QPointF(62, 614), QPointF(WinnersPanel.right() - 24, 614));
    DrawPanel(painter, ControlPanel);
    for (const auto& [left, text] :
         {std::pair{846, m_words.prizeLevel}, {1046, m_words.perRound}}) {
        const QRectF place(left, 574, 176, 28);
        DrawCentredText(painter, place, text,
                        FittingFont(m_words.sansFace, 21, text, place.width()), PaleGold,
                        QColor(0, 0, 0, 0));
    }
    for (const QRect& box : {LevelBox, QuotaBox}) {
        painter.setPen(QPen(QColor(255, 206, 110, 200), 1.5));
        painter.setBrush(QColor(50, 0, 6));
        painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
    painter.setClipping(false);
}

void SkinPainter::DrawButton(QPainter& painter, const SkinLayout::Button& button, int state) const
{
    // state: 0 normal, 1 hover, 2 pressed, 3 disabled
    QRectF face = QRectF(button.rect).adjusted(2, 2, -2, -3);
    if (state == 2) {
        face.translate(0, 2);
    }
    const bool disabled = state == 3;
    const double light = state == 1 ? 1.14 : state == 2 ? 0.86 : 1.0;

    painter.setPen(Qt::NoPen);
    if (state != 2) {
        painter.setBrush(QColor(20, 0, 0, 110)); // drop shadow
        if (button.style == ButtonStyle::Small) {
            painter.drawEllipse(face.translated(0, 3));
        } else {
            painter.drawRoundedRect(face.translated(0, 3), 14, 14);
        }
    }

    QColor captionColour = Wine;
    QBrush fill = GoldGradient(face, light);
    QPen rim(QColor(110, 54, 0), 1.5);
    if (button.style == ButtonStyle::Quiet) {
        QLinearGradient red(face.topLeft(), face.bottomLeft());
        red.setColorAt(0, QColor(150, 20, 30).lighter(static_cast<int>(100 * light)));
        red.setColorAt(1, QColor(80, 0, 10).lighter(static_cast<int>(100 * light)));
        fill = red;
        rim = QPen(QBrush(GoldGradient(face, light)), 2.5);
        captionColour = PaleGold;
    }
    if (disabled) {
        QLinearGradient grey(face.topLeft(), face.bottomLeft());
        grey.setColorAt(0, QColor(150, 120, 110));
        grey.setColorAt(1, QColor(96, 70, 66));
        fill = grey;
        rim = QPen(QColor(70, 46, 42), 1.5);
        captionColour = QColor(196, 176, 168);
    }
    painter.setPen(rim);
    painter.setBrush(fill);
    if (button.style == ButtonStyle::Small) {
        painter.drawEllipse(face);
    } else {
        painter.drawRoundedRect(face, 14, 14);
        // A glossy upper half.
        QLinearGradient gloss(face.topLeft(), QPointF(face.left(), face.center().y()));
        gloss.setColorAt(0, QColor(255, 255, 255, disabled ? 30 : 90));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gloss);
        painter.drawRoundedRect(face.adjusted(3, 3, -3, -face.height() / 2), 11, 11);
    }

    if (state == 1) {
        // A light halo just inside the edge marks the button under the pointer.
        painter.setPen(QPen(QColor(255, 250, 210, 200), 2.5));
        painter.setBrush(Qt::NoBrush);
        const QRectF halo = face.adjusted(2.5, 2.5, -2.5, -2.5);
        if (button.style == ButtonStyle::Small) {
            painter.drawEllipse(halo);
        } else {
            painter.drawRoundedRect(halo, 12, 12);
        }
    }

    const QColor shadow = disabled ? QColor(0, 0, 0, 0) : QColor(255, 250, 220, 90);
    if (button.style == ButtonStyle::Small) {
        DrawCentredText(painter, face.adjusted(0, -2, 0, -2), button.caption,
                        Font(m_words.sansFace, 30, true), captionColour, QColor(0, 0, 0, 0));
    } else {
        const QFont captionFont = FittingFont(m_words.serifFace, 32, button.caption, face.width());
        if (button.hint.isEmpty()) {
            DrawCentredText(painter, face, button.caption, captionFont, captionColour, shadow);
        } else {
            DrawCentredText(painter, face.adjusted(0, 4, 0, -22), button.caption, captionFont,
                            captionColour, shadow);
            DrawCentredText(painter, face.adjusted(0, face.height() - 30, 0, -4), button.hint,
                            Font(m_words.sansFace, 15, true), captionColour, QColor(0, 0, 0, 0));
        }
    }
}
