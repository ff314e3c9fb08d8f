#include "readers/Readers.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "convert/Messages.h"
#include "readers/LineReader.h"

namespace quorvel {

int StoredFieldCount(SourceKind kind, long long lineNo, int fieldCount, int dataColumns) {
    switch (kind) {
        case SourceKind::Txt:
            if (lineNo == 1) return std::min(fieldCount, 1);
            if (lineNo == 2) return fieldCount;
            return std::min(fieldCount, dataColumns);
        case SourceKind::Csv:
            if (lineNo == 1) return fieldCount;
            return std::min(fieldCount, dataColumns);
        case SourceKind::Other:
            return fieldCount;
    }
    return 0;
}

namespace {

std::string RowLabel(long long row) { return Format("%8lld", row); }

void StoreRow(Table& table, int row, FieldList& fields, int keep) {
    fields.resize(static_cast<size_t>(keep));
    table.SetRowFields(row, fields);
}

// A numbered row: its "%8d" label and its fields, written in one go.
void StoreNumberedRow(Table& table, int row, FieldList& fields, int keep) {
    char label[24];
    auto [end, ec] = std::to_chars(label, label + sizeof label, row);
    const size_t digits = static_cast<size_t>(end - label);
    std::string_view text(label, digits);
    std::string padded;
    if (digits < 8) {
        padded.assign(8 - digits, ' ');
        padded.append(text);
        text = padded;
    }
    fields.resize(static_cast<size_t>(keep));
    table.SetRow(row, text, fields);
}

// Numbers columns 1 to `count` in row 0 and keeps the cells after them. The row
// is built once and stored whole: written a cell at a time, each cell scanned
// the row again, and a line of 30,000 fields took seconds to load.
void NumberColumns(Table& table, int count) {
    if (count <= 0) return;
    FieldList old;
    table.RowCells(0, old);
    std::string labels;
    for (int c = 1; c <= count; ++c) {
        if (c > 1) labels += ',';
        labels += RowLabel(c);
    }
    for (size_t c = static_cast<size_t>(count) + 1; c < old.size(); ++c) {
        labels += ',';
        labels.append(old[c]);
    }
    FieldList fields;
    SplitLine(labels, fields);
    table.SetRowFields(0, fields);
}

}  // namespace

LoadSummary LoadTable(SourceKind kind, ByteSource& source, Table& table, long long maxRows,
                      const std::string& path) {
    const long long limit = maxRows < 0 ? LLONG_MAX : maxRows;
    LineReader reader(source);
    FieldList fields;
    std::string_view line;
    LoadSummary summary;
    auto split = [&](std::string_view text) {
        int count = SplitLine(text, fields);
        if (count == 0) fields.clear();
        return count;
    };
    // Reads every line left, line `lineNo` on, into the row of its number
    // while that row may be placed; later lines are only counted. Returns the
    // greatest field count of the placed lines.
    auto placeTheRest = [&](long long lineNo, long long lastPlaced, int dataColumns) {
        int greatest = 0;
        for (; reader.Next(line); ++lineNo) {
            if (lineNo > lastPlaced) continue;
            const int row = static_cast<int>(lineNo);
            table.SetRowCount(row + 1);
            const int count = split(line);
            greatest = std::max(greatest, count);
            StoreNumberedRow(table, row, fields,
                             StoredFieldCount(kind, lineNo, count, dataColumns));
            summary.lastStoredRow = row;
        }
        summary.lines = lineNo - 1;
        return greatest;
    };

    switch (kind) {
        case SourceKind::Txt: {
            table.SetColCount(100);
            if (!reader.Next(line)) throw IoError(IoStep::TooFewLines, path);
            split(line);
            StoreRow(table, 1, fields,
                     StoredFieldCount(kind, 1, static_cast<int>(fields.size()), 0));
            if (!reader.Next(line)) throw IoError(IoStep::TooFewLines, path);
            const int n = split(line);
            summary.dataColumns = n;
            table.SetColCount(n + 1);
            NumberColumns(table, n);
            StoreRow(table, 2, fields, n);
            summary.lastStoredRow = 2;
            placeTheRest(3, limit, n);
            break;
        }
        case SourceKind::Csv: {
            if (!reader.Next(line)) throw IoError(IoStep::TooFewLines, path);
            const int c = split(line);
            summary.dataColumns = c;
            table.SetColCount(c + 1);
            StoreNumberedRow(table, 1, fields, c);
            summary.lastStoredRow = 1;
            placeTheRest(2, limit, c);
            break;
        }
        case SourceKind::Other: {
            // One row more than the other kinds: a line is placed while at
            // most `limit` lines came before it.
            table.SetColCount(100);
            table.SetRowCount(2);
            const int greatest = placeTheRest(1, limit == LLONG_MAX ? limit : limit + 1, 0);
            summary.dataColumns = greatest;
            table.SetColCount(greatest + 1);
            NumberColumns(table, greatest);
            break;
        }
    }
    return summary;
}

void PrimeOtherSettings(OtherSettings& o, int rows, int columns) {
    // Each upper limit goes in before its position, as a spinner takes them.
    o.NameRow.SetMax(rows);
    o.NameRow.SetPosition(2);
    o.UnitRow.SetMax(rows);
    o.UnitRow.SetPosition(0);
    o.MemoRow.SetMax(rows);
    o.MemoRow.SetPosition(0);
    o.FirstRow.SetMax(rows);
    o.FirstRow.SetPosition(1);
    o.LastRow.SetMax(rows);
    o.LastRow.SetPosition(rows);
    o.FirstCol.SetMax(columns);
    o.FirstCol.SetPosition(1);
    o.LastCol.SetMax(columns);
    o.LastCol.SetPosition(columns);
}

std::string BasicFileNameFor(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return name + "Basic.csv";
}

namespace {

void Load(SourceKind kind, MainWindowState& state, Dialogs& dialogs) {
    std::optional<std::string> path = dialogs.OpenFile(kind);
    if (!path) return;

    const std::string oldLabel4 = state.Label4;
    Table fresh = state.StringGrid1.HeadersOnly();
    LoadSummary summary;
    try {
        FileSource source(*path);
        state.Label4 = text::kLoading;
        dialogs.PaintLabels();
        summary = LoadTable(kind, source, fresh, state.MaxRows, *path);
    } catch (const IoError& error) {
        state.Label4 = oldLabel4;
        dialogs.PaintLabels();
        dialogs.Warning(JapaneseMessage(error), text::kLoadErrorCaption);
        return;
    }

    state.StringGrid1 = std::move(fresh);
    state.DataColumns = summary.dataColumns;
    state.Label3 = *path;
    if (kind == SourceKind::Txt) state.BasicFileName = BasicFileNameFor(*path);
    state.Label4 = Format("%lld 行/ %d 列", summary.lines, summary.dataColumns);

    // The range never reaches past the rows this load stored.
    const int lastRow = summary.lastStoredRow;
    const int firstProposed = kind == SourceKind::Txt ? 4 : kind == SourceKind::Csv ? 2 : 1;
    state.UpDown1.SetMax(lastRow);
    state.UpDown1.SetPosition(firstProposed);
    state.UpDown2.SetMax(lastRow);
    state.UpDown2.SetPosition(lastRow);
    state.Button5Enabled = true;
    state.Label8.clear();

    if (kind == SourceKind::Other) {
        state.Label6.clear();
        state.Label12.clear();
        PrimeOtherSettings(state.Other, lastRow, summary.dataColumns);
    }
    dialogs.PaintLabels();

    if (summary.lines > lastRow) {
        dialogs.Warning(
            Format("このファイルは %lld 行ありますが、表に読み込めるのは %d 行目までです。\n"
                   "%d 行目より後の行は読み込んでいません。\n"
                   "ファイル全体を変換するには quorvel-convert を使ってください。",
                   summary.lines, lastRow, lastRow),
            text::kTooManyLinesCaption);
    }
}

}  // namespace

void BtnTXTClick(MainWindowState& state, Dialogs& dialogs) {
    Load(SourceKind::Txt, state, dialogs);
}
void BtnCSVClick(MainWindowState& state, Dialogs& dialogs) {
    Load(SourceKind::Csv, state, dialogs);
}
void BtnOTHERClick(MainWindowState& state, Dialogs& dialogs) {
    Load(SourceKind::Other, state, dialogs);
}

void ReadSelected(MainWindowState& state, Dialogs& dialogs) {
    if (!state.RadioGroup1) return;
    switch (*state.RadioGroup1) {
        case SourceKind::Txt:
            BtnTXTClick(state, dialogs);
            break;
        case SourceKind::Csv:
            BtnCSVClick(state, dialogs);
            break;
        case SourceKind::Other:
            BtnOTHERClick(state, dialogs);
            break;
    }
}

}  // namespace quorvel
