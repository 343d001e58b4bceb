#include "orvane/base/settings_report.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "orvane/base/dump_stream.h"

namespace orvane::settings {
namespace {

constexpr std::size_t kShownLineBytes = 80;
constexpr std::size_t kShownPathBytes = 4096;

// Keys of what has been reported; never destroyed, so keys used during shutdown still work.
std::unordered_set<std::string>& reportedKeys() {
    static auto* const keys = new std::unordered_set<std::string>();
    return *keys;
}

// The lines not understood that have been reported for one file, by a key of their bytes and
// occurrence, and how many of them were shown one by one.
struct FileReports {
    std::unordered_set<std::uint64_t> lines;
    unsigned long shown = 0;
};

// By the file's path as the key was given it; never destroyed, like the keys above.
std::unordered_map<std::string, FileReports>& fileReports() {
    static auto* const files = new std::unordered_map<std::string, FileReports>();
    return *files;
}

// Lines not understood that are shown one by one per file; the rest are counted.
constexpr unsigned long kShownLines = 10;

// Writes `message`, one line, to the dump stream unless `key` has been reported before.
void reportOnce(std::string key, const std::string& message) {
    if (!reportedKeys().insert(std::move(key)).second) return;
    VSYST_DumpStream::getStdStream() << message.c_str();
}

// `text` with every byte that is not printable ASCII, and '"' and '\', written as an escape; at
// most `limit` bytes are shown, "..." marks a cut.
std::string escaped(std::string_view text, std::size_t limit) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 0x0f];
        }
    }
    if (text.size() > limit) out += "...";
    return out;
}

}  // namespace

void reportUnparsable(const std::string& shownPath, const std::vector<UnparsedLine>& lines) {
    if (lines.empty()) return;
    FileReports& file = fileReports()[shownPath];
    std::unordered_map<std::size_t, unsigned long> seen;  // occurrences in this read, by hash
    unsigned long more = 0;
    for (const UnparsedLine& line : lines) {
        const std::size_t hash = std::hash<std::string_view>()(line.content);
        const unsigned long occurrence = ++seen[hash];
        // A collision of two lines' keys only leaves one of them unsaid.
        const std::uint64_t key = hash ^ (occurrence * 0x9e3779b97f4a7c15u);
        if (!file.lines.insert(key).second) continue;
        if (file.shown == kShownLines) {
            ++more;
            continue;
        }
        ++file.shown;
        VSYST_DumpStream::getStdStream()
            << (escaped(shownPath, kShownPathBytes) + ":" + std::to_string(line.number) +
                ": settings line not understood, kept as it is: \"" +
                escaped(line.content, kShownLineBytes) + "\"\n")
                   .c_str();
    }
    if (more == 0) return;
    VSYST_DumpStream::getStdStream()
        << (escaped(shownPath, kShownPathBytes) + ": " + std::to_string(more) +
            (more == 1 ? " more settings line not understood, kept as it is\n"
                       : " more settings lines not understood, kept as they are\n"))
               .c_str();
}

void reportUnreadable(const std::string& shownPath, const std::string& reason) {
    reportOnce("unreadable\n" + shownPath + "\n" + reason,
               escaped(shownPath, kShownPathBytes) + ": settings file cannot be read (" + reason +
                   "); it reads as empty and is not written\n");
}

void reportNotWritten(const std::string& shownPath, const std::string& action,
                      const std::string& reason) {
    const std::string why = action.empty() ? reason : action + ": " + reason;
    reportOnce("unwritten\n" + shownPath + "\n" + why,
               escaped(shownPath, kShownPathBytes) + ": settings file cannot be written (" +
                   escaped(why, kShownPathBytes) + "); the value is not set\n");
}

void reportRefusedName(const std::string& shownPath, const std::string& section, const char* name,
                       bool sectionAllowed) {
    const std::string shownName = name != nullptr ? escaped(name, kShownLineBytes) : "(null)";
    const std::string shownSection = escaped(section, kShownLineBytes);
    const std::string where = escaped(shownPath, kShownPathBytes) + ": settings value \"" +
                              shownName + "\" of [" + shownSection + "] not set: ";
    if (!sectionAllowed) {
        reportOnce("section\n" + shownPath + "\n" + section,
                   where + "a subkey must not contain ']' or a line break\n");
    } else {
        reportOnce((name != nullptr ? "name\n" : "null name\n") + shownPath + "\n" + section +
                       "\n" + (name != nullptr ? name : ""),
                   where +
                       "a name must not be empty, contain '=' or a line break, start with '[', "
                       "';', '#' or a blank, or end with a blank\n");
    }
}

}  // namespace orvane::settings
