#include "readers/LineReader.h"

#include <cstring>

namespace quorvel {

LineReader::LineReader(ByteSource& source, size_t chunkSize)
    : source_(source), buffer_(chunkSize < 16 ? 16 : chunkSize) {}

void LineReader::Fill() {
    // Keep the unfinished line, moved to the front; grow when it fills the buffer.
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    size_t got = source_.Read(buffer_.data() + end_, buffer_.size() - end_);
    if (got == 0) {
        atEnd_ = true;
        return;
    }
    if (const void* eof = std::memchr(buffer_.data() + end_, 0x1A, got)) {
        got = static_cast<size_t>(static_cast<const char*>(eof) - (buffer_.data() + end_));
        atEnd_ = true;
    }
    end_ += got;
}

bool LineReader::Next(std::string_view& line) {
    for (;;) {
        char* start = buffer_.data() + begin_;
        size_t available = end_ - begin_;
        const void* lf = std::memchr(start + scanned_, '\n', available - scanned_);
        size_t length;
        if (lf) {
            length = static_cast<size_t>(static_cast<const char*>(lf) - start) + 1;
        } else if (!atEnd_) {
            scanned_ = available;  // Fill keeps these bytes, moved to the front
            Fill();
            continue;
        } else if (available > 0) {
            length = available;
        } else {
            return false;
        }
        begin_ += length;
        scanned_ = 0;
        // Drop every CR of the line in place; the buffer is ours to rewrite.
        if (char* cr = static_cast<char*>(std::memchr(start, '\r', length))) {
            char* out = cr;
            for (char* in = cr; in != start + length; ++in) {
                if (*in != '\r') *out++ = *in;
            }
            length = static_cast<size_t>(out - start);
        }
        if (length == 0) continue;  // a line of nothing but CRs at the very end
        line = std::string_view(start, length);
        return true;
    }
}

}  // namespace quorvel
