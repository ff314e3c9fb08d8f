// The window's work without the window: the read and conversion handlers the
// buttons call, on the core state, with dialogs that answer at once.
//
//   window_bench base                    start and stop (the base memory)
//   window_bench load txt|csv FILE       load FILE as the window does (50,000 rows at most)
//   window_bench convert txt|csv FILE OUT   load, then convert the proposed range to OUT
//
// Prints the seconds each step took: "load S" and, for convert, "convert S" (until
// the written file is synced) and "commit S" (sync, rename and folder sync).

#include <chrono>
#include <cstdio>
#include <string>

#include "convert/Converters.h"
#include "convert/FileOps.h"
#include "readers/Readers.h"
#include "state/Dialogs.h"
#include "state/MainWindowState.h"

using namespace quorvel;
using Clock = std::chrono::steady_clock;

namespace {

class AnsweringDialogs : public Dialogs {
  public:
    AnsweringDialogs(std::string open, std::string save)
        : open_(std::move(open)), save_(std::move(save)) {}
    std::optional<std::string> OpenFile(SourceKind) override { return open_; }
    std::optional<std::string> SaveFile(const std::string&) override { return save_; }
    void Warning(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "warning: %s: %s\n", caption.c_str(), text.c_str());
        warned = true;
    }
    bool Confirm(const std::string&, const std::string&) override { return true; }
    void PaintLabels() override {}
    bool warned = false;

  private:
    std::string open_;
    std::string save_;
};

// Notes when the first sync starts: everything before it is the conversion.
class TimedOps : public FileOps {
  public:
    int Fsync(int fd) override {
        if (!synced) {
            synced = true;
            syncStart = Clock::now();
        }
        return FileOps::Fsync(fd);
    }
    bool synced = false;
    Clock::time_point syncStart;
};

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

int Usage() {
    std::fputs("usage: window_bench base | load txt|csv FILE | convert txt|csv FILE OUT\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string mode = argv[1];
    if (mode == "base") return 0;
    if (argc < 4 || (mode == "load" && argc != 4) || (mode == "convert" && argc != 5)) {
        return Usage();
    }
    const std::string kind = argv[2];
    if (kind != "txt" && kind != "csv") return Usage();
    const bool txt = kind == "txt";

    MainWindowState state;
    FormCreate(state);
    state.RadioGroup1 = txt ? SourceKind::Txt : SourceKind::Csv;
    AnsweringDialogs dialogs(argv[3], mode == "convert" ? argv[4] : "");

    const Clock::time_point loadStart = Clock::now();
    ReadSelected(state, dialogs);
    const Clock::time_point loadEnd = Clock::now();
    if (state.Label3 != argv[3]) {
        std::fprintf(stderr, "window_bench: %s was not loaded\n", argv[3]);
        return 1;
    }
    std::printf("load %.6f\n", Seconds(loadStart, loadEnd));
    if (mode == "load") return 0;

    TimedOps ops;
    const Clock::time_point convertStart = Clock::now();
    if (txt) {
        TxtToCsvClick(state, dialogs, ops);
    } else {
        CsvToCsvClick(state, dialogs, ops);
    }
    const Clock::time_point convertEnd = Clock::now();
    if (!ops.synced || state.Label6 != "変換・保存しました") {
        std::fprintf(stderr, "window_bench: the conversion did not finish: %s\n",
                     state.Label6.c_str());
        return 1;
    }
    std::printf("convert %.6f\ncommit %.6f\n", Seconds(convertStart, ops.syncStart),
                Seconds(ops.syncStart, convertEnd));
    return 0;
}
