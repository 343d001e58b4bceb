#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "grep_cases.h"

namespace {

using orvane::test::GrepCase;

// Checks `count` searches against the reference matcher and reports the first ten that differ.
void expectAgreement(unsigned long count, const std::function<GrepCase(unsigned long)>& search) {
    unsigned long differences = 0;
    for (unsigned long k = 0; k < count; ++k) {
        const std::string difference = orvane::test::compareWithReference(search(k));
        if (!difference.empty() && ++differences <= 10) ADD_FAILURE() << k << ": " << difference;
    }
    EXPECT_EQ(differences, 0u) << "of " << count << " searches";
}

}  // namespace

// ORVANE_GREP_CASES overrides the number of random searches.
TEST(VSTRI_GrepDifferential, FindsWhatTheReferenceMatcherFinds) {
    const char* env = std::getenv("ORVANE_GREP_CASES");
    expectAgreement(env != nullptr ? std::strtoul(env, nullptr, 10) : 40000ul, [](unsigned long k) {
        orvane::test::GrepChoices choices(k);
        return orvane::test::makeGrepCase(choices);
    });
}

// Patterns that begin with a long literal, on texts full of its near misses and overlapping
// occurrences: the search looks for the literal as a whole there, and random patterns seldom
// begin with more than a few fixed letters. Each pattern runs in both modes, with four list
// capacities and from three starts.
TEST(VSTRI_GrepDifferential, FindsLongLiteralPrefixesAsTheReferenceDoes) {
    const std::string heads[] = {"abcde", "aaaaaaab", std::string(70, 'a'), "abcabcabd"};
    const std::string tails[] = {"", "x*", "b+c", "\\{2,3\\}", "(x|y)", "$", "[a-c]d"};
    const unsigned long starts[] = {1, 2, 7};
    const int capacities[] = {-1, 1, 3, 100};
    expectAgreement(4 * 7 * 24, [&](unsigned long k) {
        // The literal whole, every prefix of it broken off by a wrong letter, and runs of it.
        const std::string& head = heads[k / (7 * 24)];
        std::string text;
        for (std::size_t cut = 1; cut <= head.size(); ++cut)
            text += head.substr(0, cut) + "Z";
        text += head + head + head.substr(0, head.size() / 2) + head + "xxbcyd";
        return GrepCase{head + tails[k / 24 % 7], true, text, starts[k % 3], k / 3 % 2 == 0,
                        capacities[k / 6 % 4]};
    });
}

// Searches that once differed: a literal reached through a repetition whose minimum the empty
// way around it can never meet, so that no attempt reaches the end of the pattern.
TEST(VSTRI_GrepDifferential, FindsWhatTheReferenceFindsWhereTheyOnceDiffered) {
    const GrepCase cases[] = {{"((b*)*)\\{2\\}a", true, "a", 1, false, 5},
                              {"((b*)+)\\{2\\}a", true, "bba", 1, true, 1},
                              {"^(((ba|^aab+|aB+)*)+)\\{4\\}a)*.[abc$|a?B\\{2,\\}c\\{3\\}$", true,
                               " ab .bba.abA.Ba b AA", 1, false, 1}};
    expectAgreement(3, [&](unsigned long k) { return cases[k]; });
}
