// orvane-tools: the library on the command line. This file only picks the command.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "command.h"
#include "diagnostics.h"
#include "reading_notes.h"
#include "version.h"

namespace {

const cli::Command* const kCommands[] = {
    &cli::kEvalCommand,    &cli::kPointCommand,   &cli::kGrepCommand,   &cli::kHtmlCommand,
    &cli::kSplitCommand,   &cli::kSolveCommand,   &cli::kMatrixCommand, &cli::kRootsCommand,
    &cli::kMinmaxCommand,  &cli::kUnitsCommand,   &cli::kFormatCommand, &cli::kParseCommand,
    &cli::kConvertCommand, &cli::kCurrentCommand, &cli::kPaperCommand,  &cli::kDiagCommand,
    &cli::kDemoCommand,
};

void printProgramHelp(std::FILE* out) {
    std::fprintf(out,
                 "Usage: orvane-tools [--quiet] COMMAND [ARGS...]\n"
                 "       orvane-tools COMMAND --help    (or: orvane-tools help COMMAND)\n"
                 "       orvane-tools --version\n\n"
                 "Commands:\n");
    for (const cli::Command* command : kCommands) {
        std::fprintf(out, "  %-10s %s\n", command->name, command->summary);
    }
    std::fprintf(out,
                 "\nExit codes: 0 done, 1 input rejected, 2 usage or system error.\n"
                 "Diagnostics of the library go to standard error; --quiet silences the notes\n"
                 "on how an entry was read.\n");
}

// Flushes standard output; a write that failed (a full disk, a closed pipe) turns `code` into
// a system error, since the user did not get the answer.
int checkedOutput(const char* command, int code) {
    // std::cout shares stdout's buffer: its flush may be the write that fails and sets errno.
    errno = 0;
    std::cout.flush();
    const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || !std::cout;
    if (!failed) return code;
    const int error = errno;
    std::fprintf(stderr, "orvane-tools %s: cannot write to standard output%s%s\n", command,
                 error != 0 ? ": " : "", error != 0 ? std::strerror(error) : "");
    return cli::kUsage;
}

const cli::Command* findCommand(const std::string& name) {
    for (const cli::Command* command : kCommands) {
        if (name == command->name) return command;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printProgramHelp(stderr);
        return cli::kUsage;
    }
    const std::string name = argv[1];
    if (name == "--version") {
        if (argc > 2) return cli::usageError("--version", "takes no operand");
        std::printf("orvane-tools %s\n", cli::kVersion);
        return checkedOutput("--version", cli::kOk);
    }
    if (name == "--help" || name == "-h" || name == "help") {
        if (argc == 2) {
            printProgramHelp(stdout);
            return checkedOutput("help", cli::kOk);
        }
        const cli::Command* command = findCommand(argv[2]);
        if (command == nullptr || argc > 3) {
            return cli::usageError("help", std::string("no command '") + argv[2] + "'" +
                                               (argc > 3 ? " (one command at a time)" : ""));
        }
        std::fputs(command->usage, stdout);
        return checkedOutput(command->name, cli::kOk);
    }
    // --quiet, which every command takes, may also come before the command's name.
    const bool quietFirst = name == "--quiet" && argc > 2;
    const int at = quietFirst ? 2 : 1;
    const cli::Command* command = findCommand(argv[at]);
    if (command == nullptr) {
        std::fprintf(stderr, "orvane-tools: unknown command '%s'\n\n", argv[at]);
        printProgramHelp(stderr);
        return cli::kUsage;
    }
    cli::Args args;
    args.quiet = quietFirst;
    if (!cli::parseArgs(argc, argv, at + 1, command->options, args, command->name)) {
        return cli::kUsage;
    }
    if (args.help) {
        std::fputs(command->usage, stdout);
        return checkedOutput(command->name, cli::kOk);
    }
    cli::setNotesQuiet(args.quiet);
    int code = cli::kOk;
    {
        // Library lines outside any entry still reach the user with the program's name.
        cli::DiagnosticCapture diagnostics(command->name);
        code = command->run(args);
    }
    return checkedOutput(command->name, code);
}
