// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

#include <cstdint>

// The grid of a winners wall page: columns x rows places, of which perPage are used on every
// page but the last.
struct WallGrid
{
    int columns = 1;
    int rows = 1;
    int perPage = 1;

    friend bool operator==(const WallGrid&, const WallGrid&) = default;
};

// Which cards of a winners wall are on screen: the grid that keeps every card legible, the
// current page, turning pages by hand (clamped at both ends) and automatic paging (which starts
// again at the first page after the last). Needs no screen; time comes in as milliseconds from
// any steady clock.
class WallPaging
{
public:
    // The grid for count cards in an area, no card smaller than minCard, gap pixels between
    // cards. A page holds as many cards as fit; the cards are then spread evenly over the pages
    // needed (50 cards where 48 fit make two pages of 25, not 48 and 2), and the grid is the one
    // that gives those cards the largest size in minCard's proportions. At least one card.
    static WallGrid GridFor(QSize area, QSize minCard, int gap, int count);

    // count cards, perPage a page (at least 1); back to the first page.
    void SetCards(int count, int perPage);
    int CardCount() const { return m_count; }
    int PerPage() const { return m_perPage; }
    // At least 1, also without cards.
    int PageCount() const;
    // 0-based.
    int Page() const { return m_page; }
    // The cards of the current page: indexes First() .. First() + CountOnPage() - 1.
    int First() const { return m_page * m_perPage; }
    int CountOnPage() const;

    // Turn by hand; false when already at that end. A turn by hand restarts the automatic
    // paging's wait, so a page chosen by hand stays its full time.
    bool Next(std::int64_t nowMs = 0);
    bool Previous(std::int64_t nowMs = 0);
    bool GoTo(int page, std::int64_t nowMs = 0);

    // Automatic paging every intervalMs (0 switches it off), counted from nowMs.
    void SetAutoInterval(int intervalMs, std::int64_t nowMs);
    int AutoInterval() const { return m_autoMs; }
    // Turns to the next page (the first after the last) when the interval has passed since the
    // last turn; true when it turned. A single page never turns.
    bool AutoTurn(std::int64_t nowMs);

private:
    int m_count = 0;
    int m_perPage = 1;
    int m_page = 0;
    int m_autoMs = 0;
    std::int64_t m_lastTurnMs = 0;
};
