#include "parser/srcset.h"

#include "platform/text_format.h"

namespace zel {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

}  // namespace

SrcsetUrls splitSrcsFromSrcset(std::string_view s) {
  SrcsetUrls out;
  const size_t n = s.size();
  if (s.find(',') == std::string_view::npos) {
    size_t b = 0;
    while (b < n && isSpace(s[b])) ++b;
    size_t e = b;
    while (e < n && !isSpace(s[e])) ++e;
    if (e > b) out.urls.emplace_back(s.substr(b, e - b));
    return out;
  }
  size_t pos = 0;
  bool afterComma = true;  // the start counts: a leading comma is an empty candidate
  bool atStart = true;
  while (true) {
    while (pos < n && isSpace(s[pos])) ++pos;
    if (pos == n) {
      if (afterComma && !atStart) out.hangingComma = true;
      break;
    }
    if (s[pos] == ',') {
      if (afterComma) out.hangingComma = true;
      afterComma = true;
      atStart = false;
      ++pos;
      continue;
    }
    atStart = false;
    size_t start = pos;
    while (pos < n && !isSpace(s[pos])) ++pos;
    std::string_view url = s.substr(start, pos - start);
    if (url.back() == ',') {
      size_t commas = 0;
      while (!url.empty() && url.back() == ',') {
        url.remove_suffix(1);
        ++commas;
      }
      if (commas > 1) out.hangingComma = true;
      afterComma = true;
    } else {
      afterComma = false;
      int depth = 0;  // descriptors may hold parenthesised commas
      while (pos < n && (s[pos] != ',' || depth > 0)) {
        if (s[pos] == '(') ++depth;
        if (s[pos] == ')' && depth > 0) --depth;
        ++pos;
      }
      if (pos < n) {
        ++pos;
        afterComma = true;
      }
    }
    if (!url.empty()) out.urls.emplace_back(url);
  }
  return out;
}

std::optional<TextRange> firstURLOccurrenceInStyleSheetSource(std::string_view style,
                                                              size_t from) {
  if (style.size() < 1 || from >= style.size() - 1) return std::nullopt;
  size_t at = findIgnoreCase(style, "url(", from);
  if (at == std::string_view::npos || at + 4 >= style.size()) return std::nullopt;
  size_t close = style.find(')', at + 4);
  if (close == std::string_view::npos) return std::nullopt;
  return TextRange{at + 4, close - at - 4};
}

std::optional<std::vector<std::string>> extractURLsFromInlineStyles(std::string_view style) {
  std::vector<std::string> urls;
  size_t from = 0;
  while (auto r = firstURLOccurrenceInStyleSheetSource(style, from)) {
    std::string_view url = trimChars(style.substr(r->location, r->length), "\"' ");
    if (!url.empty() && url.find(".htc") == std::string_view::npos && !startsWith(url, "#") &&
        !startsWith(url, "%23"))
      urls.emplace_back(url);
    // Go on after the ')' so that a short URL cannot hide the next reference.
    from = r->location + r->length + 1;
  }
  if (urls.empty()) return std::nullopt;
  return urls;
}

bool arrayContainsString(const std::vector<std::string>& list, std::string_view text) {
  for (const auto& s : list)
    if (s == text) return true;
  return false;
}

}  // namespace zel
