// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/wall/WallLayout.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace {

// The number line's height next to the name's.
constexpr double NumberRatio = 0.58;
// Cards of a small round grow, up to this many times their least size.
constexpr double MostGrowth = 2.4;

// Width a text needs: its advance, or its ink where that reaches further.
int NeededWidth(const QFontMetrics& fm, const QString& text)
{
    const QRect ink = fm.tightBoundingRect(text);
    return std::max(fm.horizontalAdvance(text), ink.right() + 1) - std::min(0, ink.left());
}

// The ink of all texts together with a probe, relative to a common baseline.
QRect InkOf(const QFontMetrics& fm, const QString& probe, const std::vector<QString>& texts)
{
    QRect ink = fm.tightBoundingRect(probe);
    for (const QString& text : texts) {
        ink |= fm.tightBoundingRect(text);
    }
    return ink;
}

} // namespace

WallLayout::WallLayout(QSize size, const QString& cardFamily, int cardCount)
    : m_size(size.expandedTo(QSize(160, 120))), m_family(cardFamily)
{
    const int w = m_size.width();
    const int h = m_size.height();
    m_unit = h / 1080.0;
    const int margin = std::max(Px(40), static_cast<int>(w * 0.04));
    m_title = QRect(margin, Px(30), w - 2 * margin, Px(100));
    m_count = QRect(margin, Px(134), w - 2 * margin, Px(40));
    m_footer = QRect(margin, h - Px(66), w - 2 * margin, Px(48));
    m_grid = QRect(margin, Px(192), w - 2 * margin, m_footer.top() - Px(12) - Px(192));
    m_gap = Px(16);
    m_padX = Px(14);
    m_padY = Px(8);

    // Wide enough for a long name at the smallest size and for any number; high enough for a
    // name of the legible size over its number.
    const QFontMetrics floorName(CardFont(Px(FloorNamePx), true));
    const QFontMetrics legibleName(CardFont(Px(LegibleNamePx), true));
    const QFontMetrics legibleNumber(
        CardFont(static_cast<int>(std::lround(Px(LegibleNamePx) * NumberRatio)), false));
    const QString longest(LongestFittingNameBytes / 2, QChar(0x56FD));
    const int width = std::max(NeededWidth(floorName, longest),
                               NeededWidth(legibleNumber, QStringLiteral("00000000")));
    const int height = InkOf(legibleName, QStringLiteral("国Ágy"), {}).height() +
                       InkOf(legibleNumber, QStringLiteral("0"), {}).height() +
                       Px(LegibleNamePx * 0.2);
    m_minCard = QSize(width + 2 * m_padX, height + 2 * m_padY);
    m_layoutGrid = WallPaging::GridFor(m_grid.size(), m_minCard, m_gap, cardCount);
}

int WallLayout::Px(double designPixels) const
{
    return std::max(1, static_cast<int>(std::lround(designPixels * m_unit)));
}

QFont WallLayout::CardFont(int pixelSize, bool bold) const
{
    QFont font(m_family);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    return font;
}

