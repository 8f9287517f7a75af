#pragma once
// Spelling and grammar checking of page text.
//
// A checker is asked for the first finding at or after a byte position of a
// UTF-8 text and answers with its byte range; callers walk a text by asking again
// from the end of the previous finding. Checkers are used from the crawl's own
// thread only.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// A byte range of a text; `location` is kNotFound when there is none.
struct TextSpan {
  static constexpr size_t kNotFound = SIZE_MAX;
  size_t location = kNotFound;
  size_t length = 0;
  bool found() const { return location != kNotFound; }
  size_t end() const { return location + length; }
};

struct GrammarFinding {
  TextSpan range;
  std::vector<std::string> details;  // descriptions of what is wrong; may be empty
  // The checker failed part-way; `range` is then not found and the walk stops.
  bool failed = false;
};

class SpellChecker {
 public:
  virtual ~SpellChecker() = default;

  // The first misspelt word of `text` that starts at or after `from` (no wrap to
  // the start); not found when there is none.
  virtual TextSpan checkSpelling(std::string_view text, size_t from) = 0;
  // The first grammar finding at or after `from`. Checkers without a grammar
  // service find nothing.
  virtual GrammarFinding checkGrammar(std::string_view text, size_t from) {
    (void)text;
    (void)from;
    return {};
  }
  virtual bool checksGrammar() const { return false; }

  // The process's checker: the one installed with setShared, else the default
  // checker for English (spelling on hunspell, grammar on link-grammar, each
  // loaded on first use), which finds nothing where its library or dictionary is
  // missing.
  static SpellChecker* shared();
  // Installs a checker (not owned; nullptr goes back to the default), for hosts
  // with a checker of their own and for tests.
  static void setShared(SpellChecker* checker);
};

// Words of a text as checkers see them: runs of letters, digits and apostrophes,
// joined across single inner '.', ':', '/', '@', '_' and '-' characters, so that
// addresses, file names and hyphenated words stay whole. Byte ranges, in order,
// starting at or after `from`; `visit` returns false to stop.
template <class F>
void forEachWord(std::string_view text, size_t from, F&& visit);

// Length in bytes of the character at `at` when it belongs to a word (letters,
// combining marks, digits, the apostrophes ' and U+2019), else 0. Invalid UTF-8
// bytes belong to no word.
size_t wordCharacterLength(std::string_view text, size_t at);

// A spell checker on the hunspell library with the dictionary of `language`
// (for example "en_US") from the system's dictionary folders; nullptr when the
// library or the dictionary is missing. The library is loaded when first needed,
// so that the engine runs (without spelling) where it is not installed.
std::unique_ptr<SpellChecker> makeHunspellChecker(std::string_view language);
// The spelling library's file name as loaded, "" when it is not installed.
std::string hunspellLibraryName();

// A grammar checker on link-grammar with the dictionary of `language` ("en"):
// a sentence of 4 to 40 words with no complete linkage is a finding. It checks
// no spelling. nullptr when the dictionary is missing.
std::unique_ptr<SpellChecker> makeLinkGrammarChecker(std::string_view language);

template <class F>
void forEachWord(std::string_view text, size_t from, F&& visit) {
  size_t i = from;
  const size_t n = text.size();
  while (i < n) {
    size_t w = wordCharacterLength(text, i);
    if (w == 0) {
      ++i;
      continue;
    }
    const size_t start = i;
    i += w;
    while (i < n) {
      if ((w = wordCharacterLength(text, i))) {
        i += w;
        continue;
      }
      const char c = text[i];
      const bool joiner = c == '.' || c == ':' || c == '/' || c == '@' || c == '_' || c == '-';
      if (!joiner) break;
      // Joiners may repeat ("://") but must be followed by a word character.
      size_t j = i;
      while (j < n && (text[j] == '.' || text[j] == ':' || text[j] == '/' || text[j] == '@' ||
                       text[j] == '_' || text[j] == '-'))
        ++j;
      if (j >= n || wordCharacterLength(text, j) == 0) break;
      i = j;
    }
    // Apostrophes around a word are quotation marks, not part of it, and so are
    // the joiners they leave at its ends: '/' is no word, '/bin/sh' is bin/sh.
    auto edge = [](char c) {
      return c == '\'' || c == '.' || c == ':' || c == '/' || c == '@' || c == '_' || c == '-';
    };
    size_t b = start, e = i;
    while (b < e && edge(text[b])) ++b;
    while (e > b && edge(text[e - 1])) --e;
    if (b < e && !visit(b, e - b)) return;
  }
}

}  // namespace zel
