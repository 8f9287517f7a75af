#pragma once
// Rows from a crawl running in this program. It watches the hub's
// notifications for records whose status or facts changed and keeps their
// numbers, so each hand-over reads only those records and the ones found since
// the last: its cost follows the changes, not the size of the crawl.
#include <chrono>
#include <cstdint>
#include <vector>

#include "serve/row_source.h"

namespace zel {
class ZelHub;
class ZelUrl;
}  // namespace zel

namespace zel::cli::serve {

class LiveHubSource : public RowSource {
 public:
  // On the hub's run loop; the hub must outlive the source.
  explicit LiveHubSource(ZelHub& hub);
  ~LiveHubSource() override;

  void takeChanges(RowTable::Batch& batch) override;
  CrawlCounters counters() const override;
  std::optional<Json> details(int64_t id) override;
  std::optional<std::string> addressOf(int64_t id) override;
  SeoThresholds thresholds() const override;

 private:
  void markChanged(const ZelUrl* record);
  RowFacts factsOf(ZelUrl& record, int64_t id) const;
  ZelUrl* recordOf(int64_t id) const;

  ZelHub& hub_;
  std::vector<uint64_t> observers_;
  size_t recordsSeen_ = 0, pagesSeen_ = 0;
  std::vector<uint32_t> changed_;  // record numbers, each once
  std::vector<bool> isChanged_, isPage_;
  // A row's id is the record's place in crawl order, as a saved crawl numbers
  // it, so that a row keeps its id when the crawl is saved and opened again.
  std::vector<int64_t> idOf_;  // by record number; -1 until the record is in the collection
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
};

}  // namespace zel::cli::serve
