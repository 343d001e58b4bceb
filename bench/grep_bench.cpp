// The regular-expression engine next to std::regex, POSIX regcomp/regexec, RE2 and PCRE2.
//
// The text is generated prose: lower-case words from a small vocabulary, sentences that begin with
// a capital letter, no digits. The FirstMatch workloads place one needle 200 bytes before the end,
// so every engine walks almost the whole text; each iteration compiles the pattern and searches
// (both sides). grep_all collects every match of a short pattern; the pattern is compiled once
// outside the timed loop on both sides, so the growth with the text size is the search alone.
//
// Every peer pattern below matches exactly what ours matches on these texts; the setup of each
// peer checks that, outside the timing, and the measurement fails if the positions differ.
#include <pcre2.h>
#include <re2/re2.h>
#include <regex.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "orvane/tools.h"
#include "support/bench_support.h"

namespace {

using orvane::bench::add;

constexpr std::size_t kFirstMatchSize = 1048576;
constexpr std::size_t kNeedleFromEnd = 200;

// Generated prose of exactly `size` bytes, the same for every call with the same size.
std::string prose(std::size_t size) {
    static const char* const kWords[] = {
        "the",   "length",  "of",     "wall",   "measured", "in",    "millimetres", "and",
        "area",  "that",    "then",   "other",  "this",     "point", "angle",       "volume",
        "sheet", "paper",   "format", "view",   "project",  "value", "unit",        "input",
        "text",  "line",    "with",   "from",   "to",       "for",   "between",     "each",
        "scale", "height",  "width",  "room",   "floor",    "door",  "window",      "is",
        "a",     "drawing", "plan",   "corner", "edge",     "metre", "inch",        "foot"};
    constexpr std::size_t kWordCount = sizeof kWords / sizeof kWords[0];
    std::mt19937_64 gen = orvane::bench::rng();
    std::uniform_int_distribution<std::size_t> pick(0, kWordCount - 1);
    std::uniform_int_distribution<int> sentence(5, 15);
    std::string text;
    text.reserve(size + 32);
    while (text.size() < size) {
        const int words = sentence(gen);
        for (int w = 0; w < words; ++w) {
            std::string word = kWords[pick(gen)];
            if (w == 0) word[0] = static_cast<char>(word[0] - 'a' + 'A');
            text += word;
            text += w + 1 < words ? " " : ". ";
        }
    }
    text.resize(size);
    return text;
}

// The prose of kFirstMatchSize bytes with `needle` written over it kNeedleFromEnd bytes before
// the end, framed by blanks.
std::string proseWithNeedle(const std::string& needle) {
    std::string text = prose(kFirstMatchSize);
    const std::size_t at = text.size() - kNeedleFromEnd;
    text.replace(at - 1, needle.size() + 2, " " + needle + " ");
    return text;
}

// A match as 1-based position and length; (0, 0) for none.
using Found = std::pair<unsigned long, unsigned long>;

Found oursFirst(const char* pattern, const V_STRING& text) {
    VSTRI_Grep grep(pattern, VSTRI_Grep::MatchCase);
    VSTRI_MatchingList list(1);
    list.reinitialize();
    grep.match(text, list, 1, VSTRI_Grep::FirstMatch);
    return {list[0].position(), list[0].length()};
}

Found posixFirst(const char* pattern, const std::string& text) {
    regex_t re;
    if (regcomp(&re, pattern, REG_EXTENDED) != 0) return {0, 0};
    regmatch_t m;
    Found found{0, 0};
    if (regexec(&re, text.c_str(), 1, &m, 0) == 0)
        found = {static_cast<unsigned long>(m.rm_so) + 1,
                 static_cast<unsigned long>(m.rm_eo - m.rm_so)};
    regfree(&re);
    return found;
}

Found stdFirst(const char* pattern, const std::string& text) {
    const std::regex re(pattern);
    std::smatch m;
    if (!std::regex_search(text, m, re)) return {0, 0};
    return {static_cast<unsigned long>(m.position(0)) + 1, static_cast<unsigned long>(m.length(0))};
}

Found re2First(const char* pattern, const std::string& text) {
    const RE2 re(pattern);
    re2::StringPiece m;
    if (!re.Match(text, 0, text.size(), RE2::UNANCHORED, &m, 1)) return {0, 0};
    return {static_cast<unsigned long>(m.data() - text.data()) + 1,
            static_cast<unsigned long>(m.size())};
}

Found pcre2First(const char* pattern, const std::string& text) {
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* re = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern), PCRE2_ZERO_TERMINATED, 0,
                                   &error, &offset, nullptr);
    if (re == nullptr) return {0, 0};
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(re, nullptr);
    Found found{0, 0};
    if (pcre2_match(re, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, 0, data,
                    nullptr) > 0) {
        const PCRE2_SIZE* v = pcre2_get_ovector_pointer(data);
        found = {static_cast<unsigned long>(v[0]) + 1, static_cast<unsigned long>(v[1] - v[0])};
    }
    pcre2_match_data_free(data);
    pcre2_code_free(re);
    return found;
}

