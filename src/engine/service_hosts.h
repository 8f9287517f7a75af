#pragma once
// What requests to other hosts must look like.
#include <algorithm>
#include <string>
#include <string_view>

#include "platform/text_format.h"

namespace zel {

// True for an address on the search engine's document or file-storage service,
// which refuse crawler user agents.
inline bool isDocumentOrFileStorageService(std::string_view address) {
  return containsIgnoreCase(address, "docs.google.") ||
         containsIgnoreCase(address, "drive.google.");
}

// The address with any "user:password@" taken out of its authority: a Referer
// never carries credentials to another host.
inline std::string withoutUserInfo(std::string_view address) {
  const size_t scheme = address.find("://");
  if (scheme == std::string_view::npos) return std::string(address);
  const size_t start = scheme + 3;
  const size_t end = std::min(address.find_first_of("/?#", start), address.size());
  const size_t at = address.substr(0, end).rfind('@');
  if (at == std::string_view::npos || at < start) return std::string(address);
  return std::string(address.substr(0, start)) + std::string(address.substr(at + 1));
}

}  // namespace zel
