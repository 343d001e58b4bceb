// The commands of orvane-tools and the argument handling they share.
//
// Each command lives in its own file as one `Command` with its help text beside it; main.cpp
// picks the command by name, runs it under one capture of the library's diagnostics and checks
// standard output after it.
//
// Exit codes, one table for every command (the man page lists it too):
//   0  done; for grep, a line matched
//   1  input rejected: an entry the library refuses, or accepts only with a diagnostic; a setting
//      that could not be saved; for grep, no line matched
//   2  usage or system error: a wrong command line, a file or folder that cannot be read, a
//      failed write to standard output, a grep pattern that does not compile
#ifndef ORVANE_CLI_COMMAND_H
#define ORVANE_CLI_COMMAND_H

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace cli {

constexpr int kOk = 0;
constexpr int kRejected = 1;
constexpr int kUsage = 2;  // usage or system error

// An option a command accepts: "--name" alone, or "--name VALUE" / "--name=VALUE". A one-letter
// option "-x" bundles with others ("-in" is "-i -n") and takes its value attached ("-ePAT") or
// as the next argument. `alias` is a second name for it ("--ignore-case" for "-i"); the option
// is stored under `name` whichever was given.
struct OptionSpec {
    std::string name;
    bool takesValue;
    std::string alias = std::string();
};

// A command line after option parsing.
struct Args {
    std::map<std::string, std::string> options;  // options given, with their values ("" for flags)
    std::vector<std::string> positional;
    bool help = false;   // -h or --help was given
    bool quiet = false;  // --quiet: no reading notes

    bool has(const std::string& name) const { return options.count(name) != 0; }
    std::string value(const std::string& name, const std::string& fallback = "") const;
};

struct Command {
    const char* name;
    const char* summary;  // one line for the program's help
    const char* usage;    // the command's --help text
    int (*run)(const Args& args);
    std::vector<OptionSpec> options;
};

// Parses argv[first..] against the `accepted` options. Arguments that look like negative numbers
// ("-5", "-.5") and "-" stay positional; "--" ends the options; -h, --help and --quiet are
// accepted by every command. On an unknown option or a missing
// value it writes a diagnostic to standard error and returns false.
bool parseArgs(int argc, char** argv, int first, const std::vector<OptionSpec>& accepted,
               Args& args, const char* command);

// Writes "orvane-tools <command>: <message>" to standard error and returns kUsage.
int usageError(const char* command, const std::string& message);

// Reads the lines of standard input one by one, calling `answer` for each; returns the worst exit
// code of the lines (0, or 1 when any line was rejected).
int forEachInputLine(const std::function<int(const std::string&)>& answer);

// Prints `text` and, beneath it, a caret under the character at the 1-based `position` (the last
// character read when a rejected entry stopped; past the end for a text that ended too early).
void printCaret(std::FILE* out, const std::string& text, long position);

// Reports a rejected entry on standard error: "orvane-tools <command>: rejected at character N"
// and the text with its caret.
void reportRejected(const char* command, const std::string& text, long position);

// Joins the positional arguments with blanks, so that `eval 3 + 4` reads as "3 + 4".
std::string joined(const std::vector<std::string>& words);

// The commands.
extern const Command kEvalCommand;
extern const Command kPointCommand;
extern const Command kDiagCommand;
extern const Command kSolveCommand;
extern const Command kMatrixCommand;
extern const Command kRootsCommand;
extern const Command kMinmaxCommand;
extern const Command kUnitsCommand;
extern const Command kFormatCommand;
extern const Command kParseCommand;
extern const Command kConvertCommand;
extern const Command kPaperCommand;
extern const Command kCurrentCommand;
extern const Command kGrepCommand;
extern const Command kHtmlCommand;
extern const Command kSplitCommand;
extern const Command kDemoCommand;

}  // namespace cli

#endif
