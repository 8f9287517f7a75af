#pragma once
// Internal to the parser: the state of one scan of an HTML page and the small
// byte-level recognisers both passes share. Not part of the parser's interface.
//
// The scan moves forward through the bytes once per pass. Text outside tags is
// skipped with a byte search for '<'; script bodies with a search for "</script";
// comment bodies with a search for their "-->". A tag is read as its name
// followed by attribute tokens; each token is matched against the attribute
// recognisers of the current tag kind, and a value is handed on (decoded) only
// when it ends. Values are taken as views of the page, so nothing is copied
// until a value is decoded.
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "parser/page_facts_collector.h"
#include "parser/scan_collector.h"
#include "parser/text_encoding.h"
#include "parser/zel_parser.h"

namespace zel {

namespace scan {

// Byte classes used by the tokenizer.
enum : uint8_t {
  kWs = 1,          // white space (the scanner's set)
  kTagNameStop = 2, // white space, '>', '<', '/'
  kAttrStop = 4,    // white space, '=', '>', '<'
};

constexpr std::array<uint8_t, 256> makeClasses() {
  std::array<uint8_t, 256> t{};
  for (int c = 0; c < 256; ++c) {
    uint8_t v = 0;
    bool ws = isScanWhitespace(static_cast<unsigned char>(c));
    bool ltgt = c == '<' || c == '>';
    if (ws) v |= kWs;
    if (ws || ltgt || c == '/') v |= kTagNameStop;
    if (ws || ltgt || c == '=') v |= kAttrStop;
    t[c] = v;
  }
  return t;
}
inline constexpr std::array<uint8_t, 256> kClass = makeClasses();

inline bool is(char c, uint8_t cls) { return kClass[static_cast<unsigned char>(c)] & cls; }
inline char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

// Offset of the first byte in [pos, limit) equal to a, b or c; limit when none.
// Attribute values are scanned with it, sixteen bytes at a time where possible.
inline size_t findAny(const char* d, size_t pos, size_t limit, char a, char b, char c) {
#if defined(__SSE2__)
  const __m128i va = _mm_set1_epi8(a), vb = _mm_set1_epi8(b), vc = _mm_set1_epi8(c);
  while (limit - pos >= 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + pos));
    const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, va), _mm_cmpeq_epi8(v, vb)),
                                     _mm_cmpeq_epi8(v, vc));
    const int mask = _mm_movemask_epi8(hit);
    if (mask) return pos + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    pos += 16;
  }
#endif
  while (pos < limit && d[pos] != a && d[pos] != b && d[pos] != c) ++pos;
  return pos;
}

// `s` equals the lower-case `word`, ignoring ASCII case.
inline bool ieq(std::string_view s, std::string_view word) {
  if (s.size() != word.size()) return false;
  for (size_t i = 0; i < s.size(); ++i)
    if (lower(s[i]) != word[i]) return false;
  return true;
}
// `s` begins with the lower-case `word`, ignoring ASCII case.
inline bool istarts(std::string_view s, std::string_view word) {
  return s.size() >= word.size() && ieq(s.substr(0, word.size()), word);
}

// Feeds `s` through a keyword recogniser for the lower-case `word`: letters match
// in either case; a byte that does not fit sends it back to its start and is not
// looked at again. True when the recogniser stands complete after the last byte,
// i.e. the word ends `s` ("data-alt" ends in "alt"; "aalt" does not).
inline bool recogniserEndsWith(std::string_view s, std::string_view word) {
  // It can only stand complete on the word's last letter.
  if (s.size() < word.size() || lower(s.back()) != word.back()) return false;
  size_t state = 0;
  for (char c : s) {
    if (state < word.size() && lower(c) == word[state])
      ++state;
    else
      state = 0;
  }
  return state == word.size();
}
// Index just past the first complete match of `word` in `s`, or npos.
inline size_t recogniserFind(std::string_view s, std::string_view word) {
  size_t state = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (lower(s[i]) == word[state]) {
      if (++state == word.size()) return i + 1;
    } else {
      state = 0;
    }
  }
  return std::string_view::npos;
}

// `raw` cut to at most `cap` bytes; in UTF-8 a character the cut would split is
// left out whole.
std::string_view cappedValue(std::string_view raw, size_t cap, TextEncoding enc);

}  // namespace scan

// Settings of one scan, read when it starts (nothing can change them during it).
struct ScanSettings {
  bool checkImages = false;
  bool linkedFiles = false;
  bool formActions = false;
  bool lookForLazyLoadImageURLs = false;
  bool aggressiveSRCSearch = false;
  bool searchMetaDataForURLs = false;
  bool htmlValidationEnabled = false;
};

class HtmlScanner {
 public:
  // Every scan reports to the page-facts collector, which passes the events on to
  // a caller's collector.
  HtmlScanner(ZelParser& parser, PageFactsCollector* collector);
  // Both passes over the parser's page.
  void run();

 private:
  struct Tag {
    TagEvent ev;
    size_t after = 0;  // offset of the byte after the name (the terminator)
  };
  struct Attr {
    std::string_view name;
    bool wordInitial = false;
    std::string_view value;  // raw, uncapped
    char quote = 0;
    ValueEnd end = ValueEnd::End;
    size_t endPos = 0;  // offset of the byte that ended the value (limit at the end)
    // Handed on: ended by its quote, a space or the tag's '>'.
    bool handed() const {
      return end == ValueEnd::Quote || end == ValueEnd::Space || end == ValueEnd::Gt;
    }
  };
  struct TagEnd {
    size_t pos;  // offset of the '>' or '<', or the limit
    ValueEnd how;
  };

