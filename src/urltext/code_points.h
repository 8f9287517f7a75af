#pragma once
// Code-point level views of UTF-8 text, shared by the punycode, IDNA and URL
// scanners. Texts are UTF-8 std::string; bytes that are not valid UTF-8 read
// as U+FFFD so that hostile input never stops a conversion.
#include <cstddef>
#include <string>
#include <string_view>

namespace zel {

// The code points of a text (invalid UTF-8 bytes become U+FFFD, one each).
std::u32string longCharacters(std::string_view text);
// The same, with their number through the out-argument.
std::u32string longCharactersWithCount(std::string_view text, size_t& count);
// UTF-8 text of a code-point sequence; surrogates and values above U+10FFFF
// are written as U+FFFD.
std::string stringFromLongCharacters(std::u32string_view codePoints);
// Appends one code point as UTF-8 (U+FFFD for a surrogate or out of range).
void appendUtf8(std::string& out, char32_t cp);

// Decodes the code point at text[pos]; returns its byte length through len.
// Invalid or truncated sequences (overlong forms, surrogates, above U+10FFFF)
// give U+FFFD with len 1.
char32_t decodeUtf8At(std::string_view text, size_t pos, size_t& len);
// Strict validity: what a percent-decoded byte string must satisfy.
bool isValidUtf8(std::string_view bytes);

// Characters that map to nothing in internationalised host names (soft hyphen,
// zero-width joiners, variation selectors, byte-order mark ...).
bool isIgnoredCharacter(char32_t cp);
// The text without the ignored characters; other bytes are kept as they are.
std::string stringByDeletingIgnoredCharacters(std::string_view text);

// Equal under Unicode case folding (ASCII texts take a fast path). Invalid
// UTF-8 bytes compare as U+FFFD.
bool caseInsensitiveEquals(std::string_view a, std::string_view b);

// White space and line breaks as a text scanner skips them (Unicode spaces,
// tab, line and paragraph separators, NEL).
bool isWhitespaceOrNewline(char32_t cp);
// Line breaks only (LF, VT, FF, CR, NEL, U+2028, U+2029).
bool isNewline(char32_t cp);
// Index of the first byte at or after pos that does not start a white-space or
// line-break character.
size_t skipWhitespaceAndNewlines(std::string_view text, size_t pos);

}  // namespace zel
