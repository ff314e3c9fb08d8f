// Saving must never lose data: whatever fails, the target holds either all of
// the new bytes or exactly its old ones, no temporary file is left, and the
// status does not claim success.

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "convert/Converters.h"
#include "convert/FileOps.h"
#include "core/ScriptedDialogs.h"
#include "readers/Readers.h"

namespace quorvel {
namespace {

using namespace testing;  // the helpers of ScriptedDialogs.h

// Makes the Nth file-system call of a save fail with `err`: only that call,
// or that call and every later one.
class FaultyOps : public FileOps {
  public:
    FaultyOps(int failAt, int err, bool fromThenOn)
        : failAt_(failAt), err_(err), fromThenOn_(fromThenOn) {}

    int Open(const char* p, int f, mode_t m) override {
        return Fail() ? -1 : FileOps::Open(p, f, m);
    }
    ssize_t Write(int fd, const void* d, size_t n) override {
        return Fail() ? -1 : FileOps::Write(fd, d, n);
    }
    int Fsync(int fd) override { return Fail() ? -1 : FileOps::Fsync(fd); }
    int Close(int fd) override {
        // A failed close still releases the descriptor, as close(2) does.
        if (Fail()) {
            FileOps::Close(fd);
            return -1;
        }
        return FileOps::Close(fd);
    }
    int Rename(const char* a, const char* b) override {
        return Fail() ? -1 : FileOps::Rename(a, b);
    }
    int Unlink(const char* p) override { return FileOps::Unlink(p); }  // clean-up must work
    int Stat(const char* p, struct stat* st) override { return Fail() ? -1 : FileOps::Stat(p, st); }
    int Fchmod(int fd, mode_t m) override { return Fail() ? -1 : FileOps::Fchmod(fd, m); }

    int calls = 0;

