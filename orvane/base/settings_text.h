// The settings text: the one reader of its lines, and the one way a set edits it. Internal to the
// settings file: not part of the library's interface, and not in the umbrella header.
//
//   std::vector<UnparsedLine> odd;
//   const Lookup at = lookUp(text, "8", "LengthSettings", &odd);
//   if (at.entry) value = at.entry->value;
//   std::string edited = withEntry(text, at, "8", "LengthSettings=3");
//
// A line is blank, a comment (';' or '#' first), a "[section]", a "name=value" with a non-empty
// name, or not understood. Blanks (space, tab) around names, values and whole lines are ignored,
// and so is one '\r' before a line's '\n'. Nothing here reads files or writes diagnostics.
#ifndef ORVANE_BASE_SETTINGS_TEXT_H
#define ORVANE_BASE_SETTINGS_TEXT_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::settings {

enum class LineKind { Blank, Comment, Section, Entry, Unparsable };

// One line of a settings text. Offsets index the text; views point into it.
struct Line {
    std::size_t begin = 0;       // first byte
    std::size_t contentEnd = 0;  // end of the content: a final '\r' and the '\n' excluded
    std::size_t next = 0;        // start of the next line (the text's size after the last line)
    bool hasNewline = false;
    bool hasCarriageReturn = false;  // the content is followed by "\r\n"
    LineKind kind = LineKind::Blank;
    std::string_view section;  // a header's section, or the section an entry stands in
    std::string_view name;
    std::string_view value;
};

// A line that is not understood: its 1-based number and its content, pointing into the text.
struct UnparsedLine {
    unsigned long number;
    std::string_view content;
};

// Where one name stands in a settings text, found in one pass over its lines.
struct Lookup {
    std::optional<Line> entry;       // the first entry of the name in the section
    std::optional<Line> sectionEnd;  // the last non-blank line of the section's first occurrence
    std::string_view lineEnding = "\n";  // that of the first line that has one
};

// Reads every line of `text` and finds `name` in `section` (the first occurrence of each). Lines
// not understood are added to `unparsed` when it is not null.
Lookup lookUp(std::string_view text, std::string_view section, std::string_view name,
              std::vector<UnparsedLine>* unparsed);

// `text` with `entryLine` set in `section`, as found by `at`: the first entry of the name is
// replaced in place (its line ending kept), or the line is added at the end of the section's first
// occurrence, or the section and the line are added at the end. Every other byte stays; only an
// unterminated last line that gets something after it is given a '\n'.
std::string withEntry(std::string_view text, const Lookup& at, std::string_view section,
                      std::string_view entryLine);

}  // namespace orvane::settings

#endif
