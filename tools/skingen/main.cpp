// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the default skin: the Main, Over, Down, Disabled and Mask pictures and the skin.ini that
// places the elements on them, all from the one layout below, so that pictures and description
// always agree, once for each language of SkinLanguages(). Usage: sortilo_skingen <output folder>
#include "skingen/SkinLanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int Width = 1280;
constexpr int Height = 800;

const QColor Gold(255, 214, 102);
const QColor PaleGold(255, 236, 170);
const QColor DeepGold(184, 124, 28);
const QColor Wine(92, 0, 12);

// Where the reel display goes, and the lit frame around it.
const QRect ReelRect(190, 232, 900, 200);
const QRect ReelFrame = ReelRect.adjusted(-26, -24, 26, 24);
const QRect WinnersPanel(36, 566, 770, 188);
const QRect ControlPanel(822, 566, 422, 188);

enum class ButtonStyle
{
    Large, // the main actions, gold with a red caption
    Small, // steppers and the menu, a gold disc
    Quiet, // exit: dark red with a gold edge
};

struct Button
{
    QString name;
    QRect rect;
    QString caption;
    QString hint; // small second line, e.g. the hot key
    QString tooltip;
    ButtonStyle style;
};

struct Text
{
    QString name;
    QString face;
    bool bold;
    int size; // cell height in pixels
    QColor colour;
    QRect rect;
    QString text;
};

std::vector<Button> Buttons(const SkinLanguage& words)
{
    return {
        {"BUTTON_START",
         {842, 664, 128, 76},
         words.start,
         "F5",
         words.startTip,
         ButtonStyle::Large},
        {"BUTTON_STOP", {978, 664, 128, 76}, words.stop, "F6", words.stopTip, ButtonStyle::Large},
        {"BUTTON_EXIT", {1114, 664, 110, 76}, words.exit, "", words.exitTip, ButtonStyle::Quiet},
        {"ID_ABOUT", {44, 52, 52, 52}, "≡", "", words.menuTip, ButtonStyle::Small},
        {"ID_DOWNONE", {846, 606, 44, 44}, "−", "", words.previousLevelTip, ButtonStyle::Small},
        {"ID_UPONE", {978, 606, 44, 44}, "+", "", words.nextLevelTip, ButtonStyle::Small},
        {"ID_DOWNONE1", {1046, 606, 44, 44}, "−", "", words.fewerTip, ButtonStyle::Small},
        {"ID_UPONE1", {1178, 606, 44, 44}, "+", "", words.moreTip, ButtonStyle::Small},
    };
}

// The number boxes between the stepper buttons.
const QRect LevelBox(894, 606, 80, 44);
const QRect QuotaBox(1094, 606, 80, 44);

std::vector<Text> Texts(const SkinLanguage& words)
{
    const QColor cream(255, 238, 204);
    const QString& serif = words.serifFace;
    const QString& sans = words.sansFace;
    return {
        {"ID_COMPANY", serif, true, 52, Gold, {140, 62, 1000, 56}, words.company},
        {"ID_THEME", serif, true, 84, QColor(255, 246, 222), {70, 114, 1140, 90}, words.theme},
        {"ID_INFO1", sans, true, 58, Gold, {286, 484, 170, 62}, ""},
        {"ID_INFO", serif, true, 86, QColor(255, 252, 236), {456, 462, 700, 90}, ""},
        {"ID_PERLIST", sans, true, 38, Gold, {62, 574, 400, 40}, words.winners},
        {"ID_TEXT1", sans, false, 34, cream, {58, 616, 368, 34}, ""},
        {"ID_TEXT2", sans, false, 34, cream, {58, 650, 368, 34}, ""},
        {"ID_TEXT3", sans, false, 34, cream, {58, 684, 368, 34}, ""},
        {"ID_TEXT4", sans, false, 34, cream, {58, 718, 368, 34}, ""},
        {"ID_TEXT5", sans, false, 34, cream, {430, 616, 368, 34}, ""},
        {"ID_TEXT6", sans, false, 34, cream, {430, 650, 368, 34}, ""},
        {"ID_TEXT7", sans, false, 34, cream, {430, 684, 368, 34}, ""},
        {"ID_TEXT8", sans, false, 34, cream, {430, 718, 368, 34}, ""},
        // The numbers are drawn left-aligned: each box starts where a centred digit would.
        {"ID_NUMBER", serif, true, 48, PaleGold, {LevelBox.center().x() - 12, 604, 40, 46}, "1"},
        {"ID_NUMBER1", serif, true, 48, PaleGold, {QuotaBox.center().x() - 12, 604, 40, 46}, "1"},
        {"ID_SYSINFO", sans, false, 26, QColor(232, 196, 150), {62, 760, 740, 28}, ""},
    };
}

// Windows colour value 0x00BBGGRR, as skin files write colours.
unsigned ColourValue(const QColor& colour)
{
    return static_cast<unsigned>(colour.red()) | static_cast<unsigned>(colour.green()) << 8 |
           static_cast<unsigned>(colour.blue()) << 16;
}

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

// The window's outline: a wide rounded body with a crest rising at the top centre and a scallop
// cut into each corner.
QPainterPath Outline()
{
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 34, Width, Height - 34), 46, 46);
    QPainterPath crest;
    crest.addEllipse(QRectF(Width / 2.0 - 200, 0, 400, 200));
    QPainterPath shape = body.united(crest);
    for (const QPointF corner :
         {QPointF(0, 34), QPointF(Width, 34), QPointF(0, Height), QPointF(Width, Height)}) {
        QPainterPath bite;
        bite.addEllipse(corner, 30, 30);
        shape = shape.subtracted(bite);
    }
    return shape;
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

