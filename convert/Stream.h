#pragma once
// Conversions straight from a source to a sink, without the window's table
// limit: what the command line runs. The TXT and CSV kinds stream, keeping only
// a few lines; the Other kind, whose rows may lie anywhere, loads the file.
// Every kind writes the bytes the window would write for the same file and
// settings, with the range held within the file as the window's spinners hold it.

#include <optional>
#include <string>

#include "convert/Converters.h"
#include "readers/SourceFile.h"

namespace quorvel {

struct RowRange {
    std::optional<long long> first;  // nothing: the kind's default
    std::optional<long long> last;   // nothing: to the end
};

struct OtherOptions {
    std::optional<int> nameRow, unitRow, memoRow;  // nothing: the primed defaults
    RowRange rows;
    std::optional<int> firstCol, lastCol;
};

struct StreamResult {
    long long lines = 0;  // lines written
    int channels = 0;
};

// Throws IoError (NoChannel when the file has no channel column).
StreamResult ConvertStream(SourceKind kind, ByteSource& source, const std::string& path,
                           const RowRange& rows, Sink& sink);
StreamResult ConvertOther(ByteSource& source, const std::string& path, const OtherOptions& options,
                          Sink& sink);

}  // namespace quorvel
