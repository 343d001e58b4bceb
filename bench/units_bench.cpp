// Unit representations next to the C library: a length shown in metres and in feet and inches,
// and a metre text read back.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "orvane/tools.h"
#include "support/bench_support.h"

namespace {

using orvane::bench::add;

// 1612.9 mm: 1.6129 m, and 5'-3 1/2" in feet and inches (all three parts of that text).
constexpr double kMillimetres = 1612.9;

// asString of `rep` next to one snprintf("%.4f") of the same length in the display unit
// (`perMillimetre` display units to the millimetre); the library's text must be `expected`.
void registerAsString(const char* workload, const VLOCN_AbstractRepresentation& rep,
                      const char* expected, double perMillimetre) {
    add(workload, "1", "ours", [&rep, expected](benchmark::State& state) {
        double value = kMillimetres;
        for (auto _ : state) {
            benchmark::DoNotOptimize(value);
            V_STRING text = rep.asString(value);
            benchmark::DoNotOptimize(text);
        }
        if (rep.asString(kMillimetres) != V_STRING(expected)) state.SkipWithError("wrong text");
    });
    add(workload, "1", "snprintf", [perMillimetre](benchmark::State& state) {
        double value = kMillimetres * perMillimetre;
        char buffer[64];
        for (auto _ : state) {
            benchmark::DoNotOptimize(value);
            const int n = std::snprintf(buffer, sizeof buffer, "%.4f", value);
            benchmark::DoNotOptimize(n);
            benchmark::DoNotOptimize(buffer);
        }
    });
}

const bool asString = [] {
    registerAsString("unit_asString_m", *VLOCN_MeterConversion::thisRepresentation(), "1.6129",
                     0.001);
    registerAsString("unit_asString_ftin", *VLOCN_FeetInchRepresentation::thisRepresentation(),
                     "5'-3 1/2\"", 0.03937007874015748);
    return true;
}();

const bool asFloatMetre = [] {
    add("unit_asFloat_m", "1", "ours", [](benchmark::State& state) {
        const VLOCN_AbstractRepresentation& rep = *VLOCN_MeterConversion::thisRepresentation();
        const V_STRING text("1.6129");
        double value = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(rep.asFloat(text, value));
            benchmark::DoNotOptimize(value);
        }
    });
    add("unit_asFloat_m", "1", "strtod", [](benchmark::State& state) {
        const std::string text("1.6129");
        for (auto _ : state) {
            char* end = nullptr;
            double value = std::strtod(text.c_str(), &end) * 1000.0;
            benchmark::DoNotOptimize(value);
            benchmark::DoNotOptimize(end);
        }
    });
    return true;
}();

}  // namespace
