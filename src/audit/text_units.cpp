#include "audit/text_units.h"

#include <unicode/brkiter.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>

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

std::string lowered(std::string_view word) {
  bool ascii = true;
  for (char c : word) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (!ascii) {
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(word.data(), static_cast<int32_t>(word.size())));
    std::string out;
    u.toLower(icu::Locale::getRoot()).toUTF8String(out);
    return out;
  }
  std::string out(word);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

}  // namespace

TextUnits textUnits(std::string_view utf8) {
  TextUnits out;
  icu::BreakIterator* words = iterator(false);
  icu::BreakIterator* sentences = iterator(true);
  if (!words || !sentences || utf8.empty()) return out;
  UErrorCode status = U_ZERO_ERROR;
  UText* text = utext_openUTF8(nullptr, utf8.data(), static_cast<int64_t>(utf8.size()), &status);
  if (U_FAILURE(status)) return out;
  words->setText(text, status);
  sentences->setText(text, status);
  if (U_SUCCESS(status)) {
    // Offsets are bytes of the UTF-8 text. Sentences end one after the other;
    // each word counts in the sentence it starts in.
    int32_t sentenceEnd = sentences->next();
    uint32_t inSentence = 0;
    int32_t start = words->first();
    for (int32_t end = words->next(); end != icu::BreakIterator::DONE;
         start = end, end = words->next()) {
      if (words->getRuleStatus() == UBRK_WORD_NONE) continue;
      while (sentenceEnd != icu::BreakIterator::DONE && start >= sentenceEnd) {
        if (inSentence) out.sentenceWords.push_back(inSentence);
        inSentence = 0;
        sentenceEnd = sentences->next();
      }
      ++inSentence;
      out.words.push_back(
          lowered(utf8.substr(static_cast<size_t>(start), static_cast<size_t>(end - start))));
    }
    if (inSentence) out.sentenceWords.push_back(inSentence);
  }
  utext_close(text);
  return out;
}

}  // namespace zel::audit
