#include <orvane/strings/grep.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Matches = std::vector<std::pair<unsigned long, unsigned long>>;

// The records `match` wrote (the list is cleared first), or {{0, 0}} when it returned false
// having written nothing.
Matches find(const char* pattern, const char* text, VSTRI_Grep::SearchMode mode,
             unsigned long start = 1, VSTRI_Grep::CaseSensitive sensitive = VSTRI_Grep::MatchCase) {
    const VSTRI_Grep grep(pattern, sensitive);
    VSTRI_MatchingList list(40);
    list.reinitialize();
    const bool found = grep.match(text, list, start, mode);
    Matches result;
    for (unsigned long i = 0; i < list.capacity() && list[i]; ++i)
        result.emplace_back(list[i].position(), list[i].length());
    EXPECT_EQ(found, !result.empty()) << pattern << " in " << text;
    EXPECT_EQ(grep.match(text, start, mode), found) << pattern << " in " << text;
    return result;
}

Matches all(const char* pattern, const char* text) {
    return find(pattern, text, VSTRI_Grep::AllMatches);
}
Matches first(const char* pattern, const char* text) {
    return find(pattern, text, VSTRI_Grep::FirstMatch);
}
Matches folded(const char* pattern, const char* text) {
    return find(pattern, text, VSTRI_Grep::AllMatches, 1, VSTRI_Grep::IgnoreCase);
}

bool compiles(const char* pattern) {
    return VSTRI_Grep(pattern, VSTRI_Grep::MatchCase).isCompiled();
}

const Matches none;

}  // namespace

TEST(VSTRI_Grep, FindsEveryOccurrenceOrTheFirst) {
    EXPECT_EQ(all("ab", "xabyab"), (Matches{{2, 2}, {5, 2}}));
    EXPECT_EQ(first("ab", "xabyab"), (Matches{{2, 2}}));
    EXPECT_EQ(all("aa", "aaaa"), (Matches{{1, 2}, {2, 2}, {3, 2}}));
    EXPECT_EQ(all("a+", "baaa"), (Matches{{2, 3}, {3, 2}, {4, 1}}));
    EXPECT_EQ(all("colou?r", "color colour"), (Matches{{1, 5}, {7, 6}}));
    EXPECT_EQ(all("a.c", "a-c a c"), (Matches{{1, 3}}));
    EXPECT_EQ(all("xyz", "xy"), none);
    EXPECT_EQ(find("ab", "xabyab", static_cast<VSTRI_Grep::SearchMode>(5)),
              (Matches{{2, 2}, {5, 2}}));  // any mode but FirstMatch looks everywhere
    // From a later start position on.
    EXPECT_EQ(find("ab", "xabyab", VSTRI_Grep::AllMatches, 3), (Matches{{5, 2}}));
}

TEST(VSTRI_Grep, HoldsAnchorsAtTheTextsEnds) {
    EXPECT_EQ(all("^a", "ab"), (Matches{{1, 1}}));
    EXPECT_EQ(all("^a", "aa"), (Matches{{1, 1}}));  // anchored: the search stops there
    EXPECT_EQ(first("^a", "ba"), none);
    EXPECT_EQ(all("^b", "ab"), none);
    EXPECT_EQ(find("^b", "ab", VSTRI_Grep::AllMatches, 2), none);  // position 1 only
    EXPECT_EQ(all("a$", "aba"), (Matches{{3, 1}}));
    // Rejected candidates are skipped and the search goes on.
    EXPECT_EQ(first("b$", "abab"), (Matches{{4, 1}}));
    EXPECT_EQ(all("^ab|cd$", "xcd"), (Matches{{2, 2}}));
    EXPECT_EQ(all("^ab|cd$", "abcd"), (Matches{{1, 2}}));
    EXPECT_EQ(all("a*$", "aab"), (Matches{{3, 0}}));
}

TEST(VSTRI_Grep, PrefersTheBranchQueuedFirstInAnAlternation) {
    EXPECT_EQ(first("ab|a", "abc"), (Matches{{1, 2}}));
    EXPECT_EQ(first("a|ab", "abc"), (Matches{{1, 1}}));
    // The shorter end is not remembered when the longer branch then fails.
    EXPECT_EQ(all("abc|a", "abd"), none);
    EXPECT_EQ(all("a|abc", "abd"), (Matches{{1, 1}}));
    // An empty alternative accepts at once.
    EXPECT_EQ(all("a|", "b"), (Matches{{1, 0}}));
    EXPECT_EQ(all("a||b", "b"), (Matches{{1, 0}}));
    EXPECT_EQ(all("(a|b)c", "xbc"), (Matches{{2, 2}}));
    // After another atom a group is entered at its first branch only.
    EXPECT_EQ(all("x(a|b)", "xa xb"), (Matches{{1, 2}}));
}

