// Plain URL lists on arbitrary bytes, in the whitespace and the comma modes: tokens
// come out in order, each call reads forward, and nothing crashes, hangs or leaks.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "parser/zel_parser.h"
#include "platform/defaults.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int fileType = 1 + data[0] % 3;  // 1, 2 (commas too) or 3
  const std::string_view list(reinterpret_cast<const char*>(data + 1), size - 1);
  zel::MemoryDefaults d;
  auto parser = zel::ZelParser::initWithData(list, false, false, zel::encoding::kUTF8, fileType,
                                             true, d, nullptr);
  if (!parser) return 0;
  size_t calls = 0;
  while (auto url = parser->getNextHref()) {
    if (url->find(' ') != std::string::npos) abort();  // spaces are escaped
    if (++calls > list.size()) abort();                 // a token needs a byte
  }
  return 0;
}
