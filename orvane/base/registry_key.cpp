#include "orvane/base/registry_key.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orvane/base/char_class.h"
#include "orvane/base/exception.h"
#include "orvane/base/settings_cache.h"
#include "orvane/base/settings_file.h"
#include "orvane/base/settings_numbers.h"
#include "orvane/base/settings_report.h"
#include "orvane/base/settings_text.h"

namespace {

using namespace orvane::settings;

// ---------------------------------------------------------------------------------------------
// Names

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

// ---------------------------------------------------------------------------------------------
// Reading and setting

// The value text of `name` in `section` of the file at `path`; false when there is none.
bool readValue(const std::string& path, const std::string& section, const char* name,
               std::string& value) {
    if (!isValidName(name) || !isValidSection(section)) return false;
    std::optional<std::string> text = cachedValue(path, section, name);
    if (!text) return false;
    value = std::move(*text);
    return true;
}

// Sets `name` to `valueText` in `section` of the file at `path`, under the file's lock from
// reading to replacing. False, with nothing written, when anything fails.
bool storeValue(const std::string& path, const std::string& section, const char* name,
                const std::string& valueText) {
    const bool sectionAllowed = isValidSection(section);
    if (!sectionAllowed || !isValidName(name)) {
        reportRefusedName(path, section, name, sectionAllowed);
        return false;
    }
    const std::string target = writeTarget(path);
    WriteFailure failure;
    const auto notWritten = [&] {
        reportNotWritten(path, failure.action, failure.reason);
        return false;
    };
    if (!makeFolders(target, failure)) return notWritten();
    const FileDescriptor lock = lockFor(target, failure);
    if (!lock.valid()) return notWritten();
    std::string text;
    std::string reason;
    const FileState state = readFile(target, text, reason);
    if (state == FileState::Unreadable) {
        reportUnreadable(path, reason);
        return false;
    }
    if (state == FileState::Read && !mayReplace(target, failure)) return notWritten();
    std::vector<UnparsedLine> unparsed;
    const Lookup at = lookUp(text, section, name, &unparsed);
    reportUnparsable(path, unparsed);
    const std::string edited = withEntry(text, at, section, std::string(name) + "=" + valueText);
    if (!replaceFile(target, edited, failure)) return notWritten();
    forgetCachedFile();
    return true;
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
