#pragma once
// The pages behind the SEO summary's counts: for each problem the summary
// counts, the site's pages that have it, with a detail text each (the long
// title, the word count, the images without alt text ...). The records are
// grouped by their own fields with the thresholds the summary used.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zel {
class ZelUrl;
}

namespace zel::cli {

class ReportContext;

struct SeoPageGroup {
  std::string label;
  int64_t counter = -1;  // the summary's counter for it; -1 when it keeps none
  std::vector<std::pair<const ZelUrl*, std::string>> pages;  // in the order of the site's pages
};

// Every group in a fixed order, empty ones included; none when SEO is off.
std::vector<SeoPageGroup> seoPageGroups(const ReportContext& report);

}  // namespace zel::cli