  // --- Shared tokenizer ---
  Tag readTag(size_t lt, size_t limit, bool headPass) const;
  template <class F>
  TagEnd attributes(size_t pos, size_t limit, F&& onAttr) const;
  bool commentStartsAt(size_t pos) const {
    return pos + 3 < n_ && d_[pos + 1] == '!' && d_[pos + 2] == '-' && d_[pos + 3] == '-';
  }
  // A comment opened at `lt`: offset of its closing dashes and of the byte after
  // its '>'; both n_ when it is never closed.
  void findCommentEnd(size_t lt, size_t& closeStart, size_t& after) const;
  // Offset of the next "</script" (any case) at or after `pos`, or n_.
  size_t findScriptEnd(size_t pos) const;
  bool tagContainsCanonical(size_t lt) const;
  std::string_view view(size_t b, size_t e) const { return std::string_view(d_ + b, e - b); }
  static std::string_view capped(std::string_view v, size_t cap) {
    return v.size() > cap ? v.substr(0, cap) : v;
  }
  std::string decode(std::string_view raw, size_t cap, bool returnsAreSeparators = false) const;
  // Makes the parser's line number and byte count those of the byte at `offset`.
  void at(size_t offset);
  void event(ScanEvent e, size_t offset, std::string_view name = {});

  // --- Head pass (zel_parser_head_pass.cpp) ---
  // Returns the offset at which the body pass starts.
  size_t headPass();
  size_t headTag(const Tag& t, bool& inScript);
  void headMetaEnded();

  // --- Body pass (zel_parser_body_pass.cpp) ---
  void bodyPass(size_t from, const Tag* bodyTag);
  size_t bodyTag(size_t lt);
  size_t bodyTagAttributes(const Tag& t, int kind);
  void bodyText(size_t b, size_t e);
  size_t bodyComment(size_t lt);
  void aggressiveInComment(size_t from, size_t limit);
  void anchorStart(size_t offset);
  void anchorEnd(size_t terminator);
  void interruptAnchor();
  // An alt value to the entry; a value past its cap is logged.
  void takeAltText(std::string_view value);
  void takeSrcValue(const Attr& a, bool srcset, int kind);
  void inlineStyle(const Attr& a);

  ZelParser& p_;
  PageFactsCollector* c_;
  ScanCollector* attrs_ = nullptr;  // the collector that wants attribute calls, if any
  const char* d_;
  size_t n_;
  ScanSettings s_;

  // Head pass.
  bool headEnded_ = false;
  size_t headEndPos_ = 0;
  size_t entriesAtHeadEnd_ = 0;
  bool bodySeen_ = false;
  bool canonicalCaptured_ = false;
  size_t canonicalTagStart_ = 0;
  std::string_view canonicalRaw_;
  std::string_view baseRaw_;
  bool baseSeen_ = false;
  // Values of the meta tag being read (SEO only).
  std::string_view metaName_, metaItemprop_, metaProperty_, metaContent_;

  // Body pass.
  bool linkTagsCount_ = false;  // link and script tags make entries (not already done)
  bool inScript_ = false;
  bool inStyle_ = false;
  bool inComment_ = false;
  bool anchorOpen_ = false;
  int openAnchors_ = 0;
  bool metaPropertyUrl_ = false;
  size_t anchorTextLen_ = 0;
  char anchorText_[kTextValueCap];
};

// Reads the attributes of a tag from `pos` (just after its name) and hands each one
// that has a value to `onAttr`. Attribute names are runs of bytes up to white
// space, '=', '>' or '<'; "name = value" may have white space around '='. A quoted
// value ends at its quote, and any value at the '>' or '<' that ends the tag (a
// quoted '>' ends the tag too); an unquoted one also at a space (not at a tab or
// line break).
template <class F>
HtmlScanner::TagEnd HtmlScanner::attributes(size_t pos, size_t limit, F&& onAttr) const {
  using namespace scan;
  bool ws = false;
  while (true) {
    while (pos < limit && is(d_[pos], kWs)) {
      ws = true;
      ++pos;
    }
    if (pos >= limit) return {limit, ValueEnd::End};
    const char c = d_[pos];
    if (c == '>') return {pos, ValueEnd::Gt};
    if (c == '<') return {pos, ValueEnd::Lt};
    const size_t ts = pos;
    while (pos < limit && !is(d_[pos], kAttrStop)) ++pos;
    const size_t te = pos;
    const bool wordInitial = ws;
    ws = false;
    size_t q = pos;
    while (q < limit && is(d_[q], kWs)) ++q;
    if (q >= limit || d_[q] != '=') {
      if (te == ts) ++pos;  // cannot happen (the byte is '='), but never stall
      continue;
    }
    ++q;
    while (q < limit && is(d_[q], kWs)) ++q;
    if (q >= limit) return {limit, ValueEnd::End};
    const char v = d_[q];
    if (v == '>' || v == '<') {
      pos = q;
      continue;
    }
    Attr a;
    a.name = view(ts, te);
    a.wordInitial = wordInitial;
    size_t vs, ve;
    if (v == '"' || v == '\'') {
      a.quote = v;
      vs = q + 1;
      ve = findAny(d_, vs, limit, v, '>', '<');
    } else {
      vs = q;
      ve = findAny(d_, vs + 1, limit, ' ', '>', '<');
    }
    a.value = view(vs, ve);
    a.endPos = ve;
    if (ve >= limit)
      a.end = ValueEnd::End;
    else if (d_[ve] == '>')
      a.end = ValueEnd::Gt;
    else if (d_[ve] == '<')
      a.end = ValueEnd::Lt;
    else
      a.end = a.quote ? ValueEnd::Quote : ValueEnd::Space;
    onAttr(a);
    pos = a.end == ValueEnd::Quote ? ve + 1 : ve;
  }
}

}  // namespace zel
