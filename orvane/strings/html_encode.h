// HTML encoding of 8-bit ISO 8859-1 text.
//
// Every character that has an entry in a fixed table of 65 characters is replaced by its
// character entity; every other character is copied unchanged. The table holds the blank (which
// becomes a non-breaking space), the double quote, the ampersand, "<" and ">" (whose entities
// "&lt" and "&gt" carry no semicolon), and the accented letters 192 to 255 except 208, 215, 240
// and 247.
//
//   VHTML_EncodeString("Tom & Jerry");   // "Tom&nbsp;&amp;&nbsp;Jerry"
//   VHTML_EncodeString("a<b");           // "a&ltb"
//   VHTML_EncodeChar('\xFC');            // "&uuml;"
//   VHTML_EncodeChar('\xD7');            // "\xD7": the multiplication sign is not in the table
//
// Choices: a null text encodes to an empty string, like an empty one; an entity is at most 8
// characters, so a result is never longer than 8 times its text.
#ifndef ORVANE_STRINGS_HTML_ENCODE_H
#define ORVANE_STRINGS_HTML_ENCODE_H

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"

// The entity of `c`, or `c` itself as a one-character string; the character 0 gives "".
ORVANE_API V_STRING VHTML_EncodeChar(char c);

// The zero-terminated `text` with every character encoded as by VHTML_EncodeChar.
ORVANE_API V_STRING VHTML_EncodeString(const char* text);

#endif
