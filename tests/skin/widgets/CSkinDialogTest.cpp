// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CSkinDialog.h"
#include "skin/core/BitmapToRegion.h"
#include "skin/widgets/CSkinButton.h"
#include "skin/widgets/CSkinProgress.h"
#include "skin/widgets/CSkinSlider.h"
#include "skin/widgets/CSkinText.h"
#include "support/RecordingMessageService.h"
#include "skin/core/SkinPictures.h"
#include "skin/widgets/SkinTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

class TestDialog : public CSkinDialog
{
public:
    void OnSkinButtonClick(const QString& name) override { clicks << name; }
    void OnSkinTextClick(const QString& name) override { clicks << QStringLiteral("text ") + name; }
    void OnSkinProgressClick(const QString& name) override
    {
        clicks << QStringLiteral("progress ") + name;
    }
    void OnSkinSliderScroll(const QString& name, int code, int position) override
    {
        clicks << QStringLiteral("slider %1 %2 %3").arg(name).arg(code).arg(position);
    }
    QStringList clicks;
};

// A small skin in a temporary folder: 120 x 80 pictures in four colours and a mask with a
// white left column (outside the window).
class SkinFolder
{
public:
    explicit SkinFolder(const QString& elements, const QImage& mask = DefaultMask(),
                        const QImage& main = Solid(Qt::blue))
    {
        Save(QStringLiteral("main.png"), main);
        Save(QStringLiteral("over.png"), Solid(Qt::green));
        Save(QStringLiteral("down.png"), Solid(Qt::red));
        Save(QStringLiteral("disabled.png"), Solid(Qt::gray));
        Save(QStringLiteral("mask.bmp"), mask);
        QFile file(Path());
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral("[Screen]\nMain=main.png\nMask=mask.bmp\nOver=over.png\n"
                                  "Down=down.png\nDisabled=disabled.png\n")
                       .toUtf8() +
                   elements.toUtf8());
    }
    QString Path() const { return m_dir.filePath(QStringLiteral("skin.ini")); }

    static QImage Solid(QColor colour)
    {
        QImage image(120, 80, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    static QImage DefaultMask()
    {
        QImage mask = Solid(Qt::black);
        QPainter(&mask).fillRect(0, 0, 10, 80, Qt::white);
        return mask;
    }

private:
    void Save(const QString& name, const QImage& image) const { image.save(m_dir.filePath(name)); }
    QTemporaryDir m_dir;
};

const QString Elements = QStringLiteral("[BUTTONINFO]\n"
                                        "1=START,20,10,30,20,Start,F\n"
                                        "2=\n"
                                        "3=STOP,60,10,30,20,Stop,F\n"
                                        "[TEXTINFO]\n"
                                        "1=INFO,Liberation Sans,T,N,20,255,20,40,80,20,hello,\n"
                                        "2=INFO,Liberation Sans,N,N,12,0,20,60,80,16,second,\n"
                                        "[TRACKBARINFO]\n"
                                        "1=VOLUME,none.png,none.png,0,70,100,10,H,20\n"
                                        "[PROGRESSINFO]\n"
                                        "1=BAR,tip,100,0,20,80,H\n");

} // namespace

