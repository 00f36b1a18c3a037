// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/core/SkinDescription.h"
#include "skin/widgets/CHoverButton.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QTimer>

// One text over a background picture. A text longer than the label's capacity runs from right
// to left, one unit every 150 ms, followed by " ** " and the text again. Lengths, capacity and
// offset are counted in display units: 1 for an ASCII character, 2 for any other (as GBK counts
// bytes). The capacity is twice the client width over the width of "W" in the label's font.
class CMarqueeLabel : public CHoverButton
{
    Q_OBJECT

public:
    static constexpr int StepMilliseconds = 150;
    static inline const QString Separator = QStringLiteral(" ** ");

    explicit CMarqueeLabel(QWidget* parent = nullptr);

    // Sets the text and the centring of a text that fits; restarts the scroll from the start.
    void SetText(const QString& text, bool centred);
    const QString& Text() const { return m_text; }
    bool IsCentred() const { return m_centred; }

    // The label copies the font; the scroll restarts.
    void SetLabelFont(const QFont& font);
    const QFont& LabelFont() const { return m_font; }

    // A text too wide for the label is drawn in a smaller font instead of scrolling (for
    // figures, which must be read at a glance): off by default.
    void SetShrinkToFit(bool on);
    // The font the text is drawn in: the label font, or smaller when shrunk to fit.
    const QFont& DrawnFont() const { return m_drawnFont; }

    void SetColour(SkinColour colour);
    SkinColour Colour() const { return m_colour; }

    void SetBackground(const QImage& background);
    const QImage& Background() const { return m_background; }

    int Offset() const { return m_offset; }
    int Capacity() const { return m_capacity; }
    bool IsScrolling() const { return m_scrolling; }
    // The text as drawn now: without its first Offset() units and, while scrolling, continued
    // with the separator and the text until it fills the capacity. A double-width character cut
    // in half by the offset shows as one blank unit.
    QString ShownText() const;

    // One scroll step (the timer calls it): the next offset, back to 0 after the text's length.
    void Tick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    QImage m_background;

private:
    void Recalculate();

    int m_offset = 0;
    int m_capacity = 0;
    QString m_text;
    bool m_centred = false;
    SkinColour m_colour = 0;
    bool m_scrolling = false;
    QFont m_font;
    QFont m_drawnFont;
    bool m_shrinkToFit = false;
    QTimer m_timer;
};
