// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/credits/core/CreditsRoll.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

QImage DefaultLoader(const QString& name)
{
    if (name.isEmpty()) {
        return {};
    }
    return QImage(QStringLiteral(":/credits/") + name);
}

// Copies source rows/columns of sourceRect to target at topLeft, leaving out the pixels of the
// key colour when one is given; everything is clipped to clip.
void DrawKeyed(QImage& target, QPoint topLeft, const QImage& source, const QRect& sourceRect,
               const QRect& clip, const QColor* key)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    const QRgb keyRgb = key != nullptr ? key->rgb() : 0;
    const QRect area = QRect(topLeft, sourceRect.size()) & clip & target.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int sy = sourceRect.top() + (y - topLeft.y());
        if (sy < 0 || sy >= src.height()) {
            continue;
        }
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const int sx = sourceRect.left() + (x - topLeft.x());
            if (sx < 0 || sx >= src.width()) {
                continue;
            }
            if (key == nullptr || in[sx] != keyRgb) {
                out[x] = in[sx];
            }
        }
    }
}

} // namespace

CreditsRoll::CreditsRoll(Variant variant)
    : m_variant(variant), m_colours{QColor(0, 0, 0), QColor(255, 0, 0), QColor(255, 255, 0),
                                    QColor(0, 255, 255), QColor(255, 255, 255)},
      m_heights{38, 25, 17, 15}, m_escapes{QChar('\t'), QChar('\n'), QChar('\r'), QChar('^')},
      m_speeds{800, 400, 100}, m_loader(DefaultLoader)
{
    if (m_variant == Variant::B) {
        m_speeds = {40, 40, 40};
        m_heights[2] = 16;
    }
}

bool CreditsRoll::SetCredits(const QString& text, QChar delimiter)
{
    m_lines = text.split(delimiter, Qt::KeepEmptyParts);
    m_nextLine = 0;
    m_tickCounter = 1;
    m_offset = 0;
    if (!m_running) {
        m_canvas = QImage(); // the static picture shows the new list
    }
    return true;
}

void CreditsRoll::SetSpeed(int index, int period)
{
    if (index < 0 || index >= SpeedCount) {
        return;
    }
    if (period != 0) {
        m_speeds[static_cast<std::size_t>(index)] = period;
    }
    m_speedIndex = index;
}

void CreditsRoll::SetColour(int index, const QColor& colour)
{
    if (index < 0 || index >= ColourCount) {
        return;
    }
    m_colours[static_cast<std::size_t>(index)] = colour;
    if (!m_running) {
        m_canvas = QImage();
    }
}

void CreditsRoll::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    if (!m_running) {
        m_canvas = QImage();
    }
}

bool CreditsRoll::SetBackgroundBitmap(const QString& name)
{
    SetBackgroundImage(m_loader ? m_loader(name) : QImage());
    return !m_background.isNull();
}

void CreditsRoll::SetBackgroundImage(const QImage& image)
{
    m_background = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    if (!m_running) {
        m_canvas = QImage();
    }
}

void CreditsRoll::SetBitmapLoader(BitmapLoader loader)
{
    m_loader = std::move(loader);
}

bool CreditsRoll::Start()
{
    if (m_lines.isEmpty()) {
        return false;
    }
    m_canvas = QImage();
    m_running = true;
    m_nextLine = 0;
    m_tickCounter = 1;
    m_offset = 0;
    return true;
}

void CreditsRoll::Stop()
{
    m_running = false;
    m_canvas = QImage();
}

QColor CreditsRoll::Colour(int index) const
{
    if (index < 0 || index >= ColourCount) {
        return {};
    }
    return m_colours[static_cast<std::size_t>(index)];
}

int CreditsRoll::Speed(int index) const
{
    if (index < 0 || index >= SpeedCount) {
        return 0;
    }
    return m_speeds[static_cast<std::size_t>(index)];
}

