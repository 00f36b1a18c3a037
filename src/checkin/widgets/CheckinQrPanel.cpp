// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/widgets/CheckinQrPanel.h"

#include "checkin/web/CheckinQrCode.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

CheckinQrPanel::CheckinQrPanel(QWidget* parent)
    : QWidget(parent), m_code(new QLabel(this)), m_caption(new QLabel(this)),
      m_address(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    m_caption->setText(tr("扫码签到"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_code->setAlignment(Qt::AlignCenter);
    m_address->setAlignment(Qt::AlignCenter);
    m_address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_caption);
    layout->addWidget(m_code);
    layout->addWidget(m_address);
}

void CheckinQrPanel::SetAddress(const QString& url)
{
    m_url = url;
    const QImage image = CheckinQrCode::Render(url, 6);
    m_code->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    m_address->setText(url);
}
