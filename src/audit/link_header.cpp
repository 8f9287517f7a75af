#include "audit/link_header.h"

#include "platform/text_format.h"

namespace zel::audit {

namespace {

bool isWs(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<LinkHeaderEntry> parseLinkHeader(std::string_view v) {
  std::vector<LinkHeaderEntry> out;
  size_t i = 0;
  const size_t n = v.size();
  while (i < n) {
    while (i < n && (isWs(v[i]) || v[i] == ',')) ++i;
    if (i >= n) break;
    if (v[i] != '<') break;
    const size_t close = v.find('>', i + 1);
    if (close == std::string_view::npos) break;
    LinkHeaderEntry e;
    e.target = std::string(trimWhitespace(v.substr(i + 1, close - i - 1)));
    i = close + 1;
    // Parameters up to the next comma outside quotes.
    while (i < n && v[i] != ',') {
      while (i < n && (isWs(v[i]) || v[i] == ';')) ++i;
      const size_t nameStart = i;
      while (i < n && v[i] != '=' && v[i] != ';' && v[i] != ',') ++i;
      const std::string name = asciiLower(trimWhitespace(v.substr(nameStart, i - nameStart)));
      std::string value;
      if (i < n && v[i] == '=') {
        ++i;
        while (i < n && isWs(v[i])) ++i;
        if (i < n && v[i] == '"') {
          ++i;
          while (i < n && v[i] != '"') {
            if (v[i] == '\\' && i + 1 < n) ++i;
            value += v[i++];
          }
          if (i < n) ++i;  // the closing quote
        } else {
          const size_t valueStart = i;
          while (i < n && v[i] != ';' && v[i] != ',') ++i;
          value = std::string(trimWhitespace(v.substr(valueStart, i - valueStart)));
        }
      }
      if (name == "rel" && e.rel.empty())
        e.rel = asciiLower(value);
      else if (name == "hreflang" && e.hreflang.empty())
        e.hreflang = value;
      while (i < n && isWs(v[i])) ++i;
      if (i < n && v[i] != ';' && v[i] != ',') break;
    }
    out.push_back(std::move(e));
  }
  return out;
}

bool relHas(std::string_view rel, std::string_view word) {
  size_t i = 0;
  while (i < rel.size()) {
    while (i < rel.size() && isWs(rel[i])) ++i;
    size_t end = i;
    while (end < rel.size() && !isWs(rel[end])) ++end;
    if (end > i && equalsIgnoreCase(rel.substr(i, end - i), word)) return true;
    i = end;
  }
  return false;
}

}  // namespace zel::audit
