// orvane-tools split: list the items of a separated string.
#include <cstdio>
#include <string>

#include <orvane/tools.h>

#include "command.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools split SEP [--skip] TEXT\n"
    "\n"
    "Lists the items of TEXT separated by the one character SEP, one per line as 'INDEX: ITEM'\n"
    "(indices start at 0). Two separators in a row enclose an empty item; with --skip a run of\n"
    "separators counts as one. A separator at the end of TEXT opens no further item.\n"
    "\n"
    "Examples:\n"
    "  orvane-tools split ';' 'a;;b'          '0: a', '1: ', '2: b'\n"
    "  orvane-tools split ';' --skip 'a;;b'   '0: a', '1: b'\n";

int run(const Args& args) {
    if (args.positional.size() != 2) return usageError("split", "needs SEP and TEXT (see --help)");
    const std::string& separator = args.positional[0];
    if (separator.size() != 1) return usageError("split", "SEP must be one character");
    const V_STRING text(args.positional[1].c_str());
    VSTRI_CSSCursor cursor(text, separator[0], args.has("--skip"));
    unsigned long index = 0;
    for (cursor.reset(); cursor.isValid(); cursor.next())
        std::printf("%lu: %s\n", index++, cursor.getString().data());
    return kOk;
}

}  // namespace

const Command kSplitCommand = {
    "split", "list the items of a separated string", kUsageText, &run, {{"--skip", false}},
};

}  // namespace cli
