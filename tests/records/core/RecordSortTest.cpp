// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/core/RecordCompare.h"
#include "records/core/RecordTableModel.h"

#include <QCollator>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// One column holding texts, sorted, read back top to bottom.
QStringList Sorted(const QStringList& texts, bool ascending = true,
                   const QLocale& locale = QLocale::c())
{
    RecordTableModel model;
    model.SetCollationLocale(locale);
    model.AddColumn(QStringLiteral("c"));
    for (const QString& text : texts) {
        model.AddRow({text});
    }
    model.SortRows(0, ascending);
    QStringList result;
    for (int row = 0; row < model.RowCount(); ++row) {
        result << model.Text(row, 0);
    }
    return result;
}

int Compare(const QString& a, const QString& b, bool ascending = true)
{
    QCollator collator{QLocale::c()};
    return RecordCompare::CompareCells(a, b, ascending, collator);
}

} // namespace

TEST(RecordSort, DigitTextsCompareByValueAndTheEmptyTextIsZero)
{
    EXPECT_EQ(Sorted({"10", "9", "", "2", "0"}), QStringList({"", "0", "2", "9", "10"}));
    EXPECT_EQ(Sorted({"10", "9", "", "2"}, false), QStringList({"10", "9", "2", ""}));
    // A value past 64 bits stays the largest instead of wrapping round.
    EXPECT_EQ(Sorted({"99999999999999999999999", "5"}),
              QStringList({"5", "99999999999999999999999"}));
}

TEST(RecordSort, AnyNonDigitMakesItText)
{
    // As numbers -10 would come first; as text "-1" is a prefix of "-10".
    EXPECT_EQ(Sorted({"-10", "-1"}), QStringList({"-1", "-10"}));
    EXPECT_EQ(Sorted({"b2", "a10", "b10"}), QStringList({"a10", "b10", "b2"}));
}

TEST(RecordSort, DayMonthYearDatesCompareYearFirst)
{
    EXPECT_TRUE(RecordCompare::IsDayMonthYear(u"05/12/2006"));
    EXPECT_FALSE(RecordCompare::IsDayMonthYear(u"5/12/2006"));
    EXPECT_FALSE(RecordCompare::IsDayMonthYear(u"05-12-2006"));
    EXPECT_FALSE(RecordCompare::IsDayMonthYear(u"05/12/2006 "));
    EXPECT_EQ(Sorted({"01/01/2007", "05/12/2006", "31/01/2007", "01/02/2007"}),
              QStringList({"05/12/2006", "01/01/2007", "31/01/2007", "01/02/2007"}));
    EXPECT_EQ(Sorted({"01/01/2007", "05/12/2006"}, false),
              QStringList({"01/01/2007", "05/12/2006"}));
    // A second text of another shape is read under the date rule without running off its end.
    EXPECT_EQ(Compare("01/01/2007", "x"), 1);
    EXPECT_EQ(Compare("01/01/2007", "31/12/200"), 1);
}

TEST(RecordSort, LeadingBlanksOfTheListsCellsDoNotTurnNumbersAndDatesIntoText)
{
    EXPECT_EQ(Sorted({"     10", "     100", "     2", "     1001", "     9"}),
              QStringList({"     2", "     9", "     10", "     100", "     1001"}));
    EXPECT_EQ(Sorted({" 01/02/2007 09:00:00", " 05/12/2006 10:00:00", " 01/02/2007 08:30:00",
                      " 31/01/2007"}),
              QStringList({" 05/12/2006 10:00:00", " 31/01/2007", " 01/02/2007 08:30:00",
                           " 01/02/2007 09:00:00"}));
    EXPECT_EQ(Sorted({" 05/12/2006", " 01/01/2007"}, false),
              QStringList({" 01/01/2007", " 05/12/2006"}));
}

TEST(RecordSort, TheFirstTextChoosesTheRule)
{
    // "5" is all digits: " 12x" is read as the number 12 (as text it would come first).
    EXPECT_EQ(Compare("5", " 12x"), -1);
    EXPECT_EQ(Compare(" 12x", "5"), -1);
    // A text without leading digits is 0 under the number rule.
    EXPECT_EQ(Compare("", "abc"), 0);
    EXPECT_EQ(Compare("3", "abc"), 1);
    // Descending swaps the operands but keeps the first text's rule.
    EXPECT_EQ(Compare("5", " 12x", false), 1);

    // Such a column has no consistent order; sorting it still keeps every row once.
    QStringList texts;
    auto* random = QRandomGenerator::global();
    const QStringList kinds = {"", "7", "x", "01/02/2003", " 4", "-3", "B", "12"};
    for (int i = 0; i < 3000; ++i) {
        texts << kinds[random->bounded(int(kinds.size()))] + QString::number(random->bounded(3));
    }
    QStringList sorted = Sorted(texts);
    sorted.sort();
    texts.sort();
    EXPECT_EQ(sorted, texts);
}

TEST(RecordSort, OtherTextsFollowTheLocaleAndKeepCase)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(Sorted({"b", "B", "a", "A"}, true, english), QStringList({"a", "A", "b", "B"}));
    EXPECT_NE(Compare("a", "A"), 0);
}

TEST(RecordSort, SortingMovesSelectionsWithTheirRowsAndKeepsEqualRowsInOrder)
{
    RecordTableModel model;
    model.AddColumn("n");
    model.AddColumn("tag");
    model.AddRow({"2", "first two"});
    model.AddRow({"1", "one"});
    model.AddRow({"2", "second two"});
    const QPersistentModelIndex one = model.index(1, 1);
    model.SortRows(0, true);
    EXPECT_EQ(one.row(), 0);
    EXPECT_EQ(model.Text(1, 1), "first two");
    EXPECT_EQ(model.Text(2, 1), "second two");
}

TEST(RecordSort, ADimmedRowStaysDimmedWhereverSortingTakesIt)
{
    RecordTableModel model;
    model.AddColumn(QStringLiteral("c"));
    model.AddRows({{"3"}, {"1"}, {"2"}});
    model.SetRowDimmed(0, true);
    model.SortRows(0, true);
    EXPECT_FALSE(model.RowDimmed(0));
    EXPECT_TRUE(model.RowDimmed(2));
    EXPECT_EQ(model.Text(2, 0), "3");
    model.DeleteAllRows();
    model.AddRow({"4"});
    EXPECT_FALSE(model.RowDimmed(0)) << "a new row starts undimmed";
}
