#include "convert/Stream.h"

#include <algorithm>
#include <climits>

#include "readers/LineReader.h"
#include "readers/Readers.h"
#include "state/Errors.h"

namespace quorvel {

namespace {

long long Clamp(long long value, long long min, long long max) {
    // As a spinner holds it: the lower limit wins over an upper one below it.
    return std::max(min, std::min(value, max));
}

int ToRow(long long value) { return static_cast<int>(std::min<long long>(value, INT_MAX)); }

// The rows of a TXT or CSV source as the table would hold them, read once,
// front to back. The first few rows are kept for the header lines.
class RowStream {
  public:
    RowStream(SourceKind kind, ByteSource& source) : kind_(kind), reader_(source) {}

    // Reads line `lineNo_ + 1` into the scratch row; false at the end.
    bool Next() {
        std::string_view line;
        if (!reader_.Next(line)) return false;
        ++lineNo_;
        int count = SplitLine(line, fields_);
        if (count == 0) fields_.clear();
        if (kind_ == SourceKind::Txt && lineNo_ == 2) dataColumns_ = count;
        if (kind_ == SourceKind::Csv && lineNo_ == 1) dataColumns_ = count;
        fields_.resize(static_cast<size_t>(StoredFieldCount(kind_, lineNo_, count, dataColumns_)));
        return true;
    }
    long long LineNo() const { return lineNo_; }
    int DataColumns() const { return dataColumns_; }
    // The current row's cells from table column 1 on.
    const FieldList& Fields() const { return fields_; }
    // Copies the current row into `table` at `row`.
    void Keep(Table& table, int row) const { table.SetRowFields(row, fields_); }

  private:
    SourceKind kind_;
    LineReader reader_;
    long long lineNo_ = 0;
    int dataColumns_ = 0;
    FieldList fields_;
};

}  // namespace

StreamResult ConvertStream(SourceKind kind, ByteSource& source, const std::string& path,
                           const RowRange& rows, Sink& sink) {
    RowStream stream(kind, source);
    const int headerRows = kind == SourceKind::Txt ? 3 : 1;
    const int neededRows = kind == SourceKind::Txt ? 2 : 1;
    Table kept(0, 0);
    while (stream.LineNo() < headerRows && stream.Next()) {
        stream.Keep(kept, static_cast<int>(stream.LineNo()));
    }
    const long long headLines = stream.LineNo();
    if (headLines < neededRows) throw IoError(IoStep::TooFewLines, path);

    const long long first =
        std::max<long long>(1, rows.first.value_or(kind == SourceKind::Txt ? 4 : 2));
    const long long last = std::max<long long>(1, rows.last.value_or(LLONG_MAX));

    FieldList units;
    kept.RowCells(3, units);
    std::optional<ConversionPlan> plan =
        kind == SourceKind::Txt ? TxtPlan(stream.DataColumns(), units, ToRow(first), ToRow(last))
                                : CsvPlan(stream.DataColumns(), ToRow(first), ToRow(last));
    if (!plan) throw IoError(IoStep::NoChannel, path);

    StandardFileWriter writer(sink, *plan);
    FieldList names, row;
    kept.RowCells(kind == SourceKind::Txt ? 2 : 1, names);
    writer.WriteHeader(names, {}, units);

    // Rows already read, then the rest as they come.
    long long written = 0;
    for (long long r = first; r <= std::min(last, headLines); ++r) {
        kept.RowCells(static_cast<int>(r), row);
        writer.WriteData(row);
        ++written;
    }
    // When the range starts past the end, the spinner holds it at the last
    // line; keep each line before the range until that is known.
    Table lastBefore(0, 0);
    while (stream.Next()) {
        long long r = stream.LineNo();
        if (r >= first && r <= last) {
            writer.WriteData(stream.Fields(), 1);
            ++written;
        } else if (r < first) {
            stream.Keep(lastBefore, 1);
        }
    }
    const long long lineCount = stream.LineNo();
    if (first > lineCount && last >= lineCount) {
        if (lineCount <= headLines) {
            kept.RowCells(static_cast<int>(lineCount), row);
        } else {
            lastBefore.RowCells(1, row);
        }
        writer.WriteData(row);
        ++written;
    }
    writer.Flush();
    return {writer.LinesWritten(), plan->channels};
}

StreamResult ConvertOther(ByteSource& source, const std::string& path, const OtherOptions& options,
                          Sink& sink) {
    Table table(0, 0);
    LoadSummary summary = LoadTable(SourceKind::Other, source, table, -1, path);
    if (summary.dataColumns <= 0) throw IoError(IoStep::NoChannel, path);
    // The options go into the settings as a person types into the spinners,
    // so they are held within the same limits.
    OtherSettings settings;
    PrimeOtherSettings(settings, summary.lastStoredRow, summary.dataColumns);
    auto type = [](Spinner& spinner, std::optional<long long> value) {
        if (value) spinner.SetPosition(static_cast<int>(Clamp(*value, INT_MIN, INT_MAX)));
    };
    type(settings.NameRow, options.nameRow);
    type(settings.UnitRow, options.unitRow);
    type(settings.MemoRow, options.memoRow);
    type(settings.FirstRow, options.rows.first);
    type(settings.LastRow, options.rows.last);
    type(settings.FirstCol, options.firstCol);
    type(settings.LastCol, options.lastCol);
    OtherLayout layout = OtherLayoutOf(settings);
    // On the command line 0 means "none" for the names row too.
    if (options.nameRow == 0) layout.nameRow = 0;
    std::optional<ConversionPlan> plan = OtherPlan(layout);
    if (!plan) throw IoError(IoStep::NoChannel, path);
    long long lines = WriteTable(table, *plan, sink);
    return {lines, plan->channels};
}

}  // namespace quorvel
