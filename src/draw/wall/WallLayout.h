// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/wall/core/WallPaging.h"

#include <QFont>
#include <QPointF>
#include <QRect>
#include <QString>

#include <vector>

// One winner on the wall: participant number and name, as stored.
struct WallCard
{
    QString id;
    QString name;
};

// A card as painted: its rectangle and where its two texts start (their baselines), each text
// as shown (a name elided only when it cannot fit even at the smallest legible size).
struct WallCardView
{
    QRect card;
    QString number;
    QString name;
    QPointF numberOrigin;
    QPointF nameOrigin;
    bool elided = false;
};

// The cards of one page, all in the same two fonts.
struct WallPageView
{
    QFont numberFont;
    QFont nameFont;
    std::vector<WallCardView> cards;
};

// Where everything of the winners wall goes in a window of a given size: title, count line,
// the grid of cards, the footer. Sizes follow the window's height, as the projected picture's
// height is what the hall sees: a 1920 x 1080 wall holds about 45 cards whose names stand near
// 40 pixels high.
class WallLayout
{
public:
    // Names up to this many GBK bytes (ten Chinese characters) always fit in full.
    static constexpr int LongestFittingNameBytes = 20;
    // Name heights in pixels at 1080 lines: the grid is sized for names of LegibleNamePx over
    // their numbers, and wide enough for ten Chinese characters at FloorNamePx; a page with a
    // longer name shrinks all its names alike, down to ShrunkNamePx, before that name is elided.
    static constexpr int LegibleNamePx = 36;
    static constexpr int FloorNamePx = 30;
    static constexpr int ShrunkNamePx = 24;

    WallLayout(QSize size, const QString& cardFamily, int cardCount);

    // Scale of the design: window height / 1080.
    double Unit() const { return m_unit; }
    QSize Size() const { return m_size; }
    QRect TitleRect() const { return m_title; }
    QRect CountRect() const { return m_count; }
    QRect GridRect() const { return m_grid; }
    QRect FooterRect() const { return m_footer; }
    const WallGrid& Grid() const { return m_layoutGrid; }
    int Gap() const { return m_gap; }

    // The view of count cards (at most Grid().perPage), starting at cards.
    WallPageView Page(const WallCard* cards, int count) const;

private:
    QFont CardFont(int pixelSize, bool bold) const;
    int Px(double designPixels) const;

    QSize m_size;
    QString m_family;
    double m_unit = 1;
    int m_gap = 0;
    int m_padX = 0;
    int m_padY = 0;
    QSize m_minCard;
    QRect m_title;
    QRect m_count;
    QRect m_grid;
    QRect m_footer;
    WallGrid m_layoutGrid;
};
