// Fuzzes the separated-string cursor: the items it walks through must rebuild the text, and the
// lookups by index must agree with the walk.
// Input layout: 1 byte separator, 1 byte flags (bit 0: skip separators), then the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <orvane/tools.h>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const char separator = static_cast<char>(data[0]);
    const bool skip = (data[1] & 1) != 0;
    const std::string raw(reinterpret_cast<const char*>(data + 2), size - 2);
    const V_STRING text(raw.c_str());
    const std::string s = text.str();

    VSTRI_CSSCursor cursor(text, separator, skip);
    check(!cursor.isValid());
    std::vector<std::string> items;
    for (cursor.reset(); cursor.isValid(); cursor.next()) {
        items.push_back(cursor.getString().str());
        check(items.size() <= s.size() + 1);  // the walk ends
        check(items.back().find(separator) == std::string::npos || separator == '\0');
        if (cursor.isEmptyString()) check(items.back().empty());
    }
    check(s.empty() == items.empty());

    if (!skip) {
        // The items joined by the separator give the text, less a separator at its end.
        std::string joined;
        for (std::size_t i = 0; i < items.size(); ++i)
            joined += (i > 0 ? std::string(1, separator) : std::string()) + items[i];
        check(joined == s || joined + separator == s);
    } else {
        // The non-empty pieces of the text, and at most one empty item at the very end.
        std::vector<std::string> pieces;
        std::string piece;
        for (const char c : s) {
            if (c == separator) {
                if (!piece.empty()) pieces.push_back(piece);
                piece.clear();
            } else {
                piece += c;
            }
        }
        if (!piece.empty()) pieces.push_back(piece);
        std::vector<std::string> nonEmpty = items;
        if (!nonEmpty.empty() && nonEmpty.back().empty()) nonEmpty.pop_back();
        for (const std::string& item : nonEmpty)
            check(!item.empty());
        check(nonEmpty == pieces);
    }

    for (std::size_t i = 0; i <= items.size() && i < 64; ++i) {
        const unsigned index = static_cast<unsigned>(i);
        check(cursor.isValidIndex(index) == (i < items.size()));
        const std::string byIndex = cursor
                                        .getStringByIndex(index,
                                                          "\x01"
                                                          "fallback")
                                        .str();
        check(byIndex == (i < items.size() ? items[i]
                                           : std::string("\x01"
                                                         "fallback")));
    }
    return 0;
}
