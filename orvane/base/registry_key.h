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
// unset or empty, and the current folder's .config (the relative path .config/orvane/registry.ini)
// when HOME is unset or empty too. The variables are read when a key is opened; the key keeps that
// path.
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
// and NaN included) reads back bit for bit. Numbers are written and read in the C locale, whatever
// locale the program has chosen.
//
// Every set writes through at once: under an advisory lock on "<file>.lock", held from reading the
// file to replacing it, the new contents go to a temporary file in the same folder, which is
// flushed to disk and renamed over the old file. Two processes setting values at the same time
// lose neither's values, and a writer killed midway leaves the old file or the new one, never a
// truncated one. Missing folders are created. Reads take no lock and never create anything (no
// file, no lock file, no folder). Every get looks at the file's stamp (device, inode, size,
// mtime and ctime to the nanosecond); while that is the stamp of the file last read, it answers
// from memory, otherwise it reads the file again, so it sees what other processes have set.
//
// Choices:
// - A missing file, section or value reads as missing: 0 (0.0) with `found` false. A value whose
//   text is not a number of the asked kind reads as missing too; `getFloatValue` also accepts an
//   integer's text.
// - Integers: any `long` is written; `getIntValue` reads an optional sign and decimal digits whose
//   value fits a `long`, and nothing else ("3.5", "0x10", "12abc" and out-of-range digits read as
//   missing). The library itself stores only 32-bit values.
// - Doubles: `getFloatValue` reads what strtod reads in the C locale ("1e3", "inf", hexadecimal
//   "0x1p4") when the whole text is the number; text beyond the double range reads as infinity or
//   zero. The plain quiet NaN is written "nan" ("-nan" with the sign bit); any other NaN as
//   "nan(0x<its 52 mantissa bits in hex>)", which reads back as exactly that NaN.
// - The `create` flag is kept for the interface's sake and changes nothing: every key can be read,
//   and its section is created by the first set.
// - The subkey is taken up to its first NUL; an empty subkey names the standard key's own section
//   ("8").
// - Lines: blanks (space, tab) around names, values and a whole line are ignored, and so is one
//   '\r' at a line's end (CRLF files read like LF files).
// - Lines the reader cannot parse (neither blank, nor a comment starting with ';' or '#', nor a
//   "[section]", nor "name=value" with a non-empty name) are reported once per process on the dump
//   stream and kept verbatim, in place, when the file is rewritten. The report is one line,
//   "<file>:<line number>: settings line not understood, kept as it is: \"<text>\"", where bytes
//   other than printable ASCII (and '"', '\') show as escapes like \x00 and a text longer than 80
//   bytes is cut with "..."; the same bytes in the same file are reported once, however often the
//   file is read and wherever the line moves. Only the first 10 such lines of a file are shown;
//   after that, a read that finds lines not reported before says how many in one line
//   ("<file>: <count> more settings lines not understood, kept as they are"), so a file of random
//   bytes costs a few lines. Comments and blank lines are kept too. An unreadable file (no permission, a
//   folder, not a regular file) reads as empty, is reported once per reason ("<file>: settings
//   file cannot be read (<reason>); it reads as empty and is not written"), and makes every set
//   fail.
// - Names are compared exactly (case-sensitively), and so are section names. When a name stands
//   twice in a section, or a section twice in the file, the first occurrence is read and the first
//   is replaced by a set (a section's occurrences are searched in file order).
// - A set changes one place only: it replaces the name's line in place (keeping its '\r', if
//   any), or it adds "name=value" after the last non-blank line of the section's first occurrence,
//   or adds the section and the line at the end of the file. Added lines end like the file's first
//   line ("\r\n" or "\n"; "\n" when the file has no line break). Every other byte is kept, except
//   that a last line without a newline gets a '\n' when something is added after it.
// - A set replaces an existing file only when this process may write it: the file must be
//   writable for the effective user and group (what open(2) would allow), and it must have at
//   least one write bit, which holds for root too, so a file of mode 0444 is never replaced. The
//   folder must let the temporary file be made. The rewritten file keeps the old file's
//   permission bits (and its owner, when the writer may give it away); a new file gets 0644. A set
//   through a symbolic link replaces (and locks) the file the link points to, so the link stays.
//   The lock file stays beside the settings file.
// - The one temporary file is "<file>.tmp", made afresh (removed, then created exclusively) only
//   while the lock is held, and renamed over the file. A writer killed midway leaves at most that
//   file, which is never read and which the next set replaces. Temporary files
//   "<file>.new-XXXXXX" (six letters or digits) that earlier versions may have left are removed
//   by the next set.
// - A set fails (returns false) and writes nothing when the name is null or empty, contains '=',
//   '\r' or '\n' or starts with '[', ';', '#' or a blank or ends with a blank, when the subkey
//   contains ']', '\r' or '\n', or when the file cannot be read or written (the old file is then
//   left as it was). A get with such a name or subkey reads as missing.
// - A failed set says why on the dump stream, once per process and cause: "<file>: settings value
//   \"<name>\" of [<section>] not set: <the rule it breaks>" for a refused name or subkey (once per
//   file, section and name), and "<file>: settings file cannot be written (<reason>); the value is
//   not set" when the file cannot be written, once per file and reason. The reason is the
//   system's ("Permission denied"), after what was being done when that was not the file itself
//   ("creating the temporary file registry.ini.tmp: Permission denied"), or "the file is
//   read-only" for a file without any write bit.
// - The read cache holds one file, the last one read (its text and the answers given for it, at
//   most 1024), keyed by its path; a set forgets it. A file changed less than 100 ms before it
//   was read (2 s when its times have no sub-second part) is not answered from memory: a rewrite
//   of the same size within one tick of the file system's clock could leave its stamp unchanged.
//   Such a file is read on every get until it has settled. The ctime, which no writer can set,
//   shows a rewrite that put the mtime back.
// - Like the rest of the library, keys are used from one thread at a time; the read cache is not
//   locked. Allocation failure throws VSYST_OutOfMemory.
#ifndef ORVANE_BASE_REGISTRY_KEY_H
#define ORVANE_BASE_REGISTRY_KEY_H

#include <string>

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"

// The standard keys. The library uses only the application's own settings key.
enum class VSYST_RegistryStandardKey : int {
    ApplicationSettings = 8,
};

// One open key of the settings file: a section whose named values it reads and writes.
class ORVANE_API VSYST_RegistryKey {
public:
    // Opens the standard key itself, or its subkey. Opening reads nothing and creates nothing;
    // it fixes the file path from the environment (see above). `create` changes nothing.
    VSYST_RegistryKey(VSYST_RegistryStandardKey key, bool create);
    VSYST_RegistryKey(VSYST_RegistryStandardKey key, bool create, const V_STRING& subkey);
    ~VSYST_RegistryKey();
    VSYST_RegistryKey(const VSYST_RegistryKey&) = delete;
    VSYST_RegistryKey& operator=(const VSYST_RegistryKey&) = delete;

    // Writes the value to the file at once; false, with the file unchanged, when the name is
    // not allowed or the file cannot be read or written.
    bool setIntValue(const char* name, long value);
    bool setFloatValue(const char* name, double value);
    // Reads the value from the file, or from memory while the file is unchanged; a missing or
    // unreadable value gives 0 with `found` false.
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
