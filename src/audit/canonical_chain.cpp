#include "audit/canonical_chain.h"

#include <algorithm>

namespace zel::audit {

std::vector<std::string> canonicalChain(
    std::string_view start, const std::function<std::optional<std::string>(std::string_view)>& next,
    size_t maxHops) {
  std::vector<std::string> chain{std::string(start)};
  while (chain.size() <= maxHops) {
    std::optional<std::string> hop = next(chain.back());
    if (!hop || *hop == chain.back()) break;
    const bool seen = std::find(chain.begin(), chain.end(), *hop) != chain.end();
    chain.push_back(std::move(*hop));
    if (seen) break;
  }
  return chain;
}

}  // namespace zel::audit
