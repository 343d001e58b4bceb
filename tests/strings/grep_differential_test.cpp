#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "grep_cases.h"

namespace {

// ORVANE_GREP_CASES overrides the number of random searches (100 000 by default).
unsigned long caseCount() {
    const char* env = std::getenv("ORVANE_GREP_CASES");
    return env != nullptr ? std::strtoul(env, nullptr, 10) : 100000ul;
}

}  // namespace

TEST(VSTRI_GrepDifferential, FindsWhatTheReferenceMatcherFinds) {
    const unsigned long count = caseCount();
    unsigned long differences = 0;
    for (unsigned long seed = 0; seed < count; ++seed) {
        orvane::test::GrepChoices choices(seed);
        const std::string difference =
            orvane::test::compareWithReference(orvane::test::makeGrepCase(choices));
        if (difference.empty()) continue;
        if (++differences <= 10) ADD_FAILURE() << "seed " << seed << ": " << difference;
    }
    EXPECT_EQ(differences, 0u) << "of " << count << " searches";
}
