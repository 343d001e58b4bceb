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

// Patterns that begin with a long literal, on texts full of its near misses and overlapping
// occurrences: the search looks for the literal as a whole there, and random patterns seldom
// begin with more than a few fixed letters.
TEST(VSTRI_GrepDifferential, FindsLongLiteralPrefixesAsTheReferenceDoes) {
    const std::string heads[] = {"abcde", "aaaaaaab", std::string(70, 'a'), "abcabcabd"};
    const std::string tails[] = {"", "x*", "b+c", "\\{2,3\\}", "(x|y)", "$", "[a-c]d"};
    unsigned long differences = 0;
    unsigned long searches = 0;
    for (const std::string& head : heads) {
        // The literal whole, every prefix of it broken off by a wrong letter, and runs of it.
        std::string text;
        for (std::size_t cut = 1; cut <= head.size(); ++cut)
            text += head.substr(0, cut) + "Z";
        text += head + head + head.substr(0, head.size() / 2) + head + "xxbcyd";
        for (const std::string& tail : tails) {
            for (const bool firstOnly : {true, false}) {
                for (const int capacity : {-1, 1, 3, 100}) {
                    orvane::test::GrepCase c;
                    c.pattern = head + tail;
                    c.text = text;
                    c.firstOnly = firstOnly;
                    c.capacity = capacity;
                    for (const unsigned long start : {1ul, 2ul, 7ul}) {
                        c.start = start;
                        ++searches;
                        const std::string difference = orvane::test::compareWithReference(c);
                        if (difference.empty()) continue;
                        if (++differences <= 10)
                            ADD_FAILURE() << c.pattern << " from " << start << ": " << difference;
                    }
                }
            }
        }
    }
    EXPECT_EQ(differences, 0u) << "of " << searches << " searches";
}

// Searches that once differed: a literal reached through a repetition whose minimum the empty
// way around it can never meet, so that no attempt reaches the end of the pattern.
TEST(VSTRI_GrepDifferential, FindsWhatTheReferenceFindsWhereTheyOnceDiffered) {
    const orvane::test::GrepCase cases[] = {
        {"((b*)*)\\{2\\}a", true, "a", 1, false, 5},
        {"((b*)+)\\{2\\}a", true, "bba", 1, true, 1},
        {"^(((ba|^aab+|aB+)*)+)\\{4\\}a)*.[abc$|a?B\\{2,\\}c\\{3\\}$", true, " ab .bba.abA.Ba b AA",
         1, false, 1},
    };
    for (const orvane::test::GrepCase& c : cases)
        EXPECT_EQ(orvane::test::compareWithReference(c), "") << c.pattern;
}
