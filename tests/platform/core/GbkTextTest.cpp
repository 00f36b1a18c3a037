#include "GbkText.h"

#include <gtest/gtest.h>

// "抽奖" in GBK.
static const QByteArray kGbkDraw("\xB3\xE9\xBD\xB1");

TEST(GbkText, DecodesUtf8AndGbkAndDropsTheByteOrderMark)
{
    EXPECT_EQ(GbkText::DecodeFileText(QByteArray("a=抽奖")), QStringLiteral("a=抽奖"));
    EXPECT_EQ(GbkText::DecodeFileText(QByteArray("\xEF\xBB\xBF") + "x"), QStringLiteral("x"));
    EXPECT_FALSE(GbkText::IsValidUtf8(kGbkDraw));
    EXPECT_EQ(GbkText::DecodeFileText("a=" + kGbkDraw), QStringLiteral("a=抽奖"));
}

TEST(GbkText, BytesThatAreNeitherUtf8NorGbkBecomeReplacementCharacters)
{
    // 0x80 alone and a lead byte at the very end are not GBK.
    const QString text = GbkText::DecodeFileText(QByteArray("ok\x80") + kGbkDraw + "\xB3");
    EXPECT_TRUE(text.startsWith(QStringLiteral("ok")));
    EXPECT_TRUE(text.contains(QStringLiteral("抽奖")));
    EXPECT_TRUE(text.contains(QChar(0xFFFD)));
}

TEST(GbkText, CountsAndCutsAsGbkWithoutSplittingCharacters)
{
    EXPECT_EQ(GbkText::ByteLength(QStringLiteral("ab抽奖")), 6);
    EXPECT_EQ(GbkText::TruncateToBytes(QStringLiteral("ab抽奖"), 5), QStringLiteral("ab抽"));
    EXPECT_EQ(GbkText::TruncateToBytes(QStringLiteral("ab抽奖"), 4), QStringLiteral("ab抽"));
    EXPECT_EQ(GbkText::TruncateToBytes(QStringLiteral("ab抽奖"), 3), QStringLiteral("ab"));
    // A character outside the basic plane is one character, never half a surrogate pair.
    const QString emoji = QStringLiteral("a\U0001F600b");
    EXPECT_EQ(GbkText::ByteLength(emoji), 4);
    EXPECT_EQ(GbkText::TruncateToBytes(emoji, 2), QStringLiteral("a"));
    EXPECT_EQ(GbkText::TruncateToBytes(emoji, 3), QStringLiteral("a\U0001F600"));
}
