#include "platform/text_format.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace zel {

std::string vstrf(const char* fmt, va_list args) {
  va_list copy;
  va_copy(copy, args);
  char small[256];
  int n = std::vsnprintf(small, sizeof small, fmt, copy);
  va_end(copy);
  if (n < 0) return {};
  if (static_cast<size_t>(n) < sizeof small) return std::string(small, n);
  std::string out(static_cast<size_t>(n) + 1, '\0');
  std::vsnprintf(out.data(), out.size(), fmt, args);
  out.resize(n);
  return out;
}

std::string strf(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string out = vstrf(fmt, args);
  va_end(args);
  return out;
}

static inline char lowerChar(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }
static inline char upperChar(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

std::string asciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = lowerChar(c);
  return out;
}

std::string asciiUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = upperChar(c);
  return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;  // the usual case, a memcmp
  for (size_t i = 0; i < a.size(); ++i)
    if (lowerChar(a[i]) != lowerChar(b[i])) return false;
  return true;
}

size_t findIgnoreCase(std::string_view h, std::string_view n, size_t from) {
  if (n.empty()) return from <= h.size() ? from : std::string_view::npos;
  if (n.size() > h.size() || from > h.size() - n.size()) return std::string_view::npos;
  // Candidates by the first byte: memchr when it has no case (".css?", "/"),
  // else both cases at a compare each; then the rest.
  const char lower = lowerChar(n[0]);
  const char upper = lower >= 'a' && lower <= 'z' ? static_cast<char>(lower - 32) : lower;
  const char* at = h.data() + from;
  const char* const last = h.data() + (h.size() - n.size());
  for (; at <= last; ++at) {
    if (lower == upper) {
      at = static_cast<const char*>(std::memchr(at, lower, static_cast<size_t>(last - at) + 1));
      if (!at) break;
    } else if (*at != lower && *at != upper) {
      continue;
    }
    size_t j = 1;
    while (j < n.size() && lowerChar(at[j]) == lowerChar(n[j])) ++j;
    if (j == n.size()) return static_cast<size_t>(at - h.data());
  }
  return std::string_view::npos;
}

bool startsWithIgnoreCase(std::string_view s, std::string_view p) {
  return s.size() >= p.size() && equalsIgnoreCase(s.substr(0, p.size()), p);
}
bool endsWithIgnoreCase(std::string_view s, std::string_view x) {
  return s.size() >= x.size() && equalsIgnoreCase(s.substr(s.size() - x.size()), x);
}

std::string_view trimChars(std::string_view s, std::string_view chars) {
  size_t b = s.find_first_not_of(chars);
  if (b == std::string_view::npos) return {};
  size_t e = s.find_last_not_of(chars);
  return s.substr(b, e - b + 1);
}

std::string_view trimWhitespace(std::string_view s) {
  auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };  // \t \n \v \f \r
  while (!s.empty() && space(s.front())) s.remove_prefix(1);
  while (!s.empty() && space(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string> split(std::string_view s, std::string_view sep) {
  std::vector<std::string> out;
  if (sep.empty()) {
    out.emplace_back(s);
    return out;
  }
  size_t start = 0;
  while (true) {
    size_t pos = s.find(sep, start);
    if (pos == std::string_view::npos) {
      out.emplace_back(s.substr(start));
      break;
    }
    out.emplace_back(s.substr(start, pos - start));
    start = pos + sep.size();
  }
  return out;
}

std::string join(const std::vector<std::string>& parts, std::string_view sep) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) out += sep;
    out += parts[i];
  }
  return out;
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(s);
  std::string out;
  size_t start = 0;
  while (true) {
    size_t pos = s.find(from, start);
    if (pos == std::string_view::npos) break;
    out.append(s.substr(start, pos - start));
    out.append(to);
    start = pos + from.size();
  }
  out.append(s.substr(start));
  return out;
}

long long leadingInteger(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r')) ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  long long v = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    int d = s[i] - '0';
    if (v > (LLONG_MAX - d) / 10) return neg ? LLONG_MIN : LLONG_MAX;
    v = v * 10 + d;
  }
  return neg ? -v : v;
}

size_t utf8Length(std::string_view s) {
  size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

size_t editDistanceIgnoringCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      const bool same = lower(a[i - 1]) == lower(b[j - 1]);
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::pair<size_t, size_t> passwordSpan(std::string_view text, size_t from) {
  for (size_t scheme = text.find("://", from); scheme != std::string_view::npos;
       scheme = text.find("://", scheme + 3)) {
    const size_t hostStart = scheme + 3;
    const size_t hostEnd = std::min(text.find_first_of("/?# \t\r\n\"<>", hostStart), text.size());
    const std::string_view authority = text.substr(hostStart, hostEnd - hostStart);
    const size_t at = authority.rfind('@');
    const size_t colon = authority.find(':');
    if (at != std::string_view::npos && colon != std::string_view::npos && colon + 1 < at)
      return {hostStart + colon + 1, at - colon - 1};
  }
  return {0, 0};
}

std::string withoutPasswords(std::string_view text) {
  std::string out;
  size_t copied = 0;
  for (auto span = passwordSpan(text); span.second > 0;
       span = passwordSpan(text, span.first + span.second)) {
    out.append(text.substr(copied, span.first - copied));
    out += "***";
    copied = span.first + span.second;
  }
  out.append(text.substr(copied));
  return out;
}

std::string groupedNumber(long long n) {
  std::string digits = std::to_string(n < 0 ? -static_cast<unsigned long long>(n)
                                            : static_cast<unsigned long long>(n));
  for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return n < 0 ? "-" + digits : digits;
}

std::string countOf(long long n, std::string_view noun, std::string_view plural) {
  std::string out = groupedNumber(n) + " ";
  if (n == 1) return out + std::string(noun);
  return out + (plural.empty() ? std::string(noun) + "s" : std::string(plural));
}

}  // namespace zel
