// robots.txt from a hostile server: any bytes must parse without crashing, and
// every value taken must be a piece of one line between its first two ":".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/robots_txt.h"
#include "engine/zel_hub.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zel::RobotsRules rules = zel::parseRobotsTxt(text, nullptr);
  for (const auto* list : {&rules.disallow, &rules.allow}) {
    for (const std::string& value : *list) {
      if (value.find(':') != std::string::npos || value.find('\n') != std::string::npos ||
          value.find('\r') != std::string::npos)
        std::abort();
      if (text.find(value) == std::string_view::npos) std::abort();
    }
  }
  // The hub's step after parsing: trimmed, made absolute, never empty.
  for (const std::string& item : zel::ZelHub::makeEachItemInArray(rules.disallow, "host/"))
    if (item.empty()) std::abort();
  return 0;
}
