#pragma once
// The final response's header fields, kept on a record while the host needs
// them (the site audit, the window). Bounded, since a hostile server may send
// thousands of fields: the first ones are kept in the order received, and the
// record says that others were dropped.
#include <cstddef>

#include "platform/url_loader.h"

namespace zel {

struct KeptResponseHeaders {
  static constexpr size_t kMaxFields = 32;
  static constexpr size_t kMaxBytes = 4096;  // names and values together

  HeaderList headers;
  bool truncated = false;

  // The fields in order while both bounds hold; a field that would pass
  // either is dropped with every field after it.
  static KeptResponseHeaders from(const HeaderList& fields) {
    KeptResponseHeaders kept;
    size_t bytes = 0;
    for (const auto& [name, value] : fields) {
      bytes += name.size() + value.size();
      if (kept.headers.size() == kMaxFields || bytes > kMaxBytes) {
        kept.truncated = true;
        break;
      }
      kept.headers.emplace_back(name, value);
    }
    return kept;
  }
};

}  // namespace zel
