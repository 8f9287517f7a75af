// ZelParser: the page facts gathered by the scan and what is derived from the
// page text: word count, keyword stuffing, spelling and grammar.
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <set>
#include <unordered_map>

#include "parser/text_encoding.h"
#include "parser/zel_parser.h"
#include "platform/defaults.h"
#include "platform/text_format.h"

namespace zel {

namespace {

// Length of the separator at `i` for word counting (white space and line breaks),
// 0 when there is none.
inline size_t spaceAt(std::string_view s, size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return (c == ' ' || (c >= 0x09 && c <= 0x0D)) ? 1 : 0;
  return whitespaceLengthAt(s, i);
}

// Keyword pieces also end at these.
inline bool keywordBreak(char c) {
  switch (c) {
    case '.': case ',': case '|': case '(': case ')': case '*': case '&': case '%': case '/':
      return true;
    default:
      return false;
  }
}

// Lower-cased piece and its length in characters.
std::string lowerPiece(std::string_view piece, size_t& characters) {
  std::string out;
  out.reserve(piece.size());
  characters = 0;
  const auto* s = reinterpret_cast<const uint8_t*>(piece.data());
  const int32_t n = static_cast<int32_t>(piece.size());
  int32_t i = 0;
  while (i < n) {
    const unsigned char c = s[i];
    ++characters;
    if (c < 0x80) {
      out.push_back((c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : static_cast<char>(c));
      ++i;
      continue;
    }
    const int32_t start = i;
    UChar32 cp;
    U8_NEXT(s, i, n, cp);
    if (cp < 0) {
      out.append(piece.substr(static_cast<size_t>(start), static_cast<size_t>(i - start)));
      continue;
    }
    cp = u_tolower(cp);
    char buf[4];
    int32_t len = 0;
    UBool bad = false;
    U8_APPEND(reinterpret_cast<uint8_t*>(buf), len, 4, cp, bad);
    (void)bad;  // a lower-case code point always fits
    out.append(buf, static_cast<size_t>(len));
  }
  return out;
}

}  // namespace

void ZelParser::decodeText() const {
  if (textDecoded_) return;
  textDecoded_ = true;
  // A '>' among the captured bytes is a stray one, which stands for a space.
  std::replace(rawText_.begin(), rawText_.end(), '>', ' ');
  textContent_ = zel::unescapedStringFromBuffer(rawText_, useEncoding_, true, log_);
  wordCount_ = countWords(textContent_);
  rawText_ = std::string();
}

const std::string& ZelParser::getTextContent() const {
  decodeText();
  return textContent_;
}

int64_t ZelParser::getWordCount() const {
  decodeText();
  return wordCount_;
}

void ZelParser::addHeadingToCollection(std::string_view text, int level) {
  std::string_view t = trimUnicodeWhitespace(text);
  if (t.empty()) return;
  if (!headingCollection_) {
    headingCollection_.emplace();
    headingCollection_->reserve(10);
  }
  std::string h(static_cast<size_t>(std::max(0, level - 1)), '\t');
  h.append(t);
  headingCollection_->push_back(std::move(h));
}

void ZelParser::addNameToCollection(std::string name) {
  if (!names_) {
    names_.emplace();
    names_->reserve(10);
  }
  names_->push_back(std::move(name));
}

int64_t ZelParser::countWords(std::string_view text) {
  int64_t words = 0;
  bool inWord = false;
  size_t i = 0;
  auto step = [&] {
    const size_t sp = spaceAt(text, i);
    if (sp) {
      inWord = false;
      i += sp;
    } else {
      if (!inWord) ++words;
      inWord = true;
      ++i;
    }
  };
#if defined(__SSE2__)
  // Sixteen ASCII bytes at a time: a word starts at each byte that is not a
  // space and follows one. Other bytes go one by one.
  const __m128i space = _mm_set1_epi8(' '), tab = _mm_set1_epi8(0x08), cr = _mm_set1_epi8(0x0E);
  while (text.size() - i >= 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    if (_mm_movemask_epi8(v)) {
      for (const size_t stop = i + 16; i < stop;) step();
      continue;
    }
    const __m128i isSpace = _mm_or_si128(_mm_cmpeq_epi8(v, space),
                                         _mm_and_si128(_mm_cmpgt_epi8(v, tab), _mm_cmplt_epi8(v, cr)));
    const unsigned spaces = static_cast<unsigned>(_mm_movemask_epi8(isSpace));
    const unsigned afterSpace = ((spaces << 1) | (inWord ? 0u : 1u)) & 0xFFFFu;
    words += __builtin_popcount(~spaces & afterSpace & 0xFFFFu);
    inWord = !(spaces & 0x8000u);
    i += 16;
  }
#endif
  while (i < text.size()) step();
  return words;
}

bool ZelParser::isKeywordStuffed() const {
  std::vector<std::string_view> pieces;
  const std::string_view text = getTextContent();
  size_t start = 0;
  for (size_t i = 0; i < text.size();) {
    size_t sep = spaceAt(text, i);
    if (!sep && keywordBreak(text[i])) sep = 1;
    if (!sep) {
      ++i;
      continue;
    }
    if (i > start) pieces.push_back(text.substr(start, i - start));
    i += sep;
    start = i;
  }
  if (start < text.size()) pieces.push_back(text.substr(start));

  float density = 4.0f;
  if (defaults_->peek("maxKeywordDensity"))
    density = static_cast<float>(defaults_->doubleForKey("maxKeywordDensity"));
  const float threshold = density / 100.0f * static_cast<float>(pieces.size());

  std::unordered_map<std::string, int> counts;
  for (std::string_view piece : pieces) {
    size_t characters = 0;
    std::string word = lowerPiece(piece, characters);
    if (characters <= 2) continue;
    if (word == "and" || word == "the" || word == "you" || word == "are" || word == "will")
      continue;
    auto [it, first] = counts.try_emplace(std::move(word), 1);
    if (first) continue;
    if (static_cast<float>(it->second) > threshold) return true;
    ++it->second;
  }
  return false;
}

bool ZelParser::isWebAddress(std::string_view word) {
  if (word.find("://") != std::string_view::npos) return true;
  if (word.find('.') != std::string_view::npos) return true;
  if (word.find(':') != std::string_view::npos && word.find(';') != std::string_view::npos)
    return true;
  // By UTF-16 code units, as the checkers' words are measured.
  size_t units = 0, high = 0, dashes = 0;
  const auto* s = reinterpret_cast<const uint8_t*>(word.data());
  const int32_t n = static_cast<int32_t>(word.size());
  for (int32_t i = 0; i < n;) {
    UChar32 cp;
    U8_NEXT(s, i, n, cp);
    if (cp < 0) cp = 0xFFFD;
    if (cp < 0x20) return true;
    if (cp == '-') ++dashes;
    const size_t u = cp > 0xFFFF ? 2 : 1;
    units += u;
    if (cp > 0x7F) high += u;
  }
  return high * 2 > units || dashes > 1;
}

// --- Spelling and grammar ------------------------------------------------------------

TextSpan ZelParser::nextSpelling() {
  decodeText();
  SpellChecker* sc = checker();
  if (!sc) return {};
  while (spellingCursor_ < textContent_.size()) {
    TextSpan found = sc->checkSpelling(textContent_, spellingCursor_);
    if (!found.found() || found.location < spellingCursor_) return {};
    // Always move on, even past a checker's empty finding.
    spellingCursor_ = std::max(found.end(), found.location + 1);
    if (!isWebAddress(std::string_view(textContent_).substr(found.location, found.length)))
      return found;
  }
  return {};
}

int64_t ZelParser::getSpellingCount() {
  spellingCursor_ = 0;
  int64_t count = 0;
  while (nextSpelling().found()) ++count;
  return count;
}

TextSpan ZelParser::getFirstSpelling() {
  spellingCursor_ = 0;
  return nextSpelling();
}

TextSpan ZelParser::getNextSpelling() { return nextSpelling(); }

std::vector<std::string> ZelParser::getAllSpelling() {
  std::set<std::string> words;
  for (TextSpan s = getFirstSpelling(); s.found(); s = getNextSpelling())
    words.insert(textContent_.substr(s.location, s.length));
  return std::vector<std::string>(words.begin(), words.end());
}

int64_t ZelParser::getGrammarCount() {
  decodeText();
  SpellChecker* sc = checker();
  spellingCursor_ = 0;
  int64_t count = 0;
  if (!sc) return 0;
  while (spellingCursor_ < textContent_.size()) {
    GrammarFinding f = sc->checkGrammar(textContent_, spellingCursor_);
    if (f.failed) {
      logLine(1, strf("Exception raised by grammar checker, text is %i bytes, cursor is %i",
                      static_cast<int>(textContent_.size()), static_cast<int>(spellingCursor_)));
      return count;
    }
    if (!f.range.found() || f.range.location < spellingCursor_) break;
    ++count;
    spellingCursor_ = std::max(f.range.end(), f.range.location + 1);
  }
  return count;
}

TextSpan ZelParser::getFirstGrammar() {
  spellingCursor_ = 0;
  return getNextGrammar();
}

TextSpan ZelParser::getNextGrammar() {
  decodeText();
  SpellChecker* sc = checker();
  grammarDetails_.reset();
  if (!sc || spellingCursor_ >= textContent_.size()) return {};
  GrammarFinding f = sc->checkGrammar(textContent_, spellingCursor_);
  if (f.failed || !f.range.found() || f.range.location < spellingCursor_) return {};
  spellingCursor_ = std::max(f.range.end(), f.range.location + 1);
  if (!f.details.empty()) grammarDetails_ = std::move(f.details);
  return f.range;
}

void ZelParser::spellingCursorBackTo(TextSpan range) {
  if (range.found()) spellingCursor_ = range.end();
}

}  // namespace zel
