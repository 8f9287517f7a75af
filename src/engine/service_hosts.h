#pragma once
// Hosts that need a request of their own shape.
#include <string_view>

#include "platform/text_format.h"

namespace zel {

// True for an address on the search engine's document or file-storage service,
// which refuse crawler user agents.
inline bool isDocumentOrFileStorageService(std::string_view address) {
  return containsIgnoreCase(address, "docs.google.") ||
         containsIgnoreCase(address, "drive.google.");
}

}  // namespace zel
