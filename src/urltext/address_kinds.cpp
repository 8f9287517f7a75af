#include "urltext/address_kinds.h"

#include "platform/text_format.h"

namespace zel {

bool isMailtoEtc(std::string_view text) {
  if (startsWith(text, "{{") || startsWith(text, "%7B%7B") ||
      text.find("[object Object]") != std::string_view::npos)
    return true;
  if (!containsColon(text)) return false;
  static constexpr std::string_view kSchemes[] = {
      "mailto:", "javascript:", "callto:", "tel:", "sms:",  "skype:",
      "whatsapp:", "data:", "intent:", "/wp-json", "itms:", "itms-apps"};
  for (std::string_view scheme : kSchemes)
    if (containsIgnoreCase(text, scheme)) return true;
  return false;
}

bool isLocalFile(std::string_view address) {
  return startsWithIgnoreCase(trimWhitespace(address), "file:");
}

bool containsColon(std::string_view text) { return text.find(':') != std::string_view::npos; }

}  // namespace zel
