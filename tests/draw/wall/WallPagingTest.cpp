// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/wall/core/WallPaging.h"

#include <gtest/gtest.h>

TEST(WallPaging, GridHoldsWhatFitsAndSpreadsCardsEvenlyOverThePages)
{
    const QSize area(1000, 600);
    const QSize card(180, 90); // 5 x 6 = 30 fit with a gap of 10
    EXPECT_EQ(WallPaging::GridFor(area, card, 10, 1000), (WallGrid{5, 6, 30}));
    // 31 cards: two pages of 16, not 30 and 1.
    const WallGrid two = WallPaging::GridFor(area, card, 10, 31);
    EXPECT_EQ(two.perPage, 16);
    EXPECT_GE(two.columns * two.rows, 16);
    // A small round gets the grid with the largest cards: 2 x 2 beats one row of 3.
    EXPECT_EQ(WallPaging::GridFor(area, card, 10, 3), (WallGrid{2, 2, 3}));
    // Too small an area, no cards: still one place.
    EXPECT_EQ(WallPaging::GridFor(QSize(50, 50), card, 10, 0), (WallGrid{1, 1, 1}));
}

TEST(WallPaging, PagesTurnByHandWithinTheirEnds)
{
    WallPaging paging;
    EXPECT_EQ(paging.PageCount(), 1); // nothing yet
    paging.SetCards(1000, 48);
    EXPECT_EQ(paging.PageCount(), 21);
    EXPECT_FALSE(paging.Previous());
    EXPECT_TRUE(paging.Next());
    EXPECT_EQ(paging.First(), 48);
    EXPECT_TRUE(paging.GoTo(99));
    EXPECT_EQ(paging.Page(), 20);
    EXPECT_EQ(paging.CountOnPage(), 1000 - 20 * 48);
    EXPECT_FALSE(paging.Next());
    paging.SetCards(10, 48); // a new round starts at its first page
    EXPECT_EQ(paging.Page(), 0);
    EXPECT_EQ(paging.CountOnPage(), 10);
}

TEST(WallPaging, AutomaticPagingWaitsItsIntervalLoopsAndRestartsAfterATurnByHand)
{
    WallPaging paging;
    paging.SetCards(30, 10);
    EXPECT_FALSE(paging.AutoTurn(100000)); // off by default
    paging.SetAutoInterval(5000, 0);
    EXPECT_FALSE(paging.AutoTurn(4999));
    EXPECT_TRUE(paging.AutoTurn(5000));
    EXPECT_EQ(paging.Page(), 1);
    paging.Next(7000); // by hand: the page gets its full time
    EXPECT_FALSE(paging.AutoTurn(11999));
    EXPECT_TRUE(paging.AutoTurn(12000));
    EXPECT_EQ(paging.Page(), 0); // after the last, the first again
    paging.SetCards(5, 10);
    EXPECT_FALSE(paging.AutoTurn(99000)); // one page never turns
}
