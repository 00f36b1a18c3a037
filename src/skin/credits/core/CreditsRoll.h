// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The picture and the state of a scrolling credits panel, without the widget: lines of text
// rise out of the bottom edge one pixel per tick, each styled by its last character. The panel
// widgets drive it from their timer and paint Frame().
class CreditsRoll
{
public:
    enum class Style
    {
        Title,
        Heading,
        SubHeading,
        Bitmap,
        Normal
    };

    // The two panels differ only in these constants and in the tick rules of Variant::B.
    enum class Variant
    {
        Standard,
        B
    };

    // Bitmap lines and background bitmaps name pictures; the loader turns a name into a picture
    // (a null image when there is none). The default loader only looks among the program's own
    // resources (":/credits/<name>"), never at a file named by the text.
    using BitmapLoader = std::function<QImage(const QString& name)>;

    static constexpr int SpeedCount = 3;
    static constexpr int ColourCount = 5;
    static constexpr int TimerId = 150;
    // The key colour that makes canvas pixels see-through.
    static QColor TransparentKey() { return QColor(192, 192, 192); }

    explicit CreditsRoll(Variant variant = Variant::Standard);

    // Splits text at every delimiter (an empty piece is an empty line, the last piece is always
    // kept) and restarts from the first line.
    bool SetCredits(const QString& text, QChar delimiter);
    // A non-zero period replaces speeds[index]; index becomes the speed index. An index outside
    // 0..2 is ignored.
    void SetSpeed(int index, int period);
    // colours[index]: 0 background, 1 title, 2 heading, 3 sub-heading, 4 normal text. An index
    // outside 0..4 is ignored.
    void SetColour(int index, const QColor& colour);
    void SetTransparent(bool transparent);
    // Loads the tiled background by name through the loader; false (and no background) when
    // there is no such picture.
    bool SetBackgroundBitmap(const QString& name);
    void SetBackgroundImage(const QImage& image);
    void SetBitmapLoader(BitmapLoader loader);

    // Start: false for an empty list; otherwise discards the canvas and rewinds. Stop discards
    // the canvas. Running only decides how Frame() is made.
    bool Start();
    void Stop();
    bool IsRunning() const { return m_running; }
    int Period() const { return m_speeds[static_cast<std::size_t>(m_speedIndex)]; }

    // One timer tick for a client area of the given size: advance and draw one step.
    void Tick(const QSize& client);
    // The picture to show: while running, the canvas as the ticks drew it; otherwise the whole
    // list rendered once from the top.
    QImage Frame(const QSize& client);

    // State, for tests and the widget.
    const QStringList& Lines() const { return m_lines; }
    QString CurrentLine() const { return m_currentLine; }
    int TickCounter() const { return m_tickCounter; }
    int Offset() const { return m_offset; }
    int LineHeight() const { return m_lineHeight; }
    bool BitmapScrolling() const { return m_bitmapScrolling; }
    const QImage& Canvas() const { return m_canvas; }
    QColor Colour(int index) const;
    int Speed(int index) const;
    int Height(int styleIndex) const
    {
        return styleIndex >= 0 && styleIndex < 4 ? m_heights[static_cast<std::size_t>(styleIndex)]
                                                 : 0;
    }

    Style StyleOf(const QString& line) const;
    QFont FontOf(Style style) const;
    QColor TextColourOf(Style style) const;

private:
    QColor FillColour() const;
    QColor KeyColour() const;
    void EnsureCanvas(const QSize& client);
    void DrawStep(const QSize& client);
    void RenderStatic(const QSize& client);
    QImage Composite() const;
    static QString TextOf(const QString& line, Style style);
    // Index into the font heights: title, heading, sub-heading, normal (also for pictures).
    static std::size_t HeightIndex(Style style);

    Variant m_variant;
    std::array<QColor, ColourCount> m_colours;
    std::array<int, 4> m_heights;
    std::array<QChar, 4> m_escapes;
    std::array<int, SpeedCount> m_speeds;
    int m_speedIndex = 1;
    QStringList m_lines;
    QString m_currentLine;
    int m_tickCounter = 1;
    int m_nextLine = 0;
    int m_offset = 0;
    int m_step = -1;
    int m_lineHeight = 15;
    QImage m_lineBitmap;
    bool m_bitmapScrolling = false;
    int m_bitmapX = 0;
    QImage m_canvas;
    QImage m_background;
    bool m_transparent = false;
    bool m_running = false;
    BitmapLoader m_loader;
};
