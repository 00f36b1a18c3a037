// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/credits/widgets/CCreditsPanel.h"

#include <QPaintEvent>
#include <QPainter>

CCreditsPanel::CCreditsPanel(QWidget* parent)
    : CCreditsPanel(CreditsRoll::Variant::Standard, parent)
{}

CCreditsPanel::CCreditsPanel(CreditsRoll::Variant variant, QWidget* parent)
    : QWidget(parent), m_roll(variant)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_timer, &QTimer::timeout, this, &CCreditsPanel::Tick);
}

CCreditsPanel::~CCreditsPanel()
{
    m_timer.stop();
}

bool CCreditsPanel::SetCredits(const QString& text, QChar delimiter)
{
    const bool ok = m_roll.SetCredits(text, delimiter);
    Refresh();
    return ok;
}

void CCreditsPanel::SetSpeed(int index, int period)
{
    m_roll.SetSpeed(index, period);
}

void CCreditsPanel::SetColour(int index, const QColor& colour)
{
    m_roll.SetColour(index, colour);
    Refresh();
}

void CCreditsPanel::SetTransparent(bool transparent)
{
    m_roll.SetTransparent(transparent);
    Refresh();
}

bool CCreditsPanel::SetBackgroundBitmap(const QString& name)
{
    const bool ok = m_roll.SetBackgroundBitmap(name);
    Refresh();
    return ok;
}

bool CCreditsPanel::Start()
{
    if (!m_roll.Start()) {
        return false;
    }
    m_timer.start(m_roll.Period());
    update();
    return true;
}

void CCreditsPanel::Stop()
{
    m_timer.stop();
    m_roll.Stop();
    update();
}

void CCreditsPanel::Tick()
{
    m_roll.Tick(size());
    update();
}

void CCreditsPanel::Refresh()
{
    if (!IsRunning()) {
        update();
    }
}

void CCreditsPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_roll.Frame(size()));
}
