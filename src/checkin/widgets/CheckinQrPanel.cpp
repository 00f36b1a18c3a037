// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/widgets/CheckinQrPanel.h"

#include "checkin/web/CheckinQrCode.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

CheckinQrPanel::CheckinQrPanel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    // Clicks go to the window below: the menu and the drag work as they do without the panel.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CheckinQrPanel::SetAddress(const QString& url)
{
    m_url = url;
    m_code = url.isEmpty() ? QImage() : CheckinQrCode::Render(url, 1);
    update();
}

void CheckinQrPanel::SetColours(const QColor& panel, const QColor& accent, const QColor& text)
{
    m_panel = panel;
    m_accent = accent;
    m_text = text;
    update();
}

CheckinQrPanel::Layout CheckinQrPanel::Arrange() const
{
    const QRect inner = rect().adjusted(width() / 40 + 4, height() / 40 + 4, -(width() / 40 + 4),
                                        -(height() / 40 + 4));
    const int captionHeight = inner.height() * 11 / 100;
    const int addressHeight = inner.height() * 13 / 100;
    int side = std::min(inner.width(), inner.height() - captionHeight - addressHeight);
    // Whole pixels a module keep every module of the code the same size, as cameras like it.
    if (!m_code.isNull() && side >= m_code.width()) {
        side -= side % m_code.width();
    }
    Layout layout;
    layout.caption = QRect(inner.left(), inner.top(), inner.width(), captionHeight);
    const int codeTop =
        inner.top() + captionHeight + (inner.height() - captionHeight - addressHeight - side) / 2;
    layout.code = QRect(inner.center().x() - side / 2, codeTop, side, side);
    layout.address =
        QRect(inner.left(), inner.bottom() - addressHeight + 1, inner.width(), addressHeight);
    return layout;
}

int CheckinQrPanel::CodeSide() const
{
    return Arrange().code.width();
}

void CheckinQrPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal edge = std::max(2.0, height() / 160.0);
    const qreal radius = height() / 24.0;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2),
                           radius, radius);
    painter.fillPath(outline, m_panel);
    painter.setPen(QPen(m_accent, edge));
    painter.drawPath(outline);

    const Layout layout = Arrange();
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(8, layout.caption.height() * 7 / 10));
    painter.setFont(font);
    painter.setPen(m_accent);
    painter.drawText(layout.caption, Qt::AlignCenter, tr("扫码签到"));

    if (!m_code.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(layout.code, m_code);
    }

    // The address as large as it fits on one line: it can be typed from the back of the hall.
    font.setPixelSize(std::max(8, layout.address.height() * 6 / 10));
    const int textWidth = QFontMetrics(font).horizontalAdvance(m_url);
    if (textWidth > layout.address.width() && textWidth > 0) {
        font.setPixelSize(std::max(8, font.pixelSize() * layout.address.width() / textWidth));
    }
    painter.setFont(font);
    painter.setPen(m_text);
    painter.drawText(layout.address, Qt::AlignCenter, m_url);
}