// One FirstMatch workload: our pattern and the peers' pattern (the same meaning, in their
// syntax), and the needle that the text holds.
struct FirstMatchCase {
    const char* workload;
    const char* ours;
    const char* peers;
    const char* needle;
};

// Fails the measurement when the peer does not find what ours finds, or ours misses the needle.
bool sameMatch(benchmark::State& state, const Found& ours, const Found& peer) {
    const Found expected{kFirstMatchSize - kNeedleFromEnd + 1, 0};
    if (ours.first != expected.first || ours != peer) {
        state.SkipWithError("ours and the peer do not find the same match");
        return false;
    }
    return true;
}

void addFirstMatch(const FirstMatchCase& c) {
    const std::string size = std::to_string(kFirstMatchSize);
    add(c.workload, size, "ours", [c](benchmark::State& state) {
        const V_STRING text(proseWithNeedle(c.needle).c_str());
        const Found expected{kFirstMatchSize - kNeedleFromEnd + 1, std::string(c.needle).size()};
        if (oursFirst(c.ours, text) != expected) {
            state.SkipWithError("ours does not find the needle");
            return;
        }
        const V_STRING pattern(c.ours);
        VSTRI_MatchingList list(1);
        for (auto _ : state) {
            const VSTRI_Grep grep(pattern, VSTRI_Grep::MatchCase);
            benchmark::DoNotOptimize(grep.match(text, list, 1, VSTRI_Grep::FirstMatch));
            benchmark::DoNotOptimize(list[0].position());
        }
    });
    add(c.workload, size, "std::regex", [c](benchmark::State& state) {
        const std::string text = proseWithNeedle(c.needle);
        if (!sameMatch(state, oursFirst(c.ours, text.c_str()), stdFirst(c.peers, text))) return;
        for (auto _ : state) {
            const std::regex re(c.peers);
            std::smatch m;
            benchmark::DoNotOptimize(std::regex_search(text, m, re));
            benchmark::DoNotOptimize(m.position(0));
        }
    });
    add(c.workload, size, "posix", [c](benchmark::State& state) {
        const std::string text = proseWithNeedle(c.needle);
        if (!sameMatch(state, oursFirst(c.ours, text.c_str()), posixFirst(c.peers, text))) return;
        for (auto _ : state) {
            regex_t re;
            regcomp(&re, c.peers, REG_EXTENDED);
            regmatch_t m;
            benchmark::DoNotOptimize(regexec(&re, text.c_str(), 1, &m, 0));
            benchmark::DoNotOptimize(m.rm_so);
            regfree(&re);
        }
    });
    add(c.workload, size, "re2", [c](benchmark::State& state) {
        const std::string text = proseWithNeedle(c.needle);
        if (!sameMatch(state, oursFirst(c.ours, text.c_str()), re2First(c.peers, text))) return;
        for (auto _ : state) {
            const RE2 re(c.peers);
            re2::StringPiece m;
            benchmark::DoNotOptimize(re.Match(text, 0, text.size(), RE2::UNANCHORED, &m, 1));
            benchmark::DoNotOptimize(m.data());
        }
    });
    add(c.workload, size, "pcre2", [c](benchmark::State& state) {
        const std::string text = proseWithNeedle(c.needle);
        if (!sameMatch(state, oursFirst(c.ours, text.c_str()), pcre2First(c.peers, text))) return;
        for (auto _ : state) {
            int error = 0;
            PCRE2_SIZE offset = 0;
            pcre2_code* re = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(c.peers),
                                           PCRE2_ZERO_TERMINATED, 0, &error, &offset, nullptr);
            pcre2_match_data* data = pcre2_match_data_create_from_pattern(re, nullptr);
            benchmark::DoNotOptimize(pcre2_match(re, reinterpret_cast<PCRE2_SPTR>(text.data()),
                                                 text.size(), 0, 0, data, nullptr));
            pcre2_match_data_free(data);
            pcre2_code_free(re);
        }
    });
}

