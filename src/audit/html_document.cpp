#include "audit/html_document.h"

#include <algorithm>
#include <cstdint>
#include <mutex>

namespace zel::audit {

namespace {
void quiet(void*, const char*, ...) {}
void quietStructured(void*, xmlErrorPtr) {}
}  // namespace

void quietLibxmlOnThisThread() {
  static std::once_flag once;
  std::call_once(once, [] { xmlInitParser(); });
  thread_local bool done = false;
  if (done) return;
  done = true;
  xmlSetGenericErrorFunc(nullptr, quiet);
  xmlSetStructuredErrorFunc(nullptr, quietStructured);
}

htmlDocPtr readHtmlDocument(std::string_view page) {
  quietLibxmlOnThisThread();
  return htmlReadMemory(page.data(), static_cast<int>(std::min<size_t>(page.size(), INT32_MAX)),
                        nullptr, "UTF-8",
                        HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                            HTML_PARSE_NONET | HTML_PARSE_COMPACT);
}

}  // namespace zel::audit