CreditsRoll::Style CreditsRoll::StyleOf(const QString& line) const
{
    if (line.isEmpty()) {
        return Style::Normal;
    }
    const QChar last = line.back();
    if (last == m_escapes[0]) {
        return Style::Title;
    }
    if (last == m_escapes[1]) {
        return Style::Heading;
    }
    if (last == m_escapes[2]) {
        return Style::SubHeading;
    }
    if (last == m_escapes[3]) {
        return Style::Bitmap;
    }
    return Style::Normal;
}

QString CreditsRoll::TextOf(const QString& line, Style style)
{
    return style == Style::Normal ? line : line.chopped(1);
}

std::size_t CreditsRoll::HeightIndex(Style style)
{
    switch (style) {
    case Style::Title:
        return 0;
    case Style::Heading:
        return 1;
    case Style::SubHeading:
        return 2;
    case Style::Bitmap:
    case Style::Normal:
        break;
    }
    return 3;
}

QFont CreditsRoll::FontOf(Style style) const
{
    // Title and headings are bold, normal text is drawn as thin as the font allows.
    const int weight = HeightIndex(style) == 3 ? 100 : 700;
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(std::max(1, m_heights[HeightIndex(style)]));
    font.setWeight(static_cast<QFont::Weight>(weight));
    if (!m_background.isNull()) {
        // Keyed compositing: smoothed edges would leave a fringe of almost-key pixels.
        font.setStyleStrategy(QFont::NoAntialias);
    }
    return font;
}

QColor CreditsRoll::TextColourOf(Style style) const
{
    switch (style) {
    case Style::Title:
        return m_colours[1];
    case Style::Heading:
        return m_colours[2];
    case Style::SubHeading:
        return m_colours[3];
    case Style::Bitmap:
    case Style::Normal:
        break;
    }
    return m_colours[4];
}

QColor CreditsRoll::FillColour() const
{
    return m_transparent && !m_background.isNull() ? TransparentKey() : m_colours[0];
}

QColor CreditsRoll::KeyColour() const
{
    return m_transparent ? TransparentKey() : m_colours[0];
}

