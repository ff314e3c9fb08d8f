#include "Targets.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "Reference.h"
#include "convert/Converters.h"
#include "convert/StandardFile.h"
#include "convert/Stream.h"
#include "readers/LineReader.h"
#include "readers/Readers.h"
#include "state/Errors.h"
#include "state/MainWindowState.h"

namespace quorvel::fuzz {
namespace {

// Takes the leading option bytes off an input; what is left is the file.
class Input {
  public:
    explicit Input(std::string_view bytes) : bytes_(bytes) {}

    uint8_t Byte() {
        if (bytes_.empty()) return 0;
        auto b = static_cast<uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return b;
    }
    // A small signed number; 0x80 means "not given".
    std::optional<int> MaybeNumber() {
        auto b = static_cast<int8_t>(Byte());
        if (b == INT8_MIN) return std::nullopt;
        return b;
    }
    std::string_view Rest() const { return bytes_; }

  private:
    std::string_view bytes_;
};

// Hands out at most `step` bytes per read (everything when 0), so that lines
// and CR LF pairs fall across reads as they do on pipes.
class TricklingSource : public ByteSource {
  public:
    TricklingSource(std::string_view bytes, size_t step) : bytes_(bytes), step_(step) {}
    size_t Read(char* buffer, size_t size) override {
        size_t n = std::min(size, bytes_.size());
        if (step_ > 0) n = std::min(n, step_);
        if (n > 0) std::memcpy(buffer, bytes_.data(), n);
        bytes_.remove_prefix(n);
        return n;
    }

