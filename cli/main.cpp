// quorvel-convert: the window's conversions, headless and in batches, without
// the window's row limit.

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "convert/Messages.h"
#include "convert/OutputFile.h"
#include "convert/Stream.h"
#include "readers/Readers.h"

using namespace quorvel;

namespace {

constexpr const char* kUsage =
    "Usage: quorvel-convert [options] INPUT...\n"
    "Converts measurement files into standard data files.\n"
    "\n"
    "  -k, --kind txt|csv|other   source kind (default txt)\n"
    "  -o, --output PATH          output file, only with one INPUT; \"-\" writes to standard "
    "output.\n"
    "                             A name without extension gets \".csv\".\n"
    "                             Default: beside each input, its base name followed by "
    "\"Basic.csv\".\n"
    "      --rows FIRST:LAST      table rows to write as data lines; LAST may be left out for\n"
    "                             \"to the end\". Default: txt 4:, csv 2:, other 1:\n"
    "      --force                replace an existing output file (without it, an existing\n"
    "                             output is refused)\n"
    "  Other kind only:\n"
    "      --name-row N           row of the point names (default 2, 0 none)\n"
    "      --unit-row N           row of the units (default 0: \"mm\" for every channel)\n"
    "      --memo-row N           row of the memo (default 0: empty)\n"
    "      --cols FIRST:LAST      columns of the values (default 1 to the widest line)\n"
    "  -h, --help                 show this help\n"
    "      --version              show the version\n"
    "\n"
    "INPUT \"-\" reads standard input (and, without -o, writes to standard output).\n"
    "Row and column numbers are held within the file, as the window holds them.\n"
    "Exit status: 0 all converted, 1 some input failed, 2 usage error.\n";

struct UsageError {
    std::string message;
};

struct Options {
    SourceKind kind = SourceKind::Txt;
    std::optional<std::string> output;
    RowRange rows;
    bool force = false;
    OtherOptions other;
    bool otherOnly = false;  // an Other-kind option was given
    std::vector<std::string> inputs;
};

long long ParseNumber(const std::string& text, const std::string& option) {
    long long value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') ++begin;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (begin == end || ec != std::errc() || ptr != end) {
        throw UsageError{option + " takes a whole number, not \"" + text + "\""};
    }
    return value;
}

int ToInt(long long value) {
    return static_cast<int>(std::max<long long>(INT32_MIN, std::min<long long>(value, INT32_MAX)));
}

// "FIRST:LAST", "FIRST:" or "FIRST".
std::pair<long long, std::optional<long long>> ParseRange(const std::string& text,
                                                          const std::string& option) {
    size_t colon = text.find(':');
    long long first = ParseNumber(text.substr(0, colon), option);
    std::optional<long long> last;
    if (colon != std::string::npos && colon + 1 < text.size()) {
        last = ParseNumber(text.substr(colon + 1), option);
    }
    return {first, last};
}

