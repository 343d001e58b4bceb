// orvane-tools grep: search lines with the library's regular-expression engine.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include <orvane/tools.h>

#include "command.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools grep [-icn] [--all] PATTERN [FILE...]\n"
    "       orvane-tools grep [-icn] [--all] -e PATTERN [FILE...]\n"
    "\n"
    "Prints the lines of each FILE (standard input when none is given, or for '-') in which\n"
    "PATTERN occurs. With more than one file each line starts with its file name.\n"
    "\n"
    "  -i, --ignore-case       ignore case (ASCII letters)\n"
    "  -c, --count             print only the number of matching lines\n"
    "  -n, --line-number       put the line number before each line\n"
    "  -e, --regexp=PATTERN    the pattern, also one that starts with '-'\n"
    "  --all                   after each matching line, list every match in it as\n"
    "                          (position, length) and its text; positions start at 1,\n"
    "                          matches may overlap\n"
    "\n"
    "One-letter options can be bundled ('-in'); a PATTERN that starts with '-' follows -e or\n"
    "'--'. Patterns: . [abc] [a-z] [^a-z] (...) | * + ? \\{m\\} \\{m,\\} \\{m,n\\} ^ $, and\n"
    "\\0101 or \\0x41 for character codes; a backslash before another character stands for it.\n"
    "A line is searched up to a NUL byte in it.\n"
    "\n"
    "Examples:\n"
    "  $ printf 'color\\nnone\\nColour\\n' | orvane-tools grep -in 'colou?r'\n"
    "  1:color\n"
    "  3:Colour\n"
    "  $ printf 'xabyab\\n' | orvane-tools grep --all ab\n"
    "  xabyab\n"
    "    (2, 2) ab\n"
    "    (5, 2) ab\n"
    "\n"
    "Exit codes: 0 a line matched, 1 no line matched, 2 usage or system error: a pattern\n"
    "that does not compile, a file or folder that cannot be read, a failed write.\n";

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

// Searches one named file; `reason` tells why it could not be read (empty when it could).
unsigned long searchFile(const std::string& file, const VSTRI_Grep& grep, const Options& options,
                         std::string& reason) {
    std::error_code ignored;
    // A folder opens as a stream that only fails on reading: name the reason at once.
    if (std::filesystem::is_directory(file, ignored)) {
        reason = "it is a folder";
        return 0;
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        reason = errno != 0 ? std::strerror(errno) : "it cannot be opened";
        return 0;
    }
    const unsigned long matching = searchStream(in, file, grep, options);
    if (in.bad()) reason = "a read failed";
    return matching;
}

int run(const Args& args) {
    const bool patternOption = args.has("-e");
    if (!patternOption && args.positional.empty())
        return usageError("grep", "needs a PATTERN (see --help)");
    Options options;
    options.count = args.has("-c");
    options.numbers = args.has("-n");
    options.all = args.has("--all");
    if (options.count && options.all) return usageError("grep", "-c and --all exclude each other");

    const std::string pattern = patternOption ? args.value("-e") : args.positional[0];
    const VSTRI_Grep grep(pattern.c_str(),
                          args.has("-i") ? VSTRI_Grep::IgnoreCase : VSTRI_Grep::MatchCase);
    if (!grep.isCompiled()) {
        std::fprintf(stderr, "orvane-tools grep: the pattern '%s' does not compile\n",
                     pattern.c_str());
        return kUsage;
    }

    std::vector<std::string> files(args.positional.begin() + (patternOption ? 0 : 1),
                                   args.positional.end());
    if (files.empty()) files.push_back("-");
    options.prefixFiles = files.size() > 1;
    unsigned long total = 0;
    bool unreadable = false;
    for (const std::string& file : files) {
        unsigned long matching = 0;
        if (file == "-") {
            struct stat status {};
            // A folder as standard input reads as empty: say why instead of "no match".
            const bool folder = fstat(STDIN_FILENO, &status) == 0 && S_ISDIR(status.st_mode);
            if (!folder) matching = searchStream(std::cin, "(standard input)", grep, options);
            if (folder || std::cin.bad()) {
                std::fprintf(stderr, "orvane-tools grep: cannot read standard input%s\n",
                             folder ? ": it is a folder" : "");
                unreadable = true;
                continue;
            }
        } else {
            std::string reason;
            matching = searchFile(file, grep, options, reason);
            if (!reason.empty()) {
                std::fprintf(stderr, "orvane-tools grep: cannot read '%s': %s\n", file.c_str(),
                             reason.c_str());
                unreadable = true;
                continue;
            }
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
    {{"-i", false, "--ignore-case"},
     {"-c", false, "--count"},
     {"-n", false, "--line-number"},
     {"-e", true, "--regexp"},
     {"--all", false}},
};

}  // namespace cli
