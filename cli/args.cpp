// Argument handling shared by every command.
#include <cstdio>
#include <iostream>
#include <string>

#include "command.h"

namespace cli {

namespace {

bool looksLikeNumber(const std::string& arg) {
    return arg.size() >= 2 && arg[0] == '-' && ((arg[1] >= '0' && arg[1] <= '9') || arg[1] == '.');
}

const OptionSpec* findOption(const std::vector<OptionSpec>& accepted, const std::string& name) {
    for (const OptionSpec& option : accepted) {
        if (option.name == name || (!option.alias.empty() && option.alias == name)) return &option;
    }
    return nullptr;
}

// Reads the long option `arg` ("--name" or "--name=VALUE", the value possibly the next
// argument); false after a usage message.
bool parseLong(const std::string& arg, int argc, char** argv, int& i,
               const std::vector<OptionSpec>& accepted, Args& args, const char* command) {
    std::string name = arg;
    std::string value;
    bool inlineValue = false;
    const auto equals = arg.find('=');
    if (equals != std::string::npos) {
        name = arg.substr(0, equals);
        value = arg.substr(equals + 1);
        inlineValue = true;
    }
    const OptionSpec* option = findOption(accepted, name);
    if (option == nullptr) {
        usageError(command, "unknown option '" + name + "' (see --help)");
        return false;
    }
    if (option->takesValue && !inlineValue) {
        if (i + 1 >= argc) {
            usageError(command, "option '" + name + "' needs a value");
            return false;
        }
        value = argv[++i];
    } else if (!option->takesValue && inlineValue) {
        usageError(command, "option '" + name + "' takes no value");
        return false;
    }
    args.options[option->name] = value;
    return true;
}

}  // namespace

std::string Args::value(const std::string& name, const std::string& fallback) const {
    const auto found = options.find(name);
    return found != options.end() ? found->second : fallback;
}

bool parseArgs(int argc, char** argv, int first, const std::vector<OptionSpec>& accepted,
               Args& args, const char* command) {
    bool optionsEnded = false;
    for (int i = first; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-' || looksLikeNumber(arg)) {
            args.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            args.help = true;
            continue;
        }
        if (arg == "--quiet") {
            args.quiet = true;
            continue;
        }
        if (arg.rfind("--", 0) == 0) {
            if (!parseLong(arg, argc, argv, i, accepted, args, command)) return false;
            continue;
        }
        // One-letter options, bundled or not: "-i", "-in", "-ePATTERN", "-ie PATTERN".
        for (std::size_t k = 1; k < arg.size(); ++k) {
            const std::string name = std::string("-") + arg[k];
            if (name == "-h") {
                args.help = true;
                continue;
            }
            const OptionSpec* option = findOption(accepted, name);
            if (option == nullptr) {
                usageError(command, "unknown option '" + name + "' (see --help)");
                return false;
            }
            if (!option->takesValue) {
                args.options[option->name] = "";
                continue;
            }
            if (k + 1 < arg.size()) {
                args.options[option->name] = arg.substr(k + 1);
            } else if (i + 1 < argc) {
                args.options[option->name] = argv[++i];
            } else {
                usageError(command, "option '" + name + "' needs a value");
                return false;
            }
            break;
        }
    }
    return true;
}

int usageError(const char* command, const std::string& message) {
    std::fprintf(stderr, "orvane-tools %s: %s\n", command, message.c_str());
    return kUsage;
}

int forEachInputLine(const std::function<int(const std::string&)>& answer) {
    int worst = kOk;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const int code = answer(line);
        if (code > worst) worst = code;
        // Stop at a failed write: main reports it.
        if (std::fflush(stdout) != 0) return kUsage;
    }
    return worst;
}

void printCaret(std::FILE* out, const std::string& text, long position) {
    long column = position < 1 ? 1 : position;
    const long limit = static_cast<long>(text.size()) + 1;
    if (column > limit) column = limit;
    std::fprintf(out, "  %s\n", text.c_str());
    std::string marker;
    for (long i = 0; i + 1 < column; ++i)
        marker += text[static_cast<std::size_t>(i)] == '\t' ? '\t' : ' ';
    std::fprintf(out, "  %s^\n", marker.c_str());
}

void reportRejected(const char* command, const std::string& text, long position) {
    std::fprintf(stderr, "orvane-tools %s: rejected at character %ld\n", command, position);
    printCaret(stderr, text, position);
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        if (!text.empty()) text += ' ';
        text += word;
    }
    return text;
}

}  // namespace cli
