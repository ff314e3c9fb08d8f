#include "convert/StandardFile.h"

#include <algorithm>
#include <cstdio>

namespace quorvel {

namespace {
constexpr size_t kFlushAt = 1 << 20;
}

StandardFileWriter::StandardFileWriter(Sink& sink, const ConversionPlan& plan)
    : sink_(sink), plan_(plan) {
    // Channel 1 is never written as missing.
    for (size_t k = 1; k < plan.missing.size() && k < static_cast<size_t>(plan.channels); ++k) {
        if (plan.missing[k]) missingChannels_.push_back(k);
    }
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

// `first` is the index in `cells` of channel 1's cell.
void StandardFileWriter::AppendChannels(const FieldList& cells, size_t first, size_t k,
                                        size_t end) {
    // The cells present stand side by side in the row's own bytes, commas
    // included, so they go in one piece; the cells a short row lacks are empty.
    const size_t present = cells.size() > first + k ? std::min(end, cells.size() - first) : k;
    if (present > k) {
        const char* begin = cells[first + k].data();
        const std::string_view last = cells[first + present - 1];
        buffer_.append(begin, static_cast<size_t>(last.data() + last.size() - begin));
        buffer_.append(end - present, ',');
    } else {
        buffer_.append(end - k - 1, ',');
    }
}

void StandardFileWriter::WriteRowLine(const FieldList& cells, const char* missingText,
                                      size_t first) {
    const size_t n = static_cast<size_t>(plan_.channels);
    size_t k = 0;  // the first channel not yet written
    auto channelsUpTo = [&](size_t end) {
        if (k > 0) buffer_ += ',';
        AppendChannels(cells, first, k, end);
    };
    if (missingText != nullptr) {
        for (size_t m : missingChannels_) {
            if (m > k) channelsUpTo(m);
            buffer_ += ',';
            buffer_ += missingText;
            k = m + 1;
        }
    }
    if (k < n) channelsUpTo(n);
    EndLine();
}

void StandardFileWriter::WriteHeaderLine(const HeaderLine& line, const FieldList& cells,
                                         const char* missingText) {
    switch (line.from) {
        case HeaderLine::From::Row:
            WriteRowLine(cells, missingText, static_cast<size_t>(plan_.firstColumn));
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

void StandardFileWriter::WriteData(const FieldList& cells, int firstCellColumn) {
    WriteRowLine(cells, "0", static_cast<size_t>(plan_.firstColumn - firstCellColumn));
}

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
