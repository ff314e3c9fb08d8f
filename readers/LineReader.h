#pragma once
// Reads a byte source line by line with the old text-mode rules applied by
// hand: every CR byte is dropped, a byte 1A ends the input, and a line ends at
// LF or at the end of the input. A line is read whole, whatever its length.

#include <string_view>
#include <vector>

#include "readers/SourceFile.h"

namespace quorvel {

class LineReader {
  public:
    explicit LineReader(ByteSource& source, size_t chunkSize = 1 << 20);

    // The next line, ending with its LF when it has one (a last line may not),
    // CRs removed. The view stays valid until the next call. False at the end.
    bool Next(std::string_view& line);

  private:
    void Fill();

    ByteSource& source_;
    std::vector<char> buffer_;
    size_t begin_ = 0;    // first unread byte
    size_t end_ = 0;      // one past the last byte read
    size_t scanned_ = 0;  // bytes from begin_ already known to hold no LF
    bool atEnd_ = false;
};

}  // namespace quorvel
