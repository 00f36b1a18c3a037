// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/GbkText.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

// "抽奖" in GBK.
static const QByteArray kGbkDraw("\xB3\xE9\xBD\xB1");

TEST(GbkText, DecodesUtf8AndGbkAndDropsTheByteOrderMark)
{
    EXPECT_EQ(GbkText::DecodeFileText(QByteArray("a=抽奖")), QStringLiteral("a=抽奖"));
    EXPECT_EQ(GbkText::DecodeFileText(QByteArray("\xEF\xBB\xBF") + "x"), QStringLiteral("x"));
    EXPECT_FALSE(GbkText::IsValidUtf8(kGbkDraw));
    EXPECT_EQ(GbkText::DecodeFileText("a=" + kGbkDraw), QStringLiteral("a=抽奖"));
    // One stray byte in a UTF-8 file costs that byte, not the whole file; GBK text of Chinese
    // characters (some of whose byte pairs happen to be UTF-8) stays GBK.
    const QByteArray utf8Rows = QByteArray("1,张三,研发部\n").repeated(3);
    EXPECT_EQ(GbkText::DecodeFileText(utf8Rows + "2,\xFF\n" + utf8Rows),
              QString::fromUtf8(utf8Rows) + QStringLiteral("2,\uFFFD\n") +
                  QString::fromUtf8(utf8Rows));
    EXPECT_EQ(GbkText::DecodeFileText(QByteArray("x=") + kGbkDraw.repeated(20)),
              QStringLiteral("x=") + QStringLiteral("抽奖").repeated(20));
}

TEST(GbkText, ByteOrderMarksOfUtf16AndUtf32DecideTheEncoding)
{
    const QString text = QStringLiteral("[s]\r\na=抽奖\r\n");
    const auto encoded = [&text](QStringConverter::Encoding encoding) {
        QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
        return QByteArray(encoder.encode(text));
    };
    for (auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE,
                          QStringConverter::Utf32LE, QStringConverter::Utf32BE}) {
        EXPECT_EQ(GbkText::DecodeFileText(encoded(encoding)), text) << int(encoding);
    }
    // Cut inside a character: the rest still reads.
    const QByteArray cut = encoded(QStringConverter::Utf16LE).chopped(1);
    EXPECT_TRUE(GbkText::DecodeFileText(cut).startsWith(QStringLiteral("[s]\r\na=抽奖")));
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
