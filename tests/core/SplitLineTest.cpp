#include <gtest/gtest.h>

#include "text/Mystr.h"
#include "text/Palette.h"

namespace quorvel {
namespace {

struct SplitCase {
    const char* name;
    std::string line;
    std::vector<std::string> fields;
};

class SplitLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLineTest, GivesTheFields) {
    const SplitCase& c = GetParam();
    FieldList fields;
    int count = SplitLine(c.line, fields);
    ASSERT_EQ(count, static_cast<int>(c.fields.size()));
    ASSERT_EQ(fields.size(), c.fields.size());
    for (size_t i = 0; i < c.fields.size(); ++i) EXPECT_EQ(fields[i], c.fields[i]) << "field " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitLineTest,
    ::testing::Values(
        SplitCase{"ThreeFieldsWithoutTheLineFeed", "a,b,c\n", {"a", "b", "c"}},
        SplitCase{"EmptyFieldBetweenCommas", "a,,b\n", {"a", "", "b"}},
        SplitCase{"LeadingCommaGivesEmptyField0", ",a\n", {"", "a"}},
        SplitCase{"TrailingCommaGivesEmptyLastField", "a,\n", {"a", ""}},
        SplitCase{"LineFeedAloneIsOneEmptyField", "\n", {""}},
        SplitCase{"LastLineWithoutLineFeed", "x,y", {"x", "y"}},
        SplitCase{"QuotesAreOrdinaryBytes", "\"a,b\",c\n", {"\"a", "b\"", "c"}},
        SplitCase{"BlanksAndTabsStay", " 1.5 ,\t2\n", {" 1.5 ", "\t2"}},
        SplitCase{"BytesAfterTheLineFeedAreIgnored", "a,b\nc,d", {"a", "b"}},
        // Longer lines are scanned in blocks: commas and line feeds at the
        // edges of a block, and commas after the line feed in the same block.
        SplitCase{"CommasAtBlockEdges",
                  "0123456789abcde,0123456789abcde,x",
                  {"0123456789abcde", "0123456789abcde", "x"}},
        SplitCase{"LineFeedInALaterBlock",
                  "a,b,c,d,e,f,g,h,i,\nj,k,l,m,n,o,p,q",
                  {"a", "b", "c", "d", "e", "f", "g", "h", "i", ""}},
        SplitCase{"LineFeedAtTheEndOfABlock",
                  "0123456789abcd,\n,,,,,,,,,,,,,,,,",
                  {"0123456789abcd", ""}},
        SplitCase{"CarriageReturnIsAnOrdinaryByte", "a,b\r\n", {"a", "b\r"}},
        SplitCase{"ShiftJisIsNeverCut",
                  "\x83\x65\x83\x58,\x92\x50\x88\xca\n",
                  {"\x83\x65\x83\x58", "\x92\x50\x88\xca"}},
        SplitCase{"NulIsAnOrdinaryByte", std::string("a\0b,c", 5), {std::string("a\0b", 3), "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitLine, EmptyTextGivesZeroAndLeavesTheListAlone) {
    FieldList fields{"kept"};
    EXPECT_EQ(SplitLine("", fields), 0);
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0], "kept");
}

TEST(SplitLine, HasNoFieldBound) {
    // 2047 commas: far more fields than the old 120-slot lists could take.
    std::string line(2047, ',');
    FieldList fields;
    EXPECT_EQ(SplitLine(line + "\n", fields), 2048);
    for (auto f : fields) EXPECT_TRUE(f.empty());
    // And a line far longer than any old buffer is split whole.
    std::string wide;
    for (int i = 0; i < 5000; ++i) wide += std::to_string(i) + ",";
    wide += "end";
    EXPECT_EQ(SplitLine(wide, fields), 5001);
    EXPECT_EQ(fields[4999], "4999");
    EXPECT_EQ(fields[5000], "end");
}

TEST(Mystr, RegistersTMyStrOnTheSamplesPage) {
    RegisterMyStr();
    RegisterMyStr();
    int found = 0;
    for (const auto& entry : RegisteredComponents()) {
        if (entry.className == "TMyStr") {
            EXPECT_EQ(entry.page, "Samples");
            ++found;
        }
    }
    EXPECT_EQ(found, 1);
}

}  // namespace
}  // namespace quorvel
