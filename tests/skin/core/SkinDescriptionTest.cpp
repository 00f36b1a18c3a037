// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/core/SkinDescription.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

SkinDescription Read(const QString& text)
{
    SkinDescription skin;
    skin.LoadText(text, QStringLiteral("/skins/a/"));
    return skin;
}

QStringList ButtonNames(const SkinDescription& skin)
{
    QStringList names;
    for (const SkinButtonEntry& entry : skin.Buttons()) {
        names << entry.name;
    }
    return names;
}

} // namespace

TEST(SkinFields, NextFieldKeepsBlanksBeforeCommaAndRepeatsTheLastField)
{
    QString value = QStringLiteral("NAME ,  1,2 , tip");
    EXPECT_EQ(SkinDescription::NextField(value), QStringLiteral("NAME "));
    EXPECT_EQ(value, QStringLiteral("1,2 , tip"));
    EXPECT_EQ(SkinDescription::NextField(value), QStringLiteral("1"));
    EXPECT_EQ(SkinDescription::NextField(value), QStringLiteral("2 "));
    EXPECT_EQ(SkinDescription::NextField(value), QStringLiteral("tip"));
    // Past the end the last field comes again, and the remaining text stays as it is.
    EXPECT_EQ(SkinDescription::NextField(value), QStringLiteral("tip"));
    EXPECT_EQ(value, QStringLiteral("tip"));
}

TEST(SkinFields, NumbersReadLikeTheCLibrary)
{
    EXPECT_EQ(SkinDescription::ParseNumber(QStringLiteral("  42px")), 42);
    EXPECT_EQ(SkinDescription::ParseNumber(QStringLiteral("-7")), -7);
    EXPECT_EQ(SkinDescription::ParseNumber(QStringLiteral("+7")), 7);
    EXPECT_EQ(SkinDescription::ParseNumber(QStringLiteral("x1")), 0);
    EXPECT_EQ(SkinDescription::ParseNumber(QString()), 0);
    EXPECT_EQ(SkinDescription::ParseNumber(QStringLiteral("99999999999999999999")), 2147483647);
    EXPECT_EQ(SkinDescription::ParseNumber(QStringLiteral("-99999999999999999999")),
              -2147483647 - 1);

    QString value = QStringLiteral("10, 20,30,40,rest");
    EXPECT_EQ(SkinDescription::ParseRect(value), QRect(10, 20, 30, 40));
    EXPECT_EQ(value, QStringLiteral("rest"));
    // Huge sizes stay in the window system's range, so right and bottom cannot overflow.
    value = QStringLiteral("2147483647,0,2147483647,5");
    const QRect huge = SkinDescription::ParseRect(value);
    EXPECT_EQ(huge.left(), 32767);
    EXPECT_EQ(huge.width(), 32767);
}

TEST(SkinFields, SkinDirectoryHasOneTrailingSlash)
{
    QTemporaryDir dir;
    const QString expected = QDir(dir.path()).absolutePath() + u'/';
    EXPECT_EQ(SkinDescription::SkinDirectory(dir.filePath(QStringLiteral("skin.ini"))), expected);
    EXPECT_EQ(SkinDescription::SkinDirectory(dir.path() + QStringLiteral("//skin.ini")), expected);
    EXPECT_TRUE(SkinDescription::SkinDirectory(QStringLiteral("skin/skin.ini"))
                    .endsWith(QStringLiteral("/skin/")));
}

