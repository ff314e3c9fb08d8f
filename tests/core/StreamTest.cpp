// The command line streams TXT and CSV sources and must write exactly what the
// window writes after loading the same file whole, for every range.

#include <gtest/gtest.h>

#include <climits>

#include "convert/Converters.h"
#include "convert/Stream.h"
#include "core/ScriptedDialogs.h"
#include "readers/Readers.h"
#include "state/Errors.h"

namespace quorvel {
namespace {

using namespace testing;  // the helpers of ScriptedDialogs.h

struct Window {
    std::string bytes;  // empty when nothing was written
    size_t warnings = 0;
};

// Loads and converts as the window does, with the range typed into the spinners.
Window ThroughTheWindow(SourceKind kind, const std::string& source, const RowRange& rows,
                        const OtherOptions& other = {}) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    WriteFile(dir.Path("src"), source);
    state.RadioGroup1 = kind;
    dialogs.SetNextFileName(dir.Path("src"));
    ReadSelected(state, dialogs);
    if (kind == SourceKind::Other) {
        OtherSettings& s = state.Other;
        if (other.nameRow) s.NameRow.SetPosition(*other.nameRow);
        if (other.unitRow) s.UnitRow.SetPosition(*other.unitRow);
        if (other.memoRow) s.MemoRow.SetPosition(*other.memoRow);
        if (rows.first) s.FirstRow.SetPosition(static_cast<int>(*rows.first));
        if (rows.last) s.LastRow.SetPosition(static_cast<int>(*rows.last));
        if (other.firstCol) s.FirstCol.SetPosition(*other.firstCol);
        if (other.lastCol) s.LastCol.SetPosition(*other.lastCol);
    } else {
        if (rows.first) state.UpDown1.SetPosition(static_cast<int>(*rows.first));
        state.UpDown2.SetPosition(rows.last ? static_cast<int>(*rows.last) : INT_MAX);
    }
    dialogs.SetNextSaveName(dir.Path("out.csv"));
    switch (kind) {
        case SourceKind::Txt:
            TxtToCsvClick(state, dialogs);
            break;
        case SourceKind::Csv:
            CsvToCsvClick(state, dialogs);
            break;
        case SourceKind::Other:
            Button3Click(state, dialogs);
            break;
    }
    Window w;
    w.warnings = dialogs.warnings.size();
    if (std::filesystem::exists(dir.Path("out.csv"))) w.bytes = ReadFile(dir.Path("out.csv"));
    return w;
}

std::string ThroughTheCommandLine(SourceKind kind, const std::string& source, const RowRange& rows,
                                  OtherOptions other = {}) {
    MemorySource input(source);
    StringSink sink;
    if (kind == SourceKind::Other) {
        other.rows = rows;
        ConvertOther(input, "src", other, sink);
    } else {
        ConvertStream(kind, input, "src", rows, sink);
    }
    return sink.text;
}

const std::string kTxt =
    "head,x\r\nNo,Time,A,B,C\r\n,,mm,,V\r\n1,t1,0.1,9,1.5\r\n2,t2\r\n3,t3,0.3,9,1.7,extra\r\n";
const std::string kCsv = "Time,A,B,C\n0.0,1.1,2.2,3.3\n0.1,1.2\n0.2,1.3,2.4,3.5,9\n";
const std::string kOther = "a,b\n\n1,2,3,4,5\nx,y,z\nunits,u1,u2\n";

TEST(Stream, WritesWhatTheWindowWritesForEveryRange) {
    const std::vector<RowRange> ranges = {
        {},                 // the kind's defaults
        {1, std::nullopt},  // header rows as data
        {2, 3},
        {3, 2},  // last before first
        {5, 5},
        {0, 1},              // below the limits
        {99, std::nullopt},  // past the end: held at the last line
        {99, 2},
        {-4, 1000},
    };
    for (SourceKind kind : {SourceKind::Txt, SourceKind::Csv}) {
        for (const std::string& source :
             {kind == SourceKind::Txt ? kTxt : kCsv,
              kind == SourceKind::Txt ? std::string("h\nN,T,A,B\n") : std::string("t,a\n")}) {
            for (const RowRange& rows : ranges) {
                SCOPED_TRACE(std::to_string(static_cast<int>(kind)) + " rows " +
                             std::to_string(rows.first.value_or(0)) + ":" +
                             std::to_string(rows.last.value_or(0)) + " source " + source);
                Window window = ThroughTheWindow(kind, source, rows);
                ASSERT_EQ(window.warnings, 0u);
                EXPECT_EQ(ThroughTheCommandLine(kind, source, rows), window.bytes);
            }
        }
    }
}

TEST(Stream, OtherKindWritesWhatTheWindowWrites) {
    struct Case {
        RowRange rows;
        OtherOptions other;
    };
    auto opts = [](std::optional<int> name, std::optional<int> unit, std::optional<int> memo,
                   std::optional<int> c1, std::optional<int> c2) {
        OtherOptions o;
        o.nameRow = name;
        o.unitRow = unit;
        o.memoRow = memo;
        o.firstCol = c1;
        o.lastCol = c2;
        return o;
    };
    const Case cases[] = {
        {{}, {}},                            // the primed settings
        {{2, 4}, opts(5, 5, 1, 2, 3)},       // names and units below the data
        {{3, 3}, opts(1, 0, 0, 4, 4)},       // one channel
        {{1, 99}, opts(99, 99, 99, 1, 99)},  // held within the file
        {{4, 2}, opts(2, 0, 0, 1, 5)},       // last row before first
    };
    for (const Case& c : cases) {
        Window window = ThroughTheWindow(SourceKind::Other, kOther, c.rows, c.other);
        ASSERT_EQ(window.warnings, 0u);
        EXPECT_EQ(ThroughTheCommandLine(SourceKind::Other, kOther, c.rows, c.other), window.bytes);
    }
}

TEST(Stream, RefusesWhatTheWindowRefuses) {
    const std::pair<SourceKind, std::string> cases[] = {
        {SourceKind::Txt, ""},                                         // no line 2
        {SourceKind::Txt, "h\n"}, {SourceKind::Txt, "h\nN,T\n1,2\n"},  // no channel column
        {SourceKind::Csv, ""},    {SourceKind::Csv, "t\n1\n"},         // no channel column
        {SourceKind::Other, ""},                                       // nothing to convert
    };
    for (const auto& [kind, source] : cases) {
        EXPECT_THROW(ThroughTheCommandLine(kind, source, {}), IoError) << source;
        EXPECT_EQ(ThroughTheWindow(kind, source, {}).bytes, "") << source;
    }
}

TEST(Stream, HasNoRowLimit) {
    std::string source = "t,a\n";
    for (int r = 2; r <= kMaxRows + 10; ++r) source += "x," + std::to_string(r) + "\n";
    std::string out = ThroughTheCommandLine(SourceKind::Csv, source, {});
    EXPECT_NE(out.find("\r\n" + std::to_string(kMaxRows + 10) + "\r\n"), std::string::npos);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 4 + kMaxRows + 9);
}

}  // namespace
}  // namespace quorvel
