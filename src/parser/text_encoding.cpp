#include "parser/text_encoding.h"

#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "parser/entities.h"
#include "platform/log.h"
#include "platform/text_format.h"

namespace zel {
namespace {

bool contains(std::string_view s, std::string_view needle) {
  return s.find(needle) != std::string_view::npos;
}

// Length of the Unicode white space character starting at p (UTF-8), 0 if none.
size_t whitespaceAt(std::string_view s, size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  if (c == ' ' || (c >= 0x09 && c <= 0x0D)) return 1;
  if (c == 0xC2 && i + 1 < s.size()) {
    unsigned char d = static_cast<unsigned char>(s[i + 1]);
    return (d == 0x85 || d == 0xA0) ? 2 : 0;
  }
  if (c == 0xE1 && i + 2 < s.size())
    return (static_cast<unsigned char>(s[i + 1]) == 0x9A &&
            static_cast<unsigned char>(s[i + 2]) == 0x80)
               ? 3
               : 0;
  if (c == 0xE2 && i + 2 < s.size()) {
    unsigned char d = static_cast<unsigned char>(s[i + 1]);
    unsigned char e = static_cast<unsigned char>(s[i + 2]);
    if (d == 0x80 && ((e >= 0x80 && e <= 0x8A) || e == 0xA8 || e == 0xA9 || e == 0xAF)) return 3;
    if (d == 0x81 && e == 0x9F) return 3;
    return 0;
  }
  if (c == 0xE3 && i + 2 < s.size())
    return (static_cast<unsigned char>(s[i + 1]) == 0x80 &&
            static_cast<unsigned char>(s[i + 2]) == 0x80)
               ? 3
               : 0;
  return 0;
}

// Length of the white space character ending just before position `end`, 0 if none.
size_t whitespaceBefore(std::string_view s, size_t end) {
  size_t start = end - 1;
  while (start > 0 && end - start < 3 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80)
    --start;
  return whitespaceAt(s, start) == end - start ? end - start : 0;
}

}  // namespace

std::optional<std::string> extractCharsetFromHTML(std::string_view data) {
  if (data.empty()) return std::nullopt;
  size_t end = data.find("body");
  if (end == std::string_view::npos) end = data.find("BODY");
  if (end == std::string_view::npos) end = data.size() - 1;
  std::string_view window = data.substr(0, end);
  size_t at = window.find("charset");
  if (at == std::string_view::npos) at = window.find("CHARSET");
  if (at == std::string_view::npos) return std::nullopt;
  at += 7;
  size_t close = window.find('>', at);
  if (close == std::string_view::npos) return std::nullopt;
  std::string_view name = trimChars(window.substr(at, close - at), " =\"'");
  // The bytes are read as ASCII; anything else makes no charset name.
  for (unsigned char c : name)
    if (c >= 0x80) return std::nullopt;
  return std::string(name);
}

TextEncoding encodingForCharset(std::string_view n) {
  using namespace encoding;
  if (contains(n, "utf-8") || contains(n, "UTF-8")) return kUTF8;
  if (contains(n, "8859-1") && !contains(n, "8859-10")) return kISOLatin1;
  if (contains(n, "8859-2")) return kISOLatin2;
  if (contains(n, "1252")) return kWindowsCP1252;
  if (contains(n, "620")) return kISOLatinThai;
  if (contains(n, "874")) return kDOSThai;
  if (contains(n, "Shift_JIS") || contains(n, "shift_jis")) return kShiftJIS;
  // GB2312 alone means code page 936, unless a more specific name follows.
  TextEncoding remembered = contains(n, "2312") ? kDOSChineseSimplified : kNone;
  if (contains(n, "HZ-GB-2312") || contains(n, "hz-gb-2312")) return kHZ_GB_2312;
  if (contains(n, "2312-80")) return kGB_2312_80;
  if (contains(n, "GBK") || contains(n, "gbk")) return kGBK_95;
  if (contains(n, "Big5") || contains(n, "BIG5") || contains(n, "big5")) return kBig5;
  if (contains(n, "koi8-r") || contains(n, "KOI8-R")) return kKOI8_R;
  if (contains(n, "euc-kr") || contains(n, "EUC-KR")) return kEUC_KR;
  if (contains(n, "x-euc") || contains(n, "X-EUC")) return kEUC_JP;
  return remembered;
}

std::string decodeWithFallback(std::string_view bytes, TextEncoding enc, Log* log) {
  using namespace encoding;
  if (bytes.empty()) return std::string();
  if (enc != kNone) {
    if (auto s = TextCodec::decode(bytes, enc)) return std::move(*s);
    if (log && log->enabled(1))
      log->write(1, strf("unable to make string using encoding %i, trying other encodings",
                         static_cast<int>(enc)));
  }
  for (TextEncoding e : {kUTF8, kISOLatin1, kUTF16, kASCII})
    if (auto s = TextCodec::decode(bytes, e)) return std::move(*s);
  return std::string();  // not reached: ISO 8859-1 decodes every byte
}

std::string unescapedStringFromBuffer(std::string_view bytes, TextEncoding enc,
                                      bool returnsAreSeparators, Log* log) {
  if (bytes.empty()) return std::string();
  // Most values are printable ASCII without references: in any ASCII-compatible
  // encoding they stand for themselves, and only spaces can need trimming.
  if (enc == encoding::kNone || TextCodec::isAsciiCompatible(enc)) {
    bool simple = true;
    size_t i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: flipping the top bit maps 0x20..0x7E onto -96..-2.
    const __m128i flip = _mm_set1_epi8(static_cast<char>(0x80));
    const __m128i low = _mm_set1_epi8(-96), high = _mm_set1_epi8(-2), amp = _mm_set1_epi8('&');
    for (; simple && bytes.size() - i >= 16; i += 16) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i));
      const __m128i x = _mm_xor_si128(v, flip);
      const __m128i bad = _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(x, low), _mm_cmpgt_epi8(x, high)),
                                       _mm_cmpeq_epi8(v, amp));
      if (_mm_movemask_epi8(bad)) simple = false;
    }
