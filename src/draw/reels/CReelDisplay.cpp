// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/reels/CReelDisplay.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Whether text, drawn centred on one line in a cell of size, keeps its ink inside the cell. One
// pixel is kept free on every side for antialiasing and rounding.
bool InkFits(const QFontMetrics& metrics, const QSize& size, const QString& text)
{
    const QRect ink = metrics.boundingRect(text);
    const double x = (size.width() - metrics.horizontalAdvance(text)) / 2.0;
    const double baseline = (size.height() - metrics.height()) / 2.0 + metrics.ascent();
    return x + ink.left() >= 1 && x + ink.right() + 1 <= size.width() - 1 &&
           baseline + ink.top() >= 1 && baseline + ink.bottom() + 1 <= size.height() - 1;
}

bool AllFit(QFont font, int pixelSize, const QSize& size, const QStringList& texts)
{
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    for (const QString& text : texts) {
        if (!InkFits(metrics, size, text)) {
            return false;
        }
    }
    return true;
}

} // namespace

CReelDisplay::CReelDisplay(QWidget* parent) : QWidget(parent), m_font(ReelFont())
{
    // Every pixel is painted here: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QFont CReelDisplay::ReelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(FontPixelSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

int CReelDisplay::FitPixelSize(const QFont& font, const QSize& cellSize, const QStringList& texts,
                               int maxPixelSize)
{
    if (maxPixelSize <= 1 || cellSize.isEmpty()) {
        return 1;
    }
    if (AllFit(font, maxPixelSize, cellSize, texts)) {
        return maxPixelSize;
    }
    // Ink grows with the size: find the last size that fits by halving the interval.
    int fits = 1;
    int tooBig = maxPixelSize;
    while (tooBig - fits > 1) {
        const int middle = (fits + tooBig) / 2;
        if (AllFit(font, middle, cellSize, texts)) {
            fits = middle;
        } else {
            tooBig = middle;
        }
    }
    return fits;
}

void CReelDisplay::FitFont()
{
    if (m_fittedSize == size()) {
        return;
    }
    m_fittedSize = size();
    // Cell 1 is the widest; the others are one pixel narrower.
    const QSize cell = CellRect(2).isEmpty() ? CellRect(1).size() : CellRect(2).size();
    static const QStringList rolling = [] {
        QStringList characters;
        for (const char* c = RollingCharacters; *c; ++c) {
            characters.append(QString(QLatin1Char(*c)));
        }
        return characters;
    }();
    m_font.setPixelSize(
        FitPixelSize(ReelFont(), cell, rolling, std::max(1, qRound(FontPixelSize * m_scale))));
    m_textSizes.clear();
}

int CReelDisplay::CellFontPixelSize()
{
    FitFont();
    return m_font.pixelSize();
}

void CReelDisplay::SetScale(double scale)
{
    if (scale <= 0 || scale == m_scale) {
        return;
    }
    m_scale = scale;
    m_margin = qRound(Margin * scale);
    m_fittedSize = QSize();
    update();
}

QRect CReelDisplay::CellRect(const QRect& client, int cell, int margin)
{
    if (cell < 1 || cell > CellCount) {
        return {};
    }
    const int w = (client.width() - 2 * margin) / CellCount;
    const int x0 = client.left() + margin;
    const int top = client.top() + margin;
    // Right-exclusive edges: cell 1 is [x0, x0 + w), cell k is [x0 + (k - 1) w + 1, x0 + k w),
    // so one background column stays between neighbours. QRect's right edge is inclusive.
    const int left = cell == 1 ? x0 : x0 + (cell - 1) * w + 1;
    const int right = x0 + cell * w;
    const int bottom = client.top() + client.height() - margin;
    if (right <= left || bottom <= top) {
        return {};
    }
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void CReelDisplay::SetReelText(int cell, const QString& text, const QColor& colour)
{
    if (cell < 1 || cell > CellCount) {
        return;
    }
    Cell& c = m_cells[cell - 1];
    c.text = text.toUpper();
    c.colour = colour;
    c.dirty = true;
    update(CellRect(cell));
}

QString CReelDisplay::ReelText(int cell) const
{
    if (cell < 1 || cell > CellCount) {
        return {};
    }
    return m_cells[cell - 1].text;
}

void CReelDisplay::DrawCell(QPainter& painter, int cell, const QColor& colour)
{
    const QRect r = CellRect(cell);
    if (r.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(r);
    painter.fillRect(r, BackgroundColour());
    painter.setPen(colour);
    const QString& text = m_cells[cell - 1].text;
    if (!text.isEmpty() && !InkFits(QFontMetrics(m_font), r.size(), text)) {
        auto size = m_textSizes.constFind(text);
        if (size == m_textSizes.constEnd()) {
            size = m_textSizes.insert(text,
                                      FitPixelSize(m_font, r.size(), {text}, m_font.pixelSize()));
        }
        QFont smaller = m_font;
        smaller.setPixelSize(*size);
        painter.setFont(smaller);
    }
    painter.drawText(r, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.restore();
}

void CReelDisplay::paintEvent(QPaintEvent* event)
{
    FitFont();
    QPainter painter(this);
    painter.setFont(m_font);

    // A paint that only covers cells changed by SetReelText draws them in their own colours;
    // anything else (expose, resize, a full update) repaints everything in white.
    QRegion pending;
    for (int i = 1; i <= CellCount; ++i) {
        if (m_cells[i - 1].dirty) {
            pending += CellRect(i);
        }
    }
    const bool cellsOnly = !pending.isEmpty() && (event->region() - pending).isEmpty();
    if (cellsOnly) {
        for (int i = 1; i <= CellCount; ++i) {
            Cell& c = m_cells[i - 1];
            if (c.dirty && event->region().intersects(CellRect(i))) {
                DrawCell(painter, i, c.colour);
                c.dirty = false;
            }
        }
        return;
    }
    painter.fillRect(rect(), BackgroundColour());
    for (int i = 1; i <= CellCount; ++i) {
        DrawCell(painter, i, FullRepaintColour());
        m_cells[i - 1].dirty = false;
    }
}
