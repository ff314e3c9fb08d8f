#include "Reference.h"

#include <cstdio>
#include <cstdlib>

namespace quorvel::fuzz {

std::vector<std::string> TextLines(std::string_view bytes, bool withLf) {
    std::vector<std::string> lines;
    std::string current;
    for (char c : bytes) {
        if (c == '\x1a') break;
        if (c == '\r') continue;
        if (c == '\n') {
            if (withLf) current += '\n';
            lines.push_back(current);
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

std::vector<std::string> CommaFields(std::string_view line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

void CheckStandardFile(std::string_view text, int channels, long long lines) {
    FUZZ_CHECK(channels >= 1);
    FUZZ_CHECK(lines >= 4);
    std::string numbering = "1CH";
    for (int k = 2; k <= channels; ++k) {
        numbering += ',';
        numbering += std::to_string(k);
        numbering += "CH";
    }
    long long seen = 0;
    while (!text.empty()) {
        size_t end = text.find("\r\n");
        FUZZ_CHECK(end != std::string_view::npos);
        std::string_view line = text.substr(0, end);
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos);
        long long commas = 0;
        for (char c : line) commas += c == ',';
        FUZZ_CHECK(commas == channels - 1);
        if (seen == 0) FUZZ_CHECK(line == numbering);
        ++seen;
        text.remove_prefix(end + 2);
    }
    FUZZ_CHECK(seen == lines);
}

void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

}  // namespace quorvel::fuzz
