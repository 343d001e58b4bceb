// Persistent settings: the application's registry keys, kept in a human-readable settings file.
//
// A key is opened on a standard key, optionally with a subkey, and reads and writes named values:
//
//   VSYST_RegistryKey key(VSYST_RegistryStandardKey::ApplicationSettings, false);
//   key.setIntValue("LengthSettings", 3);
//   bool found;
//   long n = key.getIntValue("LengthSettings", found);          // 3, found
//
//   VSYST_RegistryKey paper(VSYST_RegistryStandardKey::ApplicationSettings, true, "PaperSize");
//   paper.setFloatValue("FileNewCustomSizeX", 210.0);
//
// Where the file is: the path in the environment variable ORVANE_REGISTRY when it is set and not
// empty, otherwise $XDG_CONFIG_HOME/orvane/registry.ini, with $HOME/.config when XDG_CONFIG_HOME is
// unset or empty. The variables are read when a key is opened; the key keeps that path.
//
// The file is INI-style text, one section per key path, written as the standard key's number and
// the subkey joined by a backslash:
//
//   [8]
//   LengthSettings=3
//   [8\PaperSize]
//   FileNewCustomSizeX=210
//
// Integers are written in decimal, doubles with 17 significant digits, so every double (infinities
// and NaN included) reads back bit for bit.
//
// Every set writes through at once: under an advisory lock on "<file>.lock", held from reading the
// file to replacing it, the new contents go to a temporary file in the same folder, which is
// flushed to disk and renamed over the old file. Two processes setting values at the same time
// lose neither's values, and a writer killed midway leaves the old file or the new one, never a
// truncated one. Missing folders are created. Reads read the file afresh on every call, so they
// see what other processes have set.
//
// Choices:
// - A missing file, section or value reads as missing: 0 (0.0) with `found` false. A value whose
//   text is not a number of the asked kind reads as missing too; `getFloatValue` also accepts an
//   integer's text.
// - The `create` flag is kept for the interface's sake and changes nothing: every key can be read,
//   and its section is created by the first set.
// - Lines the reader cannot parse (neither blank, nor a comment starting with ';' or '#', nor a
//   "[section]", nor "name=value") are reported once per process on the dump stream and kept
//   verbatim, in place, when the file is rewritten. Comments and blank lines are kept too. An
//   unreadable file (no permission, a folder) reads as empty, is reported once, and makes every
//   set fail.
// - Names are compared exactly (case-sensitively). When a name stands twice in a section, or a
//   section twice in the file, the first occurrence is read and the first is replaced by a set.
// - A set fails (returns false) and writes nothing when the name is null or empty, contains '=',
//   '\r' or '\n' or starts with '[', ';' or '#' or a blank, when the subkey contains ']', '\r' or
//   '\n', or when the file cannot be written.
#ifndef ORVANE_BASE_REGISTRY_KEY_H
#define ORVANE_BASE_REGISTRY_KEY_H

#include <string>

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"

// The standard keys. The library uses only the application's own settings key.
enum class VSYST_RegistryStandardKey : int {
    ApplicationSettings = 8,
};

class ORVANE_API VSYST_RegistryKey {
public:
    VSYST_RegistryKey(VSYST_RegistryStandardKey key, bool create);
    VSYST_RegistryKey(VSYST_RegistryStandardKey key, bool create, const V_STRING& subkey);
    ~VSYST_RegistryKey();
    VSYST_RegistryKey(const VSYST_RegistryKey&) = delete;
    VSYST_RegistryKey& operator=(const VSYST_RegistryKey&) = delete;

    bool setIntValue(const char* name, long value);
    bool setFloatValue(const char* name, double value);
    long getIntValue(const char* name, bool& found) const;
    double getFloatValue(const char* name, bool& found) const;

    // The settings file this key reads and writes.
    const std::string& filePath() const { return m_path; }
    // The section name of this key, for example "8\PaperSize".
    const std::string& section() const { return m_section; }

    // The settings file that a key opened now would use.
    static std::string currentFilePath();

private:
    std::string m_path;
    std::string m_section;
};

#endif
