#pragma once
// The file-system calls a save makes, behind one seam so that tests can make
// any one of them fail, and the atomic output file built on them.

#include <sys/stat.h>
#include <sys/types.h>

#include <string>
#include <string_view>

namespace quorvel {

// Each call returns what the system call of the same name returns and leaves
// the reason in errno.
class FileOps {
  public:
    virtual ~FileOps() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, size_t size);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);
    virtual int Stat(const char* path, struct stat* st);
    virtual int Fchmod(int fd, mode_t mode);
};

FileOps& SystemFileOps();

// Bytes go somewhere; a failure throws IoError.
class Sink {
  public:
    virtual ~Sink() = default;
    virtual void Write(std::string_view bytes) = 0;
};

class StringSink : public Sink {
  public:
    void Write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

// Writes to an already open descriptor (the command line's standard output).
class FdSink : public Sink {
  public:
    FdSink(int fd, std::string name, FileOps& ops = SystemFileOps())
        : fd_(fd), name_(std::move(name)), ops_(ops) {}
    void Write(std::string_view bytes) override;

  private:
    int fd_;
    std::string name_;
    FileOps& ops_;
};

// A file that replaces its target only when all of it is safely on disk:
// bytes go to a temporary file in the target's folder, which is flushed,
// synced, closed and then renamed over the target. Until Commit succeeds the
// target is untouched, and a file that is dropped uncommitted removes its
// temporary file. A target that exists and is not a regular file is refused.
class AtomicFile : public Sink {
  public:
    explicit AtomicFile(std::string target, FileOps& ops = SystemFileOps());
    ~AtomicFile() override;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view bytes) override;
    void Commit();

  private:
    void Discard();

    std::string target_;
    std::string temp_;
    FileOps& ops_;
    int fd_ = -1;
    bool committed_ = false;
};

// True when both paths exist and name the same file (links, "..", spelling).
bool SameExistingFile(const std::string& a, const std::string& b, FileOps& ops = SystemFileOps());

}  // namespace quorvel