TEST(VSTRI_Grep, CountsRepetitionOnItsRepetitionState) {
    EXPECT_EQ(all("a\\{2,3\\}", "aa"), (Matches{{1, 2}}));
    EXPECT_EQ(all("a\\{2,3\\}", "aaaa"), (Matches{{1, 3}, {2, 3}, {3, 2}}));
    EXPECT_EQ(all("ba\\{2\\}", "baaa"), (Matches{{1, 3}}));
    EXPECT_EQ(all("ba\\{2,\\}", "baaab"), (Matches{{1, 4}}));
    EXPECT_EQ(all("(ab)\\{2\\}", "abababab"), (Matches{{1, 4}, {3, 4}, {5, 4}}));
    EXPECT_EQ(all("(ab)+", "ababx"), (Matches{{1, 4}, {3, 2}}));
    // The bounds (1, 1) never force or end the loop: '\{1\}' repeats like '*'.
    EXPECT_EQ(all("xa\\{1\\}", "xaaa"), (Matches{{1, 4}}));
    EXPECT_EQ(all("xa\\{1\\}", "x"), (Matches{{1, 1}}));
    // A dying attempt ends where its repetition was last satisfied.
    EXPECT_EQ(all("a*b", "aaa"), (Matches{{1, 3}, {2, 2}, {3, 1}}));
    EXPECT_EQ(all("a*b", "aac"), (Matches{{1, 2}, {2, 1}}));
    EXPECT_EQ(all("ab*c", "abd"), (Matches{{1, 2}}));
    // ... but the atoms after a repetition must match where nothing was counted.
    EXPECT_EQ(all("xa*y", "x"), none);
    EXPECT_EQ(all("ab*c", "a"), none);
    // A state queued twice for one position counts once.
    EXPECT_EQ(first("b*.a\\{1,3\\}", "baaa"), (Matches{{1, 4}}));
    // Cycles of empty moves end.
    EXPECT_EQ(all("(a*)*", "aaa"), (Matches{{1, 3}, {2, 2}, {3, 1}}));
    // A repeated group that is itself a repetition never reaches its count: the outer
    // repetition's rewiring sends the atom past the inner repetition state.
    EXPECT_EQ(all("(a?)+b", "ab"), none);
}

TEST(VSTRI_Grep, FoldsCaseInLiteralsAndClasses) {
    EXPECT_EQ(folded("ab", "AB aB"), (Matches{{1, 2}, {4, 2}}));
    EXPECT_EQ(all("ab", "AB aB"), none);
    EXPECT_EQ(folded("[a-c]", "B"), (Matches{{1, 1}}));
    EXPECT_EQ(folded("x[A-C]", "XB"), (Matches{{1, 2}}));
    EXPECT_EQ(folded("x[^a-c]", "XB XD"), (Matches{{4, 2}}));  // folded before the negation
    EXPECT_EQ(folded("\\0x41", "a"), (Matches{{1, 1}}));
    EXPECT_EQ(folded("1", "1"), (Matches{{1, 1}}));
    EXPECT_FALSE(VSTRI_Grep("a", VSTRI_Grep::IgnoreCase).caseQuestion());
    EXPECT_TRUE(VSTRI_Grep("a", static_cast<VSTRI_Grep::CaseSensitive>(7)).caseQuestion());
}

TEST(VSTRI_Grep, ReadsClassesAndEscapes) {
    EXPECT_EQ(all(".", " "), none);
    EXPECT_EQ(all("[^a]", " a"), none);
    EXPECT_EQ(all("[^a]", "ab"), (Matches{{2, 1}}));
    EXPECT_EQ(all("\\0101", "A"), (Matches{{1, 1}}));
    EXPECT_EQ(all("\\0x41\\0X42", "AB"), (Matches{{1, 2}}));
    EXPECT_EQ(all("\\.", "a."), (Matches{{2, 1}}));
    EXPECT_EQ(all("\\n", "\nn"), (Matches{{2, 1}}));
    EXPECT_EQ(all("a\\0x2a", "b*a*"), (Matches{{3, 2}}));
    EXPECT_EQ(all("[]a]", "x]"), (Matches{{2, 1}}));
    EXPECT_EQ(all("[a-]", "x-"), (Matches{{2, 1}}));
    EXPECT_EQ(all("[^]a]", "]a"), none);
    EXPECT_EQ(all("[\\]]", "]"), (Matches{{1, 1}}));
    EXPECT_EQ(all("[m-c-z]", "cdmnz"), (Matches{{3, 1}, {4, 1}, {5, 1}}));
    EXPECT_EQ(all("[\\0x30-\\0x32]", "0123"), (Matches{{1, 1}, {2, 1}, {3, 1}}));
    EXPECT_EQ(all("x\\}", "x}"), (Matches{{1, 2}}));  // a backslash without "{" starts an atom
}

