#pragma once
// User-facing texts: the English text is the key and the fallback; an optional
// JSON table {"table": {"English": "Translation"}} or {"English": "Translation"}
// supplies translations.
#include <map>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace zel {

class Localizer {
 public:
  std::string localize(std::string_view english, std::string_view table = "") const;
  // Whether text is english as the user reads it; builds no string on the way.
  bool matches(std::string_view text, std::string_view english) const;
  Status loadTable(const std::string& path);
  void set(std::string_view english, std::string_view translated, std::string_view table = "");

 private:
  std::map<std::pair<std::string, std::string>, std::string> entries_;
};

}  // namespace zel
