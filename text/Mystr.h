#pragma once
// Cutting one text line into its comma-separated fields, and the non-visual
// component TMyStr that the main window carries.

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The fields of one line, as views into the line that was split. They stay
// valid for as long as the line's bytes do.
using FieldList = std::vector<std::string_view>;

// Splits `line` at every comma up to its first line feed (or its end) and puts
// the fields into `fields`, replacing what it held. Returns the field count:
// the number of commas before the first line feed plus one, and 0 only for a
// line with no byte at all (then `fields` is left as it was).
// Only the comma separates: quotation marks, blanks and tabs are ordinary bytes.
// Works on bytes, so Shift-JIS text is never cut inside a character.
int SplitLine(std::string_view line, FieldList& fields);

// A non-visual component with a name and a tag and nothing else; the main
// window owns one and no operation uses it.
class TMyStr {
  public:
    std::string Name;
    long Tag = 0;
};

// Offers TMyStr on the palette page "Samples".
void RegisterMyStr();

}  // namespace quorvel
