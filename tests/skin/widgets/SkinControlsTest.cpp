// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CMarqueeLabel.h"
#include "skin/widgets/CSkinButton.h"
#include "skin/widgets/CSkinProgress.h"
#include "skin/widgets/CSkinSlider.h"
#include "skin/widgets/CSkinText.h"
#include "skin/widgets/SkinTestSupport.h"

#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QImage Solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class SkinButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        owner.resize(300, 100);
        const QSize whole(300, 100);
        for (int i = 0; i < 2; ++i) {
            auto* button = new CSkinButton(QStringLiteral("B%1").arg(i), i, &owner);
            const QRect place(10 + i * 60, 10, 60, 30);
            button->setGeometry(place);
            button->SetSkinImages(place, Solid(whole, Qt::blue), Solid(whole, Qt::green),
                                  Solid(whole, Qt::red), Solid(whole, Qt::gray));
            buttons[i] = button;
        }
        owner.show();
    }
    void TearDown() override
    {
        if (QWidget::mouseGrabber()) {
            QWidget::mouseGrabber()->releaseMouse();
        }
    }

    QColor Look(const CSkinButton* button) const { return button->CurrentImage().pixelColor(1, 1); }

    RecordingOwner owner;
    CSkinButton* buttons[2] = {};
};

} // namespace

TEST_F(SkinButtonTest, HoverTakesTheGrabAndLeavingReleasesIt)
{
    CSkinButton* button = buttons[0];
    EXPECT_EQ(button->NormalImage().size(), QSize(60, 30));
    EXPECT_EQ(Look(button), QColor(Qt::blue));
    MoveMouse(button, {5, 5});
    EXPECT_TRUE(button->IsHover());
    EXPECT_EQ(QWidget::mouseGrabber(), button);
    EXPECT_EQ(Look(button), QColor(Qt::green));
    EXPECT_EQ(owner.moves, QStringList{QStringLiteral("B0")});

    // Straight onto the neighbour: the first lets go, the second takes over on its next move.
    MoveMouse(button, {65, 5});
    EXPECT_FALSE(button->IsHover());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    MoveMouse(buttons[1], {5, 5});
    EXPECT_TRUE(buttons[1]->IsHover());
    EXPECT_EQ(QWidget::mouseGrabber(), buttons[1]);

    // Disabling drops hover and the grab: a disabled widget could never give it back.
    buttons[1]->setEnabled(false);
    EXPECT_FALSE(buttons[1]->IsHover());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(Look(buttons[1]), QColor(Qt::gray));
}

TEST_F(SkinButtonTest, PressBeganElsewhereDoesNotHover)
{
    MoveMouse(buttons[0], {5, 5}, Qt::LeftButton);
    EXPECT_FALSE(buttons[0]->IsHover());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(Look(buttons[0]), QColor(Qt::blue));
}

