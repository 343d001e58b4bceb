// orvane-tools paper: list the paper formats or name the format of a size.
#include <cstdio>
#include <new>
#include <string>

#include <orvane/tools.h>

#include "command.h"
#include "number_input.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools paper           list the paper formats with their sizes\n"
    "       orvane-tools paper X Y       name the format of a size (millimetres)\n"
    "\n"
    "The formats are DIN A0 to DIN A5 and the custom size kept in the settings file. A size\n"
    "matches a format exactly, in either orientation; any other size is the custom size.\n"
    "The command only reads the settings file: naming a size does not change the stored custom\n"
    "size, and a missing settings file is not created. X and Y are positive real numbers,\n"
    "written as expressions ('8.5*25.4'; integer literals are read as floating ones).\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools paper 297 210\n"
    "  DIN A4\n"
    "  $ orvane-tools paper 8.5*25.4 11*25.4\n"
    "  Custom size\n";

std::string number(double value) {
    return V_STRING::formatted("%g", value).str();
}

// The paper-format table, built once and never destroyed: a table writes its custom size to the
// settings file when it is destroyed, and this command only reads (it creates no settings file).
VLOCN_DocFormat& readOnlyTable() {
    alignas(VLOCN_DocFormat) static unsigned char storage[sizeof(VLOCN_DocFormat)];
    static VLOCN_DocFormat& table = *new (storage) VLOCN_DocFormat;
    return table;
}

int list() {
    const VLOCN_DocFormat& formats = readOnlyTable();
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
    if (!readNumber("paper", "X", xText, x) || !readNumber("paper", "Y", yText, y)) {
        return kRejected;
    }
    if (!(x > 0 && y > 0)) {
        std::fprintf(stderr, "orvane-tools paper: a size needs two positive sides, not %s x %s\n",
                     formatNumber(x).c_str(), formatNumber(y).c_str());
        return kRejected;
    }
    // An unknown size becomes the table's custom size, which is never written back.
    std::printf("%s\n", readOnlyTable().getDescOfDocument(x, y).data());
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
