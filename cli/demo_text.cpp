// The demo's section on the text tools: patterns, separated strings, HTML.
#include <cstdio>
#include <string>

#include <orvane/tools.h>

#include "command.h"
#include "demo.h"

namespace cli {

namespace {

void showMatches(const char* pattern, const char* text, VSTRI_Grep::CaseSensitive sensitive) {
    const VSTRI_Grep grep(pattern, sensitive);
    VSTRI_MatchingList list(16);
    list.reinitialize();
    grep.match(text, list, 1, VSTRI_Grep::AllMatches);
    std::string found;
    for (unsigned long i = 0; i < list.capacity() && list[i]; ++i) {
        found += " (" + std::to_string(list[i].position()) + ", " +
                 std::to_string(list[i].length()) + ")";
    }
    std::printf("  %-16s in %-14s ->%s\n", pattern, (std::string("\"") + text + "\"").c_str(),
                found.empty() ? " no match" : found.c_str());
}

// The text with every byte above 127 written as \xNN, so that any terminal shows it.
std::string visible(const char* text) {
    std::string out = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        const unsigned char byte = static_cast<unsigned char>(*c);
        if (byte < 128) {
            out += *c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out + "\"";
}

}  // namespace

void demoText() {
    std::printf("Patterns, every match as (position, length); matches may overlap:\n");
    showMatches("ab", "xabyab", VSTRI_Grep::MatchCase);
    showMatches("aa", "aaaa", VSTRI_Grep::MatchCase);
    showMatches("colou?r", "color colour", VSTRI_Grep::MatchCase);
    showMatches("a\\{2,3\\}", "baaaa", VSTRI_Grep::MatchCase);
    showMatches("ab|a", "abc", VSTRI_Grep::MatchCase);
    showMatches("[a-c]+", "xBCy", VSTRI_Grep::IgnoreCase);
    std::printf("  (the last one ignores case)\n");
    const VSTRI_Grep broken("*a", VSTRI_Grep::MatchCase);
    std::printf("  '*a' compiles: %s, so it matches nothing\n", broken.isCompiled() ? "yes" : "no");

    std::printf("\nItems of a separated string, with and without skipping empty ones:\n");
    const V_STRING list("red;;green;blue");
    for (const bool skip : {false, true}) {
        VSTRI_CSSCursor cursor(list, ';', skip);
        std::string items;
        for (cursor.reset(); cursor.isValid(); cursor.next())
            items += std::string(" [") + cursor.getString().data() + "]";
        std::printf("  \"%s\"%s ->%s\n", list.data(), skip ? " skipping" : "", items.c_str());
    }

    std::printf("\nLatin-1 text encoded for HTML (bytes above 127 shown as \\xNN):\n");
    for (const char* text : {"Tom & Jerry", "a<b",
                             "K\xE4se f\xFCr 5\xD7"
                             "3"})
        std::printf("  %-22s -> %s\n", visible(text).c_str(),
                    visible(VHTML_EncodeString(text).data()).c_str());
}

}  // namespace cli
