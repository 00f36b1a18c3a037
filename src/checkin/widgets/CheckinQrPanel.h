// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// The check-in page's QR code with its address written below, for a window to show to the
// guests: a phone's camera opens the page, the address can also be typed. Drawn on a dark
// rounded panel; the code fills most of the panel's height, with crisp modules at any size, and
// the address is written as large as the panel's width allows.
class CheckinQrPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit CheckinQrPanel(QWidget* parent = nullptr);
    // Shows url (a check-in page's address); an empty url clears the panel.
    void SetAddress(const QString& url);
    QString Address() const { return m_url; }
    // The panel, its edge and caption (accent), and the address.
    void SetColours(const QColor& panel, const QColor& accent, const QColor& text);
    // The code's side in pixels at the panel's current size.
    int CodeSide() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The code's square and the bands above (caption) and below (address) it.
    struct Layout
    {
        QRect caption;
        QRect code;
        QRect address;
    };
    Layout Arrange() const;

    QString m_url;
    QImage m_code; // one pixel a module
    QColor m_panel{30, 8, 10, 235};
    QColor m_accent{255, 214, 102};
    QColor m_text{255, 246, 222};
};
