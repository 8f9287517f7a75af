#pragma once
// Attribute values that carry several URLs: the srcset of images and media
// sources, and url(...) references in inline style attributes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct SrcsetUrls {
  std::vector<std::string> urls;  // in order, without descriptors
  // An empty image candidate: a comma at the start, a comma followed only by white
  // space, or two commas with nothing but white space between them.
  bool hangingComma = false;
};

// The candidate URLs of a srcset value. A URL is a run of non-white-space text;
// commas at its end separate it from the next candidate, otherwise the
// descriptors after it ("1x", "480w") run to the next comma. "a.jpg,b.jpg" has no
// white space and is therefore one URL.
SrcsetUrls splitSrcsFromSrcset(std::string_view value);

// Byte range of the text between the next "url(" (any case) from `from` and the
// following ")"; nullopt when there is none.
struct TextRange {
  size_t location = 0;
  size_t length = 0;
};
std::optional<TextRange> firstURLOccurrenceInStyleSheetSource(std::string_view style,
                                                              size_t from);

// The url(...) references of a style value, quotes and spaces stripped, leaving
// out ".htc" behaviours and fragment references ("#id", "%23id"); nullopt when none.
std::optional<std::vector<std::string>> extractURLsFromInlineStyles(std::string_view style);

// True when an element of the list equals the text exactly.
bool arrayContainsString(const std::vector<std::string>& list, std::string_view text);

}  // namespace zel
