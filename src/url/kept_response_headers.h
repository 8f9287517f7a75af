#pragma once
// The final response's header fields, kept on a record while the host needs
// them (the site audit, the window). Bounded, since a hostile server may send
// thousands of fields: the first ones are kept in the order received, and the
// record says that others were dropped.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_format.h"
#include "platform/url_loader.h"

namespace zel {

// Which fields a record keeps: the named ones (any case), or every field when
// none are named. With noListOnPlainHttp an http:// response that kept none
// and dropped none leaves no list at all (its absent fields need no memory).
struct KeptHeaderRule {
  std::vector<std::string> names;
  bool noListOnPlainHttp = false;

  bool keeps(std::string_view field) const {
    if (names.empty()) return true;
    for (const std::string& n : names)
      if (equalsIgnoreCase(field, n)) return true;
    return false;
  }
};

struct KeptResponseHeaders {
  static constexpr size_t kMaxFields = 32;
  static constexpr size_t kMaxBytes = 4096;  // names and values together

  HeaderList headers;
  bool truncated = false;

  // The fields in order while both bounds hold; a field that would pass
  // either is dropped with every field after it. The bounds count every field,
  // those the rule keeps among them.
  static KeptResponseHeaders from(const HeaderList& fields, const KeptHeaderRule& rule = {}) {
    KeptResponseHeaders kept;
    size_t bytes = 0, count = 0;
    for (const auto& [name, value] : fields) {
      bytes += name.size() + value.size();
      if (count++ == kMaxFields || bytes > kMaxBytes) {
        kept.truncated = true;
        break;
      }
      if (rule.keeps(name)) kept.headers.emplace_back(name, value);
    }
    return kept;
  }
};

}  // namespace zel
