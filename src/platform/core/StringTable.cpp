// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/StringTable.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace {

// Texts of the string table, by id. Ids without a text are unused.
constexpr std::pair<int, const char*> kStrings[] = {
    {101, QT_TRANSLATE_NOOP("StringTable", "关于 Sortilo(&A)...")},
    {102, QT_TRANSLATE_NOOP("StringTable", "编號")},
    {103, QT_TRANSLATE_NOOP("StringTable", "姓名")},
    {104, QT_TRANSLATE_NOOP("StringTable", "中獎時間")},
    {105, QT_TRANSLATE_NOOP("StringTable", "|Vantor软件开发\t|廠慶抽獎活動\n")},
    {106, QT_TRANSLATE_NOOP("StringTable", "中奖者：")},
    {107, QT_TRANSLATE_NOOP("StringTable", "本次抽奖未完成")},
    {108, QT_TRANSLATE_NOOP("StringTable", "抽奖完毕,如果想继续抽奖请先清除所有的获奖者名单")},
    {110, QT_TRANSLATE_NOOP("StringTable", "抽獎程序")},
    {111, QT_TRANSLATE_NOOP("StringTable", "幸运号码...")},
    {112, QT_TRANSLATE_NOOP("StringTable", "中奖名单")},
    {113, QT_TRANSLATE_NOOP("StringTable", "正在抽第")},
    {114, QT_TRANSLATE_NOOP("StringTable", "位...")},
    {115, QT_TRANSLATE_NOOP("StringTable", "抽奖名额不能大于参加抽奖的人数!")},
    {116, QT_TRANSLATE_NOOP("StringTable", "本轮抽奖完毕!")},
    {118, QT_TRANSLATE_NOOP("StringTable", "正在抽奖中,不能设置(按键无效)...")},
    {119, QT_TRANSLATE_NOOP("StringTable", "正在抽奖中,不能退出!")},
    {120, QT_TRANSLATE_NOOP("StringTable", "开始抽奖...")},
    {121, QT_TRANSLATE_NOOP("StringTable", "最大值为8")},
    {122, QT_TRANSLATE_NOOP("StringTable", "最小值为1")},
    {123, QT_TRANSLATE_NOOP("StringTable", "备注")},
    {124, QT_TRANSLATE_NOOP("StringTable", "获奖等级")},
    {125, QT_TRANSLATE_NOOP("StringTable", "备注")},
    {126, QT_TRANSLATE_NOOP("StringTable", "中奖序号")},
    {127, QT_TRANSLATE_NOOP("StringTable", "用户编号不能大于８。")},
    {128, QT_TRANSLATE_NOOP("StringTable", "该用户已经存在")},
    {129, QT_TRANSLATE_NOOP("StringTable", "取消(&C)")},
    {130, QT_TRANSLATE_NOOP("StringTable", "新增(&N)")},
    {131, QT_TRANSLATE_NOOP("StringTable", "确实要删除用户:")},
    {132, QT_TRANSLATE_NOOP("StringTable", "请先选择要删除的人员.")},
    {133, QT_TRANSLATE_NOOP("StringTable", "您确定要清空人员列表吗？Y/n")},
    {134, QT_TRANSLATE_NOOP("StringTable", "您确定要清空中奖人员列表吗？Y/n")},
    {135, QT_TRANSLATE_NOOP("StringTable", "你确定要强制退出吗？y/n")},
    {136, QT_TRANSLATE_NOOP("StringTable", "编号不能为空！")},
    {137, QT_TRANSLATE_NOOP("StringTable", "姓名不能为空！")},
    {138,
     QT_TRANSLATE_NOOP("StringTable", "格式不正确，导入的ＥＸＣＥＬ文件的第一列必须为ID,NAME,MEMO，"
                                      "同时该工作簿的名称必须为sheet1")},
    {139, QT_TRANSLATE_NOOP("StringTable",
                            "导入的ＥＸＣＥＬ文件的工作簿名称必须为Sheet1,"
                            "如果不清楚具体的格式请参考模版文件，现在就要打开模版文件吗？")},
    {140, QT_TRANSLATE_NOOP("StringTable", "模版文件不存在，请重新安装本软件！")},
    {141, QT_TRANSLATE_NOOP("StringTable", "编号长度大于８")},
    {142, QT_TRANSLATE_NOOP("StringTable", "编号为空")},
    {143, QT_TRANSLATE_NOOP("StringTable", "姓名为空")},
    {144, QT_TRANSLATE_NOOP("StringTable", "该用户已经存在")},
    {145, QT_TRANSLATE_NOOP("StringTable", "未知原因!")},
    {146, QT_TRANSLATE_NOOP("StringTable", "导入用户信息")},
    {147, QT_TRANSLATE_NOOP("StringTable", "错误原因")},
    {148, QT_TRANSLATE_NOOP("StringTable", "完成导入！")},
    {149, QT_TRANSLATE_NOOP("StringTable", "奖品")},
};

} // namespace

const char* StringTable::Source(int id)
{
    for (const auto& [key, text] : kStrings) {
        if (key == id) {
            return text;
        }
    }
    return "";
}

QString StringTable::Load(int id)
{
    const char* source = Source(id);
    if (!*source) {
        return QString();
    }
    return QCoreApplication::translate("StringTable", source);
}
