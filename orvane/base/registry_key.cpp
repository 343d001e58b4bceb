#include "orvane/base/registry_key.h"

#include <fcntl.h>
#include <locale.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include "orvane/base/char_class.h"
#include "orvane/base/dump_stream.h"
#include "orvane/base/exception.h"

namespace {

// ---------------------------------------------------------------------------------------------
// Diagnostics

// Keys of what has been reported; never destroyed, so keys used during shutdown still work.
std::unordered_set<std::string>& reportedKeys() {
    static auto* const keys = new std::unordered_set<std::string>();
    return *keys;
}

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

constexpr std::size_t kShownLineBytes = 80;
constexpr std::size_t kShownPathBytes = 4096;

// ---------------------------------------------------------------------------------------------
// Files

// Owns a file descriptor and closes it.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }

    bool valid() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

enum class FileState { Read, Missing, Unreadable };

// Reads the whole settings file at `path` into `bytes`. A file that does not exist is Missing; one
// that exists but cannot be read (no permission, not a regular file, a read error) is Unreadable
// and reported once under the name `shownPath`. Never creates anything.
FileState readFile(const std::string& path, const std::string& shownPath, std::string& bytes) {
    bytes.clear();
    // O_NONBLOCK: a FIFO at the path must not make a read wait for a writer.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    std::string reason;
    if (!fd.valid()) {
        if (errno == ENOENT || errno == ENOTDIR) return FileState::Missing;
        reason = std::generic_category().message(errno);
    } else {
        struct stat status {};
        if (::fstat(fd.get(), &status) != 0) {
            reason = std::generic_category().message(errno);
        } else if (!S_ISREG(status.st_mode)) {
            reason = S_ISDIR(status.st_mode) ? "it is a folder" : "not a regular file";
        } else {
            std::size_t size = 0;
            bytes.resize(static_cast<std::size_t>(status.st_size) + 4096);
            for (;;) {
                if (size == bytes.size()) bytes.resize(bytes.size() * 2);
                const ssize_t n = ::read(fd.get(), bytes.data() + size, bytes.size() - size);
                if (n > 0) {
                    size += static_cast<std::size_t>(n);
                } else if (n == 0) {
                    bytes.resize(size);
                    return FileState::Read;
                } else if (errno != EINTR) {
                    reason = std::generic_category().message(errno);
                    break;
                }
            }
        }
    }
    bytes.clear();
    reportOnce("unreadable\n" + shownPath, escaped(shownPath, kShownPathBytes) +
                                               ": settings file cannot be read (" + reason +
                                               "); it reads as empty and is not written\n");
    return FileState::Unreadable;
}

// The file that a set replaces: the target of a symbolic link, so that the link stays a link.
std::string writeTarget(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                               &std::free);
        if (real) return real.get();
    }
    return path;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool makeFolders(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(folderOf(path), error);
    return !error;
}

// An exclusive advisory lock on "<path>.lock", held while the returned descriptor lives; invalid
// when the lock file cannot be opened or locked. The lock file stays: removing it would let two
// writers lock different files.
FileDescriptor lockFor(const std::string& path) {
    const std::string lockPath = path + ".lock";
    const int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | flags, 0644);
    // A lock file made by another user may be read-only for us; flock works on any descriptor.
    if (fd < 0) fd = ::open(lockPath.c_str(), O_RDONLY | flags);
    FileDescriptor lock(fd);
    if (!lock.valid()) return lock;
    while (::flock(lock.get(), LOCK_EX) != 0) {
        if (errno != EINTR) return FileDescriptor();
    }
    return lock;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Replaces the file at `path` by `bytes` all at once: a temporary file in the same folder gets the
