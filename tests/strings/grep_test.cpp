#include <orvane/strings/grep.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

constexpr auto All = VSTRI_Grep::AllMatches;
constexpr auto First = VSTRI_Grep::FirstMatch;
constexpr auto Fold = VSTRI_Grep::IgnoreCase;
constexpr auto Exact = VSTRI_Grep::MatchCase;

// The records `match` wrote (the list is cleared first) as "position:length ...", or "" when it
// returned false having written nothing. Also checks that the overload without a list agrees.
std::string find(const char* pattern, const char* text, VSTRI_Grep::SearchMode mode = All,
                 unsigned long start = 1, VSTRI_Grep::CaseSensitive sensitive = Exact) {
    const VSTRI_Grep grep(pattern, sensitive);
    VSTRI_MatchingList list(40);
    list.reinitialize();
    const bool found = grep.match(text, list, start, mode);
    std::string result;
    for (unsigned long i = 0; i < list.capacity() && list[i]; ++i)
        result += (result.empty() ? "" : " ") + std::to_string(list[i].position()) + ":" +
                  std::to_string(list[i].length());
    EXPECT_EQ(found, !result.empty()) << pattern << " in " << text;
    EXPECT_EQ(grep.match(text, start, mode), found) << pattern << " in " << text;
    return result;
}

// One search: what it finds, from which start, in which mode and case sensitivity.
struct Case {
    const char* pattern;
    const char* text;
    const char* found;
    VSTRI_Grep::SearchMode mode = All;
    unsigned long start = 1;
    VSTRI_Grep::CaseSensitive sensitive = Exact;
};

void check(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(find(c.pattern, c.text, c.mode, c.start, c.sensitive), c.found)
            << "'" << c.pattern << "' in '" << c.text << "' from " << c.start
            << (c.mode == First ? " (first)" : "") << (c.sensitive == Fold ? " (folded)" : "");
}

bool compiles(const std::string& pattern) {
    return VSTRI_Grep(pattern.c_str(), Exact).isCompiled();
}

}  // namespace

TEST(VSTRI_Grep, FindsEveryOccurrenceOrTheFirst) {
    check({{"ab", "xabyab", "2:2 5:2"},
           {"aa", "aaaa", "1:2 2:2 3:2"},
           {"a+", "baaa", "2:3 3:2 4:1"},
           {"colou?r", "color colour", "1:5 7:6"},
           {"a.c", "a-c a c", "1:3"},
           // Any mode but FirstMatch looks everywhere.
           {"ab", "xabyab", "2:2 5:2", static_cast<VSTRI_Grep::SearchMode>(5)},
           // Starts from 1 to one past the end; others find nothing.
           {"a*", "", "1:0"},
           {"a", "aaaa", "", All, 0},
           {"a*", "aaaa", "5:0", All, 5},
           {"a", "aaaa", "", All, 4000000000ul},
           // The shorter end of an alternation is not remembered when the longer branch fails.
           {"ab|a", "abc", "1:2", First},
           {"abc|a", "abd", ""},
           {"a|", "b", "1:0"}});
    // A full list stops the search; records after the last one written keep what they held.
    const VSTRI_Grep grep("a", Exact);
    VSTRI_MatchingList empty(0), old(3);
    EXPECT_TRUE(grep.match("a", empty, 1, First));
    old[1] = VSTRI_Match(9, 9);
    EXPECT_TRUE(grep.match("xa", old, 1, All));
    EXPECT_TRUE(old[0] == VSTRI_Match(2, 1) && old[1] == VSTRI_Match(9, 9));
}

TEST(VSTRI_Grep, HoldsAnchorsAtTheTextsEnds) {
    check({{"^a", "aa", "1:1"} /* anchored: the search stops there */,
           {"^a", "ba", "", First},
           {"^b", "ab", "", All, 2} /* position 1 only */,
           {"a$", "aba", "3:1"},
           {"a*$", "aab", "3:0"},
           // Rejected candidates are skipped and the search goes on.
           {"b$", "abab", "4:1", First},
           {"^ab|cd$", "xcd", "2:2"},
           {"^ab|cd$", "abcd", "1:2"}});
}

TEST(VSTRI_Grep, CountsRepetitionOnItsRepetitionState) {
    check({{"a\\{2,3\\}", "aaaa", "1:3 2:3 3:2"},
           {"(ab)\\{2\\}", "abababab", "1:4 3:4 5:4"},
           // The bounds (1, 1) never force or end the loop: '\{1\}' repeats like '*'.
           {"xa\\{1\\}", "xaaa", "1:4"},
           {"xa\\{1\\}", "x", "1:1"},
           // A dying attempt ends where its repetition was last satisfied ...
           {"a*b", "aaa", "1:3 2:2 3:1"},
           // ... but the atoms after a repetition must match where nothing was counted.
           {"xa*y", "x", ""},
           // A state queued twice for one position counts once; cycles of empty moves end.
           {"b*.a\\{1,3\\}", "baaa", "1:4", First},
           {"(a*)*", "aaa", "1:3 2:2 3:1"},
           // A repeated group that is itself a repetition never reaches its count: the outer
           // repetition's rewiring sends the atom past the inner repetition state.
           {"(a?)+b", "ab", ""}});
}

