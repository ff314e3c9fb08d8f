// libFuzzer's entry point for the target named by QUORVEL_FUZZ_TARGET.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const quorvel::fuzz::Target* target = [] {
        const quorvel::fuzz::Target* found = quorvel::fuzz::FindTarget(QUORVEL_FUZZ_TARGET);
        if (!found) {
            std::fprintf(stderr, "no fuzz target named %s\n", QUORVEL_FUZZ_TARGET);
            std::abort();
        }
        return found;
    }();
    target->run(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
