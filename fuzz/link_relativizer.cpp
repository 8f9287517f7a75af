// The archive's link relativizer on arbitrary bytes: any page, domain and depth
// is rewritten without crashing, hanging or reading past the page; text without
// markup comes out unchanged; and a rewritten page can be rewritten again.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "archive/link_relativizer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the domain and the depth; the rest is the page.
  const uint8_t control = bytes[0];
  std::optional<std::string> domain;
  switch (control & 3) {
    case 0: break;
    case 1: domain = "example.com"; break;
    case 2: domain = "127.0.0.1:8080"; break;
    default: domain = ""; break;
  }
  const int32_t depth = static_cast<int32_t>(control >> 2) % 6 - 1;  // -1 .. 4
  // A copy of exactly the page's bytes, so reading past them is caught.
  const std::string page(reinterpret_cast<const char*>(bytes + 1), size - 1);

  auto r = zel::LinkRelativizer::initWithData(page, domain, depth);
  if (!r) return 0;
  const std::string& out = r->outputData();
  if (page.find('<') == std::string::npos && out != page) std::abort();
  auto again = zel::LinkRelativizer::initWithData(out, domain, depth);
  if (again && again->outputData().empty() && !out.empty()) std::abort();
  return 0;
}
