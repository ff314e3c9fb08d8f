#include "convert/OutputFile.h"

#include "convert/Messages.h"

namespace quorvel {

std::string WithDefaultExtension(const std::string& path) {
    size_t slash = path.find_last_of('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (path.find('.', nameStart) != std::string::npos) return path;
    return path + ".csv";
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    for (size_t i = 0; i < a.size(); ++i) {
        if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> ChooseOutputFile(MainWindowState& state, Dialogs& dialogs,
                                            FileOps& ops) {
    std::optional<std::string> chosen = dialogs.SaveFile(state.BasicFileName);
    if (!chosen) return std::nullopt;
    state.Label6 = text::kConverting;
    dialogs.PaintLabels();

    std::string path = WithDefaultExtension(*chosen);
    if (EqualIgnoringAsciiCase(path, state.Label3) || SameExistingFile(path, state.Label3, ops)) {
        dialogs.Warning(text::kSourceRefused, text::kSourceRefusedCaption);
        state.Label6 = text::kNotConverted;
        return std::nullopt;
    }
    if (path != *chosen) {
        // The dialog asked about the name as typed; ask again for the longer one.
        struct stat st {};
        if (ops.Stat(path.c_str(), &st) == 0 &&
            !dialogs.Confirm(path + " は既に存在します。\n置き換えますか？",
                             text::kReplaceCaption)) {
            state.Label6 = text::kCancelled;
            return std::nullopt;
        }
    }
    return path;
}

void ReportSaveFailure(MainWindowState& state, Dialogs& dialogs, const IoError& error) {
    state.Label6 = text::kNotConverted;
    dialogs.Warning(JapaneseMessage(error), text::kSaveErrorCaption);
}

std::unique_ptr<AtomicFile> OpenOutputFile(MainWindowState& state, Dialogs& dialogs,
                                           const std::string& path, FileOps& ops) {
    state.Label8 = path;
    try {
        return std::make_unique<AtomicFile>(path, ops);
    } catch (const IoError& error) {
        ReportSaveFailure(state, dialogs, error);
        return nullptr;
    }
}

bool FinishOutputFile(MainWindowState& state, Dialogs& dialogs, AtomicFile& file, long long lines,
                      int columns) {
    try {
        file.Commit();
    } catch (const IoError& error) {
        ReportSaveFailure(state, dialogs, error);
        return false;
    }
    state.Label6 = text::kConverted;
    state.Label12 = Format("%lld 行/ %d列", lines, columns);
    return true;
}

}  // namespace quorvel
