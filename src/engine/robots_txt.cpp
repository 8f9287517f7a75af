#include "engine/robots_txt.h"

#include "platform/log.h"
#include "platform/text_format.h"

namespace zel {

namespace {

// Length of the line end starting at s[i], or 0: LF, CR, VT, FF, and the UTF-8
// forms of NEL, LINE SEPARATOR and PARAGRAPH SEPARATOR. Each one ends a line on
// its own, so CRLF leaves an empty line between (which has no ":" and is skipped).
size_t lineEndAt(std::string_view s, size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  if (c == '\n' || c == '\r' || c == '\v' || c == '\f') return 1;
  if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0x85) return 2;
  if (c == 0xE2 && i + 2 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0x80) {
    const unsigned char d = static_cast<unsigned char>(s[i + 2]);
    if (d == 0xA8 || d == 0xA9) return 3;
  }
  return 0;
}

}  // namespace

RobotsRules parseRobotsTxt(std::string_view text, Log* log) {
  RobotsRules rules;
  bool obeying = false, googleTaken = false, starTaken = false;

  auto handleLine = [&](std::string_view line) {
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) return;  // fewer than two parts
    const std::string_view rawField = line.substr(0, colon);
    std::string_view value = line.substr(colon + 1);
    const size_t second = value.find(':');
    if (second != std::string_view::npos) value = value.substr(0, second);

    if (containsIgnoreCase(rawField, "User-agent")) {
      if (containsIgnoreCase(value, "Google") && !containsIgnoreCase(value, "Googlebot-Image")) {
        if (log) log->write(1, "we are Google");
        obeying = !starTaken;
        if (obeying) googleTaken = true;
      } else if (value.find('*') != std::string_view::npos) {
        if (log) log->write(1, "we are star");
        obeying = !googleTaken;
        if (obeying) starTaken = true;
      } else {
        obeying = false;
      }
    }
    if (!obeying) return;
    const std::string_view field = trimChars(rawField, " \t");
    if (startsWithIgnoreCase(field, "Disallow"))
      rules.disallow.emplace_back(value);
    else if (startsWithIgnoreCase(field, "Allow"))
      rules.allow.emplace_back(value);
  };

  size_t start = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t end = lineEndAt(text, i);
    if (end == 0) {
      ++i;
      continue;
    }
    handleLine(text.substr(start, i - start));
    i += end;
    start = i;
  }
  handleLine(text.substr(start));
  return rules;
}

}  // namespace zel
