// The search beside the reference matcher on searches made from the fuzz input: its bytes choose
// the pattern, the text, the start, the mode and the list's capacity; then 63 more searches come
// from a generator seeded with the input, so each run covers many cases. Any difference traps.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "strings/grep_cases.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t seed = 1469598103934665603ull;
    for (std::size_t i = 0; i < size; ++i)
        seed = (seed ^ data[i]) * 1099511628211ull;
    orvane::test::GrepChoices fromInput(data, size);
    orvane::test::GrepChoices generated(seed);
    for (int k = 0; k < 64; ++k) {
        const orvane::test::GrepCase c = orvane::test::makeGrepCase(k == 0 ? fromInput : generated);
        const std::string difference = orvane::test::compareWithReference(c);
        if (!difference.empty()) {
            std::fprintf(stderr, "difference: %s\n", difference.c_str());
            std::abort();
        }
    }
    return 0;
}
