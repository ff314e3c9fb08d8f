#include <gtest/gtest.h>

#include "convert/Converters.h"
#include "core/ScriptedDialogs.h"
#include "readers/Readers.h"

namespace quorvel {
namespace {

using namespace testing;  // the helpers of ScriptedDialogs.h

struct Converted {
    std::string bytes;
    std::string label12;
};

// Loads `source` as TXT, sets the range, converts to out.csv and returns the file.
Converted LoadAndConvert(const std::string& source, std::optional<std::pair<int, int>> range = {}) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    WriteFile(dir.Path("src.txt"), source);
    dialogs.SetNextFileName(dir.Path("src.txt"));
    BtnTXTClick(state, dialogs);
    if (range) {
        state.UpDown1.SetPosition(range->first);
        state.UpDown2.SetPosition(range->second);
    }
    dialogs.SetNextSaveName(dir.Path("out.csv"));
    TxtToCsvClick(state, dialogs);
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(dialogs.proposedNames.back(), "srcBasic.csv");
    EXPECT_EQ(state.Label6, "変換・保存しました");
    EXPECT_EQ(state.Label8, dir.Path("out.csv"));
    return {ReadFile(dir.Path("out.csv")), state.Label12};
}

struct TxtCase {
    const char* name;
    std::string source;
    std::optional<std::pair<int, int>> range;
    std::string expected;
    std::string label12;
};

class TxtConversionTest : public ::testing::TestWithParam<TxtCase> {};

TEST_P(TxtConversionTest, WritesTheStandardFile) {
    Converted out = LoadAndConvert(GetParam().source, GetParam().range);
    EXPECT_EQ(out.bytes, GetParam().expected);
    EXPECT_EQ(out.label12, GetParam().label12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TxtConversionTest,
    ::testing::Values(
        TxtCase{"MissingChannelBecomesNonAndZero",
                "head\r\nNo,Time,P1,P2,P3\r\n,,mm,,V\r\n1,t1,0.1,9,1.5\r\n2,t2,0.2,9,1.6\r\n",
                {},
                "1CH,2CH,3CH\r\nP1,P2,P3\r\n,,\r\nmm,NON,V\r\n0.1,0,1.5\r\n0.2,0,1.6\r\n",
                "6 行/ 3列"},
        TxtCase{"EmptyUnitOfChannel1OnlyMarksNothing",
                "h\nN,T,A,B\n,,,V\n1,t,5,6\n",
                {},
                "1CH,2CH\r\nA,B\r\n,\r\n,V\r\n5,6\r\n",
                "5 行/ 2列"},
        TxtCase{"EveryUnitAfterTheFirstMissing",
                "h\nN,T,A,B,C\n,,mm,,\n1,t,5,6,7\n",
                {},
                "1CH,2CH,3CH\r\nA,B,C\r\n,,\r\nmm,NON,NON\r\n5,0,0\r\n",
                "5 行/ 3列"},
        TxtCase{"OneChannel",
                "h\nN,T,A\n,,kg\n1,t,5\n2,t,6\n",
                {},
                "1CH\r\nA\r\n\r\nkg\r\n5\r\n6\r\n",
                "6 行/ 1列"},
        TxtCase{"HeaderRowsAsDataWithZerosForMissingChannels", "h,x,y\nN,T,A,B\n,,mm,\n1,t,5,6\n",
                std::make_pair(1, 4),
                "1CH,2CH\r\nA,B\r\n,\r\nmm,NON\r\n,0\r\nA,0\r\nmm,0\r\n5,0\r\n", "8 行/ 2列"},
        TxtCase{"LastBeforeFirstWritesTheHeaderOnly", "h\nN,T,A\n,,kg\n1,t,5\n2,t,6\n",
                std::make_pair(5, 4), "1CH\r\nA\r\n\r\nkg\r\n", "4 行/ 1列"},
        TxtCase{"ShortDataLinesGiveEmptyFields",
                "h\nN,T,A,B\n,,u,v\n1,t\n",
                {},
                "1CH,2CH\r\nA,B\r\n,\r\nu,v\r\n,\r\n",
                "5 行/ 2列"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TxtConversion, TheRangeCannotReachRowsTheLoadDidNotStore) {
    // Spinners hold their limits, so a range typed past the file stops at its last line.
    Converted out = LoadAndConvert("h\nN,T,A\n,,kg\n1,t,5\n", std::make_pair(4, 99));
    EXPECT_EQ(out.bytes, "1CH\r\nA\r\n\r\nkg\r\n5\r\n");
}

TEST(TxtConversion, MoreThanAHundredChannels) {
    std::string names = "N,T", units = ",", data = "1,t";
    std::string expectedNames, expectedUnits, expectedData, header;
    for (int k = 1; k <= 150; ++k) {
        const std::string ks = std::to_string(k);
        const bool missing = k > 1 && k % 50 == 0;
        names.append(",P").append(ks);
        units.append(",").append(missing ? "" : "u");
        data.append(",").append(ks);
        const char* comma = k > 1 ? "," : "";
        header.append(comma).append(ks).append("CH");
        expectedNames.append(comma).append("P").append(ks);
        expectedUnits.append(comma).append(missing ? "NON" : "u");
        expectedData.append(comma).append(missing ? "0" : ks);
    }
    Converted out = LoadAndConvert("h\n" + names + "\n" + units + "\n" + data + "\n");
    EXPECT_EQ(out.bytes, header + "\r\n" + expectedNames + "\r\n" + std::string(149, ',') + "\r\n" +
                             expectedUnits + "\r\n" + expectedData + "\r\n");
}

TEST(TxtConversion, NoChannelColumnWritesNothingAndSaysSo) {
    for (const char* source : {"", "h\nN,T\n,\n1,2\n"}) {
        TempDir dir;
        MainWindowState state = StartedState();
        ScriptedDialogs dialogs(&state);
        if (*source) {
            WriteFile(dir.Path("src.txt"), source);
            dialogs.SetNextFileName(dir.Path("src.txt"));
            BtnTXTClick(state, dialogs);
        }
        const std::string label6 = state.Label6;
        TxtToCsvClick(state, dialogs);  // no save dialog is scripted: none may be shown
        ASSERT_EQ(dialogs.warnings.size(), 1u);
        EXPECT_NE(dialogs.warnings[0].first.find("チャンネルがありません"), std::string::npos);
        EXPECT_EQ(state.Label6, label6);
        EXPECT_EQ(dir.Entries().size(), *source ? 1u : 0u);
    }
}

}  // namespace
}  // namespace quorvel
