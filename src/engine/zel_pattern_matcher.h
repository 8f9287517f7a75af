#pragma once
// The matcher behind every term list of the engine: case-insensitive, "*"
// wildcards, a leading "!" negates, a trailing "$" anchors at the end, and a
// literal term that is not found is tried again on the percent-decoded text.
#include <string_view>

#include "urltext/path_text.h"

namespace zel {

class ZelPatternMatcher {
 public:
  static bool stringMatchesPattern(std::string_view string, std::string_view pattern,
                                   bool allowWildcards = true);
};

}  // namespace zel
