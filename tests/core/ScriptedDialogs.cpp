#include "core/ScriptedDialogs.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quorvel::testing {

std::optional<std::string> ScriptedDialogs::OpenFile(SourceKind kind) {
    openedKinds.push_back(kind);
    if (openAnswers.empty()) throw std::logic_error("unexpected open dialog");
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::SaveFile(const std::string& proposedName) {
    proposedNames.push_back(proposedName);
    if (saveAnswers.empty()) throw std::logic_error("unexpected save dialog");
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::Warning(const std::string& text, const std::string& caption) {
    warnings.emplace_back(text, caption);
}

bool ScriptedDialogs::Confirm(const std::string& text, const std::string&) {
    questions.push_back(text);
    if (confirmAnswers.empty()) throw std::logic_error("unexpected question: " + text);
    bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::PaintLabels() {
    if (!state_) return;
    paintedLabel4.push_back(state_->Label4);
    paintedLabel6.push_back(state_->Label6);
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempDir::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

MainWindowState StartedState() {
    MainWindowState state;
    FormCreate(state);
    return state;
}

}  // namespace quorvel::testing
