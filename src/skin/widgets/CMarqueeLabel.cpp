// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CMarqueeLabel.h"

#include "platform/core/GbkText.h"
#include "skin/core/SkinPictures.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace {

// The text without its first units display units; a character cut in half becomes a blank.
QString DropUnits(const QString& text, int units)
{
    int dropped = 0;
    qsizetype i = 0;
    while (i < text.size() && dropped < units) {
        const char32_t codePoint = text.at(i).isHighSurrogate() && i + 1 < text.size()
                                       ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                       : text.at(i).unicode();
        dropped += GbkText::UnitsOf(codePoint);
        i += QChar::requiresSurrogates(codePoint) ? 2 : 1;
    }
    const QString rest = text.mid(i);
    return dropped > units ? QStringLiteral(" ") + rest : rest;
}

} // namespace

CMarqueeLabel::CMarqueeLabel(QWidget* parent) : CHoverButton(parent)
{
    m_timer.setInterval(StepMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &CMarqueeLabel::Tick);
}

void CMarqueeLabel::SetText(const QString& text, bool centred)
{
    m_centred = centred;
    setText(text);
    m_text = text;
    Recalculate();
}

void CMarqueeLabel::SetLabelFont(const QFont& font)
{
    m_font = font;
    Recalculate();
}

void CMarqueeLabel::SetColour(SkinColour colour)
{
    m_colour = colour;
    update();
}

void CMarqueeLabel::SetBackground(const QImage& background)
{
    m_background = background;
    update();
}

QString CMarqueeLabel::ShownText() const
{
    QString shown = DropUnits(m_text, m_offset);
    if (m_capacity < GbkText::ByteLength(m_text)) {
        const QString round = Separator + m_text;
        while (GbkText::ByteLength(shown) < m_capacity) {
            shown += round;
        }
    }
    return shown;
}

void CMarqueeLabel::Tick()
{
    ++m_offset;
    if (m_offset > GbkText::ByteLength(m_text)) {
        m_offset = 0;
    }
    update();
}

void CMarqueeLabel::SetShrinkToFit(bool on)
{
    m_shrinkToFit = on;
    Recalculate();
}

void CMarqueeLabel::Recalculate()
{
    m_timer.stop();
    m_drawnFont = m_font;
    if (m_shrinkToFit) {
        // Down to a third of the size, in whole pixels, until the text fits the width.
        const int full = QFontInfo(m_font).pixelSize();
        for (int size = full; size > std::max(1, full / 3) &&
                              QFontMetrics(m_drawnFont).horizontalAdvance(m_text) > width();
             --size) {
            m_drawnFont.setPixelSize(size - 1);
        }
        m_capacity = GbkText::ByteLength(m_text);
        m_scrolling = false;
        m_offset = 0;
        update();
        return;
    }
    // Measured in the label's own font: a large font holds fewer units, so a long text in it
    // scrolls instead of being cut off at the right edge.
    const int unitWidth = std::max(1, QFontMetrics(m_font).horizontalAdvance(u'W'));
    m_capacity = width() * 2 / unitWidth;
    m_scrolling = m_capacity < GbkText::ByteLength(m_text);
    if (m_scrolling) {
        m_timer.start();
    }
    m_offset = 0;
    update();
}

void CMarqueeLabel::resizeEvent(QResizeEvent* event)
{
    CHoverButton::resizeEvent(event);
    Recalculate();
}

void CMarqueeLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    DrawBitmap(painter, m_background, rect());
    int flags = Qt::AlignTop | Qt::AlignLeft;
    if (!m_scrolling && m_centred) {
        flags = Qt::AlignTop | Qt::AlignHCenter;
    }
    painter.setFont(m_drawnFont);
    painter.setPen(ColourFromSkinValue(m_colour));
    painter.drawText(rect(), flags, ShownText());
}
