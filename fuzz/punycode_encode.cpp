// Punycode encoding: the bytes read either as UTF-8 text or as raw 32-bit
// values. Whatever encodes must decode back to what went in (less the
// characters that map to nothing), and values that are not Unicode scalars
// must not decode at all.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "urltext/code_points.h"
#include "urltext/punycode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool raw = data[0] & 1;
  ++data, --size;
  if (!raw) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto encoded = zel::punycodeEncodedString(text);
    if (!encoded) return 0;
    for (char c : *encoded)
      if (static_cast<unsigned char>(c) >= 0x80) std::abort();  // output is ASCII
    std::u32string expected = zel::longCharacters(text);
    expected.erase(std::remove_if(expected.begin(), expected.end(), zel::isIgnoredCharacter),
                   expected.end());
    auto decoded = zel::punycodeDecode(*encoded);
    if (!decoded || *decoded != expected) std::abort();
    return 0;
  }
  std::u32string values(size / 4, U'\0');
  for (size_t i = 0; i < values.size(); ++i) {
    uint32_t v;
    std::memcpy(&v, data + 4 * i, 4);
    values[i] = static_cast<char32_t>(v);
  }
  auto encoded = zel::punycodeEncode(values);
  if (!encoded) return 0;
  bool scalars = true;
  for (char32_t c : values) scalars &= c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
  auto decoded = zel::punycodeDecode(*encoded);
  if (scalars ? (!decoded || *decoded != values) : decoded.has_value()) std::abort();
  return 0;
}
