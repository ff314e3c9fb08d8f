#include "convert/StandardFile.h"

#include <algorithm>
#include <cstdio>

namespace quorvel {

namespace {
constexpr size_t kFlushAt = 1 << 20;
}

std::vector<int> ConversionPlan::HeaderRows() const {
    std::vector<int> rows;
    for (const HeaderLine* line : {&names, &memo, &units}) {
        if (line->from == HeaderLine::From::Row) rows.push_back(line->row);
    }
    return rows;
}

StandardFileWriter::StandardFileWriter(Sink& sink, const ConversionPlan& plan)
    : sink_(sink), plan_(plan) {
    anyMissing_ = std::find(plan.missing.begin(), plan.missing.end(), true) != plan.missing.end();
    buffer_.reserve(kFlushAt + 64 * 1024);
}

StandardFileWriter::~StandardFileWriter() = default;

void StandardFileWriter::EndLine() {
    buffer_ += "\r\n";
    ++lines_;
    if (buffer_.size() >= kFlushAt) Flush();
}

void StandardFileWriter::Flush() {
    if (buffer_.empty()) return;
    sink_.Write(buffer_);
    buffer_.clear();
}

void StandardFileWriter::WriteRowLine(const FieldList& cells, const char* missingText) {
    const size_t first = static_cast<size_t>(plan_.firstColumn);
    const size_t n = static_cast<size_t>(plan_.channels);
    const bool replace = missingText != nullptr && anyMissing_;
    auto isMissing = [&](size_t k) {
        return replace && k > 0 && k < plan_.missing.size() && plan_.missing[k];
    };
    // Channels whose cells are present and kept stand side by side, commas
    // included, in the row's own bytes: copy each such run in one piece.
    size_t k = 0;
    while (k < n) {
        if (k > 0) buffer_ += ',';
        if (isMissing(k)) {
            buffer_ += missingText;
            ++k;
            continue;
        }
        if (first + k >= cells.size()) {
            ++k;  // a cell the row does not have is empty
            continue;
        }
        size_t end = k + 1;
        while (end < n && first + end < cells.size() && !isMissing(end)) ++end;
        const char* begin = cells[first + k].data();
        const char* stop = cells[first + end - 1].data() + cells[first + end - 1].size();
        buffer_.append(begin, static_cast<size_t>(stop - begin));
        k = end;
    }
    EndLine();
}

void StandardFileWriter::WriteHeaderLine(const HeaderLine& line, const FieldList& cells,
                                         const char* missingText) {
    switch (line.from) {
        case HeaderLine::From::Row:
            WriteRowLine(cells, missingText);
            return;
        case HeaderLine::From::Empty:
            buffer_.append(static_cast<size_t>(plan_.channels - 1), ',');
            break;
        case HeaderLine::From::Fixed:
            buffer_ += line.first;
            for (int k = 1; k < plan_.channels; ++k) {
                buffer_ += ',';
                buffer_ += line.rest;
            }
            break;
    }
    EndLine();
}

void StandardFileWriter::WriteHeader(const FieldList& nameCells, const FieldList& memoCells,
                                     const FieldList& unitCells) {
    buffer_ += "1CH";
    char number[24];
    for (int k = 2; k <= plan_.channels; ++k) {
        int len = std::snprintf(number, sizeof number, ",%dCH", k);
        buffer_.append(number, static_cast<size_t>(len));
    }
    EndLine();
    WriteHeaderLine(plan_.names, nameCells, nullptr);
    WriteHeaderLine(plan_.memo, memoCells, nullptr);
    WriteHeaderLine(plan_.units, unitCells, "NON");
}

void StandardFileWriter::WriteData(const FieldList& cells) { WriteRowLine(cells, "0"); }

long long WriteTable(const Table& table, const ConversionPlan& plan, Sink& sink) {
    StandardFileWriter writer(sink, plan);
    FieldList names, memo, units, cells;
    auto rowOf = [&](const HeaderLine& line, FieldList& out) {
        if (line.from == HeaderLine::From::Row) table.RowCells(line.row, out);
    };
    rowOf(plan.names, names);
    rowOf(plan.memo, memo);
    rowOf(plan.units, units);
    writer.WriteHeader(names, memo, units);
    for (int r = plan.firstRow; r <= plan.lastRow; ++r) {
        table.RowCells(r, cells);
        writer.WriteData(cells);
    }
    writer.Flush();
    return writer.LinesWritten();
}

}  // namespace quorvel
