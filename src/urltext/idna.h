#pragma once
// Host names between their Unicode form and their "xn--" form, label by label.
// A light IDNA: characters that map to nothing are dropped, compatibility
// composition is optional, and labels that are not plain ASCII are
// Punycode-encoded. No case folding, no further nameprep, no length checks.
#include <string>
#include <string_view>

namespace zel {

class Defaults;

// Unicode compatibility composition (NFKC). Text that is not valid UTF-8 is
// read with U+FFFD for the bad bytes.
std::string precomposedStringWithCompatibilityMapping(std::string_view text);

// Converts a host or user-and-host text. Labels are separated by "." and "@"
// (separators are written unchanged); white space before a label is skipped.
// A label whose characters all lie in U+0001..U+007F is kept as it is, any
// other becomes "xn--" and its Punycode. With compatibilityMapping the text is
// NFKC-composed first. A label too long to encode (32-bit overflow) is written
// as a bare "xn--", which names no host.
std::string IDNAEncodedString(std::string_view host, bool compatibilityMapping = false);
// Reads the setting precomposedStringWithCompatibilityMapping.
std::string IDNAEncodedString(std::string_view host, const Defaults& defaults);

// The reverse: a label starting with "xn--" in either case is replaced by its
// decoded text; a label that does not decode is left out (its separators stay).
std::string IDNADecodedString(std::string_view host);

}  // namespace zel