Options Parse(int argc, char** argv, bool& helpOrVersion) {
    Options options;
    helpOrVersion = false;
    bool endOfOptions = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (endOfOptions || arg == "-" || arg.empty() || arg[0] != '-') {
            options.inputs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            endOfOptions = true;
            continue;
        }
        std::string value;
        bool hasInlineValue = false;
        if (arg.rfind("--", 0) == 0) {
            size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg.resize(eq);
                hasInlineValue = true;
            }
        }
        auto takeValue = [&]() -> std::string {
            if (hasInlineValue) return value;
            if (i + 1 >= argc) throw UsageError{arg + " needs a value"};
            return argv[++i];
        };
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            helpOrVersion = true;
            return options;
        } else if (arg == "--version") {
            std::puts("quorvel-convert 3.1");
            helpOrVersion = true;
            return options;
        } else if (arg == "-k" || arg == "--kind") {
            std::string kind = takeValue();
            if (kind == "txt")
                options.kind = SourceKind::Txt;
            else if (kind == "csv")
                options.kind = SourceKind::Csv;
            else if (kind == "other")
                options.kind = SourceKind::Other;
            else
                throw UsageError{"unknown kind \"" + kind + "\" (txt, csv or other)"};
        } else if (arg == "-o" || arg == "--output") {
            options.output = takeValue();
        } else if (arg == "--rows") {
            auto [first, last] = ParseRange(takeValue(), arg);
            options.rows.first = first;
            options.rows.last = last;
        } else if (arg == "--force") {
            options.force = true;
        } else if (arg == "--name-row") {
            options.other.nameRow = ToInt(ParseNumber(takeValue(), arg));
            options.otherOnly = true;
        } else if (arg == "--unit-row") {
            options.other.unitRow = ToInt(ParseNumber(takeValue(), arg));
            options.otherOnly = true;
        } else if (arg == "--memo-row") {
            options.other.memoRow = ToInt(ParseNumber(takeValue(), arg));
            options.otherOnly = true;
        } else if (arg == "--cols") {
            auto [first, last] = ParseRange(takeValue(), arg);
            options.other.firstCol = ToInt(first);
            if (last) options.other.lastCol = ToInt(*last);
            options.otherOnly = true;
        } else {
            throw UsageError{"unknown option " + arg};
        }
    }
    if (options.inputs.empty()) throw UsageError{"no INPUT given"};
    if (options.output && options.inputs.size() > 1) {
        throw UsageError{"-o names one output file, but " + std::to_string(options.inputs.size()) +
                         " inputs were given"};
    }
    if (options.otherOnly && options.kind != SourceKind::Other) {
        throw UsageError{"--name-row, --unit-row, --memo-row and --cols need --kind other"};
    }
    int stdinCount = 0;
    for (const auto& input : options.inputs) stdinCount += input == "-";
    if (stdinCount > 1) throw UsageError{"standard input (\"-\") can be read only once"};
    options.other.rows = options.rows;
    return options;
}

std::string DefaultOutputFor(const std::string& input) {
    size_t slash = input.find_last_of('/');
    std::string folder = slash == std::string::npos ? "" : input.substr(0, slash + 1);
    return folder + BasicFileNameFor(input);
}

StreamResult Run(const Options& options, ByteSource& source, const std::string& input, Sink& sink) {
    if (options.kind == SourceKind::Other) return ConvertOther(source, input, options.other, sink);
    return ConvertStream(options.kind, source, input, options.rows, sink);
}

// Converts one input; false after printing why when it fails.
bool ConvertOne(const Options& options, const std::string& input) {
    const bool toStdout = options.output ? *options.output == "-" : input == "-";
    std::string output = toStdout         ? "-"
                         : options.output ? WithDefaultExtension(*options.output)
                                          : DefaultOutputFor(input);
    try {
        std::optional<FileSource> file;
        if (input == "-") {
            file.emplace(FileSource::StandardInput());
        } else {
            file.emplace(input);
        }
        StreamResult result;
        if (toStdout) {
            FdSink sink(1, "standard output");
            result = Run(options, *file, input, sink);
        } else {
            if (input != "-" &&
                (EqualIgnoringAsciiCase(output, input) || SameExistingFile(output, input))) {
                throw IoError(IoStep::SameAsSource, output);
            }
            if (!options.force && ::access(output.c_str(), F_OK) == 0) {
                std::fprintf(stderr,
                             "quorvel-convert: %s: output exists (use --force to replace it)\n",
                             output.c_str());
                return false;
            }
            AtomicFile sink(output);
            result = Run(options, *file, input, sink);
            sink.Commit();
        }
        std::FILE* report = toStdout ? stderr : stdout;
        std::fprintf(report, "%s -> %s: %lld lines, %d channels\n", input.c_str(), output.c_str(),
                     result.lines, result.channels);
        return true;
    } catch (const IoError& error) {
        std::fprintf(stderr, "quorvel-convert: %s\n", EnglishMessage(error).c_str());
        return false;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "quorvel-convert: %s: out of memory\n", input.c_str());
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    bool helpOrVersion = false;
    try {
        options = Parse(argc, argv, helpOrVersion);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "quorvel-convert: %s\nTry 'quorvel-convert --help'.\n",
                     error.message.c_str());
        return 2;
    }
    if (helpOrVersion) return 0;
    bool allConverted = true;
    for (const auto& input : options.inputs) allConverted &= ConvertOne(options, input);
    if (std::fflush(stdout) != 0) return 1;
    return allConverted ? 0 : 1;
}