TEST(SkinDialog, LoadSkinShapesSizesAndCreatesTheElements)
{
    RecordingMessageService messages;
    SkinFolder skin(Elements);
    TestDialog dialog;
    dialog.SetSkinPath(skin.Path());
    dialog.LoadSkin();

    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'|').toStdString();
    EXPECT_EQ(dialog.size(), QSize(120, 80));
    EXPECT_EQ(dialog.mask(), QRegion(10, 0, 110, 80));
    EXPECT_EQ(dialog.mask().rectCount(), 1);
    ASSERT_EQ(dialog.SkinButtons().size(), 2u);
    CSkinButton* stop = dialog.SkinButtons()[1];
    EXPECT_EQ(stop->Name(), QStringLiteral("STOP"));
    EXPECT_EQ(stop->ElementIndex(), 1);
    EXPECT_EQ(stop->geometry(), QRect(60, 10, 30, 20));
    EXPECT_EQ(stop->parentWidget(), &dialog);
    EXPECT_EQ(stop->HoverImage().pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(stop->DisabledImage().pixelColor(0, 0), QColor(Qt::gray));
    EXPECT_EQ(stop->toolTip(), QStringLiteral("Stop"));

    ASSERT_EQ(dialog.SkinTexts().size(), 2u);
    CSkinText* info = dialog.SkinTexts()[0];
    EXPECT_EQ(info->Text(), QStringLiteral("hello"));
    EXPECT_EQ(info->Colour(), 255u);
    EXPECT_TRUE(info->LabelFont().bold());
    EXPECT_LE(QFontMetrics(info->LabelFont()).height(), 20);
    EXPECT_EQ(info->Background().size(), QSize(80, 20));

    ASSERT_EQ(dialog.SkinSliders().size(), 1u);
    EXPECT_EQ(dialog.SkinSliders()[0]->orientation(), Qt::Horizontal);
    EXPECT_EQ(dialog.SkinSliders()[0]->maximum(), 20);
    ASSERT_EQ(dialog.SkinProgressBars().size(), 1u);
    EXPECT_TRUE(dialog.SkinProgressBars()[0]->IsVertical());
    EXPECT_EQ(dialog.SkinProgressBars()[0]->PressedImage().pixelColor(0, 0), QColor(Qt::red));

    // Re-skinning replaces everything: one set of controls.
    dialog.LoadSkin();
    EXPECT_EQ(dialog.findChildren<CSkinButton*>().size(), 2);
    EXPECT_EQ(dialog.findChildren<CSkinText*>().size(), 2);
    EXPECT_EQ(dialog.findChildren<CSkinSlider*>().size(), 1);
    EXPECT_EQ(dialog.findChildren<CSkinProgress*>().size(), 1);
}

