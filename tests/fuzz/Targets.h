#pragma once
// The fuzz targets: each runs one part of the core on arbitrary bytes and
// aborts when the result breaks a rule. libFuzzer drives them (FuzzMain.cpp),
// and the replay (Replay.cpp) runs them over the stored seeds and regressions.

#include <string_view>
#include <vector>

namespace quorvel::fuzz {

struct Target {
    const char* name;  // also the folder of its seeds and regressions
    void (*run)(std::string_view input);
};

const std::vector<Target>& AllTargets();

// The target of that name, or nullptr.
const Target* FindTarget(std::string_view name);

}  // namespace quorvel::fuzz
