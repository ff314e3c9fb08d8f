#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/ScriptedDialogs.h"
#include "readers/Readers.h"

namespace quorvel {
namespace {

using namespace testing;  // the helpers of ScriptedDialogs.h

// Loads `bytes` as a TXT file named `name` through the read handler.
void LoadTxt(MainWindowState& state, ScriptedDialogs& dialogs, const TempDir& dir,
             const std::string& name, const std::string& bytes) {
    WriteFile(dir.Path(name), bytes);
    dialogs.SetNextFileName(dir.Path(name));
    BtnTXTClick(state, dialogs);
}

TEST(TxtReader, LoadsAFiveLineFile) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    LoadTxt(state, dialogs, dir, "run01.txt",
            "head,x,y,z,u,v\r\nNo,Time,P1,P2,P3,P4\r\n,,mm,,V,N\r\n1,t1,0.1,9,1.5,3\r\n"
            "2,t2,0.2,9,1.6,4\r\n");
    const Table& t = state.StringGrid1;
    EXPECT_EQ(state.DataColumns, 6);
    EXPECT_EQ(t.ColCount(), 7);
    EXPECT_EQ(t.RowCount(), 6);
    EXPECT_EQ(t.Cell(1, 1), "head");
    EXPECT_EQ(t.Cell(2, 1), "");  // only field 1 of line 1 is kept
    EXPECT_EQ(t.Cell(3, 2), "P1");
    EXPECT_EQ(t.Cell(6, 3), "N");
    EXPECT_EQ(t.Cell(5, 5), "1.6");
    EXPECT_EQ(t.Cell(6, 0), "       6");
    EXPECT_EQ(t.Cell(0, 5), "       5");
    EXPECT_EQ(t.Cell(0, 1), "       1");
    EXPECT_EQ(state.Label3, dir.Path("run01.txt"));
    EXPECT_EQ(state.Label4, "5 行/ 6 列");
    EXPECT_EQ(state.BasicFileName, "run01Basic.csv");
    EXPECT_EQ(state.UpDown1.Position(), 4);
    EXPECT_EQ(state.UpDown1.Max(), 5);
    EXPECT_EQ(state.UpDown2.Position(), 5);
    EXPECT_EQ(state.UpDown2.Max(), 5);
    EXPECT_TRUE(state.Button5Enabled);
    EXPECT_EQ(state.Label8, "");
    EXPECT_EQ(state.Label6, "保存・変換");  // conversion labels are left alone
    ASSERT_FALSE(dialogs.paintedLabel4.empty());
    EXPECT_EQ(dialogs.paintedLabel4.front(), "データを読み込んでいます．．．");
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(dialogs.openedKinds, std::vector<SourceKind>{SourceKind::Txt});
}

TEST(TxtReader, BasicFileNameIsTheBaseNameAndBasicCsv) {
    const std::pair<const char*, const char*> cases[] = {
        {"/d/run01.txt", "run01Basic.csv"}, {"/d/data.2009.txt", "data.2009Basic.csv"},
        {"/d/noext", "noextBasic.csv"},     {"/d.dir/name", "nameBasic.csv"},
        {"rel.TXT", "relBasic.csv"},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(BasicFileNameFor(path), expected) << path;
}

TEST(TxtReader, StoresOnlyTheColumnsOfLine2AndEmptiesShortRows) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    LoadTxt(state, dialogs, dir, "wide.txt", "h\nA,B,C,D,E\nu,u,u,u,u\n1,2,3,4,5\n1,2,3,4,5\n");
    LoadTxt(state, dialogs, dir, "narrow.txt", "h\nA,B,C\nu,u,u\n1,2,3,4,5\n7\n");
    const Table& t = state.StringGrid1;
    EXPECT_EQ(state.DataColumns, 3);
    EXPECT_EQ(t.ColCount(), 4);
    EXPECT_EQ(t.Cell(3, 4), "3");
    EXPECT_EQ(t.Cell(4, 4), "");  // beyond line 2's count
    EXPECT_EQ(t.Cell(1, 5), "7");
    EXPECT_EQ(t.Cell(2, 5), "");  // a short line leaves the rest of its row empty
    EXPECT_EQ(t.Cell(5, 5), "");  // and nothing of the wider load shows
}

TEST(TxtReader, TwoLineFileKeepsTheRowCountAndHoldsTheRange) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    LoadTxt(state, dialogs, dir, "two.txt", "h\nA,B,C,D\n");
    EXPECT_EQ(state.StringGrid1.RowCount(), 200);
    EXPECT_EQ(state.StringGrid1.Cell(4, 2), "D");
    EXPECT_EQ(state.Label4, "2 行/ 4 列");
    EXPECT_EQ(state.UpDown1.Max(), 2);
    EXPECT_EQ(state.UpDown1.Position(), 2);
    EXPECT_EQ(state.UpDown2.Max(), 2);
    EXPECT_EQ(state.UpDown2.Position(), 2);
}

