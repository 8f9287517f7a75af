#pragma once
// Character sets of URL components and percent encoding and decoding.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

// A set of bytes (in practice ASCII characters). Bytes of 0x80 and above can be
// members but no set used for URLs has them, so every non-ASCII character is
// always escaped as its UTF-8 bytes.
class CharSet {
 public:
  constexpr CharSet() = default;
  constexpr explicit CharSet(std::string_view members) { addAll(members); }
  constexpr bool contains(unsigned char c) const { return (bits_[c >> 6] >> (c & 63)) & 1u; }
  constexpr bool contains(char c) const { return contains(static_cast<unsigned char>(c)); }
  constexpr CharSet& add(unsigned char c) {
    bits_[c >> 6] |= uint64_t{1} << (c & 63);
    return *this;
  }
  constexpr CharSet& addAll(std::string_view members) {
    for (char c : members) add(static_cast<unsigned char>(c));
    return *this;
  }
  // This set plus the given characters.
  constexpr CharSet with(std::string_view members) const {
    CharSet s = *this;
    s.addAll(members);
    return s;
  }
  constexpr bool operator==(const CharSet&) const = default;

 private:
  std::array<uint64_t, 4> bits_{};
};

// Characters allowed unescaped in a URL path (no ";").
const CharSet& kxURLPathAllowedCharacterSet();
// RFC 3986 unreserved and sub-delimiter characters: user names and passwords.
const CharSet& URLUserAllowedCharacterSet();
const CharSet& URLPasswordAllowedCharacterSet();
// The user set plus ":", "@", "/" and "?".
const CharSet& URLFragmentAllowedCharacterSet();

// Every byte not in the set is written as "%" and two upper-case hex digits
// (a non-ASCII character thus as its UTF-8 bytes); members are copied. Never
// fails: bytes that are not valid UTF-8 are escaped like any other.
std::string kxStringByAddingPercentEncodingWithAllowedCharacters(std::string_view text,
                                                                 const CharSet& allowed);
// Every "%" with two hex digits becomes that byte. nullopt when a "%" is not
// followed by two hex digits or the result is not valid UTF-8.
std::optional<std::string> kxStringByRemovingPercentEncoding(std::string_view text);

// The escaping used for addresses that do not parse: escapes what may never
// appear in a URL (controls, space, non-ASCII bytes, and " < > \ ^ ` { | } [ ])
// and leaves reserved characters alone. A "%" is escaped only when it does not
// begin a valid escape, so existing escapes are not encoded twice; the first
// "#" is kept as the fragment mark and any later "#" is escaped. The text is
// taken as bytes: convert it to another encoding first to escape in that one.
std::string stringByAddingLegacyPercentEscapes(std::string_view bytes);

}  // namespace zel
