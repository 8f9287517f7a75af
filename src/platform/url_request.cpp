#include <cstring>

#include "platform/text_format.h"
#include "platform/url_loader.h"

namespace zel {

void UrlRequest::setHeader(std::string_view name, std::string_view value) {
  for (auto& [k, v] : headers) {
    if (equalsIgnoreCase(k, name)) {
      v.assign(value);
      return;
    }
  }
  headers.emplace_back(std::string(name), std::string(value));
}

void UrlRequest::removeHeader(std::string_view name) {
  std::erase_if(headers, [&](const auto& h) { return equalsIgnoreCase(h.first, name); });
}

bool UrlRequest::isSendable(std::string_view name, std::string_view value) {
  // Names are short; values (a user agent, cookies) are searched by memchr, once
  // for each byte that may not stand in them.
  for (char c : name)
    if (c == '\r' || c == '\n' || c == ':') return false;
  return !name.empty() && (value.empty() || (!std::memchr(value.data(), '\r', value.size()) &&
                                              !std::memchr(value.data(), '\n', value.size())));
}

std::optional<std::string> UrlRequest::header(std::string_view name) const {
  for (const auto& [k, v] : headers)
    if (equalsIgnoreCase(k, name)) return v;
  return std::nullopt;
}

std::optional<std::string> UrlResponse::headerExact(std::string_view name) const {
  std::optional<std::string> found;
  for (const auto& [k, v] : headers)
    if (k == name) found = v;
  return found;
}

std::optional<std::string> UrlResponse::header(std::string_view name) const {
  std::optional<std::string> found;
  for (const auto& [k, v] : headers)
    if (equalsIgnoreCase(k, name)) found = v;
  return found;
}

}  // namespace zel