  private:
    std::string_view bytes_;
    size_t step_;
};

// Lines a source kind must have before it can be loaded.
size_t NeededLines(SourceKind kind) {
    return kind == SourceKind::Txt ? 2 : kind == SourceKind::Csv ? 1 : 0;
}

std::string Cell(const FieldList& cells, size_t col) {
    return col < cells.size() ? std::string(cells[col]) : std::string();
}

// Input: the line, as it is.
void SplitLineTarget(std::string_view input) {
    FieldList fields{"stale"};
    const int count = SplitLine(input, fields);
    if (input.empty()) {
        FUZZ_CHECK(count == 0);
        FUZZ_CHECK(fields.size() == 1 && fields[0] == "stale");
        return;
    }
    const std::string_view line = input.substr(0, input.find('\n'));
    const std::vector<std::string> expected = CommaFields(line);
    FUZZ_CHECK(count == static_cast<int>(expected.size()));
    FUZZ_CHECK(fields.size() == expected.size());
    FUZZ_CHECK(fields.front().data() == line.data());
    for (size_t i = 0; i < expected.size(); ++i) {
        FUZZ_CHECK(fields[i] == expected[i]);
        // Views into the line, one comma apart: the table stores a row as the
        // bytes from the first field to the last.
        if (i > 0) FUZZ_CHECK(fields[i].data() == fields[i - 1].data() + fields[i - 1].size() + 1);
    }
}

// Input: chunk-size byte, read-size byte, then the file.
void LineReaderTarget(std::string_view input) {
    Input in(input);
    const size_t chunk = 16 + in.Byte() % 48;
    const size_t step = in.Byte() % 17;
    const std::string_view bytes = in.Rest();
    const std::vector<std::string> expected = TextLines(bytes, true);
    TricklingSource source(bytes, step);
    LineReader reader(source, chunk);
    std::string_view line;
    size_t n = 0;
    while (reader.Next(line)) {
        FUZZ_CHECK(n < expected.size());
        FUZZ_CHECK(line == expected[n]);
        ++n;
    }
    FUZZ_CHECK(n == expected.size());
    FUZZ_CHECK(!reader.Next(line));
}

// A file wider and longer than most inputs, loaded first so that its cells
// would show through if a load did not start from an empty table.
std::string EarlierFile() {
    std::string line = "X";
    for (int c = 1; c < 13; ++c) line += ",X";
    std::string file;
    for (int r = 0; r < 14; ++r) file += line + "\n";
    return file;
}

// Input: option byte (bit 7: no row limit; bits 0-2: the limit; bits 3-6:
// read size), then the file.
void LoadTarget(SourceKind kind, std::string_view input) {
    Input in(input);
    const uint8_t options = in.Byte();
    const long long maxRows = (options & 0x80) ? -1 : (options & 0x07);
    const size_t step = (options >> 3) & 0x0f;
    const std::string_view bytes = in.Rest();
    const std::vector<std::string> lines = TextLines(bytes, false);
    const auto lineCount = static_cast<long long>(lines.size());
    const auto needed = static_cast<long long>(NeededLines(kind));

    // Made once: each load costs a megabyte-sized read buffer, and under the
    // sanitizers that was half of every run.
    static const Table afterEarlierLoad = [] {
        MainWindowState state;
        FormCreate(state);
        const std::string earlierBytes = EarlierFile();
        MemorySource earlier(earlierBytes);
        LoadTable(SourceKind::Other, earlier, state.StringGrid1, -1, "earlier");
        return state.StringGrid1;
    }();
    Table table = afterEarlierLoad.HeadersOnly();

    TricklingSource source(bytes, step);
    LoadSummary summary;
    try {
        summary = LoadTable(kind, source, table, maxRows, "fuzz");
    } catch (const IoError& error) {
        FUZZ_CHECK(error.step == IoStep::TooFewLines);
        FUZZ_CHECK(lineCount < needed);
        return;
    }
    FUZZ_CHECK(lineCount >= needed);
    FUZZ_CHECK(summary.lines == lineCount);

    // Every line within the limit is stored, the header lines whatever the
    // limit. (The Other kind counts its limit from line 0, so it may keep one
    // line more; either way the rows must agree with lastStoredRow.)
    const long long limit = maxRows < 0 ? LLONG_MAX - 1 : maxRows;
    const long long stored = summary.lastStoredRow;
    FUZZ_CHECK(stored >= std::min(lineCount, std::max(limit, needed)));
    FUZZ_CHECK(stored <= std::min(lineCount, std::max(limit + 1, needed)));

    std::vector<std::vector<std::string>> fields;
    for (long long k = 0; k < stored; ++k) fields.push_back(CommaFields(lines[k]));
    size_t columns = 0;
    if (kind == SourceKind::Txt) {
        columns = fields[1].size();
    } else if (kind == SourceKind::Csv) {
        columns = fields[0].size();
    } else {
        for (const auto& f : fields) columns = std::max(columns, f.size());
    }
    FUZZ_CHECK(summary.dataColumns == static_cast<int>(columns));
    FUZZ_CHECK(table.ColCount() == summary.dataColumns + 1);

    // Each stored row holds its line's leading fields and nothing more; the
    // rows after it hold nothing of the earlier file.
    FieldList cells;
    for (long long row = 1; row <= stored + 16; ++row) {
        table.RowCells(static_cast<int>(row), cells);
        const size_t have = cells.empty() ? 0 : cells.size() - 1;
        if (row > stored) {
            FUZZ_CHECK(have == 0);
            continue;
        }
        const std::vector<std::string>& line = fields[row - 1];
        const int keep =
            StoredFieldCount(kind, row, static_cast<int>(line.size()), summary.dataColumns);
        FUZZ_CHECK(keep >= 1 && keep <= static_cast<int>(line.size()));
        FUZZ_CHECK(have == static_cast<size_t>(keep));
        for (int c = 0; c < keep; ++c) FUZZ_CHECK(cells[c + 1] == line[c]);
    }
}

// The TXT or CSV conversion of `lines` written out plainly from the rules:
// which fields each line keeps, which channels are missing, where the range
// is held. Independent of the table and of the writer.
std::string RenderStream(SourceKind kind, const std::vector<std::string>& lines,
                         const RowRange& range) {
    const bool txt = kind == SourceKind::Txt;
    std::vector<std::vector<std::string>> rows;  // the kept fields of each line
    const size_t columns = CommaFields(lines[txt ? 1 : 0]).size();
    for (size_t i = 0; i < lines.size(); ++i) {
        std::vector<std::string> fields = CommaFields(lines[i]);
        const size_t lineNo = i + 1;
        size_t keep = std::min(fields.size(), columns);
        if (txt && lineNo == 1) keep = 1;
        if (lineNo == (txt ? 2u : 1u)) keep = fields.size();
        fields.resize(keep);
        rows.push_back(fields);
    }
    // Channel k (from 0) is table column firstColumn + k, column 1 being field 1.
    const size_t firstColumn = txt ? 3 : 2;
    const size_t channels = columns - firstColumn + 1;
    auto cell = [&](size_t row, size_t column) -> std::string {
        if (row < 1 || row > rows.size() || column > rows[row - 1].size()) return "";
        return rows[row - 1][column - 1];
    };
    std::vector<bool> missing(channels, false);
    for (size_t k = 1; txt && k < channels; ++k) missing[k] = cell(3, firstColumn + k).empty();

    auto line = [&](auto text) {
        std::string out;
        for (size_t k = 0; k < channels; ++k) {
            if (k > 0) out += ',';
            out += text(k);
        }
        return out + "\r\n";
    };
    std::string out = line([](size_t k) { return std::to_string(k + 1) + "CH"; });
    out += line([&](size_t k) { return cell(txt ? 2 : 1, firstColumn + k); });
    out += line([](size_t) { return std::string(); });
    out += line([&](size_t k) -> std::string {
        if (!txt) return k == 0 ? "kg" : "mm";
        return missing[k] ? "NON" : cell(3, firstColumn + k);
    });
    auto held = [&](long long v) {
        return std::max(1LL, std::min(v, static_cast<long long>(rows.size())));
    };
    const long long first = held(range.first.value_or(txt ? 4 : 2));
    const long long last = held(range.last.value_or(static_cast<long long>(rows.size())));
    for (long long r = first; r <= last; ++r) {
        out += line([&](size_t k) { return missing[k] ? "0" : cell(r, firstColumn + k); });
    }
    return out;
}

// Input: first-row number, last-row number (0x80: not given), read-size byte,
// then the file. The command line's streaming conversion must write exactly
// what the window writes after loading the whole file with the same range, and
// what the rules written out plainly give.
void ConvertStreamTarget(SourceKind kind, std::string_view input) {
    Input in(input);
    RowRange range;
    if (auto first = in.MaybeNumber()) range.first = *first;
    if (auto last = in.MaybeNumber()) range.last = *last;
    const size_t step = in.Byte() % 9;
    const std::string_view bytes = in.Rest();
    const std::vector<std::string> lines = TextLines(bytes, false);
    const size_t needed = NeededLines(kind);

    StringSink streamed;
    TricklingSource source(bytes, step);
    StreamResult result;
    try {
        result = ConvertStream(kind, source, "fuzz", range, streamed);
    } catch (const IoError& error) {
        FUZZ_CHECK(streamed.text.empty());
        if (error.step == IoStep::TooFewLines) {
            FUZZ_CHECK(lines.size() < needed);
            return;
        }
        FUZZ_CHECK(error.step == IoStep::NoChannel);
        FUZZ_CHECK(lines.size() >= needed);
        const size_t columns = CommaFields(lines[needed - 1]).size();
        FUZZ_CHECK(columns <= (kind == SourceKind::Txt ? 2u : 1u));
        return;
    }

    Table table = Table(0, 0);
    MemorySource whole(bytes);
    const LoadSummary summary = LoadTable(kind, whole, table, -1, "fuzz");
    Spinner first(1, 100, 1);
    Spinner last(1, 100, 1);
    first.SetMax(summary.lastStoredRow);
    first.SetPosition(range.first.value_or(kind == SourceKind::Txt ? 4 : 2));
    last.SetMax(summary.lastStoredRow);
    last.SetPosition(range.last.value_or(summary.lastStoredRow));
    FieldList units;
    table.RowCells(3, units);
    const std::optional<ConversionPlan> plan =
        kind == SourceKind::Txt
            ? TxtPlan(summary.dataColumns, units, first.Position(), last.Position())
            : CsvPlan(summary.dataColumns, first.Position(), last.Position());
    FUZZ_CHECK(plan.has_value());
    StringSink windowed;
    const long long written = WriteTable(table, *plan, windowed);

    FUZZ_CHECK(streamed.text == windowed.text);
    FUZZ_CHECK(streamed.text == RenderStream(kind, lines, range));
    FUZZ_CHECK(result.lines == written);
    FUZZ_CHECK(result.channels == plan->channels);
    CheckStandardFile(streamed.text, result.channels, result.lines);
}

// Input: name row, unit row, memo row, first row, last row, first column, last
// column (each a signed byte, 0x80: not given), read-size byte, then the file.
// Checked against a plain rendering of the layout from the file's lines.
void ConvertOtherTarget(std::string_view input) {
    Input in(input);
    OtherOptions options;
    options.nameRow = in.MaybeNumber();
    options.unitRow = in.MaybeNumber();
    options.memoRow = in.MaybeNumber();
    if (auto v = in.MaybeNumber()) options.rows.first = *v;
    if (auto v = in.MaybeNumber()) options.rows.last = *v;
    options.firstCol = in.MaybeNumber();
    options.lastCol = in.MaybeNumber();
    const size_t step = in.Byte() % 9;
    const std::string_view bytes = in.Rest();

    std::vector<std::vector<std::string>> fields;
    long long cols = 0;
    for (const std::string& line : TextLines(bytes, false)) {
        fields.push_back(CommaFields(line));
        cols = std::max(cols, static_cast<long long>(fields.back().size()));
    }
    const auto rows = static_cast<long long>(fields.size());
    auto clamp = [](long long v, long long lo, long long hi) {
        return std::max(lo, std::min(v, hi));
    };
    // 0 means "none" for all three header rows on the command line.
    const long long nameGiven = options.nameRow.value_or(2);
    const long long nameRow = nameGiven == 0 ? 0 : clamp(nameGiven, 1, rows);
    const long long unitRow = clamp(options.unitRow.value_or(0), 0, rows);
    const long long memoRow = clamp(options.memoRow.value_or(0), 0, rows);
    const long long firstRow = clamp(options.rows.first.value_or(1), 1, rows);
    const long long lastRow = clamp(options.rows.last.value_or(rows), 0, rows);
    const long long firstCol = clamp(options.firstCol.value_or(1), 1, cols);
    const long long lastCol = clamp(options.lastCol.value_or(static_cast<int>(cols)), 1, cols);
    const bool noChannel = rows == 0 || lastCol < firstCol;

    StringSink out;
    TricklingSource source(bytes, step);
    StreamResult result;
    try {
        result = ConvertOther(source, "fuzz", options, out);
    } catch (const IoError& error) {
        FUZZ_CHECK(error.step == IoStep::NoChannel);
        FUZZ_CHECK(noChannel);
        FUZZ_CHECK(out.text.empty());
        return;
    }
    FUZZ_CHECK(!noChannel);

    const long long n = lastCol - firstCol + 1;
    auto rowLine = [&](long long row) {
        std::string text;
        for (long long c = firstCol; c <= lastCol; ++c) {
            if (c > firstCol) text += ',';
            const std::vector<std::string>& line = fields[row - 1];
            if (c <= static_cast<long long>(line.size())) text += line[c - 1];
        }
        return text + "\r\n";
    };
    std::string expected = "1CH";
    for (long long k = 2; k <= n; ++k) {
        expected += ',';
        expected += std::to_string(k);
        expected += "CH";
    }
    expected += "\r\n";
    const std::string empty = std::string(static_cast<size_t>(n - 1), ',') + "\r\n";
    expected += nameRow == 0 ? empty : rowLine(nameRow);
    expected += memoRow == 0 ? empty : rowLine(memoRow);
    if (unitRow == 0) {
        expected += "mm";
        for (long long k = 2; k <= n; ++k) expected += ",mm";
        expected += "\r\n";
    } else {
        expected += rowLine(unitRow);
    }
    for (long long r = firstRow; r <= lastRow; ++r) expected += rowLine(r);

    FUZZ_CHECK(out.text == expected);
    FUZZ_CHECK(result.channels == n);
    FUZZ_CHECK(result.lines == 4 + std::max(0LL, lastRow - firstRow + 1));
}

// Input: plan byte (odd: CSV, even: Other), seven setting bytes as the
// spinners take them, then the file. Loads it as the window does, writes it,
// reads the written file back as the Other kind: every header and data cell
// must come back byte for byte.
void RoundTripTarget(std::string_view input) {
    Input in(input);
    const bool csv = (in.Byte() & 1) != 0;
    uint8_t settings[7];
    for (uint8_t& s : settings) s = in.Byte();
    const std::string_view bytes = in.Rest();

    Table table(0, 0);
    MemorySource source(bytes);
    LoadSummary summary;
    try {
        summary = LoadTable(csv ? SourceKind::Csv : SourceKind::Other, source, table, -1, "fuzz");
    } catch (const IoError&) {
        return;  // the load targets check when that is right
    }
    const int rows = summary.lastStoredRow;
    const int cols = summary.dataColumns;
    if (cols <= 0) return;  // the window refuses before asking for a name
    auto setting = [&](int i, int max) { return static_cast<int>(settings[i] % (max + 2)); };
    std::optional<ConversionPlan> plan;
    if (csv) {
        Spinner first(1, 100, 2);
        Spinner last(1, 100, 1);
        first.SetMax(rows);
        first.SetPosition(setting(0, rows));
        last.SetMax(rows);
        last.SetPosition(setting(1, rows));
        plan = CsvPlan(cols, first.Position(), last.Position());
    } else {
        OtherSettings o;
        Spinner* rowSpinners[] = {&o.NameRow, &o.UnitRow, &o.MemoRow, &o.FirstRow, &o.LastRow};
        for (int i = 0; i < 5; ++i) {
            rowSpinners[i]->SetMax(rows);
            rowSpinners[i]->SetPosition(setting(i, rows));
        }
        o.FirstCol.SetMax(cols);
        o.FirstCol.SetPosition(setting(5, cols));
        o.LastCol.SetMax(cols);
        o.LastCol.SetPosition(setting(6, cols));
        plan = OtherPlan(OtherLayoutOf(o));
    }
    if (!plan) return;

    StringSink out;
    const long long written = WriteTable(table, *plan, out);
    const int n = plan->channels;
    CheckStandardFile(out.text, n, written);

    Table back(0, 0);
    MemorySource again(out.text);
    const LoadSummary read = LoadTable(SourceKind::Other, again, back, -1, "written");
    FUZZ_CHECK(read.lines == written);
    FUZZ_CHECK(read.dataColumns == n);

    auto headerCell = [&](const HeaderLine& line, const FieldList& rowCells, int k) {
        switch (line.from) {
            case HeaderLine::From::Row:
                return Cell(rowCells, static_cast<size_t>(plan->firstColumn + k - 1));
            case HeaderLine::From::Empty:
                return std::string();
            case HeaderLine::From::Fixed:
                return k == 1 ? line.first : line.rest;
        }
        return std::string();
    };
    FieldList cells, from;
    for (long long row = 1; row <= written; ++row) {
        back.RowCells(static_cast<int>(row), cells);
        FUZZ_CHECK(cells.size() == static_cast<size_t>(n) + 1);
        const HeaderLine* header = row == 2   ? &plan->names
                                   : row == 3 ? &plan->memo
                                   : row == 4 ? &plan->units
                                              : nullptr;
        if (header && header->from == HeaderLine::From::Row) table.RowCells(header->row, from);
        if (row >= 5) table.RowCells(plan->firstRow + static_cast<int>(row) - 5, from);
        for (int k = 1; k <= n; ++k) {
            std::string expected;
            if (row == 1) {
                expected = std::to_string(k) + "CH";
            } else if (header) {
                expected = headerCell(*header, from, k);
            } else {
                expected = Cell(from, static_cast<size_t>(plan->firstColumn + k - 1));
            }
            FUZZ_CHECK(cells[k] == expected);
        }
    }
}

}  // namespace

const std::vector<Target>& AllTargets() {
    static const std::vector<Target> targets = {
        {"split_line", SplitLineTarget},
        {"line_reader", LineReaderTarget},
        {"load_txt", [](std::string_view in) { LoadTarget(SourceKind::Txt, in); }},
        {"load_csv", [](std::string_view in) { LoadTarget(SourceKind::Csv, in); }},
        {"load_other", [](std::string_view in) { LoadTarget(SourceKind::Other, in); }},
        {"convert_txt", [](std::string_view in) { ConvertStreamTarget(SourceKind::Txt, in); }},
        {"convert_csv", [](std::string_view in) { ConvertStreamTarget(SourceKind::Csv, in); }},
        {"convert_other", ConvertOtherTarget},
        {"round_trip", RoundTripTarget},
    };
    return targets;
}

const Target* FindTarget(std::string_view name) {
    for (const Target& target : AllTargets()) {
        if (name == target.name) return &target;
    }
    return nullptr;
}

}  // namespace quorvel::fuzz
