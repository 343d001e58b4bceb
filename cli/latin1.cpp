#include "latin1.h"

namespace cli {

std::string latin1FromTerminal(const std::string& utf8) {
    std::string latin1;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            latin1 += static_cast<char>(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            const auto next = static_cast<unsigned char>(utf8[++i]);
            latin1 += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
        } else {
            return utf8;  // not UTF-8 of Latin-1 characters: the bytes are Latin-1 already
        }
    }
    return latin1;
}

std::string latin1ToUtf8(const std::string& latin1) {
    std::string utf8;
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            utf8 += ch;
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

}  // namespace cli
