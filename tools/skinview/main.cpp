// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a skin the way the draw window will: sample texts, a reel display at the skin's reel
// place, Stop disabled. Usage: sortilo_skinview <skin.ini> [screenshot.png]
// With a file name the window is grabbed into it after it has been shown, and the program ends.
#include "skin/widgets/CSkinDialog.h"
#include "platform/widgets/WidgetMessageService.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QTimer>

namespace {

// Eight reel cells as the draw window lays them out: 25-pixel margins, equal cells.
class SampleReels : public QWidget
{
public:
    SampleReels(const QString& digits, QWidget* parent) : QWidget(parent), m_digits(digits) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(189, 0, 0));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(140 * 100 / 115); // a cell height of 140
        painter.setFont(font);
        painter.setPen(Qt::white);
        const int cell = (width() - 50) / 8;
        for (int k = 0; k < 8; ++k) {
            const QRect place(25 + k * cell + (k ? 1 : 0), 25, cell - (k ? 1 : 0), height() - 50);
            painter.drawText(place, Qt::AlignCenter, m_digits.mid(k, 1));
        }
    }

private:
    QString m_digits;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: sortilo_skinview <skin.ini> [screenshot.png]");
        return 2;
    }
    WidgetMessageService messages;
    MessageService::Install(&messages);

    CSkinDialog dialog;
    dialog.SetSkinPath(QString::fromLocal8Bit(argv[1]));
    dialog.LoadSkin();
    dialog.move(0, 0);
    auto* reels = new SampleReels(QStringLiteral("A0020518"), &dialog);
    reels->setGeometry(dialog.ReelRect());

    dialog.SetSkinText(QStringLiteral("ID_COMPANY"), QStringLiteral("星河科技有限公司"), true);
    dialog.SetSkinText(QStringLiteral("ID_THEME"), QStringLiteral("2026 年度盛典 · 幸运大抽奖"),
                       true);
    dialog.SetSkinText(QStringLiteral("ID_INFO1"), QStringLiteral("中奖者："), false);
    dialog.SetSkinText(QStringLiteral("ID_INFO"), QStringLiteral("林晓梅"), false);
    dialog.SetSkinText(QStringLiteral("ID_NUMBER"), QStringLiteral("1"), false);
    dialog.SetSkinText(QStringLiteral("ID_NUMBER1"), QStringLiteral("5"), false);
    const QStringList winners = {QStringLiteral("1.林晓梅   A0020518   (一等奖)"),
                                 QStringLiteral("2.王建国   B0001203   (一等奖)"),
                                 QStringLiteral("3.陈思远   A0013377   (一等奖)"),
                                 QStringLiteral("4.赵雨桐   C0000871   (一等奖)"),
                                 QStringLiteral("5.Maria Lopez   D0000042   (一等奖)")};
    for (int i = 0; i < winners.size(); ++i) {
        dialog.SetSkinText(QStringLiteral("ID_TEXT%1").arg(i + 1), winners[i], false);
    }
    dialog.SetSkinText(QStringLiteral("ID_SYSINFO"), QStringLiteral("本轮抽奖完毕!"), false);
    dialog.EnableSkinButton(QStringLiteral("BUTTON_STOP"), false);
    dialog.show();

    if (argc >= 3) {
        const QString shot = QString::fromLocal8Bit(argv[2]);
        QTimer::singleShot(800, &dialog, [&dialog, shot] {
            dialog.grab().save(shot);
            QApplication::quit();
        });
    }
    return app.exec();
}
