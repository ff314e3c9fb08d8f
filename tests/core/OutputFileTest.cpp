#include <gtest/gtest.h>
#include <unistd.h>

#include "convert/Converters.h"
#include "convert/OutputFile.h"
#include "core/ScriptedDialogs.h"
#include "readers/Readers.h"

namespace quorvel {
namespace {

using namespace testing;  // the helpers of ScriptedDialogs.h

TEST(OutputFile, CsvIsAppendedOnlyToANameWithoutExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/d/result", "/d/result.csv"},
        {"/d/result.txt", "/d/result.txt"},
        {"/d/result.CSV", "/d/result.CSV"},
        {"/d/result.", "/d/result."},
        {"/d/my.folder/result", "/d/my.folder/result.csv"},
        {"result", "result.csv"},
    };
    for (const auto& [typed, expected] : cases) EXPECT_EQ(WithDefaultExtension(typed), expected);
}

// A CSV table loaded from `dir`/`sourceName`, ready to convert.
struct Loaded {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs{&state};

    explicit Loaded(const std::string& sourceName) {
        WriteFile(dir.Path(sourceName), "t,a\n0,1\n");
        dialogs.SetNextFileName(dir.Path(sourceName));
        BtnCSVClick(state, dialogs);
    }
    void ConvertTo(const std::string& typed) {
        dialogs.SetNextSaveName(typed);
        CsvToCsvClick(state, dialogs);
    }
};

TEST(OutputFile, TheSourceIsRefusedByNameInAnyLetterCase) {
    for (const char* typed : {"data.csv", "DATA.CSV", "data"}) {
        Loaded l("data.csv");
        l.ConvertTo(l.dir.Path(typed));
        ASSERT_EQ(l.dialogs.warnings.size(), 1u) << typed;
        EXPECT_EQ(l.dialogs.warnings[0].first,
                  "オリジナルファイルを書き換えることはできません　　　");
        EXPECT_EQ(l.dialogs.warnings[0].second, "ファイル名エラー");
        EXPECT_EQ(ReadFile(l.dir.Path("data.csv")), "t,a\n0,1\n");
        EXPECT_EQ(l.dir.Entries(), std::vector<std::string>{"data.csv"});
        EXPECT_NE(l.state.Label6, "変換中です．．．．．．");
        EXPECT_NE(l.state.Label6, "変換・保存しました");
        EXPECT_EQ(l.state.Label12, "行数/列数");
    }
}

TEST(OutputFile, TheSourceIsRefusedUnderAnotherPath) {
    Loaded l("data.csv");
    ASSERT_EQ(::symlink(l.dir.Path("data.csv").c_str(), l.dir.Path("link.csv").c_str()), 0);
    ::mkdir(l.dir.Path("sub").c_str(), 0755);
    for (const std::string& typed : {l.dir.Path("link.csv"), l.dir.Path("sub/../data.csv")}) {
        l.dialogs.warnings.clear();
        l.ConvertTo(typed);
        ASSERT_EQ(l.dialogs.warnings.size(), 1u) << typed;
        EXPECT_EQ(l.dialogs.warnings[0].second, "ファイル名エラー");
    }
    EXPECT_EQ(ReadFile(l.dir.Path("data.csv")), "t,a\n0,1\n");
}

TEST(OutputFile, ASourceWithoutExtensionIsNotItsCsvName) {
    Loaded l("data");
    l.ConvertTo(l.dir.Path("data"));
    EXPECT_TRUE(l.dialogs.warnings.empty());
    EXPECT_EQ(ReadFile(l.dir.Path("data")), "t,a\n0,1\n");
    EXPECT_EQ(ReadFile(l.dir.Path("data.csv")), "1CH\r\na\r\n\r\nkg\r\n1\r\n");
    EXPECT_EQ(l.state.Label8, l.dir.Path("data.csv"));
    EXPECT_EQ(l.state.Label12, "5 行/ 1列");
}

TEST(OutputFile, CancelChangesNoLabel) {
    Loaded l("data.csv");
    const MainWindowState before = l.state;
    l.dialogs.SetNextSaveName(std::nullopt);
    CsvToCsvClick(l.state, l.dialogs);
    EXPECT_EQ(l.state.Label6, before.Label6);
    EXPECT_EQ(l.state.Label8, before.Label8);
    EXPECT_EQ(l.state.Label12, before.Label12);
    EXPECT_EQ(l.dir.Entries(), std::vector<std::string>{"data.csv"});
}

TEST(OutputFile, AsksBeforeReplacingTheFileOfTheAppendedName) {
    Loaded l("data.csv");
    WriteFile(l.dir.Path("result.csv"), "old");
    l.dialogs.SetNextAnswer(false);
    l.ConvertTo(l.dir.Path("result"));
    ASSERT_EQ(l.dialogs.questions.size(), 1u);
    EXPECT_NE(l.dialogs.questions[0].find(l.dir.Path("result.csv")), std::string::npos);
    EXPECT_EQ(ReadFile(l.dir.Path("result.csv")), "old");
    EXPECT_EQ(l.state.Label6, "変換を取り消しました");

    l.dialogs.SetNextAnswer(true);
    l.ConvertTo(l.dir.Path("result"));
    EXPECT_EQ(ReadFile(l.dir.Path("result.csv")), "1CH\r\na\r\n\r\nkg\r\n1\r\n");
    EXPECT_EQ(l.state.Label6, "変換・保存しました");

    // A name typed with its extension was asked about by the dialog itself.
    l.ConvertTo(l.dir.Path("result.csv"));
    EXPECT_EQ(l.dialogs.questions.size(), 2u);
}

TEST(OutputFile, ProposesTheNameOfTheLastTxtLoadOrNothing) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    WriteFile(dir.Path("a.csv"), "t,a\n0,1\n");
    WriteFile(dir.Path("run1.txt"), "h\nN,T,A\n,,u\n1,t,2\n");
    dialogs.SetNextFileName(dir.Path("a.csv"));
    BtnCSVClick(state, dialogs);
    dialogs.SetNextSaveName(std::nullopt);
    CsvToCsvClick(state, dialogs);
    dialogs.SetNextFileName(dir.Path("run1.txt"));
    BtnTXTClick(state, dialogs);
    dialogs.SetNextFileName(dir.Path("a.csv"));
    BtnCSVClick(state, dialogs);
    dialogs.SetNextSaveName(std::nullopt);
    CsvToCsvClick(state, dialogs);
    EXPECT_EQ(dialogs.proposedNames, (std::vector<std::string>{"", "run1Basic.csv"}));
}

}  // namespace
}  // namespace quorvel
