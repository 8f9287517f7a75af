#pragma once
// Words and sentences of a text by ICU's break rules (root locale): what the
// near-duplicate signatures and the readability score count.
#include <string>
#include <string_view>
#include <vector>

namespace zel::audit {

// The words (letters or numbers; no punctuation or spaces), lower-cased.
std::vector<std::string> textWords(std::string_view utf8);

// The sentences that hold at least one word, each as its words (not lower-cased).
std::vector<std::vector<std::string>> textSentences(std::string_view utf8);

}  // namespace zel::audit
