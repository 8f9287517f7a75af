#include "report/secret_mask.h"

#include <algorithm>

#include "report/text_escape.h"

namespace zel::cli {

std::pair<size_t, size_t> passwordSpan(std::string_view url) {
  const size_t scheme = url.find("://");
  if (scheme == std::string_view::npos) return {0, 0};
  const size_t hostStart = scheme + 3;
  const size_t hostEnd = std::min(url.find_first_of("/?#", hostStart), url.size());
  const size_t at = url.substr(0, hostEnd).rfind('@');
  if (at == std::string_view::npos || at < hostStart) return {0, 0};
  const size_t colon = url.find(':', hostStart);
  if (colon == std::string_view::npos || colon > at) return {0, 0};
  return {colon + 1, at - colon - 1};
}

void SecretMask::addPasswordOf(std::string_view url) {
  const auto [at, length] = passwordSpan(url);
  if (length == 0) return;
  const std::string raw(url.substr(at, length));
  std::string json;
  appendJsonString(json, raw);
  std::string xml;
  appendXmlEscaped(xml, raw);
  for (const std::string& form : {raw, json.substr(1, json.size() - 2), xml}) {
    std::string framed = ":" + form + "@";
    if (std::find(forms_.begin(), forms_.end(), framed) == forms_.end())
      forms_.push_back(std::move(framed));
  }
}

void SecretMask::apply(std::string& text) const {
  for (const std::string& form : forms_) {
    for (size_t at = text.find(form); at != std::string::npos; at = text.find(form, at + 5)) {
      text.replace(at, form.size(), ":***@");
    }
  }
}

}  // namespace zel::cli
