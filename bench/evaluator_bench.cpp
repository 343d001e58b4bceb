// The expression evaluator next to strtod and muparser.
#include <muParser.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "orvane/tools.h"
#include "support/bench_support.h"

namespace {

using orvane::bench::add;

// A plain number, the most common entry of all.
const bool plainNumber = [] {
    add("eval_number", "1", "ours", [](benchmark::State& state) {
        const V_STRING text("1234.5");
        double value = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(VSTRI_Toolbox::evaluate(text, value));
            benchmark::DoNotOptimize(value);
        }
    });
    add("eval_number", "1", "strtod", [](benchmark::State& state) {
        const std::string text("1234.5");
        for (auto _ : state) {
            char* end = nullptr;
            double value = std::strtod(text.c_str(), &end);
            benchmark::DoNotOptimize(value);
            benchmark::DoNotOptimize(end);
        }
    });
    return true;
}();

// Typical entries of an input field, 1000 distinct ones: expressions for one value and relative
// polar points. Each comes in our syntax and in muparser's. The expressions are the same text for
// both: every one holds a literal with a point, so our evaluator computes in doubles as muparser
// does (an integer-only division or difference would stay integer in ours). Our point entry
// "d r, a" adds (r cos a, r sin a) to the current point; muparser gets the two-result expression
// "x+r*cos(a), y+r*sin(a)" with the current point in its variables x and y, which is the same
// computation.
struct Entry {
    std::string ours;
    std::string muparser;
    bool point;
};

constexpr double kStartX = 10.0;
constexpr double kStartY = 20.0;

std::vector<Entry> typicalEntries() {
    std::mt19937_64 gen = orvane::bench::rng();
    std::uniform_int_distribution<int> small(1, 99);
    std::uniform_int_distribution<int> shape(0, 4);
    const auto decimal = [&] {
        return std::to_string(small(gen)) + "." + std::to_string(small(gen) % 10);
    };
    std::set<std::string> seen;
    std::vector<Entry> entries;
    while (entries.size() < 1000) {
        Entry e{"", "", false};
        switch (shape(gen)) {
            case 0:  // 3*(2+1.5)
                e.ours = std::to_string(small(gen)) + "*(" + std::to_string(small(gen)) + "+" +
                         decimal() + ")";
                break;
            case 1:  // 1.25e3/4-7
                e.ours = decimal() + "5e" + std::to_string(small(gen) % 4) + "/" +
                         std::to_string(small(gen)) + "-" + std::to_string(small(gen));
                break;
            case 2:  // (12.5+7.5)*2
                e.ours = "(" + decimal() + "+" + decimal() + ")*" + std::to_string(small(gen));
                break;
            case 3:  // 0.75*40-2.5/4
                e.ours = decimal() + "*" + std::to_string(small(gen)) + "-" + decimal() + "/" +
                         std::to_string(small(gen));
                break;
            default: {  // d 2, 0.5
                const std::string r = decimal();
                const std::string a = "0." + std::to_string(small(gen));
                e.ours = "d " + r + ", " + a;
                e.muparser = "x+" + r + "*cos(" + a + "), y+" + r + "*sin(" + a + ")";
                e.point = true;
                break;
            }
        }
        if (!e.point) e.muparser = e.ours;
        if (seen.insert(e.ours).second) entries.push_back(e);
    }
    return entries;
}

bool close(double a, double b) {
    return std::fabs(a - b) <= 1e-12 * std::fmax(1.0, std::fabs(b));
}

// Whether ours and muparser give the same results for every entry (to 1e-12, relative).
bool typicalAgree(const std::vector<Entry>& entries) {
    mu::Parser parser;
    double x = 0, y = 0;
    parser.DefineVar("x", &x);
    parser.DefineVar("y", &y);
    for (const Entry& e : entries) {
        x = kStartX;
        y = kStartY;
        parser.SetExpr(e.muparser);
        if (e.point) {
            int n = 0;
            const double* theirs = parser.Eval(n);
            double ox = kStartX, oy = kStartY;
            if (n != 2 || !VSTRI_Toolbox::evaluate(e.ours.c_str(), ox, oy) ||
                !close(ox, theirs[0]) || !close(oy, theirs[1]))
                return false;
        } else {
            double ours = 0;
            if (!VSTRI_Toolbox::evaluate(e.ours.c_str(), ours) || !close(ours, parser.Eval()))
                return false;
        }
    }
    return true;
}

const bool typical = [] {
    add("eval_typical", "1000", "ours", [](benchmark::State& state) {
        const std::vector<Entry> entries = typicalEntries();
        if (!typicalAgree(entries)) {
            state.SkipWithError("ours and muparser do not give the same results");
            return;
        }
        std::vector<V_STRING> texts;
        for (const Entry& e : entries)
            texts.emplace_back(e.ours.c_str());
        for (auto _ : state) {
            for (std::size_t i = 0; i < entries.size(); ++i) {
                if (entries[i].point) {
                    double x = kStartX, y = kStartY;
                    benchmark::DoNotOptimize(VSTRI_Toolbox::evaluate(texts[i], x, y));
                    benchmark::DoNotOptimize(x);
                    benchmark::DoNotOptimize(y);
                } else {
                    double value = 0;
                    benchmark::DoNotOptimize(VSTRI_Toolbox::evaluate(texts[i], value));
                    benchmark::DoNotOptimize(value);
                }
            }
        }
    });
    add("eval_typical", "1000", "muparser", [](benchmark::State& state) {
        const std::vector<Entry> entries = typicalEntries();
        if (!typicalAgree(entries)) {
            state.SkipWithError("ours and muparser do not give the same results");
            return;
        }
        mu::Parser parser;
        double x = 0, y = 0;
        parser.DefineVar("x", &x);
        parser.DefineVar("y", &y);
        for (auto _ : state) {
            for (const Entry& e : entries) {
                parser.SetExpr(e.muparser);
                if (e.point) {
                    x = kStartX;
                    y = kStartY;
                    int n = 0;
                    benchmark::DoNotOptimize(parser.Eval(n));
                } else {
                    benchmark::DoNotOptimize(parser.Eval());
                }
            }
        }
    });
    return true;
}();

}  // namespace
