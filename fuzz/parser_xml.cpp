// Sitemap mode on arbitrary bytes: getNextHref ends, every call reads forward, and
// nothing crashes, hangs or leaks.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "parser/zel_parser.h"
#include "platform/defaults.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const zel::TextEncoding enc =
      (data[0] & 3) == 0 ? zel::encoding::kUTF8
                         : (data[0] & 3) == 1 ? zel::encoding::kISOLatin1
                                              : (data[0] & 3) == 2 ? zel::encoding::kNone
                                                                   : zel::encoding::kUTF16;
  const std::string_view doc(reinterpret_cast<const char*>(data + 1), size - 1);
  zel::MemoryDefaults d;
  auto parser =
      zel::ZelParser::initWithData(doc, false, false, enc, zel::kFileTypeXML, true, d, nullptr);
  if (!parser) return 0;
  size_t calls = 0;
  while (auto url = parser->getNextHref()) {
    (void)parser->getLinkText();
    if (parser->getLineNumber()) abort();  // no lines in this mode
    // Each URL needs at least "<loc>" before it.
    if (++calls > doc.size()) abort();
  }
  parser->reset();
  (void)parser->getNextHref();
  return 0;
}
