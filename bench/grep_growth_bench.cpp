// How the regular-expression search grows with the text, on the patterns that make a matcher
// with one attempt per start position quadratic: lines of 16 KiB, 256 KiB and 4 MiB of 'a'.
//
// FirstMatch of "(a*)*b", "(a+)+b", "(.*)*b" and of 64 letters 'a' then a 'b' finds nothing on
// such a line, in every engine, so the whole line is searched; RE2 and POSIX regexec do the same
// search beside ours (POSIX only where it finishes in reasonable time: its matcher backtracks on
// the nested repetitions). AllMatches of "a*" and "aa*ab" finds a match at every position (each
// attempt ends at the last satisfied repetition), so the list gets one record per byte; no peer
// has overlapping matches, so these rows have ours alone. "aa*ab" needs two letters, so its
// last match begins one byte before the end. The pattern is compiled outside the
// timed loop on every side.
#include <re2/re2.h>
#include <regex.h>

#include <cstddef>
#include <string>

#include "orvane/tools.h"
#include "support/bench_support.h"

namespace {

using orvane::bench::add;

constexpr std::size_t kSizes[] = {16384, 262144, 4194304};
// Above this size POSIX regexec takes seconds per search on the nested patterns.
constexpr std::size_t kPosixLimit = 16384;

struct GrowthCase {
    const char* workload;
    std::string pattern;  // the same meaning in our syntax and the peers'
    bool posixEverywhere;
};

void addFirstMatch(const GrowthCase& c) {
    for (const std::size_t size : kSizes) {
        const std::string name = std::to_string(size);
        add(c.workload, name, "ours", [c, size](benchmark::State& state) {
            const std::string plain(size, 'a');
            const V_STRING text(plain.c_str());
            const VSTRI_Grep grep(c.pattern.c_str(), VSTRI_Grep::MatchCase);
            VSTRI_MatchingList list(1);
            if (grep.match(text, list, 1, VSTRI_Grep::FirstMatch)) {
                state.SkipWithError("ours finds a match where there is none");
                return;
            }
            for (auto _ : state)
                benchmark::DoNotOptimize(grep.match(text, list, 1, VSTRI_Grep::FirstMatch));
        });
        add(c.workload, name, "re2", [c, size](benchmark::State& state) {
            const std::string text(size, 'a');
            const RE2 re(c.pattern);
            re2::StringPiece m;
            if (!re.ok() || re.Match(text, 0, text.size(), RE2::UNANCHORED, &m, 1)) {
                state.SkipWithError("re2 finds a match where there is none");
                return;
            }
            for (auto _ : state)
                benchmark::DoNotOptimize(re.Match(text, 0, text.size(), RE2::UNANCHORED, &m, 1));
        });
        if (!c.posixEverywhere && size > kPosixLimit) continue;
        add(c.workload, name, "posix", [c, size](benchmark::State& state) {
            const std::string text(size, 'a');
            regex_t re;
            if (regcomp(&re, c.pattern.c_str(), REG_EXTENDED) != 0) {
                state.SkipWithError("posix does not compile the pattern");
                return;
            }
            regmatch_t m;
            if (regexec(&re, text.c_str(), 1, &m, 0) == 0) {
                state.SkipWithError("posix finds a match where there is none");
                regfree(&re);
                return;
            }
            for (auto _ : state)
                benchmark::DoNotOptimize(regexec(&re, text.c_str(), 1, &m, 0));
            regfree(&re);
        });
    }
}

// `last`: how many bytes before the end the last match begins.
void addAllMatches(const char* workload, const char* pattern, std::size_t last) {
    for (const std::size_t size : kSizes) {
        add(workload, std::to_string(size), "ours", [pattern, size, last](benchmark::State& state) {
            const std::string plain(size, 'a');
            const V_STRING text(plain.c_str());
            const VSTRI_Grep grep(pattern, VSTRI_Grep::MatchCase);
            VSTRI_MatchingList list(static_cast<unsigned long>(size) + 1);
            grep.match(text, list, 1, VSTRI_Grep::AllMatches);
            // One match per position up to the last one.
            const std::size_t count = size - last;
            for (std::size_t k = 0; k <= count; ++k) {
                if (list[k].position() != (k < count ? k + 1 : 0)) {
                    state.SkipWithError("ours does not find a match at every position");
                    return;
                }
            }
            for (auto _ : state)
                benchmark::DoNotOptimize(grep.match(text, list, 1, VSTRI_Grep::AllMatches));
            state.counters["matches"] = static_cast<double>(count);
        });
    }
}

const bool growth = [] {
    addFirstMatch({"grep_nested_star", "(a*)*b", false});
    addFirstMatch({"grep_nested_plus", "(a+)+b", false});
    addFirstMatch({"grep_nested_any", "(.*)*b", false});
    addFirstMatch({"grep_long_literal", std::string(64, 'a') + "b", true});
    addAllMatches("grep_all_star", "a*", 0);
    addAllMatches("grep_all_repeat", "aa*ab", 1);
    return true;
}();

}  // namespace
