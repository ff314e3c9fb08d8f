#pragma once
// The one error type of the core: what went wrong, with which file, and the
// system's error number where there is one. Front ends turn it into words.

#include <stdexcept>
#include <string>

namespace quorvel {

enum class IoStep {
    Open,              // the source could not be opened
    NotRegular,        // the source is a directory, FIFO or device
    Read,              // reading the source failed
    TooFewLines,       // the source lacks lines its kind needs
    TargetNotRegular,  // the output exists and is no regular file
    SameAsSource,      // the output is the source file under another name
    Create,            // the temporary output file could not be made
    Write,
    Sync,
    Close,
    Rename,     // the finished file could not replace the target
    NoChannel,  // the layout leaves no channel column to write
};

class IoError : public std::runtime_error {
  public:
    IoError(IoStep step, std::string path, int err = 0)
        : std::runtime_error(path), step(step), path(std::move(path)), err(err) {}
    IoStep step;
    std::string path;
    int err;  // errno, or 0
};

}  // namespace quorvel
