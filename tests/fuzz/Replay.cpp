// Runs every fuzz target over its stored inputs: first the regressions (inputs
// that once found a fault), then the seeds. Without libFuzzer this is how the
// found faults stay fixed in the normal test run.
//
// Usage: fuzz_replay FOLDER   (FOLDER holds seeds/<target>/ and regressions/<target>/)

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Targets.h"

namespace fs = std::filesystem;
using quorvel::fuzz::AllTargets;
using quorvel::fuzz::FindTarget;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) return files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    int problems = 0;

    // A folder whose name matches no target would silently never be replayed.
    for (const char* kind : {"seeds", "regressions"}) {
        if (!fs::is_directory(root / kind)) continue;
        for (const auto& entry : fs::directory_iterator(root / kind)) {
            if (!FindTarget(entry.path().filename().string())) {
                std::fprintf(stderr, "%s names no fuzz target\n", entry.path().c_str());
                ++problems;
            }
        }
    }

    for (const auto& target : AllTargets()) {
        const std::vector<fs::path> seeds = FilesIn(root / "seeds" / target.name);
        if (seeds.empty()) {
            std::fprintf(stderr, "%s has no seeds\n", target.name);
            ++problems;
        }
        std::vector<fs::path> inputs = FilesIn(root / "regressions" / target.name);
        inputs.insert(inputs.end(), seeds.begin(), seeds.end());
        for (const fs::path& input : inputs) {
            // Named first, so that the file that aborts is the last one shown.
            std::fprintf(stderr, "%s %s\n", target.name, input.c_str());
            std::fflush(stderr);
            target.run(ReadAll(input));
        }
        std::printf("%s: %zu inputs\n", target.name, inputs.size());
    }
    return problems == 0 ? 0 : 1;
}
