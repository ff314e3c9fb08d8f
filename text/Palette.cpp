#include "text/Palette.h"

#include <algorithm>

namespace quorvel {

namespace {
std::vector<PaletteEntry>& Entries() {
    static std::vector<PaletteEntry> entries;
    return entries;
}
}  // namespace

void RegisterComponents(const std::string& page, const std::vector<std::string>& classNames) {
    auto& entries = Entries();
    for (const auto& name : classNames) {
        bool known = std::any_of(entries.begin(), entries.end(), [&](const PaletteEntry& e) {
            return e.page == page && e.className == name;
        });
        if (!known) entries.push_back({page, name});
    }
}

const std::vector<PaletteEntry>& RegisteredComponents() { return Entries(); }

}  // namespace quorvel
