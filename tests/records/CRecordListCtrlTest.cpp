// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/CRecordListCtrl.h"
#include "records/CRecordListHeader.h"
#include "records/core/StoredWidthsBytes.h"

#include <QPainter>
#include <QSettings>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class RecordListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(list.SetColumns("n,50;text,60;id,70;mark,80"));
        list.resize(400, 200);
    }

    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < list.RowCount(); ++row) {
            texts << list.ItemText(row, column);
        }
        return texts;
    }

    void ClickHeading(int column)
    {
        CRecordListHeader& header = list.Header();
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          {header.sectionViewportPosition(column) + 5, header.height() / 2});
    }

    // One cell painted on a magenta image, to tell painted pixels from untouched ones.
    QImage Paint(int row, int column, bool selected)
    {
        QImage image(120, 20, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        // Glyph pixels then carry exactly the text colour.
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.state = selected ? QStyle::State_Selected : QStyle::State_None;
        list.PaintCell(&painter, option, list.model()->index(row, column));
        return image;
    }

    CRecordListCtrl list;
};

bool HasColour(const QImage& image, const QColor& colour, int fromX = 0, int toX = 1000)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromX; x < std::min(toX, image.width()); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST_F(RecordListTest, HeadingClicksSortAscendingThenToggleAndRefillKeepsTheArrow)
{
    for (const char* n : {"10", "9", "", "2"}) {
        list.AddRow({n, QStringLiteral("t") + n});
    }
    list.show();

    ClickHeading(0);
    EXPECT_EQ(Column(0), QStringList({"", "2", "9", "10"}));
    EXPECT_TRUE(list.Header().IsOwnerDrawn(0));
    ClickHeading(0);
    EXPECT_EQ(Column(0), QStringList({"10", "9", "2", ""}));
    EXPECT_FALSE(list.Header().SortAscending());
    ClickHeading(1);
    EXPECT_EQ(list.SortColumn(), 1);
    EXPECT_TRUE(list.SortAscending());
    EXPECT_EQ(Column(1), QStringList({"t", "t10", "t2", "t9"}));
    // The first column stays drawn by the header after the arrow has moved on.
    EXPECT_TRUE(list.Header().IsOwnerDrawn(0));

    // Refilled rows come in the order added; the arrow stays where the last click put it.
    list.DeleteAllRows();
    list.AddRow({"3", "z"});
    list.AddRow({"1", "a"});
    EXPECT_EQ(Column(1), QStringList({"z", "a"}));
    EXPECT_EQ(list.Header().SortColumn(), 1);
    EXPECT_TRUE(list.Header().SortAscending());
}

TEST_F(RecordListTest, TheArrowPointsTheWayOfTheSort)
{
    list.AddRow({"1"});
    list.show();
    CRecordListHeader& header = list.Header();
    const int o = header.height() / 4;
    const int right = header.sectionViewportPosition(0) + header.sectionSize(0);
    const int bottom = header.height();
    const QRgb light = header.palette().color(QPalette::Light).rgb();
    const QRgb dark = header.palette().color(QPalette::Dark).rgb();

    // Apex up: a light base line; apex down: a dark top line.
    list.SortByColumn(0, true);
    QImage image = header.grab().toImage();
    EXPECT_EQ(image.pixel(right - 2 * o, bottom - o - 1), light);
    EXPECT_NE(image.pixel(right - 2 * o, o), dark);

    list.SortByColumn(0, false);
    image = header.grab().toImage();
    EXPECT_EQ(image.pixel(right - 2 * o, o), dark);
    EXPECT_NE(image.pixel(right - 2 * o, bottom - o - 1), light);
}

TEST_F(RecordListTest, StoredWidthsApplyOnlyWhenTheyFit)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("profile.ini"), QSettings::IniFormat);
    list.SetControlId(1019);
    const auto widths = [this] {
        return std::vector<int>{list.columnWidth(0), list.columnWidth(1), list.columnWidth(2),
                                list.columnWidth(3)};
    };
    const std::vector<int> initial = widths();

    list.LoadColumnWidths(settings); // no entry
    EXPECT_EQ(widths(), initial);
    for (const QVariant& bad : {QVariant(StoredWidthsBytes({5, 11, 22, 33, 44, 55})), // more
                                QVariant(StoredWidthsBytes({4, 11, 22, 33})),         // too short
                                QVariant(QByteArray("\x04\x00", 2)), // not even a count
                                QVariant(QStringLiteral("garbage")), // typed by hand
                                QVariant(StoredWidthsBytes({4, 11, 22, -5, 44}))}) {
        settings.setValue("ListCtrls/1019", bad);
        list.LoadColumnWidths(settings);
        EXPECT_EQ(widths(), initial) << bad.toByteArray().toHex().constData();
    }

    settings.setValue("ListCtrls/1019", StoredWidthsBytes({4, 11, 22, 33, 44}));
    settings.sync();
    QSettings reread(dir.filePath("profile.ini"), QSettings::IniFormat);
    list.LoadColumnWidths(reread);
    EXPECT_EQ(widths(), (std::vector<int>{11, 22, 33, 44}));
}

TEST_F(RecordListTest, CellsArePaintedInTheirFixedColours)
{
    list.AddRow({"WW", "WW", "WW", "WW"});
    list.AddRow({"", "WW", "", "mark"});
    list.AddRow({"WW", "", "", "mark"});
    list.m_strMarkText = "mark";

    const QImage first = Paint(0, 0, false);
    EXPECT_EQ(first.pixelColor(60, 10), CRecordListCtrl::NormalBackground);
    EXPECT_TRUE(HasColour(first, CRecordListCtrl::NormalText));
    EXPECT_TRUE(HasColour(Paint(0, 1, false), CRecordListCtrl::Columns1And4Text));
    // Column 2 is right-aligned.
    const QImage third = Paint(0, 2, false);
    EXPECT_TRUE(HasColour(third, CRecordListCtrl::Column2Text, 100));
    EXPECT_FALSE(HasColour(third, CRecordListCtrl::Column2Text, 0, 60));

    const QImage selected = Paint(0, 1, true);
    EXPECT_EQ(selected.pixelColor(60, 10), CRecordListCtrl::SelectedBackground);
    EXPECT_TRUE(HasColour(selected, CRecordListCtrl::SelectedText));
    const QImage marked = Paint(1, 1, false);
    EXPECT_EQ(marked.pixelColor(60, 10), CRecordListCtrl::MarkedBackground);
    EXPECT_TRUE(HasColour(marked, CRecordListCtrl::MarkedText));

    // Empty cells are not painted, even when selected, unless the first column's fill spans the
    // row.
    EXPECT_EQ(Paint(1, 2, true).pixelColor(60, 10), QColor(Qt::magenta));
    EXPECT_EQ(Paint(1, 0, true).pixelColor(60, 10), QColor(Qt::magenta));
    EXPECT_EQ(Paint(2, 1, true).pixelColor(60, 10), CRecordListCtrl::SelectedBackground);
    EXPECT_EQ(Paint(2, 2, false).pixelColor(60, 10), CRecordListCtrl::MarkedBackground);
}
