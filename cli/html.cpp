// orvane-tools html: encode Latin-1 text for HTML.
#include <cstdio>
#include <string>

#include <orvane/tools.h>

#include "command.h"
#include "latin1.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools html [--raw] TEXT\n"
    "       orvane-tools html [--raw] -      (one text per line from standard input)\n"
    "\n"
    "Encodes ISO 8859-1 (Latin-1) text for HTML: the blank becomes &nbsp;, and \" & < > and the\n"
    "accented letters (bytes 192 to 255 but 208, 215, 240 and 247) become their entities ('<'\n"
    "and '>' as &lt and &gt, without semicolon). Every other byte is copied unchanged. Several\n"
    "words are joined with blanks.\n"
    "\n"
    "Text typed on a UTF-8 terminal is read as the Latin-1 characters it spells ('\xc3\xbc' is\n"
    "byte 252, &uuml;), and bytes left unencoded are shown as UTF-8. --raw takes and prints\n"
    "the bytes as they are.\n"
    "\n"
    "Example:\n"
    "  orvane-tools html 'Tom & Jerry'     Tom&nbsp;&amp;&nbsp;Jerry\n";

int encodeLine(const std::string& text, bool raw) {
    if (raw) {
        std::printf("%s\n", VHTML_EncodeString(text.c_str()).data());
    } else {
        const V_STRING encoded = VHTML_EncodeString(latin1FromTerminal(text).c_str());
        std::printf("%s\n", latin1ToUtf8(encoded.data()).c_str());
    }
    return kOk;
}

int run(const Args& args) {
    if (args.positional.empty()) return usageError("html", "needs TEXT or '-' (see --help)");
    const bool raw = args.has("--raw");
    if (args.positional.size() == 1 && args.positional[0] == "-") {
        return forEachInputLine([raw](const std::string& line) { return encodeLine(line, raw); });
    }
    return encodeLine(joined(args.positional), raw);
}

}  // namespace

const Command kHtmlCommand = {
    "html", "encode Latin-1 text for HTML", kUsageText, &run, {{"--raw", false}},
};

}  // namespace cli
