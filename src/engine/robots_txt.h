#pragma once
// The robots.txt reader: which Disallow and Allow values apply to this crawler.
// A pure function of the text, so it can be fuzzed and tested without a server.
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class Log;

struct RobotsRules {
  // Values as written after the first ":" of their line, up to a second ":"
  // (untrimmed); the hub trims them and makes path values absolute.
  std::vector<std::string> disallow;
  std::vector<std::string> allow;
};

// Reads the groups that apply to us. The first group naming Google (but not
// Googlebot-Image) or "*" decides which kind is obeyed; groups of the other kind
// are then ignored, further groups of the same kind are obeyed too. Lines are
// split at any line end; a line is split at every ":" and only the text between
// the first and second ":" is its value. `log` may be null.
RobotsRules parseRobotsTxt(std::string_view text, Log* log);

}  // namespace zel
