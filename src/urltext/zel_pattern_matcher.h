#pragma once
// The matcher behind every term list of the engine: case-insensitive, "*"
// wildcards, a leading "!" negates, a trailing "$" anchors at the end, and a
// literal term that is not found is tried again on the percent-decoded text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class ZelPatternMatcher {
 public:
  static bool stringMatchesPattern(std::string_view string, std::string_view pattern,
                                   bool allowWildcards = true);
  // `string:containsOneOfTheseTerms:`: any term of 2 or more characters that the
  // matcher accepts (wildcards allowed). False for an absent list.
  static bool stringContainsOneOfTheseTerms(std::string_view s,
                                            const std::vector<std::string>& terms);
  static bool stringContainsOneOfTheseTerms(std::string_view s,
                                            const std::optional<std::vector<std::string>>& terms);
};

}  // namespace zel
