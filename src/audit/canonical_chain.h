#pragma once
// Canonical chains: A names B as its canonical, and B names C.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel::audit {

// The addresses of the chain that starts at `start`, hop by hop: `next` gives an
// address's canonical when it names another address (nullopt otherwise). The
// chain ends at an address without one, at an address already in it (which is
// listed once more, to show the loop) or after `maxHops` hops.
std::vector<std::string> canonicalChain(
    std::string_view start, const std::function<std::optional<std::string>(std::string_view)>& next,
    size_t maxHops = 10);

}  // namespace zel::audit
