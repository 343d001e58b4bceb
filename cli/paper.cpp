// orvane-tools paper: list the paper formats or name the format of a size.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <orvane/tools.h>

#include "command.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools paper           list the paper formats with their sizes\n"
    "       orvane-tools paper X Y       name the format of a size (millimetres)\n"
    "\n"
    "The formats are DIN A0 to DIN A5 and the custom size kept in the settings file. A size\n"
    "matches a format exactly, in either orientation; any other size is the custom size.\n"
    "Naming a size does not change the stored custom size.\n"
    "\n"
    "Examples:\n"
    "  orvane-tools paper 297 210         DIN A4\n"
    "  orvane-tools paper 100 100         Custom size\n";

bool readSide(const std::string& text, double& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end != nullptr && *end == '\0' && errno != ERANGE;
}

std::string number(double value) {
    return V_STRING::formatted("%g", value).str();
}

int list() {
    const VLOCN_DocFormat formats;
    const V_Array<V_STRING> names = formats.getDocFormatsDescriptions();
    for (unsigned long i = 0; i < names.cardinality(); ++i) {
        const VLOCN_DocFormat::DocFormatInfo& info =
            formats.getDocFormatInfo(static_cast<VLOCN_DocFormat::VLOCN_DocFormatType>(i));
        std::printf("%-12s %s x %s mm\n", names[i].data(), number(info.size.x).c_str(),
                    number(info.size.y).c_str());
    }
    return kOk;
}

int name(const std::string& xText, const std::string& yText) {
    double x = 0, y = 0;
    if (!readSide(xText, x) || !readSide(yText, y)) {
        std::fprintf(stderr, "orvane-tools paper: '%s %s' is not a size in millimetres\n",
                     xText.c_str(), yText.c_str());
        return kRejected;
    }
    VLOCN_DocFormat formats;
    const VLOCN_DocSize stored = formats.getDocFormatInfo(VLOCN_DocFormat::CUSTOM_SIZE).size;
    std::printf("%s\n", formats.getDescOfDocument(x, y).data());
    // An unknown size became the custom size; a question should not change the settings.
    formats.setCustomSize(stored);
    return kOk;
}

int run(const Args& args) {
    if (args.positional.empty()) return list();
    if (args.positional.size() == 2) return name(args.positional[0], args.positional[1]);
    return usageError("paper", "needs no arguments or X Y (see --help)");
}

}  // namespace

const Command kPaperCommand = {
    "paper", "list paper formats or name the format of a size", kUsageText, &run, {}};

}  // namespace cli