TEST(SkinDialog, ElementsAreDrivenAndReportedByName)
{
    RecordingMessageService messages;
    SkinFolder skin(Elements);
    TestDialog dialog;
    dialog.SetSkinPath(skin.Path());
    dialog.LoadSkin();
    dialog.show();

    // The button after the gap reports its own name.
    CSkinButton* stop = dialog.SkinButtons()[1];
    QTest::mouseClick(stop, Qt::LeftButton, {}, {5, 5});
    QTest::mouseClick(dialog.SkinTexts()[1], Qt::LeftButton, {}, {5, 5});
    QTest::mouseClick(dialog.SkinProgressBars()[0], Qt::LeftButton, {}, {5, 40});
    EXPECT_EQ(dialog.clicks, (QStringList{QStringLiteral("STOP"), QStringLiteral("text INFO"),
                                          QStringLiteral("progress BAR")}));

    dialog.EnableSkinButton(QStringLiteral("stop"), false); // names are case-sensitive
    EXPECT_TRUE(stop->isEnabled());
    dialog.EnableSkinButton(QStringLiteral("STOP"), false);
    EXPECT_FALSE(stop->isEnabled());
    dialog.EnableSkinButton(QStringLiteral("NOBODY"), false);

    // Two texts share a name: only the first created changes.
    dialog.SetSkinText(QStringLiteral("INFO"), QStringLiteral("winner"), true);
    EXPECT_EQ(dialog.SkinTexts()[0]->Text(), QStringLiteral("winner"));
    EXPECT_TRUE(dialog.SkinTexts()[0]->IsCentred());
    EXPECT_EQ(dialog.SkinTexts()[1]->Text(), QStringLiteral("second"));
    dialog.SetSkinText(QStringLiteral("MISSING"), QStringLiteral("x"), false);

    // Dragging the background moves the window with the pointer.
    const QPoint start = dialog.pos();
    SendMouse(&dialog, QEvent::MouseButtonPress, {40, 50}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(&dialog, QEvent::MouseMove, {70, 60}, Qt::NoButton, Qt::LeftButton);
    SendMouse(&dialog, QEvent::MouseButtonRelease, {70, 60}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dialog.pos(), start + QPoint(30, 10));
    if (QWidget::mouseGrabber()) {
        QWidget::mouseGrabber()->releaseMouse();
    }
}

TEST(SkinDialog, PresentationScalesTheWholeFaceByOneFactorAndGivesItBack)
{
    RecordingMessageService messages;
    // Blue inside a yellow outline that follows the mask's shape (x 10..119).
    QImage main = SkinFolder::Solid(Qt::blue);
    QPainter(&main).fillRect(0, 0, 120, 80, Qt::yellow);
    QPainter(&main).fillRect(11, 1, 108, 78, Qt::blue);
    SkinFolder skin(Elements, SkinFolder::DefaultMask(), main);
    TestDialog dialog;
    dialog.SetSkinPath(skin.Path());
    dialog.LoadSkin();
    dialog.move(30, 40);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.EdgeColour(), QColor(Qt::yellow));

    dialog.SetPresentation(true);
    const QRect screen = dialog.screen()->geometry();
    EXPECT_EQ(dialog.geometry(), screen);
    const double s = std::min(screen.width() / 120.0, screen.height() / 80.0);
    EXPECT_DOUBLE_EQ(dialog.SkinScale(), s);
    const QRect face = dialog.SkinToWindow(QRect(0, 0, 120, 80));
    EXPECT_EQ(face.center(), QRect(QPoint(0, 0), screen.size()).center());

    // Every element is scaled with the face; a click at a button's scaled centre reaches it.
    CSkinButton* start = dialog.SkinButtons()[0];
    EXPECT_EQ(start->geometry(), dialog.SkinToWindow(QRect(20, 10, 30, 20)));
    EXPECT_NEAR(start->width(), 30 * s, 1.0);
    const QPoint centre = dialog.SkinToWindow(QRect(20, 10, 30, 20)).center();
    QWidget* target = dialog.childAt(centre);
    ASSERT_EQ(target, start);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&dialog, centre));
    EXPECT_EQ(dialog.clicks, QStringList{QStringLiteral("START")});

    // The text's font grows with its element and its text stays inside it.
    CSkinText* info = dialog.SkinTexts()[0];
    EXPECT_EQ(info->geometry(), dialog.SkinToWindow(QRect(20, 40, 80, 20)));
    const QFontMetrics metrics(info->LabelFont());
    EXPECT_GT(metrics.height(), 20 * s * 0.8);
    EXPECT_LE(metrics.height(), info->height());
    EXPECT_LE(metrics.horizontalAdvance(info->Text()), info->width());

    // The mask is scaled: its white column lies outside the face and shows the edge colour,
    // as does the rest of the screen; inside, the main picture.
    const QRegion& shape = dialog.FaceRegion();
    EXPECT_FALSE(shape.contains(dialog.SkinToWindow(QRect(5, 40, 1, 1)).center()));
    EXPECT_TRUE(shape.contains(dialog.SkinToWindow(QRect(15, 40, 1, 1)).center()));
    EXPECT_NEAR(shape.boundingRect().left(), face.left() + 10 * s, 1.0);
    EXPECT_EQ(shape.boundingRect().right(), face.right());
    EXPECT_TRUE(dialog.mask().isEmpty()); // the window itself fills the screen
    const QImage shown = dialog.grab().toImage();
    EXPECT_EQ(shown.pixelColor(dialog.SkinToWindow(QRect(5, 70, 1, 1)).center()),
              QColor(Qt::yellow));
    EXPECT_EQ(shown.pixelColor(dialog.SkinToWindow(QRect(60, 70, 1, 1)).center()),
              QColor(Qt::blue));
    if (face.top() > 0) {
        EXPECT_EQ(shown.pixelColor(screen.width() / 2, face.top() / 2), QColor(Qt::yellow));
    }

    // Switching back gives the skin's own size, shape, place and elements.
    dialog.SetPresentation(false);
    EXPECT_EQ(dialog.size(), QSize(120, 80));
    EXPECT_EQ(dialog.pos(), QPoint(30, 40));
    EXPECT_EQ(dialog.mask(), QRegion(10, 0, 110, 80));
    EXPECT_EQ(start->geometry(), QRect(20, 10, 30, 20));
    EXPECT_LE(QFontMetrics(info->LabelFont()).height(), 20);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'|').toStdString();
}