void CreditsRoll::EnsureCanvas(const QSize& client)
{
    if (!m_canvas.isNull() && m_canvas.size() == client) {
        return;
    }
    m_canvas = QImage(client.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_canvas.fill(FillColour());
}

void CreditsRoll::Tick(const QSize& client)
{
    if (m_variant == Variant::B) {
        m_bitmapScrolling = false;
        m_speedIndex = 1;
        m_step = -1;
    }
    if (!m_bitmapScrolling && !m_lines.isEmpty()) {
        const int k = m_tickCounter++;
        if (k % std::max(1, m_lineHeight) == 0) {
            m_tickCounter = 1;
            m_nextLine = std::clamp(m_nextLine, 0, static_cast<int>(m_lines.size()) - 1);
            m_currentLine = m_lines.at(m_nextLine);
            m_nextLine = (m_nextLine + 1) % static_cast<int>(m_lines.size());
            m_offset = 0;
        }
    }
    DrawStep(client);
}

void CreditsRoll::DrawStep(const QSize& client)
{
    EnsureCanvas(client);
    const int w = m_canvas.width();
    const int h = m_canvas.height();
    const int dy = std::abs(m_step);
    // The inner rectangle keeps two rows free at the top and the bottom.
    const QRect inner(0, 2, w, h - 4);
    const int innerBottom = h - 2; // exclusive

    QRect strip;
    if (inner.width() > 0 && inner.height() > 0) {
        // Scroll the inner rows up by dy; the rows uncovered at the bottom are the strip.
        const int rows = std::max(0, inner.height() - dy);
        for (int y = inner.top(); y < inner.top() + rows; ++y) {
            std::copy_n(m_canvas.constScanLine(y + dy), m_canvas.bytesPerLine(),
                        m_canvas.scanLine(y));
        }
        strip =
            QRect(0, innerBottom - std::min(dy, inner.height()), w, std::min(dy, inner.height()));
    } else {
        strip = QRect(0, h - dy, w, dy) & m_canvas.rect();
    }
    m_offset += dy;

    const Style style = StyleOf(m_currentLine);
    if (style == Style::Bitmap && !m_bitmapScrolling) {
        const QImage bitmap = m_loader ? m_loader(m_currentLine.chopped(1)) : QImage();
        if (!bitmap.isNull()) {
            m_lineBitmap = bitmap;
            m_bitmapX = inner.left() + inner.width() - inner.width() / 2 - bitmap.width() / 2;
            m_bitmapScrolling = true;
        }
    } else if (style != Style::Bitmap) {
        m_lineHeight = m_heights[HeightIndex(style)];
    }

    QPainter painter(&m_canvas);
    painter.fillRect(strip, FillColour());
    if (m_bitmapScrolling) {
        const QColor key = TransparentKey();
        const bool keyed = m_transparent && m_background.isNull();
        const int shown = std::min(m_offset, m_lineBitmap.height());
        painter.end();
        DrawKeyed(m_canvas, QPoint(m_bitmapX, innerBottom - m_offset), m_lineBitmap,
                  QRect(0, 0, m_lineBitmap.width(), shown), inner, keyed ? &key : nullptr);
        if (m_offset >= m_lineBitmap.height()) {
            m_lineBitmap = QImage();
            m_bitmapScrolling = false;
            m_offset = 0;
            m_currentLine.clear();
            m_tickCounter = 1;
        }
        return;
    }
    if (style == Style::Bitmap) {
        return; // a picture that could not be loaded shows nothing
    }
    // The rows above the strip already hold the line from earlier ticks: only the strip is new.
    painter.setClipRect(strip);
    painter.setFont(FontOf(style));
    painter.setPen(TextColourOf(style));
    painter.drawText(QRect(inner.left(), innerBottom - m_offset, inner.width(), m_offset),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     TextOf(m_currentLine, style));
}

void CreditsRoll::RenderStatic(const QSize& client)
{
    m_canvas = QImage(client.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_canvas.fill(FillColour());
    const int w = m_canvas.width();
    const int h = m_canvas.height();
    const QColor key = TransparentKey();
    const bool keyed = m_transparent && m_background.isNull();
    int y = 0;
    for (const QString& line : std::as_const(m_lines)) {
        if (y >= h) {
            break;
        }
        const Style style = StyleOf(line);
        if (style == Style::Bitmap) {
            const QImage bitmap = m_loader ? m_loader(line.chopped(1)) : QImage();
            if (!bitmap.isNull()) {
                DrawKeyed(m_canvas, QPoint((w - bitmap.width()) / 2, y), bitmap, bitmap.rect(),
                          m_canvas.rect(), keyed ? &key : nullptr);
                y += bitmap.height();
            }
            continue;
        }
        const QFont font = FontOf(style);
        const QString text = TextOf(line, style);
        QPainter painter(&m_canvas);
        painter.setFont(font);
        painter.setPen(TextColourOf(style));
        if (!text.isEmpty()) {
            painter.drawText(QRect(0, y, w, h - y),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
        }
        y += QFontMetrics(font).height();
    }
}

QImage CreditsRoll::Composite() const
{
    if (m_background.isNull() || m_background.width() <= 0 || m_background.height() <= 0) {
        return m_canvas;
    }
    QImage frame(m_canvas.size(), QImage::Format_RGB32);
    {
        QPainter painter(&frame);
        for (int y = 0; y < frame.height(); y += m_background.height()) {
            for (int x = 0; x < frame.width(); x += m_background.width()) {
                painter.drawImage(x, y, m_background);
            }
        }
    }
    // Canvas pixels of the key colour let the tiled background through.
    const QRgb key = KeyColour().rgb();
    for (int y = 0; y < frame.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(m_canvas.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if (in[x] != key) {
                out[x] = in[x];
            }
        }
    }
    return frame;
}

QImage CreditsRoll::Frame(const QSize& client)
{
    if (m_running) {
        EnsureCanvas(client);
    } else if (m_canvas.isNull() || m_canvas.size() != client.expandedTo(QSize(1, 1))) {
        RenderStatic(client);
    }
    return Composite();
}