#endif
    for (; simple && i < bytes.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(bytes[i]);
      if (c < 0x20 || c >= 0x7F || c == '&') simple = false;
    }
    if (simple) {
      size_t b = 0, e = bytes.size();
      while (b < e && bytes[b] == ' ') ++b;
      while (e > b && bytes[e - 1] == ' ') --e;
      std::string_view t = bytes.substr(b, e - b);
      if (!returnsAreSeparators || t.find("  ") == std::string_view::npos) return std::string(t);
    }
  }
  std::string text = decodeWithFallback(bytes, enc, log);
  if (text.find('&') != std::string::npos) text = unescapeEntities(text);
  std::string_view t = trimUnicodeWhitespace(text);
  if (t.size() != text.size()) {
    size_t front = static_cast<size_t>(t.data() - text.data());
    text.erase(front + t.size());
    text.erase(0, front);
  }
  if (!returnsAreSeparators) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
  }
  // Line ends become spaces, then runs of spaces are halved once, pair by pair from
  // the left: both in one pass, as a page's whole text goes through here.
  auto spaced = [](char c) { return c == '\r' || c == '\n' ? ' ' : c; };
  const size_t n = text.size();
  size_t w = 0, r = 0;
  while (r < n) {
#if defined(__SSE2__)
    // Sixteen bytes at once when no pair of spaces starts among them (the byte after
    // them is looked at too): they are copied with their line ends made spaces.
    if (n - r >= 17) {
      const __m128i sp = _mm_set1_epi8(' '), cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
      auto lineEnds = [&](__m128i v) { return _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)); };
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + r));
      const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + r + 1));
      const __m128i ends = lineEnds(v);
      const __m128i spaces = _mm_or_si128(_mm_cmpeq_epi8(v, sp), ends);
      const __m128i nextSpaces = _mm_or_si128(_mm_cmpeq_epi8(next, sp), lineEnds(next));
      if (_mm_movemask_epi8(_mm_and_si128(spaces, nextSpaces)) == 0) {
        const __m128i out = _mm_or_si128(_mm_andnot_si128(ends, v), _mm_and_si128(ends, sp));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(text.data() + w), out);  // w <= r
        r += 16;
        w += 16;
        continue;
      }
    }
    for (const size_t stop = std::min(n, r + 16); r < stop; ++r) {
#else
    for (; r < n; ++r) {
#endif
      const char c = spaced(text[r]);
      text[w++] = c;
      if (c == ' ' && r + 1 < n && spaced(text[r + 1]) == ' ') ++r;
    }
  }
  text.resize(w);
  return text;
}

size_t whitespaceLengthAt(std::string_view utf8, size_t i) { return whitespaceAt(utf8, i); }

void trimThisCharacter(char c, std::string& url) {
  size_t e = url.size();
  while (e > 0 && url[e - 1] == c) --e;
  size_t b = 0;
  while (b < e && url[b] == c) ++b;
  url = url.substr(b, e - b);
}

std::string_view trimUnicodeWhitespace(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e) {
    size_t n = whitespaceAt(s, b);
    if (n == 0) break;
    b += n;
  }
  while (e > b) {
    size_t n = whitespaceBefore(s, e);
    if (n == 0) break;
    e -= n;
  }
  return s.substr(b, e - b);
}

}  // namespace zel
