#include "text/Mystr.h"

#include <cstring>

#include "text/Palette.h"

namespace quorvel {

int SplitLine(std::string_view line, FieldList& fields) {
    if (line.empty()) return 0;
    if (const void* lf = std::memchr(line.data(), '\n', line.size())) {
        line = line.substr(0, static_cast<const char*>(lf) - line.data());
    }
    fields.clear();
    const char* p = line.data();
    const char* end = p + line.size();
    for (;;) {
        const void* comma = std::memchr(p, ',', static_cast<size_t>(end - p));
        if (!comma) {
            fields.emplace_back(p, static_cast<size_t>(end - p));
            break;
        }
        const char* c = static_cast<const char*>(comma);
        fields.emplace_back(p, static_cast<size_t>(c - p));
        p = c + 1;
    }
    return static_cast<int>(fields.size());
}

void RegisterMyStr() { RegisterComponents("Samples", {"TMyStr"}); }

}  // namespace quorvel