TEST(VSTRI_Grep, FoldsCaseInLiteralsAndClasses) {
    check({{"ab", "AB aB", "1:2 4:2", All, 1, Fold},
           {"[a-c]", "B", "1:1", All, 1, Fold},
           {"x[A-C]", "XB", "1:2", All, 1, Fold},
           {"\\0x41", "a", "1:1", All, 1, Fold},
           {"x[^a-c]", "XB XD", "4:2", All, 1, Fold} /* folded before the negation */});
    EXPECT_FALSE(VSTRI_Grep("a", Fold).caseQuestion());
    EXPECT_TRUE(VSTRI_Grep("a", static_cast<VSTRI_Grep::CaseSensitive>(7)).caseQuestion());
}

TEST(VSTRI_Grep, RejectsPatternsThatDoNotCompile) {
    for (const char* bad :
         {"",           "()",       "*a",   "|a",         "a(*)",     "+",          "?",
          "$",          "\\1",      "a\\9", "a\\{2,2\\}", "a\\{0\\}", "a\\{2,1\\}", "a\\{2",
          "a\\{2,",     "a\\{x\\}", "x\\{", "[abc",       "[",        "[^",         "[a-",
          "[a-\\0377]", "a\\",      "a|*b", "^$"}) {
        const VSTRI_Grep grep(bad, Exact);
        EXPECT_FALSE(grep.isCompiled()) << bad;
        VSTRI_MatchingList list(2);
        list.reinitialize();
        EXPECT_FALSE(grep.match("a*|()[]\\1{}", list, 1, All)) << bad;
        EXPECT_EQ(list[0], VSTRI_Match(0, 0)) << bad;
    }
    for (const char* good : {"a|", "a||b", "(a", "a)b", "[\\0377]", "a\\{1,\\}", "x]"})
        EXPECT_TRUE(compiles(good)) << good;
    EXPECT_EQ(find("a)b", "ac"), "1:1");  // text after an unmatched ")" is ignored

    // Groups nest 500 deep at most.
    EXPECT_TRUE(compiles(std::string(500, '(') + "a" + std::string(500, ')')));
    EXPECT_FALSE(compiles(std::string(501, '(') + "a" + std::string(501, ')')));
    std::string many = "a";
    for (int i = 0; i < 3000; ++i)
        many += "|a";
    EXPECT_TRUE(compiles(many));
}

TEST(VSTRI_Grep, SkipsOnlyPositionsWhereNoMatchCanBegin) {
    const std::string pad(20, 'x');
    // Classes, with candidates across 16-byte blocks and in the last bytes.
    const std::string ranges = std::string(15, 'x') + "A1" + pad + "b2B3" + pad + "C";
    const std::string cases = pad + "Q1" + pad + "q2";
    const std::string many = pad + "c1" + pad + "q1d1";
    const std::string last = std::string(20, '-') + "z9" + std::string(20, '-');  // a range's end
    const std::string window = std::string(64, 'x') + "b";  // the first window of 64 positions
    check({// A first byte found alone, then with the wrong second byte, then at the very end.
           {"zebra", "zzebra zebr zebra", "2:5 13:5"},
           {"ab", "ab", "1:2"},
           // A repetition right after the first atom may end a match after one byte.
           {"a+b", "xac", "2:1"},
           // Patterns that can match without consuming anything are tried everywhere.
           {"(ab)?c", "xcabc", "2:1 3:3 5:1"},
           // Alternatives begin with different bytes.
           {"ab|cd", "xcdab", "2:2 4:2"},
           {"[A-Z][0-9]", ranges.c_str(), "16:2 40:2"},
           {"[acegikmoq]1", many.c_str(), "21:2 43:2"},
           {"[a-z][0-9]", ranges.c_str(), "16:2 38:2 40:2", All, 1, Fold},
           {"q[0-9]", cases.c_str(), "21:2 43:2", All, 1, Fold},
           {"[a-z]9", last.c_str(), "21:2"},
           {"[bc]", window.c_str(), "65:1"},
           {"[^a-y]z", "az zz {z", "4:2 7:2"},
           {"\\0xe9t*", "caf\xe9t \xe9", "4:2 7:1"},
           // Candidates that fail on their third or fourth byte, or at the end of the text.
           {"[A-Z][a-z][0-9][0-9]", "The Th1 Ab12 Cd3", "9:4"},
           {"abc", "abab abc ab", "6:3"},
           {"x[0-9]\\{2\\}y", "x1y x12 x12y", "9:4"},
           {"ab*c", "ac abbc abx", "1:2 4:4 9:2"}});
}
