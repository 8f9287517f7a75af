#pragma once
// HTML character references: the named references of HTML 4.01 plus &apos;, and
// decimal and hexadecimal numeric references, resolved one level deep.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

// The text with character references resolved; the text itself when it holds no '&'.
std::string unescapeEntities(std::string_view text);

// Resolves references scanning '&' from the end towards the start, so that text
// produced by a replacement is never examined again ("&amp;lt;" gives "&lt;").
// A reference is "&...;" of 4 to 10 characters; names are matched exactly (case
// matters) and numbers must lie between 1 and 0xFFFE. Anything else stays as
// written, as do numbers naming a lone surrogate, which UTF-8 cannot carry.
std::string stringByUnescapingFromHTML(std::string_view text);

// The code unit of a named reference given without '&' and ';' ("eacute").
std::optional<char16_t> namedCharacterReference(std::string_view name);
// Number of named references known (253).
size_t namedCharacterReferenceCount();

}  // namespace zel
