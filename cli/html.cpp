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
    "Encodes text for HTML as the library encodes ISO 8859-1 (Latin-1): the blank becomes &nbsp;,\n"
    "and \" & < > and the accented letters (characters 192 to 255 but 208, 215, 240 and 247)\n"
    "become their entities ('<' and '>' as &lt and &gt, without semicolon). Every other Latin-1\n"
    "character is copied unchanged. Several words are joined with blanks.\n"
    "\n"
    "TEXT is UTF-8: each character in Latin-1 is encoded as above ('\xc3\xbc' is byte 252,\n"
    "&uuml;) and shown as UTF-8 when left unencoded; any other character becomes a numeric\n"
    "character reference ('\xe2\x82\xac' is &#8364;). A text that is not valid UTF-8 is rejected\n"
    "with the position of the first faulty byte (from 1), exit code 1. --raw takes and prints\n"
    "the bytes as they are.\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools html 'Tom & Jerry'\n"
    "  Tom&nbsp;&amp;&nbsp;Jerry\n"
    "  $ orvane-tools html '\xc3\xa9 \xe2\x82\xac'\n"
    "  &eacute;&nbsp;&#8364;\n";

// Encodes UTF-8 text: runs of Latin-1 characters through the library, every other character as
// a numeric character reference. False, with `badByte` set, when `utf8` is not valid UTF-8.
bool encodeUtf8(const std::string& utf8, std::string& html, std::size_t& badByte) {
    std::u32string characters;
    if (!decodeUtf8(utf8, characters, badByte)) return false;
    html.clear();
    std::string run;
    const auto flush = [&]() {
        if (run.empty()) return;
        html += latin1ToUtf8(VHTML_EncodeString(run.c_str()).data());
        run.clear();
    };
    for (const char32_t c : characters) {
        if (c <= 0xFF) {
            run += static_cast<char>(static_cast<unsigned char>(c));
        } else {
            flush();
            html += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
        }
    }
    flush();
    return true;
}

int encodeLine(const std::string& text, bool raw, bool lineMode) {
    if (raw) {
        std::printf("%s\n", VHTML_EncodeString(text.c_str()).data());
        return kOk;
    }
    std::string html;
    std::size_t badByte = 0;
    if (!encodeUtf8(text, html, badByte)) {
        if (lineMode) std::printf("rejected at byte %zu\n", badByte);
        std::fprintf(stderr, "orvane-tools html: invalid UTF-8 at byte %zu (use --raw for bytes)\n",
                     badByte);
        return kRejected;
    }
    std::printf("%s\n", html.c_str());
    return kOk;
}

int run(const Args& args) {
    if (args.positional.empty()) return usageError("html", "needs TEXT or '-' (see --help)");
    const bool raw = args.has("--raw");
    if (args.positional.size() == 1 && args.positional[0] == "-") {
        return forEachInputLine(
            [raw](const std::string& line) { return encodeLine(line, raw, true); });
    }
    return encodeLine(joined(args.positional), raw, false);
}

}  // namespace

const Command kHtmlCommand = {
    "html", "encode text for HTML", kUsageText, &run, {{"--raw", false}},
};

}  // namespace cli
