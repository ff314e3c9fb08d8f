#pragma once
// The main window's grid of text cells, addressed (column, row) from 0.
// Row 0 and column 0 are the header. A cell never written reads as empty text;
// the column and row counts only decide what is shown, never what is kept.
//
// Each row is stored as its cells joined by commas, column 0 first. A loaded
// line therefore costs one copy of its bytes and no allocation per field, and
// a cell can never hold a comma or a line feed (it came from a split line), so
// the joined form is lossless.

#include <string>
#include <string_view>
#include <vector>

#include "text/Mystr.h"

namespace quorvel {

class Table {
  public:
    Table(int colCount = 10, int rowCount = 200) : colCount_(colCount), rowCount_(rowCount) {}

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    void SetColCount(int count) { colCount_ = count < 0 ? 0 : count; }
    void SetRowCount(int count) { rowCount_ = count < 0 ? 0 : count; }

    std::string_view Cell(int col, int row) const;
    // `text` must hold no comma and no line feed (std::invalid_argument otherwise).
    void SetCell(int col, int row, std::string_view text);

    // Replaces columns 1 and up of `row` with `fields` (column 0 stays). The
    // fields must be consecutive views into one line, as SplitLine gives them.
    void SetRowFields(int row, const FieldList& fields);
    // The same, with column 0 set to `label` too: a whole row in one allocation.
    void SetRow(int row, std::string_view label, const FieldList& fields);

    // The cells of `row` from column 0 to its last written cell, as views that
    // stay valid until the row is written again.
    void RowCells(int row, FieldList& cells) const;

    // A table with the same counts and header cells (row 0, column 0) and no
    // other cell: where every load starts.
    Table HeadersOnly() const;

  private:
    std::string& RowText(int row);

    int colCount_;
    int rowCount_;
    std::vector<std::string> rows_;
};

}  // namespace quorvel