TEST(VSTRI_Grep, RejectsPatternsThatDoNotCompile) {
    for (const char* bad :
         {"",           "()",       "*a",   "|a",         "a(*)",     "+",          "?",
          "$",          "\\1",      "a\\9", "a\\{2,2\\}", "a\\{0\\}", "a\\{2,1\\}", "a\\{2",
          "a\\{2,",     "a\\{x\\}", "x\\{", "[abc",       "[",        "[^",         "[a-",
          "[a-\\0377]", "a\\",      "a|*b", "^$"}) {
        const VSTRI_Grep grep(bad, VSTRI_Grep::MatchCase);
        EXPECT_FALSE(grep.isCompiled()) << bad;
        VSTRI_MatchingList list(2);
        list.reinitialize();
        EXPECT_FALSE(grep.match("a*|()[]\\1{}", list, 1, VSTRI_Grep::AllMatches)) << bad;
        EXPECT_EQ(list[0], VSTRI_Match(0, 0)) << bad;
    }
    for (const char* good : {"a|", "a||b", "(a", "a)b", "[\\0377]", "a\\{1,\\}", "x]"})
        EXPECT_TRUE(compiles(good)) << good;
    // Text after an unmatched ")" is ignored.
    EXPECT_EQ(all("a)b", "ac"), (Matches{{1, 1}}));

    std::string deep(600, '(');
    deep += 'a';
    EXPECT_FALSE(compiles(deep.c_str()));
    std::string many = "a";
    for (int i = 0; i < 3000; ++i)
        many += "|a";
    EXPECT_TRUE(compiles(many.c_str()));
}

TEST(VSTRI_Grep, HandlesStartPositionsAndTheListsCapacity) {
    EXPECT_EQ(find("a*", "", VSTRI_Grep::AllMatches, 1), (Matches{{1, 0}}));
    EXPECT_EQ(find("a*", "", VSTRI_Grep::AllMatches, 2), none);
    EXPECT_EQ(find("a", "aaaa", VSTRI_Grep::AllMatches, 0), none);
    EXPECT_EQ(find("a", "aaaa", VSTRI_Grep::AllMatches, 5), none);
    EXPECT_EQ(find("a*", "aaaa", VSTRI_Grep::AllMatches, 5), (Matches{{5, 0}}));
    EXPECT_EQ(find("a", "aaaa", VSTRI_Grep::AllMatches, 4000000000ul), none);

    const VSTRI_Grep grep("a", VSTRI_Grep::MatchCase);
    VSTRI_MatchingList two(2);
    two.reinitialize();
    EXPECT_TRUE(grep.match("aaaaa", two, 1, VSTRI_Grep::AllMatches));
    EXPECT_EQ(two[0], VSTRI_Match(1, 1));
    EXPECT_EQ(two[1], VSTRI_Match(2, 1));
    VSTRI_MatchingList empty(0);
    EXPECT_TRUE(grep.match("a", empty, 1, VSTRI_Grep::FirstMatch));

    // Records after the last one written keep what they held.
    VSTRI_MatchingList old(3);
    old[1] = VSTRI_Match(9, 9);
    EXPECT_TRUE(grep.match("xa", old, 1, VSTRI_Grep::AllMatches));
    EXPECT_EQ(old[0], VSTRI_Match(2, 1));
    EXPECT_EQ(old[1], VSTRI_Match(9, 9));
}

