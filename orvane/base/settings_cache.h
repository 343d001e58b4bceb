// The read cache of the settings file: the last file read, kept in memory while it is unchanged.
// Internal to the settings file: not part of the library's interface, and not in the umbrella
// header.
//
//   std::optional<std::string> text = cachedValue(path, "8", "LengthSettings");
//   // the value's text, or nothing when the file, the section or the name is missing
//
// The cache holds one file: its path, its stamp (device, inode, size, mtime and ctime), its text,
// and the answers given for it so far. A get stats the file, and when the stamp is the one read
// it answers from memory: a name asked before from the answers, another by looking through the
// text in memory. Any other stamp (another process's write, a replace by rename, which makes a
// new inode) or another path makes it read the file again.
//
// Choices:
// - A rewrite within one tick of the file system's clock, of the same size, can leave the stamp
//   as it was. So a file read while its ctime was recent is not trusted: the cache answers from
//   memory only once the ctime it read was older than the read's start by a margin, 100 ms when
//   the file's times have a sub-second part and 2 s when they have not (file systems that keep
//   whole or even seconds). A file changed in the margin is read again on every get until it has
//   settled. The ctime cannot be set by anybody, so writers that restore the mtime are seen too.
//   File systems whose times come from another machine's clock rely on the clocks agreeing.
// - At most 1024 answers are kept; then they are forgotten and the next asks fill them anew.
// - Unreadable and missing files are not kept; a set forgets the cached file.
// - One thread at a time, like the rest of the library.
#ifndef ORVANE_BASE_SETTINGS_CACHE_H
#define ORVANE_BASE_SETTINGS_CACHE_H

#include <optional>
#include <string>
#include <string_view>

namespace orvane::settings {

// The value text of `name` in `section` of the file at `path`, from memory when the file is the
// one last read and unchanged, otherwise read afresh (reporting what it cannot read or
// understand). Nothing when the file, the section or the name is missing or unreadable.
std::optional<std::string> cachedValue(const std::string& path, std::string_view section,
                                       std::string_view name);

// Forgets the cached file, so that the next get reads afresh.
void forgetCachedFile();

}  // namespace orvane::settings

#endif
