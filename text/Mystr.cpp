#include "text/Mystr.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "text/Palette.h"

namespace quorvel {

int SplitLine(std::string_view line, FieldList& fields) {
    if (line.empty()) return 0;
    fields.clear();
    const char* start = line.data();
    const char* end = start + line.size();
    const char* p = start;
#if defined(__SSE2__)
    // Fields are short (a value is a few bytes), so a call to memchr per comma
    // costs more than the search itself. Instead compare sixteen bytes at a
    // time with both a comma and a line feed, and take the commas of each block
    // lowest first, up to the first line feed.
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        unsigned commas = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, comma)));
        const unsigned lineFeeds =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lineFeed)));
        if (lineFeeds != 0) {
            const int stop = std::countr_zero(lineFeeds);
            commas &= (1u << stop) - 1;
            end = p + stop;
        }
        while (commas != 0) {
            const char* at = p + std::countr_zero(commas);
            fields.emplace_back(start, static_cast<size_t>(at - start));
            start = at + 1;
            commas &= commas - 1;
        }
        if (lineFeeds != 0) {
            p = end;
            break;
        }
    }
#endif
    for (; p < end; ++p) {
        if (*p == ',') {
            fields.emplace_back(start, static_cast<size_t>(p - start));
            start = p + 1;
        } else if (*p == '\n') {
            end = p;
        }
    }
    fields.emplace_back(start, static_cast<size_t>(end - start));
    return static_cast<int>(fields.size());
}

void RegisterMyStr() { RegisterComponents("Samples", {"TMyStr"}); }

}  // namespace quorvel
