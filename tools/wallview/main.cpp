// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the winners wall the way the draw window will: full screen, in the colours and fonts of
// a skin, with made-up winners, in the language of the locale (language modules are looked for
// in SORTILO_MODULES, else beside the skin).
// Usage: sortilo_wallview <skin.ini> [count] [shot-prefix page...]
// With a prefix, each page named (1-based) is saved as <prefix><page>.png and the program ends.
#include "draw/wall/CWinnersWall.h"
#include "platform/core/ResourceModule.h"
#include "skin/core/SkinDescription.h"

#include <QApplication>
#include <QImage>
#include <QTimer>

namespace {

// Fictional winners: common surnames and given names, a few compound surnames and longer
// entries, numbers of four to eight characters.
std::vector<WallCard> MadeUpWinners(int count)
{
    const QStringList surnames =
        QStringLiteral(
            "王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗 郑 梁 谢 宋 唐 许 韩 冯 "
            "邓 曹 "
            "彭 曾 萧 田 董 潘 袁 蔡 蒋 余 于 杜 叶 程 魏 苏 吕 丁 任 沈 欧阳 司马 上官 诸葛")
            .split(QLatin1Char(' '));
    const QString given =
        QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰萍红鹏辉建国晓梅思远"
                       "雨桐子涵浩然欣怡俊杰梓萱宇轩诗琪文博佳怡一鸣");
    quint32 seed = 2027u;
    const auto next = [&seed](quint32 range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % range);
    };
    std::vector<WallCard> winners;
    for (int i = 0; i < count; ++i) {
        QString name = surnames[next(surnames.size())];
        for (int k = 1 + next(2); k > 0; --k) {
            name += given[next(given.size())];
        }
        if (i % 37 == 11) {
            name += QStringLiteral("（市场部）");
        }
        const QString id = i % 3 == 0
                               ? QStringLiteral("%1").arg(20270000 + i * 7)
                               : QStringLiteral("A%1").arg(i * 13 % 10000, 4, 10, QLatin1Char('0'));
        winners.push_back({id, name});
    }
    return winners;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: sortilo_wallview <skin.ini> [count] [shot-prefix page...]");
        return 2;
    }
    const QString skinPath = QString::fromLocal8Bit(argv[1]);
    const QString modules = qEnvironmentVariableIsSet("SORTILO_MODULES")
                                ? qEnvironmentVariable("SORTILO_MODULES") + QLatin1Char('/')
                                : SkinDescription::SkinDirectory(skinPath);
    ResourceModule texts;
    texts.LoadFor(ResourceModule::CurrentLocaleName(), modules);

    SkinDescription skin;
    skin.Load(SkinDescription::LanguageVariant(skinPath, ResourceModule::ActiveLanguageCode()));

    CWinnersWall wall;
    wall.SetStyle(WallStyle::FromSkin(skin));
    wall.ShowRound(QCoreApplication::translate("CPrizeSettingsDlg", "一等奖"), 1,
                   MadeUpWinners(argc >= 3 ? QString::fromLocal8Bit(argv[2]).toInt() : 450));
    wall.Present();
    QObject::connect(&wall, &CWinnersWall::closed, &app, &QApplication::quit);

    if (argc >= 5) {
        const QString prefix = QString::fromLocal8Bit(argv[3]);
        QStringList pages;
        for (int i = 4; i < argc; ++i) {
            pages << QString::fromLocal8Bit(argv[i]);
        }
        QTimer::singleShot(800, &wall, [&wall, prefix, pages] {
            for (const QString& page : pages) {
                // Straight to the page, without the fade of a turn.
                wall.hide();

                while (wall.CurrentPage() < page.toInt() - 1 &&
                       wall.CurrentPage() < wall.PageCount() - 1) {
                    wall.NextPage();
                }
                wall.grab().save(prefix + page + QStringLiteral(".png"));
            }
            QApplication::quit();
        });
    }
    return app.exec();
}
