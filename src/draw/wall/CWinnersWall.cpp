// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/wall/CWinnersWall.h"

#include "draw/wall/WallBackdrop.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVariantAnimation>
#include <QWheelEvent>

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace {

using WallBackdrop::WithAlpha;

// How often automatic paging looks at the clock, how long a page takes to fade in, and how long
// the key hint stays after the wall appears.
constexpr int AutoPollMs = 200;
constexpr int FadeMs = 280;
constexpr int HintMs = 10000;

qint64 SteadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

CWinnersWall::CWinnersWall(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_clock(&SteadyMs)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Nothing else of the program is used while the hall looks at the wall: the draw window
    // takes it as covered, so F5 starts no round behind it.
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(tr("中奖名单"));
    m_fade = new QVariantAnimation(this);
    m_fade->setStartValue(0.0);
    m_fade->setEndValue(1.0);
    m_fade->setDuration(FadeMs);
    connect(m_fade, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(m_fade, &QVariantAnimation::finished, this, [this] {
        m_leaving = QPixmap();
        PrepareNeighbours();
    });
    m_autoTimer = new QTimer(this);
    m_autoTimer->setInterval(AutoPollMs);
    connect(m_autoTimer, &QTimer::timeout, this, &CWinnersWall::PollAutoPaging);
    m_hintTimer = new QTimer(this);
    m_hintTimer->setSingleShot(true);
    connect(m_hintTimer, &QTimer::timeout, this, [this] {
        m_hintShown = false;
        update();
    });
}

CWinnersWall::~CWinnersWall() = default;

void CWinnersWall::SetStyle(const WallStyle& style)
{
    m_style = style;
    Relayout();
}

void CWinnersWall::ShowRound(const QString& prizeName, int level, std::vector<WallCard> winners)
{
    m_prizeName = prizeName;
    m_level = level;
    m_winners = std::move(winners);
    Relayout();
    Layout();
    m_paging.GoTo(0, m_clock());
    m_fade->stop();
    m_leaving = QPixmap();
    emit pageChanged(m_paging.Page(), m_paging.PageCount());
    update();
}

void CWinnersWall::Present()
{
    const QWidget* host = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* where = host && host->screen() ? host->screen() : QGuiApplication::primaryScreen();
    if (where) {
        setScreen(where);
        setGeometry(where->geometry());
    }
    showFullScreen();
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void CWinnersWall::SetAutoPaging(int intervalMs)
{
    m_paging.SetAutoInterval(intervalMs, m_clock());
    if (m_paging.AutoInterval() > 0 && isVisible()) {
        m_autoTimer->start();
    } else {
        m_autoTimer->stop();
    }
}

void CWinnersWall::SetClock(std::function<qint64()> clock)
{
    m_clock = std::move(clock);
    m_paging.SetAutoInterval(m_paging.AutoInterval(), m_clock());
}

void CWinnersWall::PollAutoPaging()
{
    const int old = m_paging.Page();
    if (m_paging.AutoTurn(m_clock())) {
        OnPageShown(old);
    }
}

void CWinnersWall::NextPage()
{
    TurnTo(m_paging.Page() + 1);
}

void CWinnersWall::PreviousPage()
{
    TurnTo(m_paging.Page() - 1);
}

void CWinnersWall::TurnTo(int page)
{
    Layout();
    const int old = m_paging.Page();
    if (m_paging.GoTo(page, m_clock())) {
        OnPageShown(old);
    }
}

void CWinnersWall::OnPageShown(int oldPage)
{
    if (isVisible() && m_pictures.count(oldPage) != 0) {
        m_leaving = m_pictures[oldPage];
        PictureOf(m_paging.Page());
        m_fade->stop();
        m_fade->start();
    }
    emit pageChanged(m_paging.Page(), m_paging.PageCount());
    update();
}

QString CWinnersWall::TitleText() const
{
    const QString prize =
        m_prizeName.trimmed().isEmpty() ? tr("第 %1 级奖项").arg(m_level) : m_prizeName.trimmed();
    return tr("%1 中奖名单").arg(prize);
}

QString CWinnersWall::CountText() const
{
    return tr("共 %1 位中奖者").arg(m_winners.size());
}

QString CWinnersWall::PageText() const
{
    return PageText(m_paging.Page());
}

QString CWinnersWall::PageText(int page) const
{
    return tr("第 %1 / %2 页").arg(page + 1).arg(m_paging.PageCount());
}

const WallLayout& CWinnersWall::Layout()
{
    if (!m_layout || m_layout->Size() != size().expandedTo(QSize(160, 120))) {
        // A new size keeps the first card of the page on screen.
        const int first = m_paging.First();
        m_layout = std::make_unique<WallLayout>(size(), m_style.cardFont,
                                                static_cast<int>(m_winners.size()));
        m_views.clear();
        m_pictures.clear();
        m_backdrop = QPixmap();
        const int perPage = m_layout->Grid().perPage;
        m_paging.SetCards(static_cast<int>(m_winners.size()), perPage);
        m_paging.GoTo(first / perPage, m_clock());
    }
    return *m_layout;
}

const WallPageView& CWinnersWall::ViewOf(int page)
{
    const WallLayout& layout = Layout();
    auto found = m_views.find(page);
    if (found == m_views.end()) {
        const int first = std::clamp(page * m_paging.PerPage(), 0, int(m_winners.size()));
        const int count = std::min(m_paging.PerPage(), int(m_winners.size()) - first);
        found = m_views.emplace(page, layout.Page(m_winners.data() + first, count)).first;
    }
    return found->second;
}

void CWinnersWall::Relayout()
{
    m_layout.reset();
    m_views.clear();
    m_pictures.clear();
    m_backdrop = QPixmap();
    update();
}

QPixmap CWinnersWall::Backdrop()
{
    if (m_backdrop.isNull()) {
        m_backdrop =
            WallBackdrop::Draw(Layout(), m_style, TitleText(), CountText(), devicePixelRatioF());
    }
    return m_backdrop;
}

void CWinnersWall::PaintCard(QPainter& p, const WallCardView& card, const WallPageView& view) const
{
    const double u = m_layout->Unit();
    const QRectF r = QRectF(card.card).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = 12 * u;
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, WithAlpha(m_style.background.darker(118), 235));
    fill.setColorAt(1, WithAlpha(m_style.background.darker(165), 235));
    p.setBrush(fill);
    p.setPen(QPen(WithAlpha(m_style.accent, 150), std::max(1.0, 1.5 * u)));
    p.drawRoundedRect(r, radius, radius);

    p.setFont(view.numberFont);
    p.setPen(m_style.number);
    p.drawText(card.numberOrigin, card.number);
    p.setFont(view.nameFont);
    p.setPen(m_style.name);
    p.drawText(card.nameOrigin, card.name);
}

const QPixmap& CWinnersWall::PictureOf(int page)
{
    Layout();
    auto found = m_pictures.find(page);
    if (found != m_pictures.end()) {
        return found->second;
    }
    QPixmap picture = Backdrop();
    picture.detach();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const WallPageView& view = ViewOf(page);
    for (const WallCardView& card : view.cards) {
        PaintCard(p, card, view);
    }
    if (m_paging.PageCount() > 1) {
        QFont pageFont(m_style.cardFont);
        pageFont.setPixelSize(std::max(1, static_cast<int>(30 * m_layout->Unit())));
        p.setFont(pageFont);
        p.setPen(m_style.accent);
        p.drawText(m_layout->FooterRect(), Qt::AlignCenter, PageText(page));
    }
    p.end();
    // Pages turned faster than the neighbours are prepared must not pile up (some 8 MB each):
    // only the current page and those next to it are kept.
    const int current = m_paging.Page();
    const int count = std::max(1, m_paging.PageCount());
    for (auto it = m_pictures.begin(); it != m_pictures.end();) {
        const int distance = std::abs(it->first - current);
        const bool keep = distance <= 1 || it->first == (current + 1) % count;
        it = keep ? std::next(it) : m_pictures.erase(it);
    }
    return m_pictures.emplace(page, picture).first->second;
}

void CWinnersWall::PrepareNeighbours()
{
    if (!isVisible()) {
        return;
    }
    const int page = m_paging.Page();
    const int count = m_paging.PageCount();
    // Automatic paging goes from the last page to the first.
    const int after = (page + 1) % count;
    const int before = std::max(0, page - 1);
    for (auto it = m_pictures.begin(); it != m_pictures.end();) {
        const bool keep = it->first == page || it->first == after || it->first == before;
        it = keep ? std::next(it) : m_pictures.erase(it);
    }
    PictureOf(after);
    PictureOf(before);
}

void CWinnersWall::paintEvent(QPaintEvent*)
{
    const QPixmap& page = PictureOf(m_paging.Page());
    QPainter p(this);
    if (!m_leaving.isNull() && m_fade->state() == QAbstractAnimation::Running) {
        p.drawPixmap(0, 0, m_leaving);
        p.setOpacity(m_fade->currentValue().toDouble());
    }
    p.drawPixmap(0, 0, page);
    p.setOpacity(1);
    if (m_hintShown) {
        QFont hintFont(m_style.cardFont);
        hintFont.setPixelSize(std::max(1, static_cast<int>(20 * m_layout->Unit())));
        p.setFont(hintFont);
        p.setPen(WithAlpha(m_style.accent, 150));
        p.drawText(m_layout->FooterRect(), Qt::AlignLeft | Qt::AlignVCenter,
                   tr("翻页：F6、方向键、Page Up / Page Down 或滚轮　返回：Esc"));
    }
}

void CWinnersWall::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_fade->stop();
    m_leaving = QPixmap();
    Layout();
}

void CWinnersWall::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F6:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        NextPage();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        PreviousPage();
        break;
    case Qt::Key_Home:
        TurnTo(0);
        break;
    case Qt::Key_End:
        TurnTo(m_paging.PageCount() - 1);
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CWinnersWall::wheelEvent(QWheelEvent* event)
{
    // One page a notch (120); finer wheels and touchpads add up to a notch first.
    m_wheelRest += event->angleDelta().y();
    while (m_wheelRest <= -120) {
        m_wheelRest += 120;
        NextPage();
    }
    while (m_wheelRest >= 120) {
        m_wheelRest -= 120;
        PreviousPage();
    }
    event->accept();
}

void CWinnersWall::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_autoTimer->stop();
    // Back to the draw window, which takes the keys again.
    if (QWidget* host = parentWidget() ? parentWidget()->window() : nullptr) {
        host->activateWindow();
    }
    emit closed();
}

void CWinnersWall::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_hintShown = true;
    m_hintTimer->start(HintMs);
    QTimer::singleShot(FadeMs, this, &CWinnersWall::PrepareNeighbours);
    if (m_paging.AutoInterval() > 0) {
        m_paging.SetAutoInterval(m_paging.AutoInterval(), m_clock());
        m_autoTimer->start();
    }
}

void CWinnersWall::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_autoTimer->stop();
    m_hintTimer->stop();
    m_fade->stop();
    m_leaving = QPixmap();
    m_pictures.clear(); // some 8 MB each at 1920 x 1080
}