TEST(VSTRI_Grep, CopiesAndComparesPatterns) {
    VSTRI_Grep grep("a+b", VSTRI_Grep::MatchCase);
    const VSTRI_Grep copy(grep);
    EXPECT_EQ(copy.patternString(), V_STRING("a+b"));
    EXPECT_TRUE(copy.caseQuestion());
    EXPECT_TRUE(copy == grep);
    EXPECT_TRUE(copy.match("xaab", 1, VSTRI_Grep::FirstMatch));

    VSTRI_Grep other("b", VSTRI_Grep::IgnoreCase);
    EXPECT_TRUE(other != grep);
    other = grep;
    EXPECT_TRUE(other == grep);
    EXPECT_TRUE(other.match("aab", 1, VSTRI_Grep::FirstMatch));
    EXPECT_FALSE(other.match("AAB", 1, VSTRI_Grep::FirstMatch));
    VSTRI_Grep& same = other;
    other = same;
    EXPECT_TRUE(other.match("aab", 1, VSTRI_Grep::FirstMatch));
    EXPECT_FALSE(VSTRI_Grep("a+b", VSTRI_Grep::IgnoreCase) == grep);

    EXPECT_TRUE(&grep.assign("*", VSTRI_Grep::MatchCase) == &grep);
    EXPECT_FALSE(grep.isCompiled());
    EXPECT_FALSE(grep.match("*", 1, VSTRI_Grep::AllMatches));
    EXPECT_TRUE(copy.isCompiled());  // the copy keeps its own automaton
    grep.assign("B", VSTRI_Grep::IgnoreCase);
    EXPECT_TRUE(grep.isCompiled());
    EXPECT_TRUE(grep.match("ab", 1, VSTRI_Grep::FirstMatch));
}

TEST(VSTRI_Grep, SkipsOnlyPositionsWhereNoMatchCanBegin) {
    const std::string pad(20, 'x');
    // A first byte found alone, then with the wrong second byte, then at the very end.
    EXPECT_EQ(all("zebra", "zzebra zebr zebra"), (Matches{{2, 5}, {13, 5}}));
    EXPECT_EQ(all("ab", "xxa"), none);
    EXPECT_EQ(all("ab", "ab"), (Matches{{1, 2}}));
    EXPECT_EQ(find("ab", "abab", VSTRI_Grep::AllMatches, 2), (Matches{{3, 2}}));
    // A repetition right after the first atom may end a match after one byte.
    EXPECT_EQ(all("a+b", "xac"), (Matches{{2, 1}}));
    EXPECT_EQ(first("v[0-9]+x", "v1y"), (Matches{{1, 2}}));
    // Patterns that can match without consuming anything are tried everywhere.
    EXPECT_EQ(all("x*", "ab"), (Matches{{1, 0}, {2, 0}}));
    EXPECT_EQ(all("a|", "ba"), (Matches{{1, 0}, {2, 1}}));
    EXPECT_EQ(all("(ab)?c", "xcabc"), (Matches{{2, 1}, {3, 3}, {5, 1}}));
    EXPECT_EQ(find("a*", "aa", VSTRI_Grep::AllMatches, 3), (Matches{{3, 0}}));
    // Alternatives begin with different bytes.
    EXPECT_EQ(all("ab|cd", "xcdab"), (Matches{{2, 2}, {4, 2}}));
    // Classes, with candidates across 16-byte blocks and in the last bytes.
    const std::string ranges = std::string(15, 'x') + "A1" + pad + "b2B3" + pad + "C";
    EXPECT_EQ(all("[A-Z][0-9]", ranges.c_str()), (Matches{{16, 2}, {40, 2}}));
    EXPECT_EQ(folded("[a-z][0-9]", ranges.c_str()), (Matches{{16, 2}, {38, 2}, {40, 2}}));
    const std::string cases = pad + "Q1" + pad + "q2";
    EXPECT_EQ(folded("q[0-9]", cases.c_str()), (Matches{{21, 2}, {43, 2}}));
    const std::string many = pad + "c1" + pad + "q1d1";
    EXPECT_EQ(all("[acegikmoq]1", many.c_str()), (Matches{{21, 2}, {43, 2}}));
    EXPECT_EQ(all(".b", "  ab  bb a"), (Matches{{3, 2}, {7, 2}}));
    EXPECT_EQ(all("[^a-y]z", "az zz {z"), (Matches{{4, 2}, {7, 2}}));
    EXPECT_EQ(all("\\0xe9t", "caf\xe9t \xe9"), (Matches{{4, 2}}));
    // Candidates that fail on their third or fourth byte, or at the end of the text.
    EXPECT_EQ(all("[A-Z][a-z][0-9][0-9]", "The Th1 Ab12 Cd3"), (Matches{{9, 4}}));
    EXPECT_EQ(all("abc", "abab abc ab"), (Matches{{6, 3}}));
    EXPECT_EQ(all("ab(c|d)e", "abce abde abcx"), (Matches{{1, 4}}));
    EXPECT_EQ(all("x[0-9]\\{2\\}y", "x1y x12 x12y"), (Matches{{9, 4}}));
    EXPECT_EQ(all("ab*c", "ac abbc abx"), (Matches{{1, 2}, {4, 4}, {9, 2}}));
}
