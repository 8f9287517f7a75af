#include "audit/text_units.h"

#include <unicode/brkiter.h>
#include <unicode/unistr.h>

#include <memory>

namespace zel::audit {

namespace {

// Break iterators are costly to make and not shared between threads: one each.
icu::BreakIterator* iterator(bool sentences) {
  thread_local std::unique_ptr<icu::BreakIterator> words, sentenceIt;
  std::unique_ptr<icu::BreakIterator>& it = sentences ? sentenceIt : words;
  if (!it) {
    UErrorCode status = U_ZERO_ERROR;
    it.reset(sentences ? icu::BreakIterator::createSentenceInstance(icu::Locale::getRoot(), status)
                       : icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status)) it.reset();
  }
  return it.get();
}

// The words of one stretch of text, as ICU marks them.
void wordsOf(const icu::UnicodeString& text, bool lower, std::vector<std::string>& out) {
  icu::BreakIterator* it = iterator(false);
  if (!it) return;
  it->setText(text);
  int32_t start = it->first();
  for (int32_t end = it->next(); end != icu::BreakIterator::DONE; start = end, end = it->next()) {
    if (it->getRuleStatus() == UBRK_WORD_NONE) continue;
    icu::UnicodeString word = text.tempSubStringBetween(start, end);
    if (lower) word.toLower(icu::Locale::getRoot());
    std::string utf8;
    word.toUTF8String(utf8);
    out.push_back(std::move(utf8));
  }
}

}  // namespace

std::vector<std::string> textWords(std::string_view utf8) {
  std::vector<std::string> out;
  wordsOf(icu::UnicodeString::fromUTF8(
              icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size()))),
          true, out);
  return out;
}

std::vector<std::vector<std::string>> textSentences(std::string_view utf8) {
  std::vector<std::vector<std::string>> out;
  const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
  icu::BreakIterator* it = iterator(true);
  if (!it) return out;
  it->setText(text);
  std::vector<std::pair<int32_t, int32_t>> spans;
  int32_t start = it->first();
  for (int32_t end = it->next(); end != icu::BreakIterator::DONE; start = end, end = it->next())
    spans.emplace_back(start, end);
  for (const auto& [s, e] : spans) {  // the word iterator is another object: no reentry
    std::vector<std::string> words;
    wordsOf(text.tempSubStringBetween(s, e), false, words);
    if (!words.empty()) out.push_back(std::move(words));
  }
  return out;
}

}  // namespace zel::audit
