// The process's spell checker and the word boundaries checkers share.
#include "platform/spell_checker.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <mutex>

namespace zel {

namespace {

std::mutex& sharedMutex() {
  static std::mutex m;
  return m;
}
SpellChecker* installed = nullptr;

// Spelling and grammar for English, each loaded when first asked for: the
// grammar dictionary is large and only wanted with checkGrammar.
class DefaultChecker : public SpellChecker {
 public:
  TextSpan checkSpelling(std::string_view text, size_t from) override {
    if (!spellingLoaded_) {
      spelling_ = makeHunspellChecker("en_US");
      spellingLoaded_ = true;
    }
    return spelling_ ? spelling_->checkSpelling(text, from) : TextSpan{};
  }
  GrammarFinding checkGrammar(std::string_view text, size_t from) override {
    if (!grammarLoaded_) {
      grammar_ = makeLinkGrammarChecker("en");
      grammarLoaded_ = true;
    }
    return grammar_ ? grammar_->checkGrammar(text, from) : GrammarFinding{};
  }
  bool checksGrammar() const override { return true; }

 private:
  std::unique_ptr<SpellChecker> spelling_, grammar_;
  bool spellingLoaded_ = false, grammarLoaded_ = false;
};

}  // namespace

SpellChecker* SpellChecker::shared() {
  {
    std::lock_guard<std::mutex> lock(sharedMutex());
    if (installed) return installed;
  }
  // Loading a dictionary takes a while; it is done once per process.
  static DefaultChecker fallback;
  return &fallback;
}

void SpellChecker::setShared(SpellChecker* checker) {
  std::lock_guard<std::mutex> lock(sharedMutex());
  installed = checker;
}

size_t wordCharacterLength(std::string_view text, size_t at) {
  const unsigned char c = static_cast<unsigned char>(text[at]);
  if (c < 0x80) {
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return (alnum || c == '\'') ? 1 : 0;
  }
  const auto* s = reinterpret_cast<const uint8_t*>(text.data());
  int32_t i = static_cast<int32_t>(at);
  const int32_t length = static_cast<int32_t>(std::min<size_t>(text.size(), INT32_MAX));
  UChar32 cp;
  U8_NEXT(s, i, length, cp);
  if (cp < 0) return 0;
  if (cp == 0x2019 || u_isalnum(cp) || (U_GET_GC_MASK(cp) & U_GC_M_MASK))
    return static_cast<size_t>(i) - at;
  return 0;
}

}  // namespace zel
