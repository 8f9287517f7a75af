// Punycode decoding of arbitrary bytes: never crashes, and whatever decodes
// encodes back to the same text (digit letters in lower case).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/text_format.h"
#include "urltext/punycode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  auto decoded = zel::punycodeDecode(input);
  (void)zel::punycodeDecodedString(input);
  if (!decoded) return 0;
  for (char32_t c : *decoded)
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) std::abort();
  if (decoded->size() > input.size()) std::abort();

  auto encoded = zel::punycodeEncode(*decoded);
  if (!encoded) std::abort();  // the same deltas were representable while decoding
  const size_t delim = input.rfind('-');
  std::string canonical;
  if (delim != std::string_view::npos && delim > 0) {
    canonical.assign(input.substr(0, delim + 1));
    canonical += zel::asciiLower(input.substr(delim + 1));
  } else {
    canonical = zel::asciiLower(input);
  }
  if (*encoded != canonical) std::abort();
  return 0;
}