TEST(SkinDialog, UnusableMasksReportAndKeepTheWindowRectangular)
{
    {
        // No mask picture at all.
        RecordingMessageService messages;
        TestDialog dialog;
        dialog.resize(50, 40);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("skin.ini")));
        file.open(QIODevice::WriteOnly);
        file.write("[Screen]\nMask=missing.bmp\n");
        file.close();
        dialog.SetSkinPath(file.fileName());
        dialog.LoadSkin();
        EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Resimden Region Oluşturulamad")});
        EXPECT_EQ(messages.captions, QStringList{QStringLiteral("Hata")});
        EXPECT_EQ(dialog.size(), QSize(50, 40));
        EXPECT_TRUE(dialog.mask().isEmpty());
    }
    {
        // A white mask: the region is empty, which no window can take.
        RecordingMessageService messages;
        SkinFolder skin(QString(), SkinFolder::Solid(Qt::white));
        TestDialog dialog;
        dialog.SetSkinPath(skin.Path());
        dialog.LoadSkin();
        EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Region Oluşturulamad")});
        EXPECT_EQ(messages.captions, QStringList{QStringLiteral("Hata")});
        EXPECT_TRUE(dialog.mask().isEmpty());
    }
    {
        // A missing description: no pictures, no elements, and the same mask message.
        RecordingMessageService messages;
        TestDialog dialog;
        dialog.SetSkinPath(QStringLiteral("/nonexistent/skin/skin.ini"));
        dialog.LoadSkin();
        EXPECT_TRUE(dialog.SkinButtons().empty());
        EXPECT_EQ(messages.texts.size(), 1);
    }
}

TEST(SkinDialog, PicturesPastTheLimitsAreNamedInTheBox)
{
    RecordingMessageService messages;
    SkinFolder skin(Elements);
    // A mask that claims 20,000 x 20,000 pixels (the headers of a 24-bit BMP, no pixels): the
    // window keeps its size, and the box says which picture was refused.
    const QByteArray header = QByteArray::fromHex("424d76000000000000003600000028000000204e0000"
                                                  "204e0000010018000000000000000000130b0000130b"
                                                  "00000000000000000000") +
                              QByteArray(64, '\0');
    const QString mask = QFileInfo(skin.Path()).dir().filePath(QStringLiteral("mask.bmp"));
    QFile file(mask);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(header);
    file.close();
    TestDialog dialog;
    dialog.resize(50, 40);
    dialog.SetSkinPath(skin.Path());
    dialog.LoadSkin();
    const QString all = messages.texts.join(u'\n');
    EXPECT_TRUE(all.contains(mask)) << all.toStdString();
    EXPECT_EQ(dialog.size(), QSize(50, 40)) << "the window keeps its size without the mask";
}

TEST(SkinDialog, OverLongEntriesAreSkippedWithOneMessage)
{
    RecordingMessageService messages;
    SkinFolder skin(QStringLiteral("[BUTTONINFO]\n1=A,0,0,10,10,%1,F\n2=B,0,0,10,10,ok,F\n")
                        .arg(QString(300, u'x')));
    TestDialog dialog;
    dialog.SetSkinPath(skin.Path());
    dialog.LoadSkin();
    ASSERT_EQ(dialog.SkinButtons().size(), 1u);
    EXPECT_EQ(dialog.SkinButtons()[0]->Name(), QStringLiteral("B"));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("BUTTONINFO")));
    EXPECT_EQ(messages.captions[0], QStringLiteral("Hata"));
}

