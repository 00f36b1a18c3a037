// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/window/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("关于 Sortilo"));
    setWindowIcon(ProgramIcon());

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(96, 96));
    icon->setAlignment(Qt::AlignTop);

    const QString licence = tr("本程序是自由软件，依照 GNU 通用公共许可证第 3 版或（由您选择）"
                               "任何更新版本（GPL-3.0-or-later）发布。");
    auto* text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setText(tr("<h2>Sortilo 抽奖系统</h2>"
                     "<p>版本 %1</p>"
                     "<p>年会、庆典现场抽奖：八个号码滚轮转动并停在中奖者的编号上，"
                     "每位中奖者即时记入数据库，每人只能中奖一次。</p>"
                     "<p>F5 开始抽奖，F6 停止。右键菜单可录入人员、设置奖品和查看中奖记录。</p>")
                      .arg(QStringLiteral(SORTILO_VERSION)) +
                  QStringLiteral("<p>%1</p>").arg(licence));
    text->setWordWrap(true);
    text->setMinimumWidth(360);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QIcon CAboutDlg::ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QRadialGradient gold(size * 0.35, size * 0.3, size * 0.8);
        gold.setColorAt(0, QColor(255, 236, 160));
        gold.setColorAt(0.6, QColor(230, 175, 40));
        gold.setColorAt(1, QColor(150, 95, 10));
        painter.setBrush(gold);
        painter.setPen(QPen(QColor(120, 10, 10), qMax(1.0, size / 24.0)));
        painter.drawEllipse(QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92));
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(qMax(8, int(size * 0.58)));
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(170, 0, 0));
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("抽"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    // Installed, the program shows the icon of its menu entry (hicolor theme).
    return QIcon::fromTheme(QStringLiteral("io.github.sortilo.Sortilo"), icon);
}
