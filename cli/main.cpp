// orvane-tools: the library on the command line. This file only picks the command.
#include <cstdio>
#include <cstring>
#include <string>

#include "command.h"
#include "version.h"

namespace {

const cli::Command* const kCommands[] = {
    &cli::kEvalCommand,
    &cli::kPointCommand,
    &cli::kGrepCommand,
    &cli::kHtmlCommand,
    &cli::kSplitCommand,
    &cli::kSolveCommand,
    &cli::kMatrixCommand,
    &cli::kRootsCommand,
    &cli::kMinmaxCommand,
    &cli::kUnitsCommand,
    &cli::kFormatCommand,
    &cli::kParseCommand,
    &cli::kConvertCommand,
    &cli::kCurrentCommand,
    &cli::kPaperCommand,
    &cli::kDiagCommand,
    &cli::kDemoCommand,
};

void printProgramHelp(std::FILE* out) {
    std::fprintf(out,
                 "Usage: orvane-tools COMMAND [ARGS...]\n"
                 "       orvane-tools COMMAND --help\n"
                 "       orvane-tools --version\n\n"
                 "Commands:\n");
    for (const cli::Command* command : kCommands) {
        std::fprintf(out, "  %-10s %s\n", command->name, command->summary);
    }
    std::fprintf(out,
                 "\nExit codes: 0 done, 1 input rejected, 2 usage error.\n"
                 "Diagnostics of the library go to standard error.\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printProgramHelp(stderr);
        return cli::kUsage;
    }
    const std::string name = argv[1];
    if (name == "--version") {
        std::printf("orvane-tools %s\n", cli::kVersion);
        return cli::kOk;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        printProgramHelp(stdout);
        return cli::kOk;
    }
    for (const cli::Command* command : kCommands) {
        if (name != command->name) continue;
        cli::Args args;
        if (!cli::parseArgs(argc, argv, 2, command->options, args, command->name)) {
            return cli::kUsage;
        }
        if (args.help) {
            std::fputs(command->usage, stdout);
            return cli::kOk;
        }
        return command->run(args);
    }
    std::fprintf(stderr, "orvane-tools: unknown command '%s'\n\n", name.c_str());
    printProgramHelp(stderr);
    return cli::kUsage;
}
