// orvane-tools point: evaluate a 2-D or 3-D point entry.
#include <cstdio>
#include <string>
#include <vector>

#include <orvane/tools.h>

#include "command.h"
#include "diagnostics.h"
#include "reading_notes.h"

namespace cli {

namespace {

const char kUsageText[] =
    "Usage: orvane-tools point [--from X,Y[,Z]] TEXT\n"
    "       orvane-tools point [--from X,Y[,Z]] -     (one entry per line from standard input)\n"
    "\n"
    "Evaluates a point entry relative to the point given with --from (default the origin); a\n"
    "--from with three coordinates makes it a 3-D entry.\n"
    "\n"
    "  a,b          add a and b to the current x and y (each an expression; empty adds 0)\n"
    "  xa,yb        absolute coordinates: a letter before a part sets that coordinate\n"
    "  p r,a        polar absolute: radius r, angle a in radians (3-D: p r,a,b)\n"
    "  d r,a        polar relative: adds the offset (r cos a, r sin a) (3-D: d r,a,b)\n"
    "\n"
    "Examples:\n"
    "  $ orvane-tools point --from 10,20 '5,-5'\n"
    "  15.0, 15.0\n"
    "  $ orvane-tools point --from 10,20 'x5,'\n"
    "  5.0, 20.0\n"
    "  $ orvane-tools point --from 10,20 'd 2, 0'\n"
    "  12.0, 20.0\n"
    "  $ orvane-tools point --from 1,2,3 ',,z0'\n"
    "  1.0, 2.0, 0.0\n";

std::string formatted(double value) {
    V_STRING text;
    VSTRI_Toolbox::format(value, text);
    return text.data();
}

struct Point {
    double c[3] = {0, 0, 0};
    bool threeD = false;
};

bool evaluateRaw(const std::string& text, Point& p, evalInfo& info) {
    return p.threeD ? VSTRI_Toolbox::evaluate(text.c_str(), p.c[0], p.c[1], p.c[2], info)
                    : VSTRI_Toolbox::evaluate(text.c_str(), p.c[0], p.c[1], info);
}

// Evaluates a point entry; a diagnostic of the library during it rejects it too.
bool evaluatePoint(const std::string& text, Point& p, evalInfo& info) {
    DiagnosticCapture capture("point");
    const bool ok = evaluateRaw(text, p, info);
    const bool quiet = capture.finish() == 0;
    if (ok && !quiet) info.position = 0;
    return ok && quiet;
}

int pointOne(const std::string& text, Point start, bool lineMode) {
    const Point from = start;
    evalInfo info;
    if (!evaluatePoint(text, start, info)) {
        if (info.position == 0) {
            if (lineMode) std::printf("rejected\n");
            std::fprintf(stderr, "orvane-tools point: '%s' is rejected\n", text.c_str());
            return kRejected;
        }
        if (lineMode) std::printf("rejected at character %ld\n", static_cast<long>(info.position));
        reportRejected("point", text, info.position);
        return kRejected;
    }
    std::string line = formatted(start.c[0]) + ", " + formatted(start.c[1]);
    if (start.threeD) line += ", " + formatted(start.c[2]);
    std::printf("%s\n", line.c_str());
    noteEntry("point", text, [from](const std::string& entry, std::vector<double>& values) {
        Point p = from;
        evalInfo ignored;
        DiagnosticCapture hidden("point", DiagnosticCapture::Lines::hidden);
        const bool ok = evaluateRaw(entry, p, ignored);
        values.assign(p.c, p.c + (p.threeD ? 3 : 2));
        return hidden.finish() == 0 && ok;
    });
    return kOk;
}

int run(const Args& args) {
    Point start;
    if (args.has("--from")) {
        // The start point is itself read as an absolute point entry.
        const std::string from = args.value("--from");
        start.threeD = from.find(',') != from.rfind(',');
        evalInfo info;
        if (!evaluatePoint(from, start, info)) {
            reportRejected("point", from, info.position);
            return usageError("point", "--from needs X,Y or X,Y,Z");
        }
    }
    if (args.positional.empty()) return usageError("point", "needs TEXT or '-' (see --help)");
    if (args.positional.size() == 1 && args.positional[0] == "-") {
        return forEachInputLine(
            [&](const std::string& line) { return pointOne(line, start, true); });
    }
    return pointOne(joined(args.positional), start, false);
}

}  // namespace

const Command kPointCommand = {
    "point", "evaluate a 2-D or 3-D point entry", kUsageText, &run, {{"--from", true}},
};

}  // namespace cli
