#pragma once
// Words and sentences of a text by ICU's break rules (root locale): what the
// near-duplicate signatures and the readability score count. One pass of each
// iterator over the UTF-8 text itself, so that a page costs no conversion.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zel::audit {

struct TextUnits {
  std::vector<std::string> words;       // letters or numbers, lower-cased, in order
  std::vector<uint32_t> sentenceWords;  // the words of each sentence that has any
};

TextUnits textUnits(std::string_view utf8);
// The same by ICU's iterators whatever the text; textUnits reads ASCII texts
// without them, with the same result.
TextUnits icuTextUnits(std::string_view utf8);
// The words alone.
inline std::vector<std::string> textWords(std::string_view utf8) { return textUnits(utf8).words; }

}  // namespace zel::audit
