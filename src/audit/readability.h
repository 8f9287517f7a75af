#pragma once
// The Flesch reading ease of an English text: 206.835 - 1.015 x words a
// sentence - 84.6 x syllables a word, over ICU's sentences and words. A word's
// syllables are its hyphenation points + 1 by the en-US patterns (libhyphen);
// a word the patterns do not split counts its groups of vowels (a, e, i, o, u,
// y), a final silent "e" aside, at least one.
#include <optional>
#include <string>
#include <string_view>

#include "parser/page_content.h"

namespace zel::audit {

class SyllableCounter {
 public:
  // The patterns from `patternsFile`; without them every word counts its vowel groups.
  explicit SyllableCounter(const std::string& patternsFile = kEnglishPatterns);
  ~SyllableCounter();
  SyllableCounter(const SyllableCounter&) = delete;
  SyllableCounter& operator=(const SyllableCounter&) = delete;

  static constexpr const char* kEnglishPatterns = "/usr/share/hyphen/hyph_en_US.dic";
  bool hasPatterns() const { return dict_ != nullptr; }
  // Safe to call from many threads at once (the patterns are only read).
  int syllables(std::string_view word) const;
  static int vowelGroups(std::string_view word);

 private:
  void* dict_ = nullptr;
};

// Whether a page in this lang is scored: English, or no lang at all (the
// spelling dictionary's language, en-US, is assumed).
bool scoresLanguage(std::string_view lang);

struct TextUnits;
// The scores of a text's words and sentences; not scored when it has no words.
Readability readabilityOf(const TextUnits& units, const SyllableCounter& syllables);

}  // namespace zel::audit
