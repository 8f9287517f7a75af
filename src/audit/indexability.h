#pragma once
// Whether a page of the site can appear in search results, and the first reason
// why not, in this order: robots.txt, the answer, a redirect, noindex, a
// canonical naming another address.
#include <cstdint>
#include <string_view>

namespace zel::audit {

enum class Indexability : uint8_t {
  Indexable,
  BlockedByRobotsTxt,
  NoResponse,
  Not200,
  Redirected,
  Noindex,
  Canonicalised,
};

// "indexable", "blocked by robots.txt", "no response", "not 200", "redirected",
// "noindex", "canonicalised".
std::string_view indexabilityName(Indexability i);

}  // namespace zel::audit
