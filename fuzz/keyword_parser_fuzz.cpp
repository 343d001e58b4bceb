// Fuzzes parseKeyword through a small parser that reads a whole text token by token, and checks
// every token against the characters it consumed.
// Input layout: 1 byte mode (bit 0: KeepDelimiter), then the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <orvane/tools.h>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

class TokenParser : public VTEXT_AbstractParser {
public:
    TokenParser(const V_STRING& text, VTEXT_KeywordParsingMode mode)
        : VTEXT_AbstractParser(text), m_mode(mode) {}

    bool parse() override {
        const std::string s = getText().str();
        for (std::size_t tokens = 0;; ++tokens) {
            check(tokens <= s.size() + 1);  // every token consumes something
            const long before = getIndexOfCurrentChar();
            char keyword[31];
            std::memset(keyword, 'z', sizeof keyword);
            bool hasNumber = true;
            long number = 12345;
            pushSettings();
            parseKeyword(keyword, hasNumber, number, m_mode);
            popSettings();
            check(std::memchr(keyword, '\0', sizeof keyword) != nullptr);
            const std::string word = keyword;
            const long after = getIndexOfCurrentChar();
            if (word.empty()) {
                check(!hasNumber && number == 12345);
                return before + 1 >= static_cast<long>(s.size());
            }
            check(word.size() <= 30 && after > before);
            // What the call consumed: the keyword, then perhaps "-" and digits, then perhaps
            // the blank that SkipBlank mode swallows.
            const long end =
                after < static_cast<long>(s.size()) ? after : static_cast<long>(s.size()) - 1;
            std::string consumed = s.substr(static_cast<std::size_t>(before + 1),
                                            static_cast<std::size_t>(end - before));
            check(consumed.compare(0, word.size(), word) == 0);
            if (word.size() == 1 && !orvane::chars::isLetter(word[0])) {
                check(!hasNumber && consumed.size() == 1);
                continue;
            }
            for (const char c : word)
                check(orvane::chars::isLetter(c));
            std::string rest = consumed.substr(word.size());
            if (m_mode != KeepDelimiter && !rest.empty() && rest.back() == ' ') rest.pop_back();
            if (!rest.empty() && rest[0] == '-') rest = rest.substr(1);
            check(rest.size() <= 20);
            for (const char c : rest)
                check(orvane::chars::isDigit(c));
            if (hasNumber) {
                check(!rest.empty());
                const bool negative = consumed.size() > word.size() && consumed[word.size()] == '-';
                long value = 0;
                check(V_STRING(((negative ? "-" : "") + rest).c_str()).convert(value));
                check(value == number);
            } else {
                check(number == 12345);
            }
        }
    }
    void reset() override {}

private:
    VTEXT_KeywordParsingMode m_mode;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const auto mode = (data[0] & 1) != 0 ? KeepDelimiter : SkipBlank;
    const std::string raw(reinterpret_cast<const char*>(data + 1), size - 1);
    const V_STRING text(raw.c_str());
    TokenParser parser(text, mode);
    check(parser.parse());
    return 0;
}