void DrawBackground(QPainter& painter, const SkinLanguage& words)
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
    for (const auto& [left, text] : {std::pair{846, words.prizeLevel}, {1046, words.perRound}}) {
        const QRectF place(left, 574, 176, 28);
        DrawCentredText(painter, place, text, FittingFont(words.sansFace, 21, text, place.width()),
                        PaleGold, QColor(0, 0, 0, 0));
    }
    for (const QRect& box : {LevelBox, QuotaBox}) {
        painter.setPen(QPen(QColor(255, 206, 110, 200), 1.5));
        painter.setBrush(QColor(50, 0, 6));
        painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
    painter.setClipping(false);
}

void DrawButton(QPainter& painter, const Button& button, int state, const SkinLanguage& words)
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
                        Font(words.sansFace, 30, true), captionColour, QColor(0, 0, 0, 0));
    } else {
        const QFont captionFont = FittingFont(words.serifFace, 32, button.caption, face.width());
        if (button.hint.isEmpty()) {
            DrawCentredText(painter, face, button.caption, captionFont, captionColour, shadow);
        } else {
            DrawCentredText(painter, face.adjusted(0, 4, 0, -22), button.caption, captionFont,
                            captionColour, shadow);
            DrawCentredText(painter, face.adjusted(0, face.height() - 30, 0, -4), button.hint,
                            Font(words.sansFace, 15, true), captionColour, QColor(0, 0, 0, 0));
        }
    }
}

QImage Picture(const QImage& background, int state, const SkinLanguage& words)
{
    QImage picture = background;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Button& button : Buttons(words)) {
        DrawButton(painter, button, state, words);
    }
    return picture;
}

QImage Mask()
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

QString Rect(const QRect& rect)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

// A file name of a language: "main.png" for the skin's own language, "main.en.png" for "en".
QString Named(const QString& base, const QString& extension, const SkinLanguage& words)
{
    return words.code.isEmpty() ? base + u'.' + extension
                                : base + u'.' + words.code + u'.' + extension;
}

bool WriteDescription(const QString& path, const SkinLanguage& words)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        return false;
    }
    QTextStream out(&file);
    out << "; Sortilo default skin: deep red and gold, 1280 x 800.\n"
           "; Drawn by tools/skingen; change the layout there and rebuild the pictures with\n"
           ";   cmake --build --preset test --target sortilo_skin_pictures\n"
           ";\n"
           "; [Screen] names the whole-window pictures. Main, Over, Down and Disabled share one\n"
           "; layout: every element cuts its pictures from them at its own rectangle. Mask gives\n"
           "; the window's size and shape (pure white is outside the window).\n"
           "; Reel = x, y, width, height: where the reel display goes, in pixels. It is an\n"
           "; addition to the format; skins without it get the reels at 6, 219, 591 x 120.\n"
           ";\n"
           "; Entries are numbered from 1 without gaps; fields are separated by commas.\n"
           "; BUTTONINFO:   name, x, y, width, height, tooltip, latch (T = always normal look)\n"
           "; TEXTINFO:     name, font, bold (T), italic (F), cell height in px, colour,\n"
           ";               x, y, width, height, initial text\n"
           "; TRACKBARINFO: name, thumb, pressed thumb, x, y, width, height, H = horizontal, max\n"
           "; PROGRESSINFO: name, tooltip, x, y, width, height, H = fills top to bottom\n"
           "; Colours are decimal 0x00BBGGRR values (255 = red, 16711680 = blue).\n"
           ";\n"
           "; skin.ini has the labels in simplified Chinese; skin.zh_TW.ini and skin.en.ini are\n"
           "; the same skin in traditional Chinese and English, with pictures of their own, and\n"
           "; are read instead when the program's texts are in that language.\n\n";
    out << "[Screen]\nMain=" << Named("main", "png", words)
        << "\nMask=mask.png\nOver=" << Named("over", "png", words)
        << "\nDown=" << Named("down", "png", words)
        << "\nDisabled=" << Named("disabled", "png", words) << '\n';
    out << "Reel=" << Rect(ReelRect) << "\n\n[BUTTONINFO]\n";
    int number = 1;
    for (const Button& button : Buttons(words)) {
        out << number++ << '=' << button.name << ',' << Rect(button.rect) << ',' << button.tooltip
            << ",F\n";
    }
    out << "\n[TEXTINFO]\n";
    number = 1;
    for (const Text& text : Texts(words)) {
        out << number++ << '=' << text.name << ',' << text.face << ',' << (text.bold ? 'T' : 'N')
            << ",N," << text.size << ',' << ColourValue(text.colour) << ',' << Rect(text.rect)
            << ',' << text.text << ",\n";
    }
    out << "\n[TRACKBARINFO]\n\n[PROGRESSINFO]\n";
    return out.status() == QTextStream::Ok && file.flush();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sortilo_skingen <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    if (!Mask().save(folder.filePath(QStringLiteral("mask.png")), "PNG")) {
        std::fprintf(stderr, "cannot write mask.png\n");
        return 1;
    }
    for (const SkinLanguage& words : SkinLanguages()) {
        QImage background(Width, Height, QImage::Format_RGB32);
        {
            QPainter painter(&background);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            DrawBackground(painter, words);
        }
        const char* const names[] = {"main", "over", "down", "disabled"};
        for (int state = 0; state < 4; ++state) {
            const QString path = folder.filePath(Named(names[state], "png", words));
            if (!Picture(background, state, words).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
        const QString description = Named("skin", "ini", words);
        if (!WriteDescription(folder.filePath(description), words)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(description));
            return 1;
        }
    }
    return 0;
}
