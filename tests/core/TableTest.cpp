#include <gtest/gtest.h>

#include "state/MainWindowState.h"
#include "state/Table.h"

namespace quorvel {
namespace {

TEST(Table, KeepsCellsOutsideTheCountsAndReadsUnwrittenCellsAsEmpty) {
    Table table(10, 200);
    table.SetCell(5, 7, "x");
    table.SetColCount(2);
    table.SetRowCount(2);
    EXPECT_EQ(table.Cell(5, 7), "x");
    EXPECT_EQ(table.Cell(4, 7), "");
    EXPECT_EQ(table.Cell(3, 9999), "");
    table.SetCell(2, 7, "y");
    table.SetCell(5, 7, "longer text");
    table.SetCell(0, 7, "");
    EXPECT_EQ(table.Cell(2, 7), "y");
    EXPECT_EQ(table.Cell(5, 7), "longer text");
    EXPECT_THROW(table.SetCell(1, 1, "a,b"), std::invalid_argument);
}

TEST(Table, RowFieldsReplaceTheRowButColumn0) {
    Table table;
    table.SetCell(0, 3, "       3");
    table.SetCell(9, 3, "old");
    std::string line = "a,,c,d\n";
    FieldList fields;
    SplitLine(line, fields);
    fields.resize(3);
    table.SetRowFields(3, fields);
    EXPECT_EQ(table.Cell(0, 3), "       3");
    EXPECT_EQ(table.Cell(1, 3), "a");
    EXPECT_EQ(table.Cell(2, 3), "");
    EXPECT_EQ(table.Cell(3, 3), "c");
    EXPECT_EQ(table.Cell(4, 3), "");
    EXPECT_EQ(table.Cell(9, 3), "");
}

TEST(Table, HeadersOnlyKeepsTheHeaderCellsAndCounts) {
    MainWindowState state;
    FormCreate(state);
    state.StringGrid1.SetCell(3, 4, "data");
    Table fresh = state.StringGrid1.HeadersOnly();
    EXPECT_EQ(fresh.Cell(3, 4), "");
    EXPECT_EQ(fresh.Cell(0, 4), "       4");
    EXPECT_EQ(fresh.Cell(20, 0), "    20");
    EXPECT_EQ(fresh.Cell(0, 0), "");
    EXPECT_EQ(fresh.ColCount(), 10);
    EXPECT_EQ(fresh.RowCount(), 200);
}

TEST(Spinner, HoldsThePositionWithinItsLimitsLowerLimitWinning) {
    Spinner s(1, 100, 4);
    s.SetMax(3);
    EXPECT_EQ(s.Position(), 3);
    s.SetMax(0);
    EXPECT_EQ(s.Position(), 1);
    s.SetMax(70000);
    s.SetPosition(65000);  // positions are 32-bit
    EXPECT_EQ(s.Position(), 65000);
}

}  // namespace
}  // namespace quorvel
