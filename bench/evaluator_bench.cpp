// The expression evaluator next to strtod and muparser.
#include <cstdlib>
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

}  // namespace
