#pragma once
// A text's words with single spaces between them: white space (space, tab,
// line breaks, form feed) collapsed, none at either end.
#include <string>
#include <string_view>

namespace zel {

inline std::string collapsedWhitespace(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool space = false;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
      space = !out.empty();
      continue;
    }
    if (space) out += ' ';
    space = false;
    out += c;
  }
  return out;
}

}  // namespace zel
