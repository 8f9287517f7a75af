#pragma once
// One link entry of a page: the URLs of one link-bearing construct and what
// describes them. An entry without URLs is never emitted.
#include <optional>
#include <string>
#include <vector>

namespace zel {

struct LinkEntry {
  std::vector<std::string> urls;
  std::optional<int> lineNumber;  // line when the last URL was added
  std::optional<std::string> linkText;
  std::optional<std::string> rel;
  std::optional<std::string> hreflang;
  std::optional<std::string> target;
  std::optional<std::string> altText;  // an image's alt text, or the marker "[alt]:"

  // Empty again, keeping the room of its URL list for the next entry.
  void clear() {
    urls.clear();
    lineNumber.reset();
    linkText.reset();
    rel.reset();
    hreflang.reset();
    target.reset();
    altText.reset();
  }

  bool empty() const {
    return urls.empty() && !lineNumber && !linkText && !rel && !hreflang && !target && !altText;
  }
};

}  // namespace zel
