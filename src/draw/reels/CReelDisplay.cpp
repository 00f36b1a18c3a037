#include "CReelDisplay.h"

#include <QPaintEvent>
#include <QPainter>

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

QRect CReelDisplay::CellRect(const QRect& client, int cell)
{
    if (cell < 1 || cell > CellCount) {
        return {};
    }
    const int w = (client.width() - 2 * Margin) / CellCount;
    const int x0 = client.left() + Margin;
    const int top = client.top() + Margin;
    // Right-exclusive edges: cell 1 is [x0, x0 + w), cell k is [x0 + (k - 1) w + 1, x0 + k w),
    // so one background column stays between neighbours. QRect's right edge is inclusive.
    const int left = cell == 1 ? x0 : x0 + (cell - 1) * w + 1;
    const int right = x0 + cell * w;
    const int bottom = client.top() + client.height() - Margin;
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

void CReelDisplay::DrawCell(QPainter& painter, int cell, const QColor& colour) const
{
    const QRect r = CellRect(cell);
    if (r.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(r);
    painter.fillRect(r, BackgroundColour());
    painter.setPen(colour);
    painter.drawText(r, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                     m_cells[cell - 1].text);
    painter.restore();
}

void CReelDisplay::paintEvent(QPaintEvent* event)
{
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
