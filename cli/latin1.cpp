// Decoding UTF-8 and showing Latin-1 bytes on a UTF-8 terminal.
#include "latin1.h"

namespace cli {

namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

}  // namespace

bool decodeUtf8(const std::string& utf8, std::u32string& characters, std::size_t& badByte) {
    characters.clear();
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 0;
        char32_t value = 0;
        char32_t smallest = 0;  // the least value of that length: below it is an overlong form
        if (lead < 0x80) {
            length = 1;
            value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            value = lead & 0x1F;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            value = lead & 0x0F;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            value = lead & 0x07;
            smallest = 0x10000;
        } else {
            badByte = i + 1;
            return false;
        }
        if (i + length > utf8.size()) {
            badByte = i + 1;
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if (!isContinuation(next)) {
                badByte = i + 1;
                return false;
            }
            value = (value << 6) | (next & 0x3F);
        }
        if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            badByte = i + 1;
            return false;
        }
        characters += value;
        i += length;
    }
    return true;
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