// bytes and the old file's mode (0644 for a new file) and, when we may give it, its owner; it is
// flushed to disk and renamed over the old file. On failure the temporary file is removed and the
// old file is untouched.
bool replaceFile(const std::string& path, std::string_view bytes) {
    mode_t mode = 0644;
    struct stat status {};
    const bool existed = ::stat(path.c_str(), &status) == 0;
    if (existed) mode = status.st_mode & 07777;

    std::string temporary = path + ".new-XXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (!fd.valid()) return false;
    if (existed && (status.st_uid != ::geteuid() || status.st_gid != ::getegid())) {
        // Only root may give a file away; for anybody else the new file simply stays theirs.
        [[maybe_unused]] const int given = ::fchown(fd.get(), status.st_uid, status.st_gid);
    }
    const bool replaced = writeAll(fd.get(), bytes) && ::fchmod(fd.get(), mode) == 0 &&
                          ::fsync(fd.get()) == 0 && ::close(fd.release()) == 0 &&
                          ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!replaced) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable; some file systems cannot sync a folder, which is harmless.
    const FileDescriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) ::fsync(folder.get());
    return true;
}

// ---------------------------------------------------------------------------------------------
// The settings text: the one reader of the file's lines

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

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && orvane::chars::isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && orvane::chars::isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Sets the kind, and the section or name and value, of a line whose content is `content`.
void classify(std::string_view content, Line& line) {
    const std::string_view text = trimBlanks(content);
    if (text.empty()) {
        line.kind = LineKind::Blank;
    } else if (text.front() == ';' || text.front() == '#') {
        line.kind = LineKind::Comment;
    } else if (text.front() == '[') {
        if (text.size() >= 2 && text.back() == ']') {
            line.kind = LineKind::Section;
            line.section = text.substr(1, text.size() - 2);
        } else {
            line.kind = LineKind::Unparsable;
        }
    } else {
        const std::size_t equals = text.find('=');
        const std::string_view name = equals == std::string_view::npos
                                          ? std::string_view()
                                          : trimBlanks(text.substr(0, equals));
        if (name.empty()) {
            line.kind = LineKind::Unparsable;
        } else {
            line.kind = LineKind::Entry;
            line.name = name;
            line.value = trimBlanks(text.substr(equals + 1));
        }
    }
}

// Where one name stands in a settings text, found in one pass over its lines.
struct Lookup {
    std::optional<Line> entry;       // the first entry of the name in the section
    std::optional<Line> sectionEnd;  // the last non-blank line of the section's first occurrence
    std::string_view lineEnding = "\n";  // that of the first line that has one
};

// Reads every line of `text`, reports each unparsable line once per process (naming the file
// `shownPath`), and finds `name` in `section`. Both reading and setting a value go through here.
Lookup lookUp(std::string_view text, const std::string& shownPath, std::string_view section,
              std::string_view name) {
    Lookup found;
    bool lineEndingKnown = false;
    enum class Occurrence { Before, Inside, After } firstOccurrence = Occurrence::Before;
    std::string_view current;  // the section the lines being read stand in
    std::unordered_map<std::size_t, unsigned long> unparsableSeen;  // by hash of the line

    unsigned long number = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        Line line;
        ++number;
        line.begin = pos;
        const std::size_t newline = text.find('\n', pos);
        line.hasNewline = newline != std::string_view::npos;
        line.contentEnd = line.hasNewline ? newline : text.size();
        line.next = line.hasNewline ? newline + 1 : text.size();
        if (line.contentEnd > line.begin && text[line.contentEnd - 1] == '\r') {
            --line.contentEnd;
            line.hasCarriageReturn = line.hasNewline;
        }
        pos = line.next;
        const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
        classify(content, line);

        if (!lineEndingKnown && line.hasNewline) {
            found.lineEnding = line.hasCarriageReturn ? "\r\n" : "\n";
            lineEndingKnown = true;
        }
        switch (line.kind) {
            case LineKind::Section:
                current = line.section;
                if (firstOccurrence == Occurrence::Inside) firstOccurrence = Occurrence::After;
                if (current == section && firstOccurrence == Occurrence::Before) {
                    firstOccurrence = Occurrence::Inside;
                }
                break;
            case LineKind::Entry:
                line.section = current;
                if (!found.entry && current == section && line.name == name) found.entry = line;
                break;
            case LineKind::Unparsable: {
                const std::size_t hash = std::hash<std::string_view>()(content);
                const unsigned long occurrence = ++unparsableSeen[hash];
                reportOnce("line\n" + shownPath + "\n" + std::to_string(hash) + "\n" +
                               std::to_string(occurrence),
                           escaped(shownPath, kShownPathBytes) + ":" + std::to_string(number) +
                               ": settings line not understood, kept as it is: \"" +
                               escaped(content, kShownLineBytes) + "\"\n");
                break;
            }
            case LineKind::Blank:
            case LineKind::Comment:
                break;
        }
        if (firstOccurrence == Occurrence::Inside && line.kind != LineKind::Blank) {
            found.sectionEnd = line;
        }
    }
    return found;
}

