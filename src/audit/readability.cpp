#include "audit/readability.h"

#include <hyphen.h>
#include <xxhash.h>

#include <algorithm>
#include <cctype>
#include <unordered_map>
#include <vector>

#include "audit/text_units.h"
#include "platform/text_format.h"

namespace zel::audit {

namespace {
struct WordHash {
  using is_transparent = void;
  size_t operator()(std::string_view w) const noexcept { return XXH3_64bits(w.data(), w.size()); }
};
}  // namespace

SyllableCounter::SyllableCounter(const std::string& patternsFile) {
  dict_ = hnj_hyphen_load(patternsFile.c_str());
}

SyllableCounter::~SyllableCounter() {
  if (dict_) hnj_hyphen_free(static_cast<HyphenDict*>(dict_));
}

int SyllableCounter::vowelGroups(std::string_view word) {
  const auto vowel = [](char c) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y';
  };
  int groups = 0;
  for (size_t i = 0; i < word.size(); ++i)
    if (vowel(word[i]) && (i == 0 || !vowel(word[i - 1]))) ++groups;
  // A final "e" after a consonant is silent ("make"), unless it is the only vowel ("the").
  const size_t n = word.size();
  if (groups > 1 && n >= 2 && std::tolower(static_cast<unsigned char>(word[n - 1])) == 'e' &&
      !vowel(word[n - 2]))
    --groups;
  return groups > 0 ? groups : 1;
}

int SyllableCounter::syllables(std::string_view word) const {
  // Numbers ("2026", "3.5") have no hyphenation points, and would fill the cache.
  if (!dict_ || word.empty() || word.size() > 100 ||
      std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return vowelGroups(word);
  // A site repeats its words: each thread keeps the counts it worked out.
  thread_local std::unordered_map<std::string, uint8_t, WordHash, std::equal_to<>> known;
  thread_local const void* knownFor = nullptr;
  if (knownFor != dict_ || known.size() > 20000) {
    known.clear();
    knownFor = dict_;
  }
  // Words come lower-cased from the text's reading: copied only when they are not.
  const bool upper = std::any_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
  std::string lowerCopy = upper ? asciiLower(word) : std::string();
  const std::string_view key = upper ? std::string_view(lowerCopy) : word;
  if (auto it = known.find(key); it != known.end()) return it->second;
  const std::string lower(key);
  std::vector<char> hyphens(lower.size() + 5, '\0');
  char** rep = nullptr;
  int* pos = nullptr;
  int* cut = nullptr;
  int points = 0;
  // Every point the patterns allow, however near the word's ends: syllables, not line breaks.
  if (hnj_hyphen_hyphenate3(static_cast<HyphenDict*>(dict_), lower.c_str(),
                            static_cast<int>(lower.size()), hyphens.data(), nullptr, &rep, &pos,
                            &cut, 1, 1, 1, 1) == 0) {
    for (size_t i = 0; i + 1 < lower.size(); ++i) points += hyphens[i] & 1;
  }
  if (rep) {
    for (size_t i = 0; i < lower.size(); ++i) free(rep[i]);
    free(rep);
    free(pos);
    free(cut);
  }
  const int count = points > 0 ? points + 1 : vowelGroups(word);
  known.emplace(lower, static_cast<uint8_t>(count));
  return count;
}

bool scoresLanguage(std::string_view lang) {
  const std::string_view l = trimWhitespace(lang);
  if (l.empty()) return true;
  return equalsIgnoreCase(l.substr(0, 2), "en") && (l.size() == 2 || l[2] == '-' || l[2] == '_');
}

Readability readabilityOf(const TextUnits& units, const SyllableCounter& syllables) {
  Readability r;
  const size_t words = units.words.size();
  if (words == 0 || units.sentenceWords.empty()) return r;
  size_t syllableCount = 0;
  for (const std::string& w : units.words)
    syllableCount += static_cast<size_t>(syllables.syllables(w));
  r.scored = true;
  const double perSentence =
      static_cast<double>(words) / static_cast<double>(units.sentenceWords.size());
  r.wordsPerSentence = static_cast<float>(perSentence);
  r.fleschReadingEase =
      static_cast<float>(206.835 - 1.015 * perSentence -
                         84.6 * static_cast<double>(syllableCount) / static_cast<double>(words));
  return r;
}

}  // namespace zel::audit
