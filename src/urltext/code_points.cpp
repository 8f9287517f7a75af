#include "urltext/code_points.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace zel {

namespace {
constexpr char32_t kReplacement = 0xFFFD;
}

char32_t decodeUtf8At(std::string_view s, size_t pos, size_t& len) {
  len = 1;
  const unsigned char c0 = static_cast<unsigned char>(s[pos]);
  if (c0 < 0x80) return c0;
  size_t need;
  char32_t cp, min;
  if (c0 >= 0xC2 && c0 <= 0xDF) {
    need = 1, cp = c0 & 0x1F, min = 0x80;
  } else if (c0 >= 0xE0 && c0 <= 0xEF) {
    need = 2, cp = c0 & 0x0F, min = 0x800;
  } else if (c0 >= 0xF0 && c0 <= 0xF4) {
    need = 3, cp = c0 & 0x07, min = 0x10000;
  } else {
    return kReplacement;  // continuation byte, C0/C1 overlong lead, or F5..FF
  }
  if (pos + need >= s.size()) return kReplacement;  // truncated sequence
  for (size_t i = 1; i <= need; ++i) {
    const unsigned char c = static_cast<unsigned char>(s[pos + i]);
    if ((c & 0xC0) != 0x80) return kReplacement;
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
  len = need + 1;
  return cp;
}

bool isValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    size_t len;
    char32_t cp = decodeUtf8At(s, i, len);
    // A literal U+FFFD is valid; a replacement from a bad sequence has length 1.
    if (cp == kReplacement && len == 1) return false;
    i += len;
  }
  return true;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::u32string longCharacters(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    size_t len;
    out.push_back(decodeUtf8At(text, i, len));
    i += len;
  }
  return out;
}

std::u32string longCharactersWithCount(std::string_view text, size_t& count) {
  std::u32string out = longCharacters(text);
  count = out.size();
  return out;
}

std::string stringFromLongCharacters(std::u32string_view cps) {
  std::string out;
  out.reserve(cps.size());
  for (char32_t cp : cps) appendUtf8(out, cp);
  return out;
}

bool isIgnoredCharacter(char32_t cp) {
  switch (cp) {
    case 0x00AD: case 0x034F: case 0x1806: case 0x180B: case 0x180C: case 0x180D:
    case 0x200B: case 0x200C: case 0x200D: case 0x2060: case 0xFEFF:
      return true;
    default:
      return cp >= 0xFE00 && cp <= 0xFE0F;
  }
}

std::string stringByDeletingIgnoredCharacters(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    size_t len;
    char32_t cp = decodeUtf8At(text, i, len);
    if (!(len > 1 && isIgnoredCharacter(cp))) out.append(text.substr(i, len));
    i += len;
  }
  return out;
}

bool caseInsensitiveEquals(std::string_view a, std::string_view b) {
  bool ascii = true;
  for (std::string_view s : {a, b})
    for (char c : s)
      if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
  if (ascii) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
      char x = a[i], y = b[i];
      if (x >= 'A' && x <= 'Z') x = char(x + 32);
      if (y >= 'A' && y <= 'Z') y = char(y + 32);
      if (x != y) return false;
    }
    return true;
  }
  auto unicode = [](std::string_view s) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
  };
  return unicode(a).caseCompare(unicode(b), U_FOLD_CASE_DEFAULT) == 0;
}

bool isNewline(char32_t cp) {
  return (cp >= 0x0A && cp <= 0x0D) || cp == 0x85 || cp == 0x2028 || cp == 0x2029;
}

bool isWhitespaceOrNewline(char32_t cp) {
  if (cp == 0x20 || cp == 0x09 || isNewline(cp)) return true;
  if (cp < 0xA0) return false;
  return cp == 0xA0 || cp == 0x1680 || (cp >= 0x2000 && cp <= 0x200A) || cp == 0x202F ||
         cp == 0x205F || cp == 0x3000;
}

size_t skipWhitespaceAndNewlines(std::string_view text, size_t pos) {
  while (pos < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    if (c < 0x80) {
      if (!isWhitespaceOrNewline(c)) break;
      ++pos;
      continue;
    }
    size_t len;
    char32_t cp = decodeUtf8At(text, pos, len);
    if (len == 1 || !isWhitespaceOrNewline(cp)) break;
    pos += len;
  }
  return pos;
}

}  // namespace zel