WallPageView WallLayout::Page(const WallCard* cards, int count) const
{
    WallPageView view;
    count = std::clamp(count, 0, m_layoutGrid.perPage);
    const int columns = m_layoutGrid.columns;
    const int rows = m_layoutGrid.rows;
    const int cellW = std::min((m_grid.width() - (columns - 1) * m_gap) / columns,
                               static_cast<int>(m_minCard.width() * MostGrowth));
    const int cellH = std::min((m_grid.height() - (rows - 1) * m_gap) / rows,
                               static_cast<int>(m_minCard.height() * MostGrowth));
    const int innerW = cellW - 2 * m_padX;
    const int innerH = cellH - 2 * m_padY;

    std::vector<QString> names;
    std::vector<QString> numbers;
    for (int i = 0; i < count; ++i) {
        names.push_back(cards[i].name);
        numbers.push_back(cards[i].id);
    }
    const auto numberPx = [](int namePx) {
        return std::max(1, static_cast<int>(std::lround(namePx * NumberRatio)));
    };
    const auto blockHeight = [&](int px) {
        const QFontMetrics name(CardFont(px, true));
        const QFontMetrics number(CardFont(numberPx(px), false));
        return InkOf(name, QStringLiteral("国"), names).height() +
               InkOf(number, QStringLiteral("0"), numbers).height() + static_cast<int>(px * 0.2);
    };
    const auto widthsFit = [&](int px) {
        const QFontMetrics name(CardFont(px, true));
        const QFontMetrics number(CardFont(numberPx(px), false));
        return std::all_of(names.begin(), names.end(),
                           [&](const QString& t) { return NeededWidth(name, t) <= innerW; }) &&
               std::all_of(numbers.begin(), numbers.end(),
                           [&](const QString& t) { return NeededWidth(number, t) <= innerW; });
    };
    // The largest size in [low, high] for which fits holds, or low - 1.
    const auto largest = [](int low, int high, auto fits) {
        int found = low - 1;
        while (low <= high) {
            const int mid = (low + high) / 2;
            if (fits(mid)) {
                found = mid;
                low = mid + 1;
            } else {
                high = mid - 1;
            }
        }
        return found;
    };
    const int floorPx = Px(ShrunkNamePx);
    const int heightPx = largest(4, Px(LegibleNamePx * MostGrowth),
                                 [&](int px) { return blockHeight(px) <= innerH; });
    int px = largest(std::min(floorPx, heightPx), heightPx, widthsFit);
    if (px < std::min(floorPx, heightPx)) {
        // Some text is too long even at the smallest legible size: it alone is elided.
        px = std::max(4, std::min(floorPx, heightPx));
    }

    view.nameFont = CardFont(px, true);
    view.numberFont = CardFont(numberPx(px), false);
    const QFontMetrics nameMetrics(view.nameFont);
    const QFontMetrics numberMetrics(view.numberFont);
    const QRect nameInk = InkOf(nameMetrics, QStringLiteral("国"), names);
    const QRect numberInk = InkOf(numberMetrics, QStringLiteral("0"), numbers);
    const int innerGap = static_cast<int>(px * 0.2);
    const int block = nameInk.height() + numberInk.height() + innerGap;

    const auto fitted = [innerW](const QFontMetrics& fm, const QString& text, bool* elided) {
        QString shown = text;
        for (int room = innerW; NeededWidth(fm, shown) > innerW && room > 0; room -= 2) {
            shown = fm.elidedText(text, Qt::ElideRight, room);
            *elided = true;
        }
        return shown;
    };

    const int usedRows = (count + columns - 1) / columns;
    const int blockH = usedRows * cellH + std::max(0, usedRows - 1) * m_gap;
    const int top = m_grid.top() + (m_grid.height() - blockH) / 2;
    for (int i = 0; i < count; ++i) {
        const int row = i / columns;
        const int inRow = std::min(columns, count - row * columns);
        const int rowW = inRow * cellW + (inRow - 1) * m_gap;
        const int left = m_grid.left() + (m_grid.width() - rowW) / 2;
        WallCardView card;
        card.card = QRect(left + (i % columns) * (cellW + m_gap), top + row * (cellH + m_gap),
                          cellW, cellH);
        card.number = fitted(numberMetrics, cards[i].id, &card.elided);
        card.name = fitted(nameMetrics, cards[i].name, &card.elided);
        const int blockTop = card.card.top() + (cellH - block) / 2;
        const double centre = card.card.left() + cellW / 2.0;
        card.numberOrigin = QPointF(centre - numberMetrics.horizontalAdvance(card.number) / 2.0,
                                    blockTop - numberInk.top());
        card.nameOrigin = QPointF(centre - nameMetrics.horizontalAdvance(card.name) / 2.0,
                                  blockTop + numberInk.height() + innerGap - nameInk.top());
        view.cards.push_back(card);
    }
    return view;
}
