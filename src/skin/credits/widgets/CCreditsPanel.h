// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/credits/core/CreditsRoll.h"

#include <QTimer>
#include <QWidget>

// A panel of credits scrolling upwards: the widget side of CreditsRoll, with its own timer.
class CCreditsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CCreditsPanel(QWidget* parent = nullptr);
    ~CCreditsPanel() override;

    bool SetCredits(const QString& text, QChar delimiter);
    void SetSpeed(int index, int period);
    void SetColour(int index, const QColor& colour);
    void SetTransparent(bool transparent);
    bool SetBackgroundBitmap(const QString& name);

    // Starts scrolling from the first line; false (and no timer) when there are no lines.
    bool Start();
    void Stop();
    bool IsRunning() const { return m_timer.isActive(); }
    int TimerInterval() const { return m_timer.interval(); }

    // One timer tick; the timer calls it, tests may call it directly.
    void Tick();

    CreditsRoll& Roll() { return m_roll; }
    const CreditsRoll& Roll() const { return m_roll; }

protected:
    CCreditsPanel(CreditsRoll::Variant variant, QWidget* parent);
    void paintEvent(QPaintEvent* event) override;

private:
    // Settings change the static picture: repaint it when idle.
    void Refresh();

    CreditsRoll m_roll;
    QTimer m_timer;
};
