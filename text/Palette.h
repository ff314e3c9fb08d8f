#pragma once
// A small component palette: the pages of a form designer and the component
// classes each offers. The program itself never reads it; units register their
// components here so that a designer-like tool (or a test) can list them.

#include <string>
#include <vector>

namespace quorvel {

struct PaletteEntry {
    std::string page;
    std::string className;
};

// Adds the classes to the page; a class already on that page is not added twice.
void RegisterComponents(const std::string& page, const std::vector<std::string>& classNames);

// Every registration so far, in the order it was made.
const std::vector<PaletteEntry>& RegisteredComponents();

}  // namespace quorvel