// `text` with `entryLine` set in `section`, as found by `at`: the first entry of the name is
// replaced in place (its line ending kept), or the line is added at the end of the section's first
// occurrence, or the section and the line are added at the end. Every other byte stays; only an
// unterminated last line that gets something after it is given a '\n'.
std::string withEntry(std::string_view text, const Lookup& at, std::string_view section,
                      std::string_view entryLine) {
    std::string out;
    out.reserve(text.size() + section.size() + entryLine.size() + 8);
    if (at.entry) {
        out.append(text.substr(0, at.entry->begin));
        out.append(entryLine);
        out.append(text.substr(at.entry->contentEnd));
    } else if (at.sectionEnd) {
        const Line& last = *at.sectionEnd;
        out.append(text.substr(0, last.next));
        if (!last.hasNewline) out += '\n';
        out.append(entryLine);
        out.append(at.lineEnding);
        out.append(text.substr(last.next));
    } else {
        out.append(text);
        if (!text.empty() && text.back() != '\n') out += '\n';
        out += '[';
        out.append(section);
        out += ']';
        out.append(at.lineEnding);
        out.append(entryLine);
        out.append(at.lineEnding);
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Names and values

bool isValidName(const char* name) {
    if (name == nullptr || *name == '\0') return false;
    const std::string_view text(name);
    if (text.find_first_of("=\r\n") != std::string_view::npos) return false;
    const char first = text.front();
    return first != '[' && first != ';' && first != '#' && !orvane::chars::isBlank(first) &&
           !orvane::chars::isBlank(text.back());
}

// The section of a key is the standard key's number, which has none of these, and the subkey.
bool isValidSection(const std::string& section) {
    return section.find_first_of("]\r\n") == std::string::npos;
}

// The C locale for number texts, whatever locale the program has chosen.
locale_t cLocale() {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (c == static_cast<locale_t>(nullptr)) throw VSYST_OutOfMemory();
    return c;
}

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kExponentBits = std::uint64_t{0x7ff} << 52;
constexpr std::uint64_t kMantissaBits = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 51;

std::string formatLong(long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// 17 significant digits ("%.17g" in the C locale), which bring every finite double back; a NaN
// other than the plain quiet one shows its mantissa bits: "nan(0x1)", "-nan(0x8000000000001)".
std::string formatDouble(double value) {
    if (std::isnan(value)) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        std::string text = (bits & kSignBit) != 0 ? "-nan" : "nan";
        const std::uint64_t mantissa = bits & kMantissaBits;
        if (mantissa != kQuietBit) {
            char digits[16];
            const auto result = std::to_chars(digits, digits + sizeof digits, mantissa, 16);
            text += "(0x";
            text.append(digits, result.ptr);
            text += ')';
        }
        return text;
    }
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

bool parseLong(std::string_view text, long& value) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || !orvane::chars::isDigit(text.front())) return false;
    }
    long parsed = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

// "nan(0x<hex>)", optionally signed, with a mantissa of 1 to 52 bits: that NaN exactly. (The C
// library's own reading of this form always sets the quiet bit.)
bool parseNanWithMantissa(std::string_view text, double& value) {
    std::uint64_t bits = kExponentBits;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (text.front() == '-') bits |= kSignBit;
        text.remove_prefix(1);
    }
    if (text.size() < 8 || text.back() != ')') return false;
    for (std::size_t i = 0; i < 3; ++i) {
        if (orvane::chars::toLower(text[i]) != "nan"[i]) return false;
    }
    if (text[3] != '(' || text[4] != '0' || orvane::chars::toLower(text[5]) != 'x') return false;
    const std::string_view digits = text.substr(6, text.size() - 7);
    std::uint64_t mantissa = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), mantissa, 16);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) return false;
    if (mantissa == 0 || mantissa > kMantissaBits) return false;
    bits |= mantissa;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool parseDouble(std::string_view text, double& value) {
    if (text.empty() || orvane::chars::isSpace(text.front())) return false;
    if (parseNanWithMantissa(text, value)) return true;
    const std::string terminated(text);  // a NUL inside ends the number early and fails below
    char* end = nullptr;
    const double parsed = ::strtod_l(terminated.c_str(), &end, cLocale());
    if (end != terminated.c_str() + terminated.size()) return false;
    value = parsed;  // out of range: infinity or zero, as strtod gives
    return true;
}

