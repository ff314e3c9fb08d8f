#pragma once
// Where a reader's bytes come from. Readers take a ByteSource; the path
// overloads only open a file and hand it over.

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes; returns how many (0 at the end). Throws IoError
    // on a read error: an error is never taken for the end of the input.
    virtual size_t Read(char* buffer, size_t size) = 0;
};

// A source file, opened only when it is a regular file: a FIFO would block
// forever, and a directory or a device is no data file. Throws IoError.
class FileSource : public ByteSource {
  public:
    explicit FileSource(const std::string& path);
    // Standard input, whatever it is (the command line reads pipes from it).
    static FileSource StandardInput();
    ~FileSource() override;
    FileSource(FileSource&& other) noexcept;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    FileSource& operator=(FileSource&&) = delete;

    size_t Read(char* buffer, size_t size) override;

  private:
    FileSource(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    int fd_ = -1;
    std::string path_;
};

class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    size_t Read(char* buffer, size_t size) override;

  private:
    std::string_view bytes_;
};

}  // namespace quorvel
