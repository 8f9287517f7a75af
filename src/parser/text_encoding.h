#pragma once
// A page's declared character set, its mapping to an engine encoding, and the
// decoding of captured byte runs into clean text (the encoding's fallback chain,
// character references, line breaks).
#include <optional>
#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace zel {

class Log;

// The character set a page declares before its first "body" (or "BODY"): the text
// between "charset" (or "CHARSET") and the next '>', with spaces, '=' and quotes
// stripped from both ends. Case-sensitive byte searches; nullopt when none.
std::optional<std::string> extractCharsetFromHTML(std::string_view data);

// The encoding a declared charset name stands for; kNone when it is not recognised.
// Substring tests, case-sensitive, in a fixed order (declarations often carry
// trailing text such as a quote and a slash).
TextEncoding encodingForCharset(std::string_view charset);

// Decodes bytes with `enc`, falling back to UTF-8, ISO 8859-1, UTF-16 and ASCII in
// turn; never fails, because ISO 8859-1 decodes every byte. The fallback is logged
// (verbosity 1) when `enc` was set and failed.
std::string decodeWithFallback(std::string_view bytes, TextEncoding enc, Log* log);

// A captured value as text: decoded (decodeWithFallback), character references
// resolved, white space trimmed from both ends; then CR and LF are deleted, or with
// returnsAreSeparators each becomes a space and pairs of spaces are halved once.
std::string unescapedStringFromBuffer(std::string_view bytes, TextEncoding enc,
                                      bool returnsAreSeparators, Log* log);

// Removes every leading and trailing occurrence of `c`.
void trimThisCharacter(char c, std::string& url);

// Whether a byte counts as white space for the scanner (tab to CR, space, and the
// Latin-1 next-line and no-break space values).
constexpr bool isScanWhitespace(unsigned char c) {
  return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0;
}

// Length in bytes of the Unicode white space or line separator character at byte
// `i` of UTF-8 text; 0 when the character there is none.
size_t whitespaceLengthAt(std::string_view utf8, size_t i);

// Trims Unicode white space and line separators from both ends of UTF-8 text.
std::string_view trimUnicodeWhitespace(std::string_view utf8);

}  // namespace zel
