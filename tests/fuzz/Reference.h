#pragma once
// Plain, slow models of the rules the core implements fast. The fuzz targets
// compare the core with these, so a fault shows as a difference and not only
// as a crash.

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::fuzz {

// The lines of a source by the old text-mode rules: the input ends at the
// first 1A byte, every CR is dropped, a line ends at LF (kept when `withLf`),
// and a last line without LF counts only when a byte is left of it.
std::vector<std::string> TextLines(std::string_view bytes, bool withLf);

// The fields of a line (without its LF), cut at every comma.
std::vector<std::string> CommaFields(std::string_view line);

// Checks that `text` is a well-formed standard data file of `channels`
// channels and `lines` lines: every line ends CR LF, holds no other CR or LF
// and has exactly `channels` fields, and line 1 numbers the channels.
void CheckStandardFile(std::string_view text, int channels, long long lines);

// Prints what failed and aborts, so that libFuzzer and the replay both stop on it.
[[noreturn]] void Fail(const char* what, const char* file, int line);

}  // namespace quorvel::fuzz

#define FUZZ_CHECK(condition)                                                    \
    do {                                                                         \
        if (!(condition)) ::quorvel::fuzz::Fail(#condition, __FILE__, __LINE__); \
    } while (0)
