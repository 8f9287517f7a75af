#pragma once
// Punycode (the Bootstring parameters of RFC 3492) for one host-name label.
// Arithmetic is on 32-bit unsigned integers with the RFC's overflow checks;
// both directions run in O(n log n), so a hostile label of any length cannot
// stall a crawl.
#include <optional>
#include <string>
#include <string_view>

namespace zel {

// Encodes code points; the output is ASCII with lower-case digit letters, the
// basic code points copied first (in their case) and followed by "-" when there
// are any. nullopt when a delta overflows 32 bits.
std::optional<std::string> punycodeEncode(std::u32string_view input);
// Decodes; both letter cases are digits. nullopt on a non-basic character in
// the basic part, a non-digit, input ending inside an integer, a 32-bit
// overflow, or a decoded value that is not a Unicode scalar value.
std::optional<std::u32string> punycodeDecode(std::string_view input);

// The UTF-8 forms. Encoding first drops the characters that map to nothing
// (see stringByDeletingIgnoredCharacters).
std::optional<std::string> punycodeEncodedString(std::string_view text);
std::optional<std::string> punycodeDecodedString(std::string_view text);

}  // namespace zel
