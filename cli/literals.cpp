// Rewriting integer literals as floating ones.
#include "literals.h"

namespace cli {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isPointKeyword(char c) {
    return c == 'x' || c == 'y' || c == 'z' || c == 'p' || c == 'd';
}

// Calls `integer(end)` after each integer literal of `text`, `end` the index past its digits.
template <class OnInteger>
void forEachIntegerLiteral(const std::string& text, OnInteger integer) {
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isLetter(c) && !(isPointKeyword(c) && i + 1 < text.size() && isDigit(text[i + 1]))) {
            while (i < text.size() && (isLetter(text[i]) || isDigit(text[i]) || text[i] == '_'))
                ++i;
            continue;
        }
        if (c == '.' && i + 1 < text.size() && isDigit(text[i + 1])) {
            ++i;  // a floating literal '.5': its digits follow
            while (i < text.size() && isDigit(text[i]))
                ++i;
        } else if (isDigit(c)) {
            while (i < text.size() && isDigit(text[i]))
                ++i;
            if (i >= text.size() || (text[i] != '.' && text[i] != 'e' && text[i] != 'E')) {
                integer(i);
                continue;
            }
            if (text[i] == '.') {
                ++i;
                while (i < text.size() && isDigit(text[i]))
                    ++i;
            }
        } else {
            ++i;
            continue;
        }
        // The exponent of a floating literal.
        if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
            ++i;
            if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
            while (i < text.size() && isDigit(text[i]))
                ++i;
        }
    }
}

}  // namespace

std::string floatingLiterals(const std::string& text, std::vector<long>& origin) {
    std::vector<std::size_t> ends;
    forEachIntegerLiteral(text, [&](std::size_t end) { ends.push_back(end); });
    std::string result;
    origin.clear();
    std::size_t next = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (next < ends.size() && ends[next] == i) {
            result += '.';
            origin.push_back(static_cast<long>(i));  // the dot stands where the digits end
            ++next;
        }
        if (i == text.size()) break;
        result += text[i];
        origin.push_back(static_cast<long>(i + 1));
    }
    return result;
}

bool hasIntegerLiteral(const std::string& text) {
    bool found = false;
    forEachIntegerLiteral(text, [&](std::size_t) { found = true; });
    return found;
}

}  // namespace cli
