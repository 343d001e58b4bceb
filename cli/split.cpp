// orvane-tools split: list the items of a separated string.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include <orvane/tools.h>

#include "command.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools split SEP [--skip] TEXT\n"
    "       orvane-tools split SEP [--skip] -      (the text from standard input)\n"
    "\n"
    "Lists the items of TEXT separated by the one character SEP, one per line as 'INDEX: ITEM'\n"
    "(indices start at 0). Two separators in a row enclose an empty item; with --skip a run of\n"
    "separators counts as one. A separator at the end of TEXT opens no further item. With '-'\n"
    "the whole of standard input is the text, one final newline dropped; newlines inside it are\n"
    "part of the items.\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools split ';' 'a;;b'\n"
    "  0: a\n"
    "  1: \n"
    "  2: b\n"
    "  $ orvane-tools split ';' --skip 'a;;b'\n"
    "  0: a\n"
    "  1: b\n"
    "  $ printf 'a,b\\n' | orvane-tools split , -\n"
    "  0: a\n"
    "  1: b\n";

int run(const Args& args) {
    if (args.positional.size() != 2) return usageError("split", "needs SEP and TEXT (see --help)");
    const std::string& separator = args.positional[0];
    if (separator.size() != 1) return usageError("split", "SEP must be one character");
    std::string input = args.positional[1];
    if (input == "-") {
        input.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        if (std::cin.bad()) {
            std::fprintf(stderr, "orvane-tools split: cannot read standard input\n");
            return kUsage;
        }
        if (!input.empty() && input.back() == '\n') input.pop_back();
        if (!input.empty() && input.back() == '\r') input.pop_back();
    }
    const V_STRING text(input.c_str(), static_cast<unsigned long>(input.size()));
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
