// Latin-1 text on a UTF-8 terminal: the library's text is single-byte ISO 8859-1, while what a
// person types and sees is usually UTF-8.
#ifndef ORVANE_CLI_LATIN1_H
#define ORVANE_CLI_LATIN1_H

#include <string>

namespace cli {

// The Latin-1 bytes of `utf8` when it is valid UTF-8 whose characters all lie in U+0000..U+00FF;
// otherwise `utf8` unchanged (it is then taken to be Latin-1 already).
std::string latin1FromTerminal(const std::string& utf8);

// Latin-1 bytes as UTF-8.
std::string latin1ToUtf8(const std::string& latin1);

}  // namespace cli

#endif
