#include "convert/FileOps.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>

#include "convert/Messages.h"
#include "state/Errors.h"

namespace quorvel {

int FileOps::Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t FileOps::Write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }
int FileOps::Fsync(int fd) { return ::fsync(fd); }
int FileOps::Close(int fd) { return ::close(fd); }
int FileOps::Rename(const char* from, const char* to) { return ::rename(from, to); }
int FileOps::Unlink(const char* path) { return ::unlink(path); }
int FileOps::Stat(const char* path, struct stat* st) { return ::stat(path, st); }
int FileOps::Fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }

FileOps& SystemFileOps() {
    static FileOps ops;
    return ops;
}

namespace {

void WriteAll(FileOps& ops, int fd, std::string_view bytes, const std::string& name) {
    while (!bytes.empty()) {
        ssize_t done = ops.Write(fd, bytes.data(), bytes.size());
        if (done < 0) {
            if (errno == EINTR) continue;
            throw IoError(IoStep::Write, name, errno);
        }
        if (done == 0) throw IoError(IoStep::Write, name, EIO);
        bytes.remove_prefix(static_cast<size_t>(done));
    }
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string TempNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    size_t slash = target.find_last_of('/');
    std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    auto tick = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    return folder + "." + name +
           Format(".quorvel-%d-%u-%llx.tmp", static_cast<int>(getpid()), counter++,
                  tick & 0xffffffULL);
}

}  // namespace

void FdSink::Write(std::string_view bytes) { WriteAll(ops_, fd_, bytes, name_); }

AtomicFile::AtomicFile(std::string target, FileOps& ops) : target_(std::move(target)), ops_(ops) {
    struct stat st {};
    bool exists = ops_.Stat(target_.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) throw IoError(IoStep::TargetNotRegular, target_);
    for (int attempt = 0; fd_ < 0; ++attempt) {
        temp_ = TempNameFor(target_);
        fd_ = ops_.Open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt > 100)) {
            int err = errno;
            temp_.clear();
            throw IoError(IoStep::Create, target_, err);
        }
    }
    // A replaced file keeps its permissions.
    if (exists && ops_.Fchmod(fd_, st.st_mode & 07777) != 0) {
        int err = errno;
        Discard();
        throw IoError(IoStep::Create, target_, err);
    }
}

AtomicFile::~AtomicFile() {
    if (!committed_) Discard();
}

void AtomicFile::Discard() {
    if (fd_ >= 0) ops_.Close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ops_.Unlink(temp_.c_str());
    temp_.clear();
}

void AtomicFile::Write(std::string_view bytes) { WriteAll(ops_, fd_, bytes, target_); }

void AtomicFile::Commit() {
    if (ops_.Fsync(fd_) != 0) throw IoError(IoStep::Sync, target_, errno);
    int fd = fd_;
    fd_ = -1;
    if (ops_.Close(fd) != 0) throw IoError(IoStep::Close, target_, errno);
    if (ops_.Rename(temp_.c_str(), target_.c_str()) != 0) {
        throw IoError(IoStep::Rename, target_, errno);
    }
    committed_ = true;
    temp_.clear();
    // Make the rename itself durable. The new file is already in place, so a
    // folder that cannot be synced (some file systems refuse) is no failure.
    std::string folder = FolderOf(target_);
    int dir = ops_.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (dir >= 0) {
        ops_.Fsync(dir);
        ops_.Close(dir);
    }
}

bool SameExistingFile(const std::string& a, const std::string& b, FileOps& ops) {
    struct stat sa {
    }, sb{};
    if (ops.Stat(a.c_str(), &sa) != 0 || ops.Stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace quorvel
