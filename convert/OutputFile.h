#pragma once
// The steps every conversion shares: choosing the output file, opening it, and
// finishing it with the status labels.

#include <memory>
#include <optional>
#include <string>

#include "convert/FileOps.h"
#include "state/Dialogs.h"
#include "state/Errors.h"

namespace quorvel {

// The path with ".csv" appended when its file name has no extension (no dot
// after the last folder separator). A name ending in "." keeps it as it is.
std::string WithDefaultExtension(const std::string& path);

// Byte for byte, the ASCII letters A-Z equal to a-z.
bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b);

// Asks for the output file with BasicFileName proposed, shows "変換中です", appends
// ".csv" where needed (asking before a file of that longer name is replaced), and
// refuses the source of the last load, by name or as the same file under another
// path. Nothing when cancelled or refused; the status then says so.
std::optional<std::string> ChooseOutputFile(MainWindowState& state, Dialogs& dialogs,
                                            FileOps& ops = SystemFileOps());

// Shows the path in Label8 and opens the output. Nothing, after a warning,
// when it cannot be opened.
std::unique_ptr<AtomicFile> OpenOutputFile(MainWindowState& state, Dialogs& dialogs,
                                           const std::string& path, FileOps& ops = SystemFileOps());

// Puts the finished file in place and reports it; false, after a warning and
// with the old file untouched, when that fails.
bool FinishOutputFile(MainWindowState& state, Dialogs& dialogs, AtomicFile& file, long long lines,
                      int columns);

// Reports a conversion that failed after the output was opened.
void ReportSaveFailure(MainWindowState& state, Dialogs& dialogs, const IoError& error);

}  // namespace quorvel