TEST(SkinDialog, HostileElementListsStayWithinBoundsOfCountAndMemory)
{
    // Thousands of elements the size of the coordinate range, and sliders that all name the
    // main picture as their thumbs.
    QString elements = QStringLiteral("[BUTTONINFO]\n");
    for (int i = 1; i <= 2000; ++i) {
        elements += QStringLiteral("%1=BUTTON_STOP,0,0,32767,32767,t,F\n").arg(i);
    }
    elements += QStringLiteral("[TEXTINFO]\n1=T,Liberation Sans,N,N,12,0,0,0,32767,32767,x,\n"
                               "[TRACKBARINFO]\n");
    for (int i = 1; i <= 1000; ++i) {
        elements += QStringLiteral("%1=S,main.png,main.png,-5,-5,32767,32767,H,9\n").arg(i);
    }
    RecordingMessageService messages;
    SkinFolder skin(elements);
    // An Over picture smaller than the skin: the part past it is black.
    QImage over(60, 40, QImage::Format_RGB32);
    over.fill(Qt::green);
    ASSERT_TRUE(over.save(QFileInfo(skin.Path()).dir().filePath(QStringLiteral("over.png"))));
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    TestDialog dialog;
    dialog.SetSkinPath(skin.Path());
    dialog.LoadSkin();
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 100 * 1024) << "kilobytes";

    ASSERT_EQ(dialog.SkinButtons().size(), size_t(SkinDescription::MaxElementsPerSection));
    ASSERT_EQ(dialog.SkinSliders().size(), size_t(SkinDescription::MaxElementsPerSection));
    const QRect face(0, 0, 120, 80);
    EXPECT_EQ(dialog.SkinButtons().back()->geometry(), face);
    EXPECT_EQ(dialog.SkinTexts()[0]->geometry(), face);
    EXPECT_EQ(dialog.SkinSliders()[0]->geometry(), face);
    // All elements read the same pixels, also where a picture had to be padded.
    const CSkinButton* first = dialog.SkinButtons().front();
    const CSkinButton* last = dialog.SkinButtons().back();
    EXPECT_EQ(first->NormalImage().constBits(), last->NormalImage().constBits());
    EXPECT_EQ(first->HoverImage().constBits(), last->HoverImage().constBits());
    EXPECT_EQ(last->HoverImage().pixelColor(10, 10), QColor(Qt::green));
    EXPECT_EQ(last->HoverImage().pixelColor(100, 70), QColor(Qt::black));
    // One decoded thumb for all sliders.
    EXPECT_EQ(dialog.SkinSliders().front()->ThumbImage().constBits(),
              dialog.SkinSliders().back()->ThumbImage().constBits());
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("[BUTTONINFO]")));
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("[TRACKBARINFO]")));
}

TEST(SkinDialog, MaskTooComplexForTheDisplayLeavesTheWindowRectangular)
{
    QImage board(2048, 2048, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(board.scanLine(y));
        for (int x = 0; x < board.width(); ++x) {
            line[x] = (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        }
    }
    RecordingMessageService messages;
    SkinFolder skin(Elements, board);
    TestDialog dialog;
    dialog.SetSkinPath(skin.Path());
    dialog.LoadSkin();
    EXPECT_EQ(dialog.size(), QSize(2048, 2048));
    EXPECT_TRUE(dialog.mask().isEmpty());
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("mask.bmp")));
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("32000")));
}

