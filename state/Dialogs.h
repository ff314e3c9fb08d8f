#pragma once
// Everything a reader or converter asks of a person. The program answers with
// real dialogs, the tests with scripted answers.

#include <optional>
#include <string>

#include "state/MainWindowState.h"

namespace quorvel {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The source file to load, from the open dialog of that kind; nothing on cancel.
    virtual std::optional<std::string> OpenFile(SourceKind kind) = 0;
    // The output file, from the save dialog seeded with `proposedName`; the
    // dialog itself asks before it returns an existing file. Nothing on cancel.
    virtual std::optional<std::string> SaveFile(const std::string& proposedName) = 0;
    // The warning box: exclamation icon, one OK button.
    virtual void Warning(const std::string& text, const std::string& caption) = 0;
    // A yes/no question; true for yes.
    virtual bool Confirm(const std::string& text, const std::string& caption) = 0;
    // Paint the status labels now, from the state, before a long piece of work.
    virtual void PaintLabels() = 0;
};

}  // namespace quorvel
