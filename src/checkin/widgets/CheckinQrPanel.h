// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

// The check-in page's QR code with its address written below, for a window to show to the
// guests: a phone's camera opens the page, the address can also be typed.
class CheckinQrPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit CheckinQrPanel(QWidget* parent = nullptr);
    // Shows url (a check-in page's address); an empty url clears the panel.
    void SetAddress(const QString& url);
    QString Address() const { return m_url; }

private:
    QString m_url;
    QLabel* m_code;
    QLabel* m_caption;
    QLabel* m_address;
};
