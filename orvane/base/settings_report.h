// What the settings file says on the dump stream, each fact once per process. Internal to the
// settings file: not part of the library's interface, and not in the umbrella header.
//
//   reportUnreadable(path, "Permission denied");
//   // "<path>: settings file cannot be read (Permission denied); it reads as empty and is not
//   //  written", the first time only
//
// Every message is one line naming the file as the key was given it. Bytes of a path or a line
// that are not printable ASCII, and '"' and '\', show as escapes like \x00.
#ifndef ORVANE_BASE_SETTINGS_REPORT_H
#define ORVANE_BASE_SETTINGS_REPORT_H

#include <string>
#include <vector>

#include "orvane/base/settings_text.h"

namespace orvane::settings {

// Reports the lines of a file that are not understood. The same bytes in the same file are
// reported once, however often the file is read and wherever the line moves (a line that stands
// twice is two facts). The first 10 lines of a file are shown one by one, "<file>:<line number>:
// settings line not understood, kept as it is: \"<text>\"" with at most 80 bytes of the text;
// after that, each read that finds lines not reported before says how many in one line, "<file>:
// <count> more settings lines not understood, kept as they are".
void reportUnparsable(const std::string& shownPath, const std::vector<UnparsedLine>& lines);

// Reports a file that exists but cannot be read, once per file and reason.
void reportUnreadable(const std::string& shownPath, const std::string& reason);

// Reports a set that could not write the file, once per file, action and reason: "<file>:
// settings file cannot be written (<action>: <reason>); the value is not set", without "<action>:
// " when the action is empty.
void reportNotWritten(const std::string& shownPath, const std::string& action,
                      const std::string& reason);

// Reports a set refused because the file cannot hold its name or its key's subkey, once per file,
// section and name.
void reportRefusedName(const std::string& shownPath, const std::string& section, const char* name,
                       bool sectionAllowed);

}  // namespace orvane::settings

#endif
