// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/core/ColumnLayout.h"
#include "records/core/RecordTableModel.h"
#include "records/core/StoredWidthsBytes.h"

#include <gtest/gtest.h>

TEST(ColumnText, HeadingsAndWidthsWithTheLastSemicolonOptional)
{
    const auto columns = ColumnLayout::ParseColumnText("获奖等级,100;编號,80;奖品,150");
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].heading, "获奖等级");
    EXPECT_EQ(columns[0].width, 100);
    EXPECT_EQ(columns[2].heading, "奖品");
    EXPECT_EQ(columns[2].width, 150);

    // A trailing heading without a width is no column; widths read as leading numbers.
    const auto odd = ColumnLayout::ParseColumnText("a, 40px;b,x;c,-7;tail");
    ASSERT_EQ(odd.size(), 3u);
    EXPECT_EQ(odd[0].width, 40);
    EXPECT_EQ(odd[1].width, 0);
    EXPECT_EQ(odd[2].width, 0);
    EXPECT_TRUE(ColumnLayout::ParseColumnText("").empty());
}

TEST(StoredWidths, OnlyAValueThatFitsTheColumnsIsApplied)
{
    const auto widths = ColumnLayout::ParseStoredWidths(StoredWidthsBytes({3, 10, 20, 30}), 3);
    ASSERT_TRUE(widths);
    EXPECT_EQ(*widths, (std::vector<int>{10, 20, 30}));

    EXPECT_FALSE(ColumnLayout::ParseStoredWidths(StoredWidthsBytes({4, 1, 2, 3, 4}), 3)); // more
    EXPECT_EQ(ColumnLayout::ParseStoredWidths(StoredWidthsBytes({2, 10, 20}), 3),
              (std::vector<int>{10, 20})); // stored before a column was added
    EXPECT_FALSE(ColumnLayout::ParseStoredWidths(StoredWidthsBytes({3, 10, 20}), 3)); // too short
    EXPECT_FALSE(
        ColumnLayout::ParseStoredWidths(StoredWidthsBytes({3}).left(3), 3)); // not even a count
    EXPECT_FALSE(
        ColumnLayout::ParseStoredWidths(StoredWidthsBytes({3, 10, -1, 30}), 3)); // garbage width
    EXPECT_FALSE(ColumnLayout::ParseStoredWidths("text a person typed", 3));
}

TEST(RecordRows, RowsHoldOneTextPerColumnAndClearingKeepsTheColumns)
{
    RecordTableModel model;
    model.AddColumn("a");
    model.AddColumn("b");
    EXPECT_EQ(model.AddRow({"x"}), 0);
    EXPECT_EQ(model.AddRow({"1", "2", "dropped"}), 1);
    EXPECT_EQ(model.Text(0, 1), "");
    EXPECT_EQ(model.Text(1, 1), "2");
    EXPECT_EQ(model.Text(1, 2), "");
    EXPECT_TRUE(model.FreeRowTexts(1));
    EXPECT_EQ(model.Text(1, 0), "");
    EXPECT_FALSE(model.FreeRowTexts(2));
    model.DeleteAllRows();
    EXPECT_EQ(model.RowCount(), 0);
    EXPECT_EQ(model.ColumnCount(), 2);
}
