#include "readers/SourceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "state/Errors.h"

namespace quorvel {

FileSource::FileSource(const std::string& path) : path_(path) {
    // O_NONBLOCK keeps the open itself from waiting on a FIFO with no writer;
    // the type check below then refuses it.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) throw IoError(IoStep::Open, path, errno);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        int err = errno;
        ::close(fd_);
        throw IoError(IoStep::Open, path, err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        throw IoError(IoStep::NotRegular, path, S_ISDIR(st.st_mode) ? EISDIR : 0);
    }
    int flags = ::fcntl(fd_, F_GETFL);
    if (flags >= 0) ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
}

FileSource FileSource::StandardInput() { return FileSource(::dup(0), "-"); }

FileSource::FileSource(FileSource&& other) noexcept
    : fd_(other.fd_), path_(std::move(other.path_)) {
    other.fd_ = -1;
}

FileSource::~FileSource() {
    if (fd_ >= 0) ::close(fd_);
}

size_t FileSource::Read(char* buffer, size_t size) {
    for (;;) {
        ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0) return static_cast<size_t>(got);
        if (errno != EINTR) throw IoError(IoStep::Read, path_, errno);
    }
}

size_t MemorySource::Read(char* buffer, size_t size) {
    size_t n = size < bytes_.size() ? size : bytes_.size();
    std::memcpy(buffer, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return n;
}

}  // namespace quorvel
