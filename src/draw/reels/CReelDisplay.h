// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

// The eight character cells of the slot machine. The draw moves each reel every 10 ms, so
// SetReelText only stores the text and schedules a repaint of its own cell; painting the whole
// control (an expose, a resize) draws every stored text in white. The characters are drawn at
// FontPixelSize where the widest of them fits its cell, else at the largest size that fits.
class CReelDisplay : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CellCount = 8;
    static constexpr int Margin = 25;
    static constexpr int FontPixelSize = 140;
    // What the reels roll through; the font is fitted to the widest of these.
    static constexpr const char* RollingCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

    explicit CReelDisplay(QWidget* parent = nullptr);

    // cell is 1..CellCount; other cells are ignored. The text is shown upper-cased.
    void SetReelText(int cell, const QString& text, const QColor& colour);
    // The stored (upper-cased) text of a cell; empty for a cell outside 1..CellCount.
    QString ReelText(int cell) const;

    // The rectangle of a cell (1..CellCount) inside a client rectangle: cell 1 is one pixel
    // wider than the others; every cell leaves margin pixels above and below.
    static QRect CellRect(const QRect& client, int cell, int margin = Margin);
    QRect CellRect(int cell) const { return CellRect(rect(), cell, m_margin); }

    // A face scaled by scale (presentation) scales the margin and the largest font size alike.
    void SetScale(double scale);
    double Scale() const { return m_scale; }

    static QColor BackgroundColour() { return QColor(189, 0, 0); }
    static QColor FullRepaintColour() { return QColor(255, 255, 255); }
    // Arial, or the metric-compatible Liberation Sans where Arial is not installed.
    static QFont ReelFont();
    // The largest pixel size, at most maxPixelSize, at which each of texts, drawn alone and
    // centred on one line, lies wholly inside a cell of cellSize; 1 when nothing fits.
    static int FitPixelSize(const QFont& font, const QSize& cellSize, const QStringList& texts,
                            int maxPixelSize);
    // The pixel size the cells are drawn with now.
    int CellFontPixelSize();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Cell
    {
        QString text = QStringLiteral("0");
        QColor colour;      // colour of the pending single-cell repaint
        bool dirty = false; // a SetReelText waits for its repaint
    };

    void DrawCell(class QPainter& painter, int cell, const QColor& colour);
    // Fits the font to the cells when the size changed since the last fit.
    void FitFont();

    std::array<Cell, CellCount> m_cells;
    QFont m_font;
    // Smaller sizes for texts that do not fit at m_font's size (characters beyond the rolling
    // ones, such as Chinese participant numbers), by text; emptied when the cells change.
    QHash<QString, int> m_textSizes;
    QSize m_fittedSize; // the size m_font was fitted for
    double m_scale = 1.0;
    int m_margin = Margin;
};
