// The diagnostic menu: named groups of diagnostic commands that a tool or a person can run.
//
// A module registers a menu under a group and an item, with one line per command and a callback
// that is told which line was chosen:
//
//   void eventsMenu(VSYST_DumpStream& out, long line) { if (line == 0) out << "dump...\n"; }
//   VSYST_DIManager::add("System", "Events", "Dump all existing events\nTrace ...", &eventsMenu);
//   VSYST_DIManager::run("System", "Events", 0, VSYST_DumpStream::getStdStream());   // true
//
// `orvane-tools diag` lists the registered menus and runs their lines.
//
// Choices: adding under a group and item that already has a menu replaces it. A null group, item,
// menu or callback is refused (`add` returns false). `run` passes any line index to the callback,
// which decides what an index outside its menu means. Entries are listed ordered by group, then
// item, byte by byte.
#ifndef ORVANE_BASE_DI_MANAGER_H
#define ORVANE_BASE_DI_MANAGER_H

#include <vector>

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"

class VSYST_DumpStream;

// One registered menu, as `VSYST_DIManager::entries` lists it.
struct VSYST_DIEntry {
    V_STRING group;               // the group, for example "System"
    V_STRING item;                // the item within the group, for example "Events"
    std::vector<V_STRING> lines;  // the menu split at its newlines
};

// The process-wide table of diagnostic menus, keyed by group and item.
class ORVANE_API VSYST_DIManager {
public:
    // Runs the chosen line (0-based) of a menu, writing its output to `stream`.
    using Callback = void (*)(VSYST_DumpStream& stream, long line);

    // Registers `menu` (lines separated by '\n') under group and item, replacing what was there;
    // false, changing nothing, when an argument is null.
    static bool add(const char* group, const char* item, const char* menu, Callback callback);

    // Calls the callback registered under group and item with the stream and the line index;
    // false when nothing is registered there.
    static bool run(const char* group, const char* item, long line, VSYST_DumpStream& stream);

    // Takes a menu away again; false when there was none.
    static bool remove(const char* group, const char* item);

    // Every registered menu, ordered by group, then item.
    static std::vector<VSYST_DIEntry> entries();
};

#endif