TEST(SkinDescriptionNumbering, KeysOneToNAreReadInOrder)
{
    const SkinDescription consecutive = Read(QStringLiteral("[BUTTONINFO]\n"
                                                            "1=A,0,0,10,10,tip,F\n"
                                                            "2=B,0,0,10,10,tip,F\n"
                                                            "3=C,0,0,10,10,tip,F\n"));
    EXPECT_EQ(ButtonNames(consecutive), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(consecutive.Buttons()[2].elementNumber, 3);

    // Keys 1 and 3: two keys, so 1 and 2 are read; 3 is never reached.
    const SkinDescription gap = Read(QStringLiteral("[BUTTONINFO]\n"
                                                    "1=A,0,0,10,10,tip,F\n"
                                                    "3=C,0,0,10,10,tip,F\n"));
    EXPECT_EQ(ButtonNames(gap), (QStringList{"A"}));

    // Any key counts towards N, whatever its name; empty entries create nothing.
    const SkinDescription help = Read(QStringLiteral("[TEXTINFO]\n"
                                                     "Help=fields are ...\n"
                                                     "1=T1,Arial,F,F,12,0,0,0,50,20,one\n"
                                                     "2=\n"
                                                     "3=T3,Arial,F,F,12,0,0,0,50,20,three\n"));
    ASSERT_EQ(help.Texts().size(), 2u);
    EXPECT_EQ(help.Texts()[0].name, QStringLiteral("T1"));
    EXPECT_EQ(help.Texts()[1].name, QStringLiteral("T3"));
    EXPECT_EQ(help.Texts()[1].elementNumber, 3);
}

TEST(SkinDescriptionReading, ProfileRulesCaseCommentsAndBlanks)
{
    const SkinDescription skin = Read(QStringLiteral("; a skin\n"
                                                     "[screen]\n"
                                                     "MAIN =  main.png  \n"
                                                     "mask=pics\\mask.png\n"
                                                     "[buttoninfo]\n"
                                                     "; 1=COMMENTED,0,0,1,1,x,F\n"
                                                     "1 = BUTTON_START,10,20,30,40,Start,F\n"));
    EXPECT_EQ(skin.Screen().main, QStringLiteral("main.png"));
    EXPECT_EQ(skin.PicturePath(skin.Screen().mask), QStringLiteral("/skins/a/pics/mask.png"))
        << "a Windows separator";
    ASSERT_EQ(skin.Buttons().size(), 1u);
    EXPECT_EQ(skin.Buttons()[0].name, QStringLiteral("BUTTON_START"));
    EXPECT_EQ(skin.Buttons()[0].rect, QRect(10, 20, 30, 40));
}

TEST(SkinDescriptionReading, BlanksAfterCommasDoNotMatterButBlanksBeforeDo)
{
    const SkinDescription skin = Read(QStringLiteral("[BUTTONINFO]\n"
                                                     "1=A,1,2,3,4,tip,T\n"
                                                     "2=A,  1,  2,  3,  4,  tip,  T\n"
                                                     "3=A ,1,2,3,4,tip,F\n"));
    ASSERT_EQ(skin.Buttons().size(), 3u);
    const SkinButtonEntry& plain = skin.Buttons()[0];
    const SkinButtonEntry& spaced = skin.Buttons()[1];
    EXPECT_EQ(spaced.name, plain.name);
    EXPECT_EQ(spaced.rect, plain.rect);
    EXPECT_EQ(spaced.tooltip, plain.tooltip);
    EXPECT_EQ(spaced.latch, plain.latch);
    EXPECT_TRUE(plain.latch);
    EXPECT_EQ(skin.Buttons()[2].name, QStringLiteral("A "));
}

TEST(SkinDescriptionReading, FieldsOfEveryElementKind)
{
    const SkinDescription skin =
        Read(QStringLiteral("[TEXTINFO]\n"
                            "1=ID_INFO,Noto Sans CJK SC,T,F,36,255,5,6,700,60,幸运号码...,x\n"
                            "2=ID_PLAIN,Arial,t,f,12,16711680,0,0,10,10,\n"
                            "[TRACKBARINFO]\n"
                            "1=VOL,thumb.bmp,thumb2.bmp,1,2,100,20,H,50\n"
                            "2=VOL2,thumb.bmp,thumb2.bmp,1,2,20,100,h,10,\n"
                            "[PROGRESSINFO]\n"
                            "1=P1,tip,0,0,200,10,H\n"
                            "2=P2,tip,0,0,200,10,V\n"));
    ASSERT_EQ(skin.Texts().size(), 2u);
    const SkinTextEntry& info = skin.Texts()[0];
    EXPECT_EQ(info.fontFace, QStringLiteral("Noto Sans CJK SC"));
    EXPECT_TRUE(info.bold);
    EXPECT_TRUE(info.italic); // the italic flag is the letter "F"
    EXPECT_EQ(info.size, 36);
    EXPECT_EQ(info.colour, 255u);
    EXPECT_EQ(info.rect, QRect(5, 6, 700, 60));
    EXPECT_EQ(info.text, QStringLiteral("幸运号码..."));
    const SkinTextEntry& plain = skin.Texts()[1];
    EXPECT_FALSE(plain.bold); // letters compare case-sensitively
    EXPECT_FALSE(plain.italic);
    EXPECT_EQ(plain.colour, 16711680u);

    ASSERT_EQ(skin.Sliders().size(), 2u);
    EXPECT_EQ(skin.Sliders()[0].thumb, QStringLiteral("thumb.bmp"));
    EXPECT_EQ(skin.Sliders()[0].pressedThumb, QStringLiteral("thumb2.bmp"));
    EXPECT_TRUE(skin.Sliders()[0].horizontal);
    EXPECT_EQ(skin.Sliders()[0].maximum, 50);
    EXPECT_FALSE(skin.Sliders()[1].horizontal); // "h" is not "H"
    EXPECT_EQ(skin.Sliders()[1].maximum, 10);

    // For progress bars "H" means the vertical fill.
    ASSERT_EQ(skin.ProgressBars().size(), 2u);
    EXPECT_TRUE(skin.ProgressBars()[0].vertical);
    EXPECT_FALSE(skin.ProgressBars()[1].vertical);
}

TEST(SkinDescriptionReading, ShortEntriesRepeatTheirLastField)
{
    const SkinDescription skin = Read(QStringLiteral("[BUTTONINFO]\n"
                                                     "1=A,0,0,10,10,Tip\n"
                                                     "2=B,0,0,10,10,other\n"
                                                     "3=C\n"));
    ASSERT_EQ(skin.Buttons().size(), 3u);
    EXPECT_TRUE(skin.Buttons()[0].latch); // the tooltip "Tip" doubles as the latch field
    EXPECT_FALSE(skin.Buttons()[1].latch);
    // A lone name is read as every field: the numbers become 0.
    EXPECT_EQ(skin.Buttons()[2].rect, QRect(0, 0, 0, 0));
    EXPECT_EQ(skin.Buttons()[2].tooltip, QStringLiteral("C"));
}

TEST(SkinDescriptionReading, OverLongEntriesAreSkippedAndReported)
{
    const QString longTip(260, u'x');
    const QString chineseTip(126, QChar(0x5956)); // 252 bytes in GBK, with the rest too long
    const SkinDescription skin =
        Read(QStringLiteral("[BUTTONINFO]\n1=A,0,0,1,1,%1,F\n2=B,0,0,1,1,%2,F\n3=C,0,0,1,1,ok,F\n")
                 .arg(longTip, chineseTip));
    EXPECT_EQ(ButtonNames(skin), (QStringList{"C"}));
    ASSERT_EQ(skin.Problems().size(), 2);
    EXPECT_TRUE(skin.Problems()[0].contains(QStringLiteral("BUTTONINFO")));

    // Exactly 255 is still accepted.
    const QString value = QStringLiteral("D,0,0,1,1,");
    const QString fits = value + QString(255 - value.size() - 2, u'y') + QStringLiteral(",F");
    EXPECT_EQ(Read(QStringLiteral("[BUTTONINFO]\n1=") + fits).Buttons().size(), 1u);
}

TEST(SkinDescriptionReading, SectionsKeepAtMost256ElementsAndSaySo)
{
    QString text = QStringLiteral("[BUTTONINFO]\n");
    for (int i = 1; i <= 2000; ++i) {
        text += QStringLiteral("%1=B%1,0,0,32767,32767,t,F\n").arg(i);
    }
    text += QStringLiteral("[PROGRESSINFO]\n1=P,t,0,0,1,1,H\n");
    const SkinDescription skin = Read(text);
    ASSERT_EQ(skin.Buttons().size(), size_t(SkinDescription::MaxElementsPerSection));
    EXPECT_EQ(skin.Buttons().back().name, QStringLiteral("B256"));
    EXPECT_EQ(skin.ProgressBars().size(), 1u);
    ASSERT_EQ(skin.Problems().size(), 1);
    EXPECT_TRUE(skin.Problems()[0].contains(QStringLiteral("[BUTTONINFO]")));
    EXPECT_TRUE(skin.Problems()[0].contains(QStringLiteral("257")));
}

TEST(SkinDescriptionReading, FontFaceIsLimitedTo31Bytes)
{
    const SkinDescription skin =
        Read(QStringLiteral("[TEXTINFO]\n1=T,%1,F,F,12,0,0,0,1,1,x\n").arg(QString(40, u'F')));
    ASSERT_EQ(skin.Texts().size(), 1u);
    EXPECT_EQ(skin.Texts()[0].fontFace, QString(31, u'F'));
}

TEST(SkinDescriptionReading, ReelPlaceDefaultsToTheLayoutPlace)
{
    EXPECT_EQ(Read(QString()).ReelRect(), QRect(6, 219, 591, 120));
    EXPECT_EQ(Read(QStringLiteral("[Screen]\nReel=0,0,0,0\n")).ReelRect(), QRect(6, 219, 591, 120));
    EXPECT_EQ(Read(QStringLiteral("[Screen]\nreel = 100, 200, 800, 190\n")).ReelRect(),
              QRect(100, 200, 800, 190));
}

TEST(SkinDescriptionFile, MissingFileIsEmptyAndGbkFileReadsCorrectly)
{
    QTemporaryDir dir;
    SkinDescription missing;
    EXPECT_TRUE(missing.Load(dir.filePath(QStringLiteral("none/skin.ini"))));
    EXPECT_TRUE(missing.Buttons().empty());
    EXPECT_TRUE(missing.Screen().main.isEmpty());

    const QString text = QStringLiteral("[Screen]\r\nMain=背景.bmp\r\n[TEXTINFO]\r\n"
                                        "1=ID_INFO,宋体,F,F,12,0,0,0,100,20,幸运号码...\r\n");
    const QString path = dir.filePath(QStringLiteral("skin.ini"));
    // The Windows version's GBK, ours, and UTF-16 with its mark as a Windows editor saves it.
    for (const char* encoding : {"GB18030", "UTF-8", "UTF-16LE", "UTF-16BE"}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QStringEncoder encoder(encoding, QByteArray(encoding).startsWith("UTF-16")
                                             ? QStringEncoder::Flag::WriteBom
                                             : QStringEncoder::Flag::Default);
        file.write(encoder.encode(text));
        file.close();

        SkinDescription skin;
        ASSERT_TRUE(skin.Load(path));
        EXPECT_EQ(skin.Screen().main, QStringLiteral("背景.bmp")) << encoding;
        ASSERT_EQ(skin.Texts().size(), 1u) << encoding;
        EXPECT_EQ(skin.Texts()[0].fontFace, QStringLiteral("宋体")) << encoding;
        EXPECT_EQ(skin.Texts()[0].text, QStringLiteral("幸运号码...")) << encoding;
        EXPECT_EQ(skin.Directory(), QDir(dir.path()).absolutePath() + u'/');
    }
}

TEST(SkinDescriptionFile, FileTooLargeIsNamedInTheRefusal)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[BUTTONINFO]\n1=A,0,0,1,1,t,F\n");
    file.write(QByteArray(1100 * 1024, ';'));
    file.close();
    SkinDescription skin;
    EXPECT_FALSE(skin.Load(path));
    EXPECT_TRUE(skin.Buttons().empty());
    ASSERT_FALSE(skin.Problems().isEmpty());
    EXPECT_TRUE(skin.Problems()[0].contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(skin.Problems()[0].contains(QStringLiteral("皮肤描述文件")));
}

TEST(SkinDescriptionFile, ALanguageVariantIsReadOnlyWhenTheSkinHasIt)
{
    QTemporaryDir dir;
    const QString skin = dir.filePath(QStringLiteral("skin.ini"));
    const QString english = dir.filePath(QStringLiteral("skin.en.ini"));
    for (const QString& path : {skin, english}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(SkinDescription::LanguageVariant(skin, QStringLiteral("en")), english);
    EXPECT_EQ(SkinDescription::LanguageVariant(skin, QStringLiteral("zh_TW")), skin) << "none";
    // A code is never a path: a module cannot point the window at another file.
    for (const char* code : {"../en", "en/..", "", "en.ini"}) {
        EXPECT_EQ(SkinDescription::LanguageVariant(skin, QLatin1String(code)), skin) << code;
    }
}