TEST(TxtReader, ReadingRules) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    const std::string longField(3000, 'v');
    LoadTxt(
        state, dialogs, dir, "rules.txt",
        "h\r\nA,B,C\r\nu,u,u\r\n1,2\r3,x\r\n1," + longField + ",z\r\nlast,no,lf\x1Ahidden,h,h\n");
    const Table& t = state.StringGrid1;
    EXPECT_EQ(t.Cell(2, 4), "23");       // a CR inside a line vanishes
    EXPECT_EQ(t.Cell(3, 4), "x");        // and none ends a last field
    EXPECT_EQ(t.Cell(2, 5), longField);  // a 3000-byte line stays one row
    EXPECT_EQ(t.Cell(3, 5), "z");
    EXPECT_EQ(t.Cell(1, 6), "last");  // byte 1A ends the file
    EXPECT_EQ(t.Cell(3, 6), "lf");
    EXPECT_EQ(state.Label4, "6 行/ 3 列");
}

TEST(TxtReader, FileBeyondMaxRowsIsCountedWholeAndTheRangeStopsAtTheLastStoredRow) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    std::string bytes = "h\nA,B,C\n";
    for (int k = 3; k <= kMaxRows + 1; ++k) bytes += std::to_string(k) + ",t,1\n";
    LoadTxt(state, dialogs, dir, "big.txt", bytes);
    const Table& t = state.StringGrid1;
    EXPECT_EQ(t.RowCount(), kMaxRows + 1);
    EXPECT_EQ(t.Cell(1, kMaxRows), std::to_string(kMaxRows));
    EXPECT_EQ(t.Cell(1, kMaxRows + 1), "");
    EXPECT_EQ(state.Label4, "50001 行/ 3 列");
    EXPECT_EQ(state.UpDown1.Max(), kMaxRows);
    EXPECT_EQ(state.UpDown2.Max(), kMaxRows);
    EXPECT_EQ(state.UpDown2.Position(), kMaxRows);
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_NE(dialogs.warnings[0].first.find("50000"), std::string::npos);
    EXPECT_NE(dialogs.warnings[0].first.find("quorvel-convert"), std::string::npos);
}

TEST(TxtReader, RangeBeyond32767Lines) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    std::string bytes = "h\nA,B,C\n";
    for (int k = 3; k <= 40000; ++k) bytes += "1,t,1\n";
    LoadTxt(state, dialogs, dir, "long.txt", bytes);
    EXPECT_EQ(state.UpDown2.Position(), 40000);
    EXPECT_EQ(state.UpDown2.Max(), 40000);
}

// Whatever goes wrong, the window keeps the earlier load and says why.
TEST(TxtReader, FailedLoadsChangeNothing) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    LoadTxt(state, dialogs, dir, "good.txt", "h\nA,B,C\nu,u,u\n1,2,3\n");
    ASSERT_TRUE(dialogs.warnings.empty());
    const MainWindowState before = state;

    WriteFile(dir.Path("one.txt"), "only one line\n");
    WriteFile(dir.Path("empty.txt"), "");
    ::mkdir(dir.Path("folder.txt").c_str(), 0755);
    ::mkfifo(dir.Path("fifo.txt").c_str(), 0644);
    const std::pair<std::string, std::string> bad[] = {
        {"missing.txt", "見つかりません"},      {"one.txt", "行数が足りません"},
        {"empty.txt", "行数が足りません"},      {"folder.txt", "通常のファイルではない"},
        {"fifo.txt", "通常のファイルではない"},
    };
    for (const auto& [name, reason] : bad) {
        dialogs.warnings.clear();
        dialogs.SetNextFileName(dir.Path(name));
        BtnTXTClick(state, dialogs);
        ASSERT_EQ(dialogs.warnings.size(), 1u) << name;
        EXPECT_NE(dialogs.warnings[0].first.find(dir.Path(name)), std::string::npos) << name;
        EXPECT_NE(dialogs.warnings[0].first.find(reason), std::string::npos) << name;
        EXPECT_EQ(state.Label3, before.Label3);
        EXPECT_EQ(state.Label4, before.Label4) << name;
        EXPECT_EQ(state.DataColumns, before.DataColumns);
        EXPECT_EQ(state.BasicFileName, before.BasicFileName);
        EXPECT_EQ(state.UpDown2.Position(), before.UpDown2.Position());
        EXPECT_EQ(state.StringGrid1.Cell(3, 4), "3");
    }

    dialogs.SetNextFileName(std::nullopt);  // cancel
    BtnTXTClick(state, dialogs);
    EXPECT_EQ(state.Label4, before.Label4);
    EXPECT_EQ(state.StringGrid1.Cell(3, 4), "3");
}

TEST(ReadDispatch, GoesByTheKindSelectedNow) {
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    for (SourceKind kind : {SourceKind::Txt, SourceKind::Csv, SourceKind::Other}) {
        state.RadioGroup1 = kind;
        dialogs.SetNextFileName(std::nullopt);
        ReadSelected(state, dialogs);
    }
    state.RadioGroup1.reset();
    ReadSelected(state, dialogs);  // nothing selected: nothing happens
    EXPECT_EQ(dialogs.openedKinds,
              (std::vector<SourceKind>{SourceKind::Txt, SourceKind::Csv, SourceKind::Other}));
}

}  // namespace
}  // namespace quorvel
