#pragma once
// Where the window's rows come from: a crawl running in this program (its hub)
// or a saved crawl (its database). Every call is made on the engine's thread,
// between the turns of its run loop, so a live source reads its hub safely.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/defaults.h"  // Json
#include "serve/row_table.h"

namespace zel::cli::serve {

// The counters the window shows above its tabs.
struct CrawlCounters {
  int64_t found = 0, checked = 0, bad = 0, pages = 0;
  double seconds = 0;  // how long the crawl has run
};

class RowSource {
 public:
  virtual ~RowSource() = default;

  // Puts the rows added or changed since the last call into the table: every
  // row on the first call, then only what changed.
  virtual void takeChanges(RowTable::Batch& batch) = 0;
  virtual CrawlCounters counters() const = 0;
  // Everything the lower pane shows of one row: {"url", "fields": [[name,
  // text]...], "inlinks", "outlinks", "images" ({"total", "items"}), "redirects",
  // "warnings", "headers"}; nullopt for an id the source does not know.
  virtual std::optional<Json> details(int64_t id) = 0;
  // The address of a row as the crawl holds it (a password in it included).
  virtual std::optional<std::string> addressOf(int64_t id) = 0;
  // The settings the filters read.
  virtual SeoThresholds thresholds() const = 0;
  // The site audit of the crawl: {"counts": {issue id: addresses}, "pages",
  // "indexable"}; null until it has run (a live crawl is audited when it ends).
  virtual Json audit() const { return nullptr; }
  // One issue type's addresses that have no row (a sitemap's orphans):
  // {"total", "items": [{"url", "detail"}]}; nullopt for an unknown id.
  virtual std::optional<Json> addressesWithoutRow(const std::string& /*issue*/) {
    return std::nullopt;
  }
};

// Lists in the lower pane stop here; the total is given with them.
inline constexpr int64_t kDetailListLimit = 500;

}  // namespace zel::cli::serve
