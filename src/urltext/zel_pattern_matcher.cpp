#include "urltext/zel_pattern_matcher.h"

#include <string>
#include <vector>

#include "platform/text_format.h"
#include "urltext/path_text.h"
#include "urltext/percent_encoding.h"

namespace zel {

static bool matchesWildcards(std::string_view s, std::string_view pattern) {
  bool anchored = false;
  if (!pattern.empty() && pattern.back() == '$') {
    pattern.remove_suffix(1);
    anchored = true;
  }
  std::vector<std::string_view> pieces;
  size_t start = 0;
  while (start <= pattern.size()) {
    size_t star = pattern.find('*', start);
    if (star == std::string_view::npos) star = pattern.size();
    if (star > start) pieces.push_back(pattern.substr(start, star - start));
    start = star + 1;
  }
  size_t pos = 0;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (anchored && i + 1 == pieces.size()) {
      // The rest after the previous piece must end with the last piece.
      std::string_view rest = s.substr(pos);
      return endsWithIgnoreCase(rest, pieces[i]);
    }
    size_t found = findIgnoreCase(s, pieces[i], pos);
    if (found == std::string_view::npos) return false;
    pos = found + pieces[i].size();
  }
  return true;
}

bool ZelPatternMatcher::stringMatchesPattern(std::string_view string, std::string_view pattern,
                                             bool allowWildcards) {
  bool negate = false;
  if (!pattern.empty() && pattern[0] == '!') {
    if (pattern.size() == 1) return true;
    negate = true;
    pattern.remove_prefix(1);
  }
  if (pattern.empty()) return negate;

  std::string_view subject = string;
  std::string withSlash;
  if (pattern.back() == '/' && (subject.empty() || subject.back() != '/') &&
      textPathExtension(subject).empty()) {
    withSlash.reserve(subject.size() + 1);
    withSlash.append(subject).push_back('/');
    subject = withSlash;
  }

  bool match;
  if (!allowWildcards || pattern.find('*') == std::string_view::npos) {
    match = containsIgnoreCase(subject, pattern);
    if (!match && subject.find('%') != std::string_view::npos) {  // else decoding changes nothing
      auto decoded = kxStringByRemovingPercentEncoding(subject);
      match = decoded && containsIgnoreCase(*decoded, pattern);
    }
  } else {
    match = matchesWildcards(subject, pattern);
  }
  return negate ? !match : match;
}

bool ZelPatternMatcher::stringContainsOneOfTheseTerms(std::string_view s,
                                                      const std::vector<std::string>& terms) {
  for (const std::string& term : terms) {
    if (utf8Length(term) < 2) continue;
    if (stringMatchesPattern(s, term)) return true;
  }
  return false;
}

bool ZelPatternMatcher::stringContainsOneOfTheseTerms(
    std::string_view s, const std::optional<std::vector<std::string>>& terms) {
  return terms && stringContainsOneOfTheseTerms(s, *terms);
}

}  // namespace zel
