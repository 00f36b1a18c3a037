// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/wall/core/WallPaging.h"

#include <algorithm>

WallGrid WallPaging::GridFor(QSize area, QSize minCard, int gap, int count)
{
    const int cardW = std::max(1, minCard.width());
    const int cardH = std::max(1, minCard.height());
    gap = std::max(0, gap);
    const int maxColumns = std::max(1, (area.width() + gap) / (cardW + gap));
    const int maxRows = std::max(1, (area.height() + gap) / (cardH + gap));
    const int capacity = maxColumns * maxRows;
    count = std::max(1, count);
    const int pages = (count + capacity - 1) / capacity;
    const int perPage = (count + pages - 1) / pages;

    WallGrid best{maxColumns, maxRows, perPage};
    double bestScale = -1;
    int bestEmpty = 0;
    for (int columns = 1; columns <= maxColumns; ++columns) {
        const int rows = (perPage + columns - 1) / columns;
        if (rows > maxRows) {
            continue;
        }
        const double w = double(area.width() - (columns - 1) * gap) / columns;
        const double h = double(area.height() - (rows - 1) * gap) / rows;
        const double scale = std::min(w / cardW, h / cardH);
        const int empty = columns * rows - perPage;
        // The largest cards; between equal sizes, the fewest empty places.
        if (scale > bestScale + 1e-9 || (scale > bestScale - 1e-9 && empty < bestEmpty)) {
            best = WallGrid{columns, rows, perPage};
            bestScale = scale;
            bestEmpty = empty;
        }
    }
    return best;
}

void WallPaging::SetCards(int count, int perPage)
{
    m_count = std::max(0, count);
    m_perPage = std::max(1, perPage);
    m_page = 0;
}

int WallPaging::PageCount() const
{
    return std::max(1, (m_count + m_perPage - 1) / m_perPage);
}

int WallPaging::CountOnPage() const
{
    return std::clamp(m_count - First(), 0, m_perPage);
}

bool WallPaging::GoTo(int page, std::int64_t nowMs)
{
    page = std::clamp(page, 0, PageCount() - 1);
    m_lastTurnMs = nowMs;
    if (page == m_page) {
        return false;
    }
    m_page = page;
    return true;
}

bool WallPaging::Next(std::int64_t nowMs)
{
    return GoTo(m_page + 1, nowMs);
}

bool WallPaging::Previous(std::int64_t nowMs)
{
    return GoTo(m_page - 1, nowMs);
}

void WallPaging::SetAutoInterval(int intervalMs, std::int64_t nowMs)
{
    m_autoMs = std::max(0, intervalMs);
    m_lastTurnMs = nowMs;
}

bool WallPaging::AutoTurn(std::int64_t nowMs)
{
    if (m_autoMs <= 0 || PageCount() < 2 || nowMs - m_lastTurnMs < m_autoMs) {
        return false;
    }
    m_lastTurnMs = nowMs;
    m_page = (m_page + 1) % PageCount();
    return true;
}