  private:
    bool Fail() {
        ++calls;
        if (calls == failAt_ || (fromThenOn_ && calls > failAt_)) {
            errno = err_;
            return true;
        }
        return false;
    }
    int failAt_;
    int err_;
    bool fromThenOn_;
};

std::string ExpectedOutput() { return "1CH,2CH\r\na,b\r\n,\r\nkg,mm\r\n1,2\r\n"; }

struct FaultCase {
    int err;
    bool fromThenOn;
    bool targetExists;
};

TEST(SaveFaults, EveryFailingCallLeavesTheOldFileOrNone) {
    for (FaultCase c : {FaultCase{ENOSPC, false, true}, FaultCase{ENOSPC, true, true},
                        FaultCase{EIO, false, true}, FaultCase{EIO, true, false},
                        FaultCase{ENOSPC, true, false}}) {
        bool succeeded = false;
        for (int n = 1; !succeeded; ++n) {
            ASSERT_LT(n, 100) << "the save never went through";
            TempDir dir;
            MainWindowState state = StartedState();
            ScriptedDialogs dialogs(&state);
            WriteFile(dir.Path("src.csv"), "t,a,b\n0,1,2\n");
            if (c.targetExists) WriteFile(dir.Path("out.csv"), "old bytes");
            dialogs.SetNextFileName(dir.Path("src.csv"));
            BtnCSVClick(state, dialogs);
            dialogs.SetNextSaveName(dir.Path("out.csv"));
            FaultyOps ops(n, c.err, c.fromThenOn);
            CsvToCsvClick(state, dialogs, ops);

            std::vector<std::string> expectedEntries{"src.csv"};
            if (state.Label6 == "変換・保存しました") {
                succeeded = true;
                EXPECT_TRUE(dialogs.warnings.empty());
                EXPECT_EQ(ReadFile(dir.Path("out.csv")), ExpectedOutput());
                expectedEntries.insert(expectedEntries.begin(), "out.csv");
            } else {
                SCOPED_TRACE("call " + std::to_string(n) + " errno " + std::to_string(c.err));
                ASSERT_EQ(dialogs.warnings.size(), 1u);
                EXPECT_NE(dialogs.warnings[0].first.find(dir.Path("out.csv")), std::string::npos);
                const char* reason = c.err == ENOSPC ? "空き容量" : "入出力エラー";
                EXPECT_NE(dialogs.warnings[0].first.find(reason), std::string::npos)
                    << dialogs.warnings[0].first;
                EXPECT_EQ(state.Label12, "行数/列数");
                EXPECT_NE(state.Label6, "変換中です．．．．．．");
                if (c.targetExists) {
                    EXPECT_EQ(ReadFile(dir.Path("out.csv")), "old bytes");
                    expectedEntries.insert(expectedEntries.begin(), "out.csv");
                }
            }
            EXPECT_EQ(dir.Entries(), expectedEntries) << "no temporary file may be left";
        }
    }
}

struct Refused {
    const char* name;
    std::function<std::string(const TempDir&)> target;
    const char* reason;
};

TEST(SaveFaults, TargetsThatCannotBeWritten) {
    const Refused cases[] = {
        {"MissingFolder", [](const TempDir& d) { return d.Path("no/such/out.csv"); },
         "見つかりません"},
        {"TargetIsAFolder",
         [](const TempDir& d) {
             ::mkdir(d.Path("out.csv").c_str(), 0755);
             return d.Path("out.csv");
         },
         "通常のファイルではありません"},
        {"TargetIsAFifo",
         [](const TempDir& d) {
             ::mkfifo(d.Path("out.csv").c_str(), 0644);
             return d.Path("out.csv");
         },
         "通常のファイルではありません"},
    };
    for (const Refused& c : cases) {
        TempDir dir;
        MainWindowState state = StartedState();
        ScriptedDialogs dialogs(&state);
        WriteFile(dir.Path("src.csv"), "t,a,b\n0,1,2\n");
        dialogs.SetNextFileName(dir.Path("src.csv"));
        BtnCSVClick(state, dialogs);
        std::string target = c.target(dir);
        dialogs.SetNextSaveName(target);
        CsvToCsvClick(state, dialogs);
        ASSERT_EQ(dialogs.warnings.size(), 1u) << c.name;
        EXPECT_NE(dialogs.warnings[0].first.find(target), std::string::npos) << c.name;
        EXPECT_NE(dialogs.warnings[0].first.find(c.reason), std::string::npos)
            << c.name << ": " << dialogs.warnings[0].first;
        EXPECT_EQ(state.Label6, "変換・保存できませんでした") << c.name;
    }
}

// The folder disappears after the name was chosen and before the file is made.
class VanishingFolderDialogs : public ScriptedDialogs {
  public:
    using ScriptedDialogs::ScriptedDialogs;
    std::optional<std::string> SaveFile(const std::string& proposed) override {
        auto answer = ScriptedDialogs::SaveFile(proposed);
        std::filesystem::remove_all(std::filesystem::path(*answer).parent_path());
        return answer;
    }
};

TEST(SaveFaults, AFolderThatVanishesIsReportedNotSaved) {
    TempDir dir;
    MainWindowState state = StartedState();
    VanishingFolderDialogs dialogs(&state);
    WriteFile(dir.Path("src.csv"), "t,a\n0,1\n");
    ::mkdir(dir.Path("out").c_str(), 0755);
    dialogs.SetNextFileName(dir.Path("src.csv"));
    BtnCSVClick(state, dialogs);
    dialogs.SetNextSaveName(dir.Path("out/result.csv"));
    CsvToCsvClick(state, dialogs);
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_NE(dialogs.warnings[0].first.find("見つかりません"), std::string::npos);
    EXPECT_EQ(state.Label6, "変換・保存できませんでした");
}

TEST(SaveFaults, AReplacedFileKeepsItsPermissions) {
    TempDir dir;
    MainWindowState state = StartedState();
    ScriptedDialogs dialogs(&state);
    WriteFile(dir.Path("src.csv"), "t,a\n0,1\n");
    WriteFile(dir.Path("out.csv"), "old");
    ::chmod(dir.Path("out.csv").c_str(), 0640);
    dialogs.SetNextFileName(dir.Path("src.csv"));
    BtnCSVClick(state, dialogs);
    dialogs.SetNextSaveName(dir.Path("out.csv"));
    CsvToCsvClick(state, dialogs);
    struct stat st {};
    ASSERT_EQ(::stat(dir.Path("out.csv").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(state.Label6, "変換・保存しました");
}

// A real file system that fills up: a small tmpfs in a private mount namespace,
// where the machine lets a test make one (root, or a user namespace).
TEST(SaveFaults, ARealFullFileSystemLeavesTheOldFile) {
    TempDir dir;
    const std::string mountPoint = dir.Path("small");
    ::mkdir(mountPoint.c_str(), 0755);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
            ::_exit(77);
        }
        MainWindowState state = StartedState();
        ScriptedDialogs dialogs(&state);
        std::string source = "t,a,b,c\n";
        for (int r = 0; r < 20000; ++r) source += "0,1.2345,2.3456,3.4567\n";
        WriteFile(dir.Path("src.csv"), source);
        const std::string target = mountPoint + "/out.csv";
        WriteFile(target, "old bytes");
        dialogs.SetNextFileName(dir.Path("src.csv"));
        BtnCSVClick(state, dialogs);
        dialogs.SetNextSaveName(target);
        CsvToCsvClick(state, dialogs);
        bool ok = ReadFile(target) == "old bytes" && dialogs.warnings.size() == 1 &&
                  dialogs.warnings[0].first.find("空き容量") != std::string::npos &&
                  state.Label6 != "変換・保存しました" &&
                  std::distance(std::filesystem::directory_iterator(mountPoint),
                                std::filesystem::directory_iterator()) == 1;
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no private mount namespace on this machine";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the full disk lost or misreported data";
}

}  // namespace
}  // namespace quorvel
