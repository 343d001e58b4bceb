// orvane-tools diag: list the diagnostic menus and run one of their lines.
#include <cstdio>
#include <iostream>
#include <string>

#include <orvane/tools.h>

#include "command.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools diag                      list the diagnostic menus\n"
    "       orvane-tools diag GROUP ITEM LINE...    run lines of one menu, in order\n"
    "\n"
    "Modules of the library register diagnostic menus under a group and an item; each menu has\n"
    "numbered lines. LINE is a line's number (from 0) or its exact text. The output of the lines\n"
    "goes to standard output. Line 0 of System / Events dumps every existing event type.\n"
    "\n"
    "Example:\n"
    "  $ orvane-tools diag System Events 0\n"
    "  VSHSI_EventHandlerMgmt::dump BEGIN\n"
    "  VSHSI_EventHandlerMgmt::dump END\n";

int list() {
    const auto entries = VSYST_DIManager::entries();
    if (entries.empty()) {
        std::printf("No diagnostic menus are registered.\n");
        return kOk;
    }
    for (const VSYST_DIEntry& entry : entries) {
        std::printf("%s / %s\n", entry.group.data(), entry.item.data());
        for (std::size_t i = 0; i < entry.lines.size(); ++i) {
            std::printf("  %zu  %s\n", i, entry.lines[i].data());
        }
    }
    return kOk;
}

// The line number `word` stands for in `entry`: its number or its text; -1 when neither.
long lineOf(const VSYST_DIEntry& entry, const std::string& word) {
    for (std::size_t i = 0; i < entry.lines.size(); ++i) {
        if (word == entry.lines[i].data() || word == std::to_string(i)) return static_cast<long>(i);
    }
    return -1;
}

int run(const Args& args) {
    if (args.positional.empty()) return list();
    if (args.positional.size() < 3) return usageError("diag", "needs GROUP ITEM LINE (see --help)");
    const std::string& group = args.positional[0];
    const std::string& item = args.positional[1];
    for (const VSYST_DIEntry& entry : VSYST_DIManager::entries()) {
        if (!(entry.group == group.c_str() && entry.item == item.c_str())) continue;
        VSYST_DumpStream out(std::cout);
        for (std::size_t i = 2; i < args.positional.size(); ++i) {
            const long line = lineOf(entry, args.positional[i]);
            if (line < 0) {
                std::cout.flush();
                return usageError("diag", "menu " + group + " / " + item + " has no line '" +
                                              args.positional[i] + "' (see 'orvane-tools diag')");
            }
            VSYST_DIManager::run(group.c_str(), item.c_str(), line, out);
        }
        std::cout.flush();
        return kOk;
    }
    return usageError("diag", "no menu " + group + " / " + item + " (see 'orvane-tools diag')");
}

}  // namespace

const Command kDiagCommand = {
    "diag", "list the diagnostic menus or run their lines", kUsageText, &run, {},
};

}  // namespace cli
