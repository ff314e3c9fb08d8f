#include "text/Mystr.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "text/Palette.h"

namespace quorvel {

int SplitLine(std::string_view line, FieldList& fields) {
    if (line.empty()) return 0;
    if (const void* lf = std::memchr(line.data(), '\n', line.size())) {
        line = line.substr(0, static_cast<const char*>(lf) - line.data());
    }
    fields.clear();
    const char* start = line.data();
    const char* const end = start + line.size();
    const char* p = start;
    // Fields are short (a value is a few bytes), so a call to memchr per comma
    // cost more than the search itself. Instead look at eight bytes at a time:
    // x has a zero byte where the word has a comma, and `commas` gets the top
    // bit of exactly those bytes set; on a little-endian machine its lowest
    // set bit is the first comma. Other machines take the byte loop below.
    if constexpr (std::endian::native == std::endian::little) {
        constexpr uint64_t kCommas = 0x2c2c2c2c2c2c2c2cULL;
        constexpr uint64_t kLow7 = 0x7f7f7f7f7f7f7f7fULL;
        for (; end - p >= 8; p += 8) {
            uint64_t word;
            std::memcpy(&word, p, 8);
            const uint64_t x = word ^ kCommas;
            uint64_t commas = ~(((x & kLow7) + kLow7) | x | kLow7);
            while (commas != 0) {
                const char* comma = p + std::countr_zero(commas) / 8;
                fields.emplace_back(start, static_cast<size_t>(comma - start));
                start = comma + 1;
                commas &= commas - 1;
            }
        }
    }
    for (; p != end; ++p) {
        if (*p == ',') {
            fields.emplace_back(start, static_cast<size_t>(p - start));
            start = p + 1;
        }
    }
    fields.emplace_back(start, static_cast<size_t>(end - start));
    return static_cast<int>(fields.size());
}

void RegisterMyStr() { RegisterComponents("Samples", {"TMyStr"}); }

}  // namespace quorvel
