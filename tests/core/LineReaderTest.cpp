#include <gtest/gtest.h>

#include <cerrno>

#include "readers/LineReader.h"
#include "state/Errors.h"

namespace quorvel {
namespace {

std::vector<std::string> ReadAll(std::string_view bytes, size_t chunk) {
    MemorySource source(bytes);
    LineReader reader(source, chunk);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.Next(line)) lines.emplace_back(line);
    return lines;
}

struct ReaderCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class LineReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(LineReaderTest, ReadsTheLinesWhateverTheChunkSize) {
    for (size_t chunk : {16u, 17u, 64u, 1u << 20}) {
        EXPECT_EQ(ReadAll(GetParam().bytes, chunk), GetParam().lines) << "chunk " << chunk;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineReaderTest,
    ::testing::Values(ReaderCase{"CrLfAndLfGiveTheSameLines", "a,b\r\nc\n", {"a,b\n", "c\n"}},
                      ReaderCase{"CrInsideALineIsDropped", "ab\rcd\n", {"abcd\n"}},
                      ReaderCase{"Byte1AEndsTheInput", "a\nb\x1A\nc\n", {"a\n", "b"}},
                      ReaderCase{"LastLineWithoutLineFeed", "a\nlast", {"a\n", "last"}},
                      ReaderCase{"EmptyLinesAreLines", "\n\r\n", {"\n", "\n"}},
                      ReaderCase{"EmptyInput", "", {}},
                      ReaderCase{"LongLineStaysWhole",
                                 std::string(3000, 'x') + "\n" + "y",
                                 {std::string(3000, 'x') + "\n", "y"}}),
    [](const auto& info) { return std::string(info.param.name); });

class FailingSource : public ByteSource {
  public:
    size_t Read(char* buffer, size_t size) override {
        if (calls_++ == 0) {
            std::string first = "a\nb";
            size_t n = std::min(size, first.size());
            first.copy(buffer, n);
            return n;
        }
        throw IoError(IoStep::Read, "src", EIO);
    }

  private:
    int calls_ = 0;
};

TEST(LineReader, AReadErrorIsNotTheEndOfTheFile) {
    FailingSource source;
    LineReader reader(source, 64);
    std::string_view line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "a\n");
    EXPECT_THROW(reader.Next(line), IoError);
}

}  // namespace
}  // namespace quorvel
