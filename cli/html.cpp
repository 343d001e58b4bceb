// orvane-tools html: encode Latin-1 text for HTML.
#include <cstdio>
#include <string>

#include <orvane/tools.h>

#include "command.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools html TEXT\n"
    "       orvane-tools html -      (one text per line from standard input)\n"
    "\n"
    "Encodes ISO 8859-1 (Latin-1) text for HTML: the blank becomes &nbsp;, and \" & < > and the\n"
    "accented letters (bytes 192 to 255 but 208, 215, 240 and 247) become their entities ('<'\n"
    "and '>' as &lt and &gt, without semicolon). Every other byte is copied unchanged. Several\n"
    "words are joined with blanks.\n"
    "\n"
    "Example:\n"
    "  orvane-tools html 'Tom & Jerry'     Tom&nbsp;&amp;&nbsp;Jerry\n";

int encodeLine(const std::string& text) {
    std::printf("%s\n", VHTML_EncodeString(text.c_str()).data());
    return kOk;
}

int run(const Args& args) {
    if (args.positional.empty()) return usageError("html", "needs TEXT or '-' (see --help)");
    if (args.positional.size() == 1 && args.positional[0] == "-")
        return forEachInputLine(encodeLine);
    return encodeLine(joined(args.positional));
}

}  // namespace

const Command kHtmlCommand = {"html", "encode Latin-1 text for HTML", kUsageText, &run, {}};

}  // namespace cli
