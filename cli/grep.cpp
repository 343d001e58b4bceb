// orvane-tools grep: search lines with the library's regular-expression engine.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <orvane/tools.h>

#include "command.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools grep [-i] [-c] [-n] [--all] PATTERN [FILE...]\n"
    "\n"
    "Prints the lines of each FILE (standard input when none is given, or for '-') in which\n"
    "PATTERN occurs. With more than one file each line starts with its file name.\n"
    "\n"
    "  -i      ignore case (ASCII letters)\n"
    "  -c      print only the number of matching lines\n"
    "  -n      put the line number before each line\n"
    "  --all   after each matching line, list every match in it as (position, length) and\n"
    "          its text; positions start at 1, matches may overlap\n"
    "\n"
    "Options are given one by one ('-i -n', not '-in'); a PATTERN that starts with '-' follows\n"
    "'--'. Patterns: . [abc] [a-z] [^a-z] (...) | * + ? \\{m\\} \\{m,\\} \\{m,n\\} ^ $, and\n"
    "\\0101 or \\0x41 for character codes; a backslash before another character stands for it.\n"
    "A line is searched up to a NUL byte in it.\n"
    "\n"
    "Examples:\n"
    "  orvane-tools grep -n 'colou?r' notes.txt\n"
    "  printf 'xabyab\\n' | orvane-tools grep --all ab     xabyab, (2, 2) ab, (5, 2) ab\n"
    "\n"
    "Exit codes: 0 a line matched, 1 no line matched or the pattern does not compile,\n"
    "2 usage error or a file that cannot be read.\n";

struct Options {
    bool count = false;
    bool numbers = false;
    bool all = false;
    bool prefixFiles = false;
};

// Searches the lines of one input; returns the number of matching lines.
unsigned long searchStream(std::istream& in, const std::string& name, const VSTRI_Grep& grep,
                           const Options& options) {
    const std::string prefix = options.prefixFiles ? name + ":" : "";
    unsigned long matching = 0;
    unsigned long lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const V_STRING text(line.c_str(), static_cast<unsigned long>(line.size()));
        if (!options.all) {
            if (!grep.match(text, 1, VSTRI_Grep::FirstMatch)) continue;
            ++matching;
            if (options.count) continue;
            std::printf("%s", prefix.c_str());
            if (options.numbers) std::printf("%lu:", lineNumber);
            std::printf("%s\n", text.data());
            continue;
        }
        // Every position may start a match: a list as long as the line holds them all.
        VSTRI_MatchingList list(text.length() + 1);
        list.reinitialize();
        if (!grep.match(text, list, 1, VSTRI_Grep::AllMatches)) continue;
        ++matching;
        std::printf("%s", prefix.c_str());
        if (options.numbers) std::printf("%lu:", lineNumber);
        std::printf("%s\n", text.data());
        for (unsigned long i = 0; i < list.capacity() && list[i]; ++i) {
            const VSTRI_Match& m = list[i];
            const V_STRING matched = text.substr(m.position() - 1, m.length());
            std::printf("  (%lu, %lu) %s\n", m.position(), m.length(), matched.data());
        }
    }
    return matching;
}

int run(const Args& args) {
    if (args.positional.empty()) return usageError("grep", "needs a PATTERN (see --help)");
    Options options;
    options.count = args.has("-c");
    options.numbers = args.has("-n");
    options.all = args.has("--all");
    if (options.count && options.all) return usageError("grep", "-c and --all exclude each other");

    const std::string pattern = args.positional[0];
    const VSTRI_Grep grep(pattern.c_str(),
                          args.has("-i") ? VSTRI_Grep::IgnoreCase : VSTRI_Grep::MatchCase);
    if (!grep.isCompiled()) {
        std::fprintf(stderr, "orvane-tools grep: the pattern '%s' does not compile\n",
                     pattern.c_str());
        return kRejected;
    }

    std::vector<std::string> files(args.positional.begin() + 1, args.positional.end());
    if (files.empty()) files.push_back("-");
    options.prefixFiles = files.size() > 1;
    unsigned long total = 0;
    bool unreadable = false;
    for (const std::string& file : files) {
        unsigned long matching = 0;
        if (file == "-") {
            matching = searchStream(std::cin, "(standard input)", grep, options);
        } else {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "orvane-tools grep: cannot read '%s'\n", file.c_str());
                unreadable = true;
                continue;
            }
            matching = searchStream(in, file, grep, options);
        }
        if (options.count) {
            if (options.prefixFiles) std::printf("%s:", file.c_str());
            std::printf("%lu\n", matching);
        }
        total += matching;
    }
    if (unreadable) return kUsage;
    return total > 0 ? kOk : kRejected;
}

}  // namespace

const Command kGrepCommand = {
    "grep",
    "search lines for a regular expression",
    kUsageText,
    &run,
    {{"-i", false}, {"-c", false}, {"-n", false}, {"--all", false}},
};

}  // namespace cli
