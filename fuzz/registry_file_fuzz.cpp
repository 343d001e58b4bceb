// Fuzzes the settings-file reader and writer with random file contents.
// Input layout: 1 byte choosing the key, name and kind of the set, 8 bytes of the value to set,
// then the file's bytes. Each run writes the file, reads a few values, sets one, and checks that
// the value reads back exactly, that no other value changed, and that every line of the original
// file is still there, in order, apart from the one line the set may replace.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <orvane/tools.h>

#include "fuzz_support.h"

namespace {

constexpr auto kSettings = VSYST_RegistryStandardKey::ApplicationSettings;
const char* const kSubkeys[] = {"", "PaperSize", "a b"};
const char* const kNames[] = {"A", "LengthSettings", "x y", "FileNewCustomSizeX"};

// A settings file of this process alone, so that parallel fuzzing jobs do not share one. It lives
// in memory (/dev/shm) when the machine has that: every set flushes the file to disk, and a disk
// would make each run many times slower. The folder is removed when the fuzzer exits normally.
class Workspace {
public:
    Workspace() {
        std::error_code error;
        const bool inMemory =
            std::filesystem::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0;
        const std::filesystem::path base =
            inMemory ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
        m_dir = (base / ("orvane-fuzz-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(m_dir);
        m_path = m_dir + "/registry.ini";
        setenv("ORVANE_REGISTRY", m_path.c_str(), 1);
    }
    ~Workspace() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_dir;
    std::string m_path;
};

const std::string& registryPath() {
    static const Workspace workspace;
    return workspace.path();
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            lines.push_back(text);
            break;
        }
        lines.push_back(text.substr(0, newline));
        text.remove_prefix(newline + 1);
    }
    return lines;
}

std::uint64_t bitsOf(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// What a key reads for a name, both ways.
struct Reading {
    bool intFound;
    long intValue;
    bool floatFound;
    std::uint64_t floatBits;
    bool operator==(const Reading& other) const {
        return intFound == other.intFound && intValue == other.intValue &&
               floatFound == other.floatFound && floatBits == other.floatBits;
    }
};

Reading readBoth(const VSYST_RegistryKey& key, const char* name) {
    Reading r{};
    r.intValue = key.getIntValue(name, r.intFound);
    r.floatBits = bitsOf(key.getFloatValue(name, r.floatFound));
    return r;
}

std::vector<Reading> readEverything(const std::vector<std::unique_ptr<VSYST_RegistryKey>>& keys) {
    std::vector<Reading> all;
    for (const auto& key : keys) {
        for (const char* name : kNames)
            all.push_back(readBoth(*key, name));
    }
    return all;
}

// Whether `line`, blanks skipped, is an entry line of `name`: the only kind of old line a set
// may replace.
bool isEntryOf(std::string_view line, std::string_view name) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    if (line.substr(i, name.size()) != name) return false;
    i += name.size();
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    return i < line.size() && line[i] == '=';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    discardDiagnostics();

    if (size < 9) return 0;
    const std::uint8_t selector = data[0];
    std::uint64_t valueBits;
    std::memcpy(&valueBits, data + 1, sizeof valueBits);
    const std::string original(reinterpret_cast<const char*>(data + 9), size - 9);

    const std::string& path = registryPath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << original;
        if (!out) std::abort();
    }

    std::vector<std::unique_ptr<VSYST_RegistryKey>> keys;
    for (const char* subkey : kSubkeys) {
        keys.push_back(std::make_unique<VSYST_RegistryKey>(kSettings, true, subkey));
    }
    const std::vector<Reading> before = readEverything(keys);

    const std::size_t keyIndex = selector % 3;
    const std::size_t nameIndex = (selector / 3) % 4;
    const bool asFloat = (selector / 12) % 2 == 1;
    const bool refusedName = (selector / 24) % 4 == 3;
    VSYST_RegistryKey& key = *keys[keyIndex];
    const char* name = kNames[nameIndex];

    if (refusedName) {
        // A name the file cannot hold: refused, and the file stays byte for byte.
        const std::string bad = std::string(" ") + name;
        if (key.setIntValue(bad.c_str(), 1) || key.setFloatValue("a=b", 1.0)) std::abort();
        if (readAll(path) != original) std::abort();
        return 0;
    }

    double doubleValue;
    std::memcpy(&doubleValue, &valueBits, sizeof doubleValue);
    const long intValue = static_cast<long>(static_cast<std::int64_t>(valueBits));
    const bool stored =
        asFloat ? key.setFloatValue(name, doubleValue) : key.setIntValue(name, intValue);
    if (!stored) std::abort();

    // The value reads back exactly.
    const Reading now = readBoth(key, name);
    if (asFloat) {
        if (!now.floatFound || now.floatBits != valueBits) std::abort();
    } else {
        if (!now.intFound || now.intValue != intValue) std::abort();
    }

    // Every other value reads as before.
    const std::vector<Reading> after = readEverything(keys);
    for (std::size_t k = 0; k < keys.size(); ++k) {
        for (std::size_t n = 0; n < std::size(kNames); ++n) {
            const std::size_t i = k * std::size(kNames) + n;
            const bool sameValue = std::string_view(keys[k]->section()) == key.section() &&
                                   std::string_view(kNames[n]) == name;
            if (!sameValue && !(after[i] == before[i])) std::abort();
        }
    }

    // The old lines are all there, in order: at most one entry line of the name replaced, and at
    // most two lines (a section header and the entry) added. (Setting the value a line already
    // holds may leave the file as it was.)
    const std::string rewritten = readAll(path);
    const std::vector<std::string_view> oldLines = linesOf(original);
    const std::vector<std::string_view> newLines = linesOf(rewritten);
    std::size_t o = 0;
    int replaced = 0;
    int added = 0;
    for (std::size_t n = 0; n < newLines.size(); ++n) {
        if (o < oldLines.size() && newLines[n] == oldLines[o]) {
            ++o;
        } else if (o < oldLines.size() && replaced == 0 && isEntryOf(oldLines[o], name) &&
                   isEntryOf(newLines[n], name)) {
            ++o;
            ++replaced;
        } else {
            ++added;
        }
    }
    if (o != oldLines.size() || added > 2) std::abort();
    return 0;
}
