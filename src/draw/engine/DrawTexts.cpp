// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/DrawTexts.h"

#include "platform/core/GbkText.h"
#include "platform/core/StringTable.h"

#include <QFileInfo>

namespace {

// The string table's "drawing winner number" before the number and after it.
constexpr int DrawingNumberId = 113;
constexpr int DrawingNumberEndId = 114;

} // namespace

QString DrawTexts::Load(Text text)
{
    return StringTable::Load(static_cast<int>(text));
}

QString DrawTexts::PickProgress(int pick)
{
    return StringTable::Load(DrawingNumberId) + QString::number(pick) +
           StringTable::Load(DrawingNumberEndId);
}

QString DrawTexts::NoneCheckedIn()
{
    return tr("只有已签到的人员参加抽奖，但已签到且未中奖的人员一个也没有。\n"
              "请先签到，或在“录入用户信息”中取消“只有已签到的人员参加抽奖”。");
}

QString DrawTexts::NoParticipants()
{
    return tr("参加抽奖的人员名单是空的。\n请点击左上角的菜单按钮（或在窗口上单击右键），"
              "选择“录入用户信息”，添加或导入参加抽奖的人员。");
}

QString DrawTexts::LevelWithPrize(int level, const QString& prize)
{
    return prize.isEmpty() ? tr("第 %1 级奖项").arg(level)
                           : tr("第 %1 级奖项“%2”").arg(level).arg(prize);
}

QString DrawTexts::NobodyEligible(int level, const QString& prize)
{
    return tr("%1没有可抽的人员了：按奖品设置中此奖项的参加范围，符合条件的人员都已中奖。\n"
              "请在“奖品设置”中调整参加范围，或改抽其他奖项。")
        .arg(LevelWithPrize(level, prize));
}

QString DrawTexts::SelectedPrize(const QString& prize)
{
    return tr("奖品：%1").arg(prize);
}

QString DrawTexts::RefusedWin(const QString& id, const WinRefusal& refusal,
                              const QString& databasePath, const QString& recoveryPath)
{
    QString text;
    switch (refusal.cause) {
    case WinRefusal::Cause::AlreadyWon:
        text = tr("编号 %1 刚刚已在另一台抽奖机上中奖，这次抽中没有记录，不算中奖。已显示的中奖者"
                  "都已保存。请按“开始”重新抽取。")
                   .arg(id);
        break;
    case WinRefusal::Cause::FileGone:
        text = recoveryPath.isEmpty()
                   ? tr("编号 %1 的中奖没有记录：数据库文件在程序运行时被删除或替换，而且无法在"
                        "旁边写入副本。请不要关闭程序，先把程序文件夹中的文件复制到别处。")
                         .arg(id)
                   : tr("编号 %1 的中奖没有记录：数据库文件在程序运行时被删除或替换。已保存的中奖"
                        "者都已复制到 %2。请关闭程序后重新启动：程序会自动用这份副本替换 "
                        "%3，原来的文件改名保留。")
                         .arg(id, recoveryPath, QFileInfo(databasePath).fileName());
        break;
    case WinRefusal::Cause::PlaceTaken:
        text = tr("编号 %1 "
                  "的中奖没有记录：要补的空缺名额刚刚已在另一台抽奖机上补抽（或作废已被撤销）。"
                  "已显示的中奖者都已保存。本轮补抽到此结束。")
                   .arg(id);
        break;
    case WinRefusal::Cause::Failed:
        text = tr("编号 %1 的中奖没有记录：数据库无法保存（连接中断、磁盘已满或数据库拒绝写入）。"
                  "已显示的中奖者都已保存。请检查数据库连接和磁盘空间，然后按“开始”重新抽取。")
                   .arg(id);
        break;
    }
    return QString::fromLatin1(FailedInputText) + u'\n' + text;
}

QString DrawTexts::RefusedRound(int count, const QString& id, const WinRefusal& refusal,
                                const QString& databasePath, const QString& recoveryPath)
{
    QString text = RefusedWin(id, refusal, databasePath, recoveryPath);
    return text.insert(text.indexOf(u'\n') + 1,
                       tr("这一轮的 %1 位中奖者都没有记录，不算中奖。").arg(count) + u'\n');
}

QString DrawTexts::RoundWinnerCount(int count)
{
    return tr("%1 位中奖者").arg(count);
}

QString DrawTexts::MaximumQuota(int maximum)
{
    return tr("最大值为%1").arg(maximum);
}

QString DrawTexts::PaddedName(const QString& name)
{
    return GbkText::ByteLength(name) <= 4 ? name + QStringLiteral("    ") : name;
}

QString DrawTexts::WinnerLine(int pick, const QString& paddedName, const QString& id,
                              const QString& prize)
{
    return QString::number(pick) + QLatin1Char('.') + paddedName + QStringLiteral("   ") + id +
           QStringLiteral("   (") + prize + QLatin1Char(')');
}

QString DrawTexts::ReplacementLine(int place, const QString& paddedName, const QString& id,
                                   const QString& prize)
{
    return tr("补抽") + QLatin1Char(' ') + WinnerLine(place, paddedName, id, prize);
}

QString DrawTexts::ReplacementStarting()
{
    return tr("开始补抽...");
}

QString DrawTexts::ReplacementProgress(int place)
{
    return tr("正在补抽第%1名...").arg(place);
}

QString DrawTexts::NoOpenPlace(int level, const QString& prize)
{
    return tr("%1没有作废后空出的名额，不需要补抽。").arg(LevelWithPrize(level, prize));
}

QString DrawTexts::WinnerInfo(const QString& paddedName)
{
    return QStringLiteral("     ") + paddedName;
}
