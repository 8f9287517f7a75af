#include "report/secret_mask.h"

#include <algorithm>

#include "platform/text_format.h"
#include "report/text_escape.h"

namespace zel::cli {

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