TEST(SkinDialog, DescriptionTooLargeIsReportedOnceAndByName)
{
    RecordingMessageService messages;
    SkinFolder skin(Elements);
    QFile file(skin.Path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(1100 * 1024, ';'));
    file.close();
    TestDialog dialog;
    dialog.SetSkinPath(skin.Path());
    dialog.LoadSkin();
    EXPECT_TRUE(dialog.SkinButtons().empty());
    ASSERT_EQ(messages.texts.size(), 1) << messages.texts.join(u'|').toStdString();
    EXPECT_TRUE(messages.texts[0].contains(QDir::toNativeSeparators(skin.Path())));
    EXPECT_FALSE(messages.texts[0].contains(QStringLiteral("Region")));
}

TEST(SkinDialog, ShowingLoadsAnExistingSkinOnlyOnce)
{
    RecordingMessageService messages;
    SkinFolder skin(Elements);
    {
        TestDialog dialog;
        dialog.SetSkinPath(skin.Path());
        dialog.show();
        EXPECT_EQ(dialog.SkinButtons().size(), 2u);
    }
    {
        // A window that loaded its skin and set its texts keeps them when it is shown.
        TestDialog dialog;
        dialog.SetSkinPath(skin.Path());
        dialog.LoadSkin();
        dialog.SetSkinText(QStringLiteral("INFO"), QStringLiteral("set before showing"), false);
        dialog.show();
        EXPECT_EQ(dialog.SkinTexts()[0]->Text(), QStringLiteral("set before showing"));
    }
}

TEST(DefaultSkin, DefinesEveryElementTheDrawWindowUses)
{
    RecordingMessageService messages;
    const QString path = QStringLiteral(SORTILO_SOURCE_DIR "/res/skin/skin.ini");
    TestDialog dialog;
    dialog.SetSkinPath(path);
    dialog.LoadSkin();
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'|').toStdString();

    for (const char* name : {"BUTTON_START", "BUTTON_STOP", "BUTTON_EXIT", "ID_ABOUT", "ID_UPONE",
                             "ID_DOWNONE", "ID_UPONE1", "ID_DOWNONE1"}) {
        EXPECT_NE(dialog.FindSkinButton(QLatin1String(name)), nullptr) << name;
    }
    QStringList texts = {"ID_PERLIST", "ID_INFO",    "ID_INFO1",   "ID_SYSINFO",
                         "ID_NUMBER",  "ID_NUMBER1", "ID_COMPANY", "ID_THEME"};
    for (int i = 1; i <= 8; ++i) {
        texts << QStringLiteral("ID_TEXT%1").arg(i);
    }
    for (const QString& name : texts) {
        EXPECT_NE(dialog.FindSkinText(name), nullptr) << name.toStdString();
    }

    // The pictures share one layout, and every element lies inside the window's shape.
    const SkinDescription& description = dialog.Description();
    const QSize size = LoadPictureFile(description.PicturePath(description.Screen().main)).size();
    EXPECT_EQ(dialog.size(), size);
    for (const QString& picture :
         {description.Screen().over, description.Screen().down, description.Screen().disabled}) {
        EXPECT_EQ(LoadPictureFile(description.PicturePath(picture)).size(), size);
    }
    const QRegion shape = dialog.mask();
    for (CSkinButton* button : dialog.SkinButtons()) {
        EXPECT_EQ(shape.intersected(button->geometry()), QRegion(button->geometry()))
            << button->Name().toStdString();
    }
    for (CSkinText* text : dialog.SkinTexts()) {
        EXPECT_EQ(shape.intersected(text->geometry()), QRegion(text->geometry()))
            << text->Name().toStdString();
    }

    // Readable from the back of a hall, with reels of height 140 and room around them.
    EXPECT_GE(dialog.FindSkinText(QStringLiteral("ID_INFO"))->LabelFont().pixelSize(), 36);
    const QRect reel = dialog.ReelRect();
    EXPECT_GE(reel.height(), 140 + 50);
    EXPECT_EQ(shape.intersected(reel), QRegion(reel));

    // The application folder holds the skin.
    EXPECT_TRUE(QFile::exists(QStringLiteral(SORTILO_DIST_DIR "/skin/skin.ini")));
}
