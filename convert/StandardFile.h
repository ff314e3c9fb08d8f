#pragma once
// The standard data file: line 1 numbers the channels (1CH,2CH,...), line 2
// holds the point names, line 3 the memo, line 4 the units, and the data lines
// follow. Every line has the same n fields and ends CR LF; fields are written
// byte for byte.

#include <string>
#include <vector>

#include "convert/FileOps.h"
#include "state/Table.h"
#include "text/Mystr.h"

namespace quorvel {

// Where line 2, 3 or 4 comes from: a table row, empty fields, or fixed texts
// (channel 1 gets `first`, every other channel `rest`).
struct HeaderLine {
    enum class From { Row, Empty, Fixed };
    From from = From::Empty;
    int row = 0;
    std::string first;
    std::string rest;

    static HeaderLine Row(int row) { return {From::Row, row, {}, {}}; }
    static HeaderLine Empty() { return {}; }
    static HeaderLine Fixed(std::string first, std::string rest) {
        return {From::Fixed, 0, std::move(first), std::move(rest)};
    }
};

struct ConversionPlan {
    int channels = 1;     // n, at least 1
    int firstColumn = 1;  // table column of channel 1; channel k is column firstColumn + k - 1
    HeaderLine names;
    HeaderLine memo;
    HeaderLine units;
    // Channels written as missing: "NON" in a units line taken from a row and
    // "0" in every data line. Indexed from channel 1; may be shorter than n.
    std::vector<bool> missing;
    int firstRow = 1;  // table rows of the data lines, both included
    int lastRow = 0;
};

// Writes one standard data file to a sink, line by line, through a large buffer.
class StandardFileWriter {
  public:
    StandardFileWriter(Sink& sink, const ConversionPlan& plan);
    ~StandardFileWriter();

    // Lines 1 to 4, given the cells of the rows that names, memo and units
    // read (column 0 first, as Table::RowCells gives them); a line that reads
    // no row ignores its argument.
    void WriteHeader(const FieldList& nameCells, const FieldList& memoCells,
                     const FieldList& unitCells);
    // `cells` holds table columns from `firstCellColumn` on (0 for a table row,
    // 1 for a source line's own fields).
    void WriteData(const FieldList& cells, int firstCellColumn = 0);
    // Hands every buffered byte to the sink.
    void Flush();
    long long LinesWritten() const { return lines_; }

  private:
    void WriteRowLine(const FieldList& cells, const char* missingText, size_t first);
    void AppendChannels(const FieldList& cells, size_t first, size_t k, size_t end);
    void WriteHeaderLine(const HeaderLine& line, const FieldList& cells, const char* missingText);
    void EndLine();

    Sink& sink_;
    const ConversionPlan& plan_;
    std::vector<size_t> missingChannels_;  // from 0, ascending
    std::string buffer_;
    long long lines_ = 0;
};

// Writes the whole file from the table; returns the number of lines written.
long long WriteTable(const Table& table, const ConversionPlan& plan, Sink& sink);

}  // namespace quorvel