const bool firstMatch = [] {
    // A plain word that the vocabulary never forms; every syntax reads it alike.
    addFirstMatch({"grep_literal", "zebraquilt", "zebraquilt", "zebraquilt"});
    // The C library's substring search is the floor for a literal: no engine can do less.
    add("grep_literal", std::to_string(kFirstMatchSize), "memmem", [](benchmark::State& state) {
        const std::string text = proseWithNeedle("zebraquilt");
        const char* const needle = "zebraquilt";
        const void* hit = memmem(text.data(), text.size(), needle, std::strlen(needle));
        if (hit != text.data() + (kFirstMatchSize - kNeedleFromEnd)) {
            state.SkipWithError("memmem does not find the needle where ours does");
            return;
        }
        for (auto _ : state)
            benchmark::DoNotOptimize(memmem(text.data(), text.size(), needle, std::strlen(needle)));
    });
    // A capital, a small letter and two digits. The sentences' first words match the first two
    // classes often; the text has no digits but the needle's. The classes mean the same in every
    // syntax (no case folding, ranges over ASCII).
    addFirstMatch({"grep_class", "[A-Z][a-z][0-9][0-9]", "[A-Z][a-z][0-9][0-9]", "Mx42"});
    // A version number: "v", digits, a point, digits. "\." is a point in our syntax as in the
    // others, and "+" is one or more, longest first. Our matcher also ends an attempt that dies
    // after a satisfied repetition at that repetition ("v12" alone would match), but the text has
    // no digits besides the needle's, so on it the matches are the same.
    addFirstMatch({"grep_repeat", "v[0-9]+\\.[0-9]+", "v[0-9]+\\.[0-9]+", "v12.345"});
    return true;
}();

// grep_all: every match of "th[ae]" in the prose. Its matches cannot overlap (a "t" cannot stand
// where an "h" or an "a"/"e" must), so our search at every position and the POSIX loop that goes
// on after each match find the same list.
constexpr const char* kAllPattern = "th[ae]";

// Every match of `re` in `text`, going on after each one. REG_STARTEND gives the search range, so
// that regexec does not measure the rest of the text anew on every call; the offsets it reports
// count from the start of the text.
void collectPosix(const regex_t& re, const std::string& text, std::vector<Found>& found) {
    regoff_t offset = 0;
    const auto size = static_cast<regoff_t>(text.size());
    regmatch_t m;
    while (offset < size) {
        m.rm_so = offset;
        m.rm_eo = size;
        if (regexec(&re, text.c_str(), 1, &m, REG_STARTEND | (offset > 0 ? REG_NOTBOL : 0)) != 0)
            break;
        found.emplace_back(static_cast<unsigned long>(m.rm_so) + 1,
                           static_cast<unsigned long>(m.rm_eo - m.rm_so));
        offset = m.rm_eo > m.rm_so ? m.rm_eo : m.rm_so + 1;
    }
}

std::vector<Found> posixAll(const regex_t& re, const std::string& text) {
    std::vector<Found> found;
    collectPosix(re, text, found);
    return found;
}

// Whether our AllMatches search of `text` finds exactly the matches of the POSIX loop; the
// number of matches in `count`.
bool allAgree(const std::string& plain, std::size_t& count) {
    regex_t re;
    if (regcomp(&re, kAllPattern, REG_EXTENDED) != 0) return false;
    const std::vector<Found> expected = posixAll(re, plain);
    regfree(&re);
    count = expected.size();
    VSTRI_MatchingList list(static_cast<unsigned long>(expected.size() + 1));
    list.reinitialize();
    VSTRI_Grep(kAllPattern, VSTRI_Grep::MatchCase)
        .match(plain.c_str(), list, 1, VSTRI_Grep::AllMatches);
    for (std::size_t i = 0; i <= expected.size(); ++i) {
        const Found ours{list[i].position(), list[i].length()};
        if (ours != (i < expected.size() ? expected[i] : Found{0, 0})) return false;
    }
    return !expected.empty();
}

const bool allMatches = [] {
    for (const std::size_t size : {65536u, 262144u, 1048576u}) {
        const std::string name = std::to_string(size);
        add("grep_all", name, "ours", [size](benchmark::State& state) {
            const std::string plain = prose(size);
            std::size_t count = 0;
            if (!allAgree(plain, count)) {
                state.SkipWithError("ours and posix do not find the same matches");
                return;
            }
            const V_STRING text(plain.c_str());
            const VSTRI_Grep grep(kAllPattern, VSTRI_Grep::MatchCase);
            VSTRI_MatchingList list(static_cast<unsigned long>(count));
            for (auto _ : state) {
                benchmark::DoNotOptimize(grep.match(text, list, 1, VSTRI_Grep::AllMatches));
                benchmark::DoNotOptimize(list[0].position());
            }
            state.counters["matches"] = static_cast<double>(count);
        });
        add("grep_all", name, "posix", [size](benchmark::State& state) {
            const std::string text = prose(size);
            std::size_t count = 0;
            if (!allAgree(text, count)) {
                state.SkipWithError("ours and posix do not find the same matches");
                return;
            }
            regex_t re;
            regcomp(&re, kAllPattern, REG_EXTENDED);
            std::vector<Found> found;
            found.reserve(count);
            for (auto _ : state) {
                found.clear();
                collectPosix(re, text, found);
                benchmark::DoNotOptimize(found.data());
            }
            regfree(&re);
        });
    }
    return true;
}();

}  // namespace