// The value text of `name` in `section` of the file at `path`; false when there is none.
bool readValue(const std::string& path, const std::string& section, const char* name,
               std::string& value) {
    if (!isValidName(name) || !isValidSection(section)) return false;
    std::string text;
    if (readFile(path, path, text) != FileState::Read) return false;
    const Lookup at = lookUp(text, path, section, name);
    if (!at.entry) return false;
    value.assign(at.entry->value);
    return true;
}

// Sets `name` to `valueText` in `section` of the file at `path`, under the file's lock from
// reading to replacing. False, with nothing written, when anything fails.
bool storeValue(const std::string& path, const std::string& section, const char* name,
                const std::string& valueText) {
    if (!isValidName(name) || !isValidSection(section)) return false;
    const std::string target = writeTarget(path);
    if (!makeFolders(target)) return false;
    const FileDescriptor lock = lockFor(target);
    if (!lock.valid()) return false;
    std::string text;
    if (readFile(target, path, text) == FileState::Unreadable) return false;
    const Lookup at = lookUp(text, path, section, name);
    return replaceFile(target, withEntry(text, at, section, std::string(name) + "=" + valueText));
}

std::string sectionName(VSYST_RegistryStandardKey key, const char* subkey) {
    std::string name = std::to_string(static_cast<int>(key));
    if (subkey != nullptr && *subkey != '\0') {
        name += '\\';
        name += subkey;
    }
    return name;
}

}  // namespace

VSYST_RegistryKey::VSYST_RegistryKey(VSYST_RegistryStandardKey key, bool /*create*/)
    : m_path(currentFilePath()),
      m_section(orvane::allocating([&] { return sectionName(key, nullptr); })) {}

VSYST_RegistryKey::VSYST_RegistryKey(VSYST_RegistryStandardKey key, bool /*create*/,
                                     const V_STRING& subkey)
    : m_path(currentFilePath()),
      m_section(orvane::allocating([&] { return sectionName(key, subkey.data()); })) {}

VSYST_RegistryKey::~VSYST_RegistryKey() = default;

bool VSYST_RegistryKey::setIntValue(const char* name, long value) {
    return orvane::allocating(
        [&] { return storeValue(m_path, m_section, name, formatLong(value)); });
}

bool VSYST_RegistryKey::setFloatValue(const char* name, double value) {
    return orvane::allocating(
        [&] { return storeValue(m_path, m_section, name, formatDouble(value)); });
}

long VSYST_RegistryKey::getIntValue(const char* name, bool& found) const {
    return orvane::allocating([&] {
        found = false;
        std::string text;
        long value = 0;
        if (readValue(m_path, m_section, name, text) && parseLong(text, value)) found = true;
        return found ? value : 0L;
    });
}

double VSYST_RegistryKey::getFloatValue(const char* name, bool& found) const {
    return orvane::allocating([&] {
        found = false;
        std::string text;
        double value = 0.0;
        if (readValue(m_path, m_section, name, text) && parseDouble(text, value)) found = true;
        return found ? value : 0.0;
    });
}

std::string VSYST_RegistryKey::currentFilePath() {
    return orvane::allocating([] {
        const auto set = [](const char* value) { return value != nullptr && *value != '\0'; };
        const char* explicitPath = std::getenv("ORVANE_REGISTRY");
        if (set(explicitPath)) return std::string(explicitPath);
        std::string folder;
        if (const char* config = std::getenv("XDG_CONFIG_HOME"); set(config)) {
            folder = config;
        } else if (const char* home = std::getenv("HOME"); set(home)) {
            folder = std::string(home) + "/.config";
        } else {
            folder = ".config";
        }
        return folder + "/orvane/registry.ini";
    });
}