TEST_F(SkinButtonTest, ClickIsReportedOnReleaseInsideWhileStillPressed)
{
    CSkinButton* button = buttons[1];
    bool downWhenReported = false;
    owner.onButton = [&](int) { downWhenReported = button->isDown(); };

    MoveMouse(button, {5, 5});
    QTest::mousePress(button, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(Look(button), QColor(Qt::red));
    // Dragged out while held: hover goes, the button keeps the mouse.
    MoveMouse(button, {100, 5}, Qt::LeftButton);
    EXPECT_FALSE(button->IsHover());
    QTest::mouseRelease(button, Qt::LeftButton, {}, {100, 5});
    EXPECT_TRUE(owner.reports.isEmpty());

    MoveMouse(button, {5, 5});
    QTest::mousePress(button, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(button, Qt::LeftButton, {}, {6, 6});
    EXPECT_EQ(owner.reports, QStringList{QStringLiteral("button 1")});
    EXPECT_TRUE(downWhenReported);
    EXPECT_FALSE(button->IsHover());
    EXPECT_EQ(Look(button), QColor(Qt::blue));
}

TEST_F(SkinButtonTest, OwnerMayDeleteTheButtonInItsClickHandler)
{
    CSkinButton* button = buttons[0];
    owner.onButton = [&](int) { delete button; };
    QTest::mousePress(button, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(button, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(owner.reports, QStringList{QStringLiteral("button 0")});
}

TEST_F(SkinButtonTest, LatchedButtonAlwaysLooksNormalButStillClicks)
{
    CSkinButton* button = buttons[0];
    button->SetLatched(true);
    MoveMouse(button, {5, 5});
    EXPECT_EQ(Look(button), QColor(Qt::blue));
    QTest::mousePress(button, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(Look(button), QColor(Qt::blue));
    QTest::mouseRelease(button, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(owner.reports, QStringList{QStringLiteral("button 0")});
    button->setEnabled(false);
    EXPECT_EQ(Look(button), QColor(Qt::blue));
}

TEST(SkinButtonTooltip, NullTextKeepsTheTooltipAndInactiveHidesIt)
{
    CHoverButton button;
    button.SetTooltipText(QStringLiteral("开始"), true);
    EXPECT_EQ(button.toolTip(), QStringLiteral("开始"));
    button.SetTooltipText(QString(), true);
    EXPECT_EQ(button.toolTip(), QStringLiteral("开始"));
    button.SetTooltipText(QStringLiteral("开始"), false);
    EXPECT_TRUE(button.toolTip().isEmpty());
}

TEST(SkinProgress, ClickSetsThePositionAndReleaseInsideReports)
{
    RecordingOwner owner;
    auto* bar = new CSkinProgress(QStringLiteral("P"), 0, &owner);
    bar->setGeometry(0, 0, 200, 20);
    bar->SetSkinImages(QRect(0, 0, 200, 20), Solid({200, 20}, Qt::black),
                       Solid({200, 20}, Qt::red));
    owner.show();

    QTest::mousePress(bar, Qt::LeftButton, {}, {50, 10});
    EXPECT_EQ(bar->Position(), 25);
    EXPECT_EQ(bar->FillRect(), QRect(0, 0, 50, 20));
    EXPECT_FALSE(bar->isDown()); // no button press of its own
    QTest::mouseRelease(bar, Qt::LeftButton, {}, {50, 10});
    EXPECT_EQ(owner.reports, QStringList{QStringLiteral("progress 0")});

    // Released outside: nothing is reported.
    QTest::mousePress(bar, Qt::LeftButton, {}, {150, 10});
    EXPECT_EQ(bar->Position(), 75);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, {250, 10});
    EXPECT_EQ(owner.reports.size(), 1);
    if (QWidget::mouseGrabber()) {
        QWidget::mouseGrabber()->releaseMouse();
    }
}

TEST(SkinProgress, VerticalFillFollowsADragUpwards)
{
    RecordingOwner owner;
    auto* bar = new CSkinProgress(QStringLiteral("V"), 0, &owner);
    bar->setGeometry(0, 0, 20, 100);
    bar->SetVertical(true);
    owner.show();

    MoveMouse(bar, {10, 80});
    QTest::mousePress(bar, Qt::LeftButton, {}, {10, 80});
    EXPECT_EQ(bar->FillRect(), QRect(0, 0, 20, 80));
    MoveMouse(bar, {10, 30}, Qt::LeftButton);
    EXPECT_EQ(bar->Position(), 30);
    EXPECT_EQ(bar->FillRect(), QRect(0, 0, 20, 30)); // grows from the top edge
    QTest::mouseRelease(bar, Qt::LeftButton, {}, {10, 30});
    // Moves after the release no longer change the position.
    MoveMouse(bar, {10, 60});
    EXPECT_EQ(bar->Position(), 30);
    if (QWidget::mouseGrabber()) {
        QWidget::mouseGrabber()->releaseMouse();
    }
}

TEST(SkinText, ClickIsReportedWhereverReleased)
{
    RecordingOwner owner;
    auto* text = new CSkinText(QStringLiteral("ID_INFO"), 3, &owner);
    text->setGeometry(0, 0, 100, 20);
    owner.show();
    QTest::mousePress(text, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(text, Qt::LeftButton, {}, {500, 500});
    EXPECT_EQ(owner.reports, QStringList{QStringLiteral("text 3")});
    MoveMouse(text, {5, 5});
    EXPECT_EQ(owner.moves, QStringList{QStringLiteral("ID_INFO")});
    EXPECT_FALSE(text->IsHover());
}

TEST(SkinSlider, ThumbPictureIsCentredOnTheThumbAndDragsAreReported)
{
    RecordingOwner owner;
    auto* slider = new CSkinSlider(QStringLiteral("S"), 0, &owner);
    slider->setGeometry(0, 0, 200, 30);
    slider->setRange(0, 10);
    owner.show();
    // No thumb picture: nothing to draw or hit.
    EXPECT_EQ(slider->ThumbRect().size(), QSize(0, 0));

    QTemporaryDir dir;
    const QString wide = dir.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(Solid({80, 30}, Qt::yellow).save(wide));
    slider->SetSkinImages(QRect(0, 0, 200, 30), Solid({200, 30}, Qt::black), wide, wide);
    // At the minimum the wide picture overhangs the left edge.
    const QRect thumb = slider->ThumbRect();
    EXPECT_EQ(thumb.size(), QSize(80, 30));
    EXPECT_LT(thumb.left(), 0);
    EXPECT_EQ(thumb.top(), 0);

    QTest::mousePress(slider, Qt::LeftButton, {}, thumb.center());
    EXPECT_TRUE(slider->IsThumbPressed());
    MoveMouse(slider, thumb.center() + QPoint(60, 0), Qt::LeftButton);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, thumb.center() + QPoint(60, 0));
    ASSERT_EQ(owner.reports.size(), 2);
    const int position = slider->value();
    EXPECT_GT(position, 0);
    EXPECT_EQ(owner.reports[0], QStringLiteral("slider 0 4 %1").arg(position));
    EXPECT_EQ(owner.reports[1], QStringLiteral("slider 0 8 %1").arg(position));
    EXPECT_FALSE(slider->IsThumbPressed());

    // Vertical: the picture never rises above the top edge.
    slider->SetVertical(true);
    slider->setGeometry(0, 0, 30, 200);
    slider->setValue(0);
    EXPECT_GE(slider->ThumbRect().top(), 0);
    EXPECT_EQ(slider->ThumbRect().left(), 0);
}

namespace {

// A label exactly wide enough for units display units at its own font.
CMarqueeLabel* LabelFor(QWidget* parent, int units, int pixelSize = 14)
{
    auto* label = new CMarqueeLabel(parent);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    label->SetLabelFont(font);
    const int w = QFontMetrics(font).horizontalAdvance(u'W');
    label->resize(units * w / 2, 20);
    return label;
}

} // namespace

TEST(MarqueeLabel, CapacityIsTwiceTheWidthOverW)
{
    QWidget parent;
    CMarqueeLabel* label = LabelFor(&parent, 20);
    label->SetText(QString(20, u'a'), true);
    EXPECT_EQ(label->Capacity(), 20);
    EXPECT_FALSE(label->IsScrolling());
    label->SetText(QString(21, u'a'), true);
    EXPECT_TRUE(label->IsScrolling());
    // Ten Chinese characters are twenty units: still.
    label->SetText(QString(10, QChar(0x5956)), false);
    EXPECT_FALSE(label->IsScrolling());
    label->SetText(QString(10, QChar(0x5956)) + u'!', false);
    EXPECT_TRUE(label->IsScrolling());
}

TEST(MarqueeLabel, ScrollCycleRunsFromZeroToTheLength)
{
    QWidget parent;
    CMarqueeLabel* label = LabelFor(&parent, 6);
    label->SetText(QStringLiteral("ABCDEFGHIJ"), false);
    ASSERT_EQ(label->Capacity(), 6);
    ASSERT_TRUE(label->IsScrolling());
    EXPECT_EQ(label->ShownText(), QStringLiteral("ABCDEFGHIJ"));
    for (int i = 0; i < 8; ++i) {
        label->Tick();
    }
    EXPECT_EQ(label->ShownText(), QStringLiteral("IJ ** ABCDEFGHIJ"));
    label->Tick();
    label->Tick();
    EXPECT_EQ(label->Offset(), 10);
    EXPECT_EQ(label->ShownText(), QStringLiteral(" ** ABCDEFGHIJ"));
    label->Tick();
    EXPECT_EQ(label->Offset(), 0);

    // The same text again restarts from the beginning.
    label->Tick();
    label->SetText(QStringLiteral("ABCDEFGHIJ"), false);
    EXPECT_EQ(label->Offset(), 0);
}

TEST(MarqueeLabel, OddOffsetInsideAWideCharacterShowsABlank)
{
    QWidget parent;
    CMarqueeLabel* label = LabelFor(&parent, 4);
    label->SetText(QStringLiteral("一二三四"), false); // 8 units
    ASSERT_TRUE(label->IsScrolling());
    label->Tick();
    EXPECT_TRUE(label->ShownText().startsWith(QStringLiteral(" 二三四")));
    label->Tick();
    EXPECT_TRUE(label->ShownText().startsWith(QStringLiteral("二三四")));
}

TEST(MarqueeLabel, CapacityIsMeasuredInTheLabelsOwnFont)
{
    // 200 pixels hold a 30-letter text in a small font but not in a large one: the large one
    // must scroll rather than be cut off at the right edge.
    QWidget parent;
    auto* label = new CMarqueeLabel(&parent);
    label->resize(200, 80);
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(8);
    label->SetLabelFont(small);
    label->SetText(QString(30, u'x'), false);
    EXPECT_FALSE(label->IsScrolling());
    QFont large = small;
    large.setPixelSize(60);
    label->SetLabelFont(large);
    EXPECT_TRUE(label->IsScrolling());
    EXPECT_EQ(label->Capacity(), 400 / QFontMetrics(large).horizontalAdvance(u'W'));
}
