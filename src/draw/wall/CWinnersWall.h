// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/wall/WallLayout.h"
#include "draw/wall/WallStyle.h"
#include "draw/wall/core/WallPaging.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QTimer;
class QVariantAnimation;

// The winners of a big round on the whole screen, for the hall: the prize as title and the
// winners as cards ("number" over "name") in place order, page after page. Next page: F6, Right,
// Down, Page Down, the wheel down; previous: Left, Up, Page Up, the wheel up; Home and End go to
// the first and last page. Escape or closing the window returns to the draw window (signal
// closed). Optional automatic paging turns every few seconds and starts again after the last
// page.
//
// A frameless, application-modal window of its own over its parent. Only the current page is
// painted, from a finished picture: the pages next to it are drawn ahead while the wall waits,
// so a turn is a short fade; each page's layout is kept while the size stays.
class CWinnersWall : public QWidget
{
    Q_OBJECT

public:
    explicit CWinnersWall(QWidget* parent = nullptr);
    ~CWinnersWall() override;

    void SetStyle(const WallStyle& style);
    const WallStyle& Style() const { return m_style; }

    // The winners of a round of prize level level (1..8), in place order; back to page 1.
    void ShowRound(const QString& prizeName, int level, std::vector<WallCard> winners);
    // Fills the screen of the parent's window (the draw window; the primary screen without a
    // parent), in front, with the keyboard focus.
    void Present();

    // Automatic paging every intervalMs; 0 switches it off (the default).
    void SetAutoPaging(int intervalMs);
    // The clock automatic paging reads (milliseconds, steady); the default is the system's.
    void SetClock(std::function<qint64()> clock);
    // Turns the page when the automatic interval has passed; runs on the wall's own timer.
    void PollAutoPaging();

    // 0-based, like the signal.
    int CurrentPage() const { return m_paging.Page(); }
    int PageCount() const { return m_paging.PageCount(); }
    void NextPage();
    // Pictures of pages kept drawn (the current page and its neighbours at most).
    size_t KeptPictures() const { return m_pictures.size(); }
    void PreviousPage();

    QString TitleText() const;
    QString CountText() const;
    QString PageText() const;
    QString PageText(int page) const;
    // The layout of the current page, or of any page, at the current size (made when first
    // asked, then kept).
    const WallPageView& CurrentView() { return ViewOf(m_paging.Page()); }
    const WallPageView& ViewOf(int page);
    const WallLayout& Layout();

signals:
    void pageChanged(int page, int pageCount);
    // Escape or the window's close: the wall has hidden itself.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void TurnTo(int page);
    void OnPageShown(int oldPage);
    void Relayout();
    QPixmap Backdrop();
    // The picture of a page; the current page and its neighbours are kept, so that a turn
    // only fades from one finished picture to another.
    const QPixmap& PictureOf(int page);
    // Draws the neighbours of the current page ahead of the next turn, and forgets the others.
    void PrepareNeighbours();
    void PaintPage(class QPainter& painter);
    void PaintCard(QPainter& painter, const WallCardView& card, const WallPageView& view) const;

    WallStyle m_style;
    QString m_prizeName;
    int m_level = 0;
    std::vector<WallCard> m_winners;
    WallPaging m_paging;
    std::unique_ptr<WallLayout> m_layout;
    std::map<int, WallPageView> m_views; // by page, for the current size
    QPixmap m_backdrop;
    std::map<int, QPixmap> m_pictures; // by page, for the current size
    QPixmap m_leaving;                 // the page before, fading out
    QVariantAnimation* m_fade = nullptr;
    QTimer* m_autoTimer = nullptr;
    QTimer* m_hintTimer = nullptr;
    bool m_hintShown = false;
    int m_wheelRest = 0;
    std::function<qint64()> m_clock;
};
