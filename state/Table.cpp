#include "state/Table.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace quorvel {

namespace {

// Start and length of cell `col` in a joined row; npos start when the row
// has fewer cells.
struct Span {
    size_t start;
    size_t length;
};
constexpr size_t kNoCell = std::string_view::npos;

Span FindCell(std::string_view joined, int col) {
    size_t start = 0;
    for (int c = 0; c < col; ++c) {
        const void* comma = std::memchr(joined.data() + start, ',', joined.size() - start);
        if (!comma) return {kNoCell, 0};
        start = static_cast<size_t>(static_cast<const char*>(comma) - joined.data()) + 1;
    }
    const void* comma = std::memchr(joined.data() + start, ',', joined.size() - start);
    size_t end = comma ? static_cast<size_t>(static_cast<const char*>(comma) - joined.data())
                       : joined.size();
    return {start, end - start};
}

}  // namespace

std::string_view Table::Cell(int col, int row) const {
    if (col < 0 || row < 0 || row >= static_cast<int>(rows_.size())) return {};
    std::string_view joined = rows_[row];
    Span span = FindCell(joined, col);
    if (span.start == kNoCell) return {};
    return joined.substr(span.start, span.length);
}

std::string& Table::RowText(int row) {
    if (row >= static_cast<int>(rows_.size())) rows_.resize(static_cast<size_t>(row) + 1);
    return rows_[row];
}

void Table::SetCell(int col, int row, std::string_view text) {
    if (col < 0 || row < 0) throw std::out_of_range("Table::SetCell: negative address");
    if (text.find_first_of(",\n") != std::string_view::npos) {
        throw std::invalid_argument("Table::SetCell: a cell cannot hold a comma or a line feed");
    }
    std::string& joined = RowText(row);
    Span span = FindCell(joined, col);
    if (span.start == kNoCell) {
        if (text.empty()) return;  // an unwritten cell already reads as empty
        int have = 1 + static_cast<int>(std::count(joined.begin(), joined.end(), ','));
        joined.append(static_cast<size_t>(col - have + 1), ',');
        joined.append(text);
        return;
    }
    joined.replace(span.start, span.length, text);
}

void Table::SetRowFields(int row, const FieldList& fields) {
    std::string& joined = RowText(row);
    Span col0 = FindCell(joined, 0);
    joined.resize(col0.length);
    if (fields.empty()) return;
    const char* first = fields.front().data();
    const char* last = fields.back().data() + fields.back().size();
    joined.reserve(joined.size() + 1 + static_cast<size_t>(last - first));
    joined.push_back(',');
    joined.append(first, static_cast<size_t>(last - first));
}

void Table::SetRow(int row, std::string_view label, const FieldList& fields) {
    if (label.find_first_of(",\n") != std::string_view::npos) {
        throw std::invalid_argument("Table::SetRow: a cell cannot hold a comma or a line feed");
    }
    std::string& joined = RowText(row);
    const char* first = fields.empty() ? nullptr : fields.front().data();
    const size_t length =
        fields.empty() ? 0
                       : static_cast<size_t>(fields.back().data() + fields.back().size() - first);
    std::string fresh;
    fresh.reserve(label.size() + 1 + length);
    fresh.append(label);
    if (!fields.empty()) {
        fresh.push_back(',');
        fresh.append(first, length);
    }
    joined = std::move(fresh);
}

void Table::RowCells(int row, FieldList& cells) const {
    cells.clear();
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    const std::string& joined = rows_[row];
    if (joined.empty()) return;
    SplitLine(joined, cells);
}

Table Table::HeadersOnly() const {
    Table fresh(colCount_, rowCount_);
    fresh.rows_.reserve(rows_.size());
    for (const std::string& joined : rows_) {
        Span col0 = FindCell(joined, 0);
        fresh.rows_.emplace_back(joined, 0, col0.length);
    }
    if (!rows_.empty()) fresh.rows_[0] = rows_[0];
    return fresh;
}

}  // namespace quorvel
