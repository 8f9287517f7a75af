#include "report/text_escape.h"

#include <cstdint>

namespace zel::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence at s[i], 0 when it is not valid.
size_t validSequenceAt(std::string_view s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
  const uint8_t c = b(i);
  if (c < 0x80) return 1;
  size_t n;
  uint32_t min;
  if ((c & 0xE0) == 0xC0)
    n = 2, min = 0x80;
  else if ((c & 0xF0) == 0xE0)
    n = 3, min = 0x800;
  else if ((c & 0xF8) == 0xF0)
    n = 4, min = 0x10000;
  else
    return 0;
  if (i + n > s.size()) return 0;
  uint32_t cp = c & (0x7F >> n);
  for (size_t k = 1; k < n; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

bool anyCharacter(std::string_view) { return true; }

// Appends the text, copying runs of bytes that need nothing done in one go:
// `plain(c)` tells whether an ASCII byte is copied as it is and `ascii(c)`
// writes one that is not; a valid UTF-8 sequence is copied when `keep` accepts
// it and dropped otherwise, and each invalid byte becomes U+FFFD.
template <class Plain, class Ascii, class Keep = bool (*)(std::string_view)>
void appendEscaped(std::string& out, std::string_view s, Plain plain, Ascii ascii,
                   Keep keep = anyCharacter) {
  size_t run = 0;
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80 && plain(static_cast<char>(c))) {
      ++i;
      continue;
    }
    const size_t n = c < 0x80 ? 0 : validSequenceAt(s, i);
    if (n > 0 && keep(s.substr(i, n))) {
      i += n;
      continue;
    }
    out.append(s.data() + run, i - run);
    if (c < 0x80)
      ascii(static_cast<char>(c));
    else if (n == 0)
      out += kReplacement;
    i += n > 0 ? n : 1;
    run = i;
  }
  out.append(s.data() + run, s.size() - run);
}

}  // namespace

void appendValidUtf8(std::string& out, std::string_view text) {
  appendEscaped(
      out, text, [](char) { return true; }, [](char) {});
}

std::string_view validUtf8(std::string_view text, std::string& scratch) {
  size_t i = 0;
  while (i < text.size()) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const size_t n = validSequenceAt(text, i);
    if (n == 0) break;
    i += n;
  }
  if (i == text.size()) return text;
  scratch.clear();
  appendValidUtf8(scratch, text);
  return scratch;
}

void appendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  appendEscaped(
      out, text,
      [](char c) { return static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\'; },
      [&](char c) {
        switch (c) {
          case '"':
            out += "\\\"";
            break;
          case '\\':
            out += "\\\\";
            break;
          case '\n':
            out += "\\n";
            break;
          case '\r':
            out += "\\r";
            break;
          case '\t':
            out += "\\t";
            break;
          default:
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        }
      });
  out += '"';
}

void appendXmlEscaped(std::string& out, std::string_view text) {
  appendEscaped(
      out, text,
      [](char c) {
        return (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') &&
               c != '&' && c != '<' && c != '>' && c != '"' && c != '\'';
      },
      [&](char c) {
        switch (c) {
          case '&':
            out += "&amp;";
            break;
          case '<':
            out += "&lt;";
            break;
          case '>':
            out += "&gt;";
            break;
          case '"':
            out += "&quot;";
            break;
          case '\'':
            out += "&apos;";
            break;
          default:
            break;  // control characters XML cannot hold
        }
      },
      // U+FFFE and U+FFFF are not XML characters either.
      [](std::string_view piece) { return piece != "\xEF\xBF\xBE" && piece != "\xEF\xBF\xBF"; });
}

std::string xmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendXmlEscaped(out, text);
  return out;
}

bool isJsonNumber(std::string_view s) {
  size_t i = 0;
  auto digits = [&] {
    const size_t from = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    return i > from;
  };
  if (i < s.size() && s[i] == '-') ++i;
  if (i < s.size() && s[i] == '0') {
    ++i;
  } else if (!digits()) {
    return false;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    if (!digits()) return false;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == s.size();
}

void appendCsvCell(std::string& out, std::string_view text) {
  const bool formula =
      !text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '@' || text[0] == '\t' ||
                        text[0] == '\r' || (text[0] == '-' && !isJsonNumber(text)));
  bool quote = formula;
  for (size_t i = 0; i < text.size() && !quote; ++i)
    quote = text[i] == ',' || text[i] == '"' || text[i] == '\r' || text[i] == '\n';
  if (!quote) {
    appendValidUtf8(out, text);
    return;
  }
  out += '"';
  if (formula) out += '\'';
  appendEscaped(
      out, text, [](char c) { return c != '"'; }, [&](char) { out += "\"\""; });
  out += '"';
}

}  // namespace zel::cli
