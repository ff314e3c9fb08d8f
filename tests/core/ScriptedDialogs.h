#pragma once
// Dialog stand-ins with scripted answers, and small file helpers for tests.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "state/Dialogs.h"

namespace quorvel::testing {

class ScriptedDialogs : public Dialogs {
  public:
    explicit ScriptedDialogs(const MainWindowState* state = nullptr) : state_(state) {}

    void SetNextFileName(std::optional<std::string> path) {
        openAnswers.push_back(std::move(path));
    }
    void SetNextSaveName(std::optional<std::string> path) {
        saveAnswers.push_back(std::move(path));
    }
    void SetNextAnswer(bool yes) { confirmAnswers.push_back(yes); }

    std::optional<std::string> OpenFile(SourceKind kind) override;
    std::optional<std::string> SaveFile(const std::string& proposedName) override;
    void Warning(const std::string& text, const std::string& caption) override;
    bool Confirm(const std::string& text, const std::string& caption) override;
    void PaintLabels() override;

    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<bool> confirmAnswers;

    std::vector<SourceKind> openedKinds;
    std::vector<std::string> proposedNames;
    std::vector<std::pair<std::string, std::string>> warnings;  // text, caption
    std::vector<std::string> questions;
    std::vector<std::string> paintedLabel4;  // Label4 each time the labels were painted
    std::vector<std::string> paintedLabel6;

  private:
    const MainWindowState* state_;
};

// A fresh folder, removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string Path(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Root() const { return path_; }
    // Names of every entry in the folder, sorted.
    std::vector<std::string> Entries() const;

  private:
    std::filesystem::path path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// A state as the window has it after start-up.
MainWindowState StartedState();

}  // namespace quorvel::testing
