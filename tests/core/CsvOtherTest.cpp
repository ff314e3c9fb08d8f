// The CSV and Other source kinds: loading into the table, and converting.

#include <gtest/gtest.h>

#include "convert/Converters.h"
#include "core/ScriptedDialogs.h"
#include "readers/Readers.h"

namespace quorvel {
namespace {

using namespace testing;  // the helpers of ScriptedDialogs.h

struct Session {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs{&state};

    void Load(SourceKind kind, const std::string& bytes, const std::string& name = "src") {
        WriteFile(dir.Path(name), bytes);
        dialogs.SetNextFileName(dir.Path(name));
        state.RadioGroup1 = kind;
        ReadSelected(state, dialogs);
    }
    // Converts with the current settings; the written bytes, or "" when none.
    std::string Convert(SourceKind kind) {
        dialogs.SetNextSaveName(dir.Path("out.csv"));
        std::filesystem::remove(dir.Path("out.csv"));
        if (kind == SourceKind::Csv) CsvToCsvClick(state, dialogs);
        if (kind == SourceKind::Other) Button3Click(state, dialogs);
        return std::filesystem::exists(dir.Path("out.csv")) ? ReadFile(dir.Path("out.csv")) : "";
    }
    std::vector<int> OtherValues() const {
        const OtherSettings& s = state.Other;
        return {s.NameRow.Position(),  s.UnitRow.Position(), s.MemoRow.Position(),
                s.FirstRow.Position(), s.LastRow.Position(), s.FirstCol.Position(),
                s.LastCol.Position()};
    }
    std::vector<int> OtherLimits() const {
        const OtherSettings& s = state.Other;
        return {s.NameRow.Max(), s.UnitRow.Max(),  s.MemoRow.Max(), s.FirstRow.Max(),
                s.LastRow.Max(), s.FirstCol.Max(), s.LastCol.Max()};
    }
};

const char kThreeCsv[] = "Time,A,B,C\n0.0,1.1,2.2,3.3\n0.1,1.2,2.3,3.4\n";

TEST(CsvKind, LoadsAndConvertsTheThreeLineFile) {
    Session s;
    s.state.BasicFileName = "earlierBasic.csv";
    s.Load(SourceKind::Csv, kThreeCsv);
    const Table& t = s.state.StringGrid1;
    EXPECT_EQ(s.state.DataColumns, 4);
    EXPECT_EQ(t.ColCount(), 5);
    EXPECT_EQ(t.RowCount(), 4);
    EXPECT_EQ(t.Cell(1, 1), "Time");
    EXPECT_EQ(t.Cell(4, 3), "3.4");
    EXPECT_EQ(t.Cell(0, 3), "       3");
    EXPECT_EQ(t.Cell(1, 0), "     1");  // the column numbers stay as they were
    EXPECT_EQ(s.state.Label4, "3 行/ 4 列");
    EXPECT_EQ(s.state.UpDown1.Position(), 2);
    EXPECT_EQ(s.state.UpDown2.Position(), 3);
    EXPECT_EQ(s.state.UpDown1.Max(), 3);
    EXPECT_EQ(s.state.UpDown2.Max(), 3);
    EXPECT_EQ(s.state.BasicFileName, "earlierBasic.csv");
    EXPECT_EQ(s.state.Label3, s.dir.Path("src"));
    EXPECT_TRUE(s.state.Button5Enabled);
    EXPECT_EQ(s.dialogs.openedKinds, std::vector<SourceKind>{SourceKind::Csv});

    const std::string out = s.Convert(SourceKind::Csv);
    EXPECT_EQ(out, "1CH,2CH,3CH\r\nA,B,C\r\n,,\r\nkg,mm,mm\r\n1.1,2.2,3.3\r\n1.2,2.3,3.4\r\n");
    EXPECT_EQ(out.size(), 60u);
    EXPECT_EQ(s.state.Label12, "6 行/ 3列");
    EXPECT_EQ(s.dialogs.proposedNames, std::vector<std::string>{"earlierBasic.csv"});
}

TEST(CsvKind, ReadingEdgeCases) {
    {
        Session s;  // one line: the range is 1 to 1 and the row count stays
        s.Load(SourceKind::Csv, "t,a,b");
        EXPECT_EQ(s.state.Label4, "1 行/ 3 列");
        EXPECT_EQ(s.state.UpDown1.Position(), 1);
        EXPECT_EQ(s.state.UpDown2.Position(), 1);
        EXPECT_EQ(s.state.StringGrid1.RowCount(), 200);
    }
    {
        Session s;  // line 1 ending in a comma; a later line wider than line 1
        s.Load(SourceKind::Csv, "t,a,\n1,2,3,4,5\n");
        EXPECT_EQ(s.state.DataColumns, 3);
        EXPECT_EQ(s.state.StringGrid1.Cell(3, 2), "3");
        EXPECT_EQ(s.state.StringGrid1.Cell(4, 2), "");
        EXPECT_EQ(s.Convert(SourceKind::Csv), "1CH,2CH\r\na,\r\n,\r\nkg,mm\r\n2,3\r\n");
    }
    {
        Session crlf, lf;  // CR LF and LF give the same table
        crlf.Load(SourceKind::Csv, "t,a,b\r\n1,2,3\r\n4,5");
        lf.Load(SourceKind::Csv, "t,a,b\n1,2,3\n4,5");
        for (int r = 1; r <= 3; ++r) {
            for (int c = 0; c <= 3; ++c) {
                EXPECT_EQ(crlf.state.StringGrid1.Cell(c, r), lf.state.StringGrid1.Cell(c, r));
            }
        }
        EXPECT_EQ(lf.state.StringGrid1.Cell(3, 3), "");  // a short line leaves the rest empty
    }
    {
        Session s;  // beyond the window's row limit
        std::string bytes = "t,a\n";
        for (int r = 2; r <= kMaxRows + 3; ++r) bytes += std::to_string(r) + ",v\n";
        s.Load(SourceKind::Csv, bytes);
        EXPECT_EQ(s.state.StringGrid1.Cell(1, kMaxRows), std::to_string(kMaxRows));
        EXPECT_EQ(s.state.StringGrid1.Cell(1, kMaxRows + 1), "");
        EXPECT_EQ(s.state.Label4, "50003 行/ 2 列");
        EXPECT_EQ(s.state.UpDown2.Max(), kMaxRows);
        EXPECT_EQ(s.dialogs.warnings.size(), 1u);
    }
}

TEST(CsvKind, OneChannelHeaderAsDataAndEmptyRange) {
    Session s;
    s.Load(SourceKind::Csv, "t,a\n0,1\n1,2\n");
    s.state.UpDown1.SetPosition(1);
    EXPECT_EQ(s.Convert(SourceKind::Csv), "1CH\r\na\r\n\r\nkg\r\na\r\n1\r\n2\r\n");
    EXPECT_EQ(s.state.Label12, "7 行/ 1列");
    s.state.UpDown1.SetPosition(3);
    s.state.UpDown2.SetPosition(2);
    EXPECT_EQ(s.Convert(SourceKind::Csv), "1CH\r\na\r\n\r\nkg\r\n");
    EXPECT_EQ(s.state.Label12, "4 行/ 1列");
}

TEST(CsvKind, FilesThatCannotBeUsedChangeNothing) {
    Session s;
    s.Load(SourceKind::Csv, kThreeCsv, "good.csv");
    const std::string label4 = s.state.Label4;
    s.Load(SourceKind::Csv, "", "empty.csv");
    s.dialogs.SetNextFileName(s.dir.Path("missing.csv"));
    ReadSelected(s.state, s.dialogs);
    ASSERT_EQ(s.dialogs.warnings.size(), 2u);
    EXPECT_NE(s.dialogs.warnings[0].first.find("empty.csv"), std::string::npos);
    EXPECT_NE(s.dialogs.warnings[1].first.find("missing.csv"), std::string::npos);
    EXPECT_EQ(s.state.Label4, label4);
    EXPECT_EQ(s.state.Label3, s.dir.Path("good.csv"));
    EXPECT_EQ(s.state.StringGrid1.Cell(2, 2), "1.1");

    s.Load(SourceKind::Csv, "only one field\n2\n", "narrow.csv");
    EXPECT_EQ(s.Convert(SourceKind::Csv), "");  // no channel column
    EXPECT_EQ(s.dialogs.warnings.size(), 3u);
}

const char kThreeOther[] = "a,b\n1,2,3,4,5\nx,y,z\n";

TEST(OtherKind, LoadsTheThreeLineFileAndPrimesTheSettings) {
    Session s;
    s.state.Label6 = "変換・保存しました";
    s.Load(SourceKind::Other, kThreeOther);
    const Table& t = s.state.StringGrid1;
    EXPECT_EQ(t.ColCount(), 6);
    EXPECT_EQ(t.RowCount(), 4);
    EXPECT_EQ(t.Cell(2, 1), "b");
    EXPECT_EQ(t.Cell(3, 1), "");
    EXPECT_EQ(t.Cell(5, 2), "5");
    EXPECT_EQ(t.Cell(3, 3), "z");
    EXPECT_EQ(t.Cell(5, 0), "       5");
    EXPECT_EQ(t.Cell(0, 3), "       3");
    EXPECT_EQ(s.state.Label4, "3 行/ 5 列");
    EXPECT_EQ(s.state.Label6, "");
    EXPECT_EQ(s.state.Label12, "");
    EXPECT_EQ(s.state.DataColumns, 5);
    EXPECT_EQ(s.state.UpDown1.Position(), 1);
    EXPECT_EQ(s.state.UpDown2.Position(), 3);
    EXPECT_EQ(s.state.UpDown2.Max(), 3);
    EXPECT_EQ(s.OtherValues(), (std::vector<int>{2, 0, 0, 1, 3, 1, 5}));
    EXPECT_EQ(s.OtherLimits(), (std::vector<int>{3, 3, 3, 3, 3, 5, 5}));
}

struct OtherCase {
    const char* name;
    OtherLayout layout;
    std::string expected;
    std::string label12;
};

class OtherConversion : public ::testing::TestWithParam<OtherCase> {};

TEST_P(OtherConversion, WritesTheBlockTheSettingsName) {
    Session s;
    s.Load(SourceKind::Other, kThreeOther);
    const OtherLayout& l = GetParam().layout;
    OtherSettings& o = s.state.Other;
    o.NameRow.SetPosition(l.nameRow);
    o.UnitRow.SetPosition(l.unitRow);
    o.MemoRow.SetPosition(l.memoRow);
    o.FirstRow.SetPosition(l.firstRow);
    o.LastRow.SetPosition(l.lastRow);
    o.FirstCol.SetPosition(l.firstCol);
    o.LastCol.SetPosition(l.lastCol);
    EXPECT_EQ(s.Convert(SourceKind::Other), GetParam().expected);
    EXPECT_EQ(s.state.Label12, GetParam().label12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OtherConversion,
    ::testing::Values(OtherCase{"PrimedSettings",
                                {2, 0, 0, 1, 3, 1, 5},
                                "1CH,2CH,3CH,4CH,5CH\r\n1,2,3,4,5\r\n,,,,\r\nmm,mm,mm,mm,mm\r\n"
                                "a,b,,,\r\n1,2,3,4,5\r\nx,y,z,,\r\n",
                                "7 行/ 5列"},
                      OtherCase{"RowsAndColumnsChosen",
                                {1, 3, 2, 2, 3, 2, 3},
                                "1CH,2CH\r\nb,\r\n2,3\r\ny,z\r\n2,3\r\ny,z\r\n",
                                "6 行/ 2列"},
                      OtherCase{"OneChannel",
                                {1, 0, 0, 1, 2, 2, 2},
                                "1CH\r\nb\r\n\r\nmm\r\nb\r\n2\r\n",
                                "6 行/ 1列"},
                      OtherCase{"NoUnitRowAndNoMemoRowWithThreeChannels",
                                {2, 0, 0, 3, 3, 1, 3},
                                "1CH,2CH,3CH\r\n1,2,3\r\n,,\r\nmm,mm,mm\r\nx,y,z\r\n",
                                "5 行/ 3列"},
                      OtherCase{"PointNamesBelowTheData",
                                {3, 1, 0, 1, 2, 1, 3},
                                "1CH,2CH,3CH\r\nx,y,z\r\n,,\r\na,b,\r\na,b,\r\n1,2,3\r\n",
                                "6 行/ 3列"},
                      OtherCase{"LastRowBeforeFirst",
                                {2, 0, 0, 3, 1, 1, 2},
                                "1CH,2CH\r\n1,2\r\n,\r\nmm,mm\r\n",
                                "4 行/ 2列"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OtherKind, ReadingEdgeCases) {
    Session s;
    const std::string longLine(3000, 'q');
    s.Load(SourceKind::Other, "1,2,3,4,5\n1,2,3,4,5\n1,2,3,4,5\n1,2,3,4,5\n", "wide");
    s.Load(SourceKind::Other, "a\r\n\n" + longLine + ",end\r\nx\x1Ay", "narrow");
    const Table& t = s.state.StringGrid1;
    EXPECT_EQ(s.state.Label4, "4 行/ 2 列");
    EXPECT_EQ(t.Cell(0, 2), "       2");  // a line of nothing is one empty field
    EXPECT_EQ(t.Cell(1, 2), "");
    EXPECT_EQ(t.Cell(1, 3), longLine);  // a long line stays one row
    EXPECT_EQ(t.Cell(2, 3), "end");
    for (int c = 2; c <= 5; ++c) EXPECT_EQ(t.Cell(c, 1), "") << "no cell of the wider load";
    EXPECT_EQ(t.Cell(1, 4), "x");  // the 1A byte ended the file
    EXPECT_EQ(t.Cell(1, 5), "");
}

TEST(OtherKind, BeyondTheRowLimitOneMoreRowIsPlaced) {
    Session s;
    std::string bytes;
    for (int r = 1; r <= kMaxRows + 2; ++r) bytes += std::to_string(r) + "\n";
    s.Load(SourceKind::Other, bytes);
    EXPECT_EQ(s.state.StringGrid1.Cell(1, kMaxRows + 1), std::to_string(kMaxRows + 1));
    EXPECT_EQ(s.state.StringGrid1.Cell(1, kMaxRows + 2), "");
    EXPECT_EQ(s.state.Label4, "50002 行/ 1 列");
    EXPECT_EQ(s.state.Other.LastRow.Max(), kMaxRows + 1);
    EXPECT_EQ(s.dialogs.warnings.size(), 1u);
}

TEST(OtherKind, NothingToConvertIsRefusedBeforeAskingForAName) {
    {
        Session s;  // before any load
        s.state.RadioGroup1 = SourceKind::Other;
        EXPECT_EQ(s.Convert(SourceKind::Other), "");
        ASSERT_EQ(s.dialogs.warnings.size(), 1u);
        EXPECT_TRUE(s.dialogs.proposedNames.empty());
    }
    {
        Session s;  // an empty file loads, but has no channel
        s.Load(SourceKind::Other, "");
        EXPECT_EQ(s.state.Label4, "0 行/ 0 列");
        EXPECT_EQ(s.state.StringGrid1.RowCount(), 2);
        EXPECT_EQ(s.state.StringGrid1.ColCount(), 1);
        EXPECT_TRUE(s.state.Button5Enabled);
        EXPECT_EQ(s.OtherLimits(), (std::vector<int>{0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(s.Convert(SourceKind::Other), "");
        EXPECT_EQ(s.dialogs.warnings.size(), 1u);
    }
    {
        Session s;  // last column before the first
        s.Load(SourceKind::Other, kThreeOther);
        s.state.Other.FirstCol.SetPosition(4);
        s.state.Other.LastCol.SetPosition(2);
        EXPECT_EQ(s.Convert(SourceKind::Other), "");
        ASSERT_EQ(s.dialogs.warnings.size(), 1u);
        EXPECT_NE(s.dialogs.warnings[0].first.find("データ最終列"), std::string::npos);
    }
}

TEST(OtherKind, ACancelledLoadKeepsTheSettings) {
    Session s;
    s.Load(SourceKind::Other, kThreeOther);
    s.state.Other.UnitRow.SetPosition(3);
    s.dialogs.SetNextFileName(std::nullopt);
    ReadSelected(s.state, s.dialogs);
    EXPECT_EQ(s.state.Other.UnitRow.Position(), 3);
    EXPECT_EQ(s.state.Label4, "3 行/ 5 列");
}

}  // namespace
}  // namespace quorvel
