// Latin-1 text on a UTF-8 terminal: the library's text is single-byte ISO 8859-1, while what a
// person types and sees is UTF-8.
//
//   std::u32string characters;
//   std::size_t bad = 0;
//   decodeUtf8("caf\xc3\xa9 \xe2\x82\xac", characters, bad);   // true: c a f U+00E9 blank U+20AC
//   decodeUtf8("caf\xe9", characters, bad);                    // false, bad == 4
#ifndef ORVANE_CLI_LATIN1_H
#define ORVANE_CLI_LATIN1_H

#include <cstddef>
#include <string>

namespace cli {

// The characters of `utf8`. False when it is not valid UTF-8 (a stray continuation byte, a
// sequence cut short, an overlong form, a surrogate, a value above U+10FFFF), with `badByte` the
// 1-based position of the first byte of the faulty sequence.
bool decodeUtf8(const std::string& utf8, std::u32string& characters, std::size_t& badByte);

// Latin-1 bytes as UTF-8.
std::string latin1ToUtf8(const std::string& latin1);

}  // namespace cli

#endif
