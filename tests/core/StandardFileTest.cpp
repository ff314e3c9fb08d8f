#include <gtest/gtest.h>

#include "convert/Converters.h"
#include "convert/StandardFile.h"

namespace quorvel {
namespace {

// Puts `lines` into a table, line k in row k, as a load does.
Table TableOf(const std::vector<std::string>& lines) {
    Table table(0, 0);
    FieldList fields;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (SplitLine(lines[i], fields) == 0) fields.clear();
        table.SetRowFields(static_cast<int>(i + 1), fields);
    }
    return table;
}

std::string Write(const Table& table, const ConversionPlan& plan) {
    StringSink sink;
    WriteTable(table, plan, sink);
    return sink.text;
}

TEST(StandardFile, TheSixtyByteExample) {
    Table table = TableOf({"Time,A,B,C", "0.0,1.1,2.2,3.3", "0.1,1.2,2.3,3.4"});
    std::string out = Write(table, *CsvPlan(4, 2, 3));
    EXPECT_EQ(out, "1CH,2CH,3CH\r\nA,B,C\r\n,,\r\nkg,mm,mm\r\n1.1,2.2,3.3\r\n1.2,2.3,3.4\r\n");
    EXPECT_EQ(out.size(), 60u);
}

TEST(StandardFile, OneChannel) {
    Table table = TableOf({"name", "unit", "v1", "v2"});
    OtherLayout layout{1, 2, 0, 3, 4, 1, 1};
    EXPECT_EQ(Write(table, *OtherPlan(layout)), "1CH\r\nname\r\n\r\nunit\r\nv1\r\nv2\r\n");
}

TEST(StandardFile, CellsAreWrittenByteForByte) {
    // Empty cells, Shift-JIS and blank-padded cells reach the file unchanged.
    Table table = TableOf({"t,\x91\xAA\x93\x5F,,B", "0, 1.5 ,,\x82\x6C\x82\x6D"});
    std::string out = Write(table, *CsvPlan(4, 2, 2));
    EXPECT_EQ(
        out, "1CH,2CH,3CH\r\n\x91\xAA\x93\x5F,,B\r\n,,\r\nkg,mm,mm\r\n 1.5 ,,\x82\x6C\x82\x6D\r\n");
}

TEST(StandardFile, LastRowBeforeFirstWritesOnlyTheFourHeaderLines) {
    Table table = TableOf({"t,a,b", "1,2,3"});
    StringSink sink;
    long long lines = WriteTable(table, *CsvPlan(3, 2, 1), sink);
    EXPECT_EQ(sink.text, "1CH,2CH\r\na,b\r\n,\r\nkg,mm\r\n");
    EXPECT_EQ(lines, 4);
}

TEST(StandardFile, RowsShorterThanTheChannelsGetEmptyFields) {
    Table table = TableOf({"t,a,b,c", "1,2"});
    EXPECT_EQ(Write(table, *CsvPlan(4, 2, 3)),
              "1CH,2CH,3CH\r\na,b,c\r\n,,\r\nkg,mm,mm\r\n2,,\r\n,,\r\n");
}

TEST(StandardFile, LargeOutputsAreFlushedInPiecesAndKeepEveryByte) {
    std::vector<std::string> lines;
    std::string expectedData;
    for (int r = 1; r <= 30000; ++r) {
        std::string values = std::to_string(r) + ",-0.01234," + std::to_string(r * 7);
        lines.push_back("x," + values);
        if (r >= 2) expectedData += values + "\r\n";
    }
    std::string out = Write(TableOf(lines), *CsvPlan(4, 2, 30000));
    std::string expected = "1CH,2CH,3CH\r\n1,-0.01234,7\r\n,,\r\nkg,mm,mm\r\n" + expectedData;
    ASSERT_EQ(out.size(), expected.size());
    EXPECT_TRUE(out == expected);
}

}  // namespace
}  // namespace quorvel
