#include "audit/text_units.h"

#include <unicode/brkiter.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>

#include <array>
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

// ASCII texts by the same rules as ICU's root word and sentence breaks, as
// far as ASCII has their classes, without a break iterator: most pages' main
// text is ASCII, and the iterators were most of a page's reading time.
enum Cls : uint8_t {
  kOther,
  kLetter,
  kDigit,
  kUnderscore,
  kSpace,
  kLineEnd,
  kPeriod,
  kStop,
  kClose,
  kContinue
};

constexpr std::array<Cls, 128> asciiClasses() {
  std::array<Cls, 128> c{};
  for (int i = 'a'; i <= 'z'; ++i) c[i] = kLetter;
  for (int i = 'A'; i <= 'Z'; ++i) c[i] = kLetter;
  for (int i = '0'; i <= '9'; ++i) c[i] = kDigit;
  c['@'] = kLetter;  // ICU's root rules count it a letter (addresses stay one word)
  c['_'] = kUnderscore;
  c[' '] = c['\t'] = c['\v'] = c['\f'] = kSpace;
  c['\n'] = c['\r'] = kLineEnd;
  c['.'] = kPeriod;
  c['!'] = c['?'] = kStop;
  for (char q : {'"', '\'', '(', ')', '[', ']', '{', '}'}) c[static_cast<size_t>(q)] = kClose;
  for (char q : {',', '-', ':'}) c[static_cast<size_t>(q)] = kContinue;
  return c;
}
constexpr std::array<Cls, 128> kClasses = asciiClasses();

Cls cls(std::string_view t, size_t i) {
  return i < t.size() ? kClasses[static_cast<unsigned char>(t[i])] : kOther;
}
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }

// The end of the word that starts at `i`.
size_t wordEnd(std::string_view t, size_t i) {
  for (;;) {
    const Cls here = cls(t, i), next = cls(t, i + 1);
    if (next == kLetter || next == kDigit || next == kUnderscore) {
      ++i;
      continue;
    }
    if (here == kUnderscore) return i + 1;
    // a.b, it's (letters); 3.5, 1,000, 1'000 (digits): a middle mark between two alike.
    const char mid = i + 1 < t.size() ? t[i + 1] : '\0';
    const bool letterMid = here == kLetter && (mid == '.' || mid == '\'');
    const bool digitMid = here == kDigit && (mid == '.' || mid == '\'' || mid == ',' || mid == ';');
    if ((letterMid || digitMid) && cls(t, i + 2) == here) {
      i += 2;
      continue;
    }
    return i + 1;
  }
}

// Whether a sentence ends after the terminator at `i` (the rules after "." or
// "!"/"?", their closing marks and spaces); `next` is where the following one starts.
bool sentenceEndsAfter(std::string_view t, size_t i, size_t& next) {
  const bool period = t[i] == '.';
  size_t j = i + 1;
  // A period between letters and a capital, or before a digit, ends nothing.
  if (period && cls(t, j) == kDigit) return false;
  if (period && i > 0 && (isUpper(t[i - 1]) || isLower(t[i - 1])) && j < t.size() && isUpper(t[j]))
    return false;
  while (cls(t, j) == kClose) ++j;
  while (cls(t, j) == kSpace) ++j;
  if (j < t.size() && t[j] == '\r' && j + 1 < t.size() && t[j + 1] == '\n') {
    next = j + 2;
    return true;
  }
  if (cls(t, j) == kLineEnd) {
    next = j + 1;
    return true;
  }
  if (j >= t.size()) {
    next = j;
    return true;
  }
  const Cls c = cls(t, j);
  if (c == kContinue || c == kPeriod || c == kStop) return false;
  if (period) {
    // Skip what is neither a letter, a line end nor a terminator: a small letter then goes on.
    size_t k = j;
    while (k < t.size() && !isUpper(t[k]) && !isLower(t[k]) && cls(t, k) != kLineEnd &&
           cls(t, k) != kPeriod && cls(t, k) != kStop)
      ++k;
    if (k < t.size() && isLower(t[k])) return false;
  }
  next = j;
  return true;
}

TextUnits asciiTextUnits(std::string_view t) {
  TextUnits out;
  out.words.reserve(t.size() / 6);
  uint32_t inSentence = 0;
  size_t i = 0;
  while (i < t.size()) {
    const Cls c = cls(t, i);
    if (c == kLetter || c == kDigit || c == kUnderscore) {
      const size_t end = wordEnd(t, i);
      // A lone run of underscores is no word to ICU.
      bool letters = false;
      for (size_t k = i; k < end && !letters; ++k) letters = t[k] != '_';
      if (letters || end - i > 1) {
        ++inSentence;
        std::string w(t.substr(i, end - i));
        for (char& ch : w)
          if (isUpper(ch)) ch = static_cast<char>(ch + 32);
        out.words.push_back(std::move(w));
      }
      // A period inside a word ("x@.Y") may still end a sentence; the word
      // counts in the one it starts in.
      for (size_t k = i + 1; k + 1 < end; ++k) {
        size_t unused;
        if (t[k] == '.' && sentenceEndsAfter(t, k, unused)) {
          if (inSentence) out.sentenceWords.push_back(inSentence);
          inSentence = 0;
        }
      }
      i = end;
      continue;
    }
    size_t next = i + 1;
    bool ends = false;
    if (c == kPeriod || c == kStop)
      ends = sentenceEndsAfter(t, i, next);
    else if (c == kLineEnd)
      ends = true, next = (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ? i + 2 : i + 1;
    if (ends) {
      if (inSentence) out.sentenceWords.push_back(inSentence);
      inSentence = 0;
      i = next;
    } else {
      ++i;
    }
  }
  if (inSentence) out.sentenceWords.push_back(inSentence);
  return out;
}

}  // namespace

TextUnits textUnits(std::string_view utf8) {
  for (char c : utf8)
    if (static_cast<unsigned char>(c) >= 0x80) return icuTextUnits(utf8);
  return asciiTextUnits(utf8);
}

TextUnits icuTextUnits(std::string_view utf8) {
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
