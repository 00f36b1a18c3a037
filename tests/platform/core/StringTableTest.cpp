// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/StringTable.h"
#include "platform/core/ResourceModule.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(StringTable, TextsAreFoundByIdIncludingComputedIds)
{
    EXPECT_EQ(StringTable::Load(116), QStringLiteral("本轮抽奖完毕!"));
    EXPECT_EQ(StringTable::Load(140 + 4), QStringLiteral("该用户已经存在"));
    EXPECT_EQ(StringTable::Load(105).split(u'|').size(), 3) << "credits: empty first line";
    EXPECT_TRUE(StringTable::Load(100).isEmpty());
    EXPECT_TRUE(StringTable::Load(150).isEmpty());
}

TEST(ResourceModule, LocalesChooseTheirLanguage)
{
    using Language = ResourceModule::Language;
    const std::pair<const char*, Language> cases[] = {
        {"zh_TW.UTF-8", Language::TraditionalChinese},
        {"zh_HK", Language::TraditionalChinese},
        {"zh_MO.UTF-8@stroke", Language::TraditionalChinese},
        {"zh_CN.BIG5", Language::TraditionalChinese},
        {"zh_TW.big5hkscs", Language::TraditionalChinese},
        {"zh-Hant", Language::TraditionalChinese},
        {"zh_CN.UTF-8", Language::SimplifiedChinese},
        {"zh_SG", Language::SimplifiedChinese},
        {"zh", Language::SimplifiedChinese},
        {"zh-Hans-HK", Language::SimplifiedChinese},
        // No language named: the program's own.
        {"C", Language::SimplifiedChinese},
        {"C.UTF-8", Language::SimplifiedChinese},
        {"POSIX", Language::SimplifiedChinese},
        {"", Language::SimplifiedChinese},
        {"en_US.UTF-8", Language::English},
        {"en_GB", Language::English},
        // A language without a module of its own gets English.
        {"de_DE.UTF-8", Language::English},
        {"ja_JP", Language::English},
    };
    for (const auto& [name, language] : cases) {
        EXPECT_EQ(ResourceModule::LanguageFor(QLatin1String(name)), language) << name;
    }
}

TEST(ResourceModule, LoadedOnlyOnTraditionalLocalesAndOnlyWhenPresent)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    {
        ResourceModule module;
        EXPECT_FALSE(module.LoadFor(QStringLiteral("zh_TW.UTF-8"), folder)) << "missing: ignored";
    }
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(SORTILO_TEST_BIGRES), folder + ResourceModule::FileName));
    {
        ResourceModule module;
        EXPECT_FALSE(module.LoadFor(QStringLiteral("zh_CN.UTF-8"), folder));
        EXPECT_EQ(StringTable::Load(116), QStringLiteral("本轮抽奖完毕!"));
    }
    {
        ResourceModule module;
        EXPECT_TRUE(module.LoadFor(QStringLiteral("zh_TW.UTF-8"), folder));
        EXPECT_EQ(StringTable::Load(116), QStringLiteral("本輪抽獎完畢!"));
    }
    EXPECT_EQ(StringTable::Load(116), QStringLiteral("本轮抽奖完毕!")) << "removed with the module";

    QFile garbage(folder + ResourceModule::FileName);
    garbage.open(QIODevice::WriteOnly | QIODevice::Truncate);
    garbage.write("not a translation file");
    garbage.close();
    ResourceModule broken;
    EXPECT_FALSE(broken.LoadFor(QStringLiteral("zh_HK"), folder));
    EXPECT_EQ(broken.InstalledLanguage(), ResourceModule::Language::SimplifiedChinese)
        << "without its module the program speaks its own language";
}
