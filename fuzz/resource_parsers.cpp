// Stylesheet and script link parsers on arbitrary bytes: no crash, and every
// link handed out is one of the parser's own, in order.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "parser/resource_link_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto css = zel::ZelCSSParser::initWithData(bytes, nullptr)) {
    size_t n = 0;
    while (auto href = css->getNextHref()) {
      if (href->empty() || *href != css->links()[n++]) std::abort();
    }
    if (n != css->links().size()) std::abort();
  }
  if (auto js = zel::ZelJSParser::initWithData(bytes, nullptr)) {
    while (js->getNextHref()) {
    }
  }
  return 0;
}
