#pragma once
// Rows from a saved crawl: its database, read once into the table when opened
// (the urls table and the link counts), and queried for the lower pane.
#include <memory>
#include <string>

#include "platform/sqlite_database.h"
#include "report/database_loader.h"
#include "serve/row_source.h"

namespace zel::cli::serve {

class DatabaseSource : public RowSource {
 public:
  // Refuses, leaving the file as it is, what `openSavedCrawl` refuses.
  static Status open(const std::string& path, std::unique_ptr<DatabaseSource>& out);

  void takeChanges(RowTable::Batch& batch) override;
  CrawlCounters counters() const override { return counters_; }
  std::optional<Json> details(int64_t id) override;
  std::optional<std::string> addressOf(int64_t id) override;
  SeoThresholds thresholds() const override { return thresholds_; }
  Json audit() const override { return audit_; }
  std::optional<Json> addressesWithoutRow(const std::string& issue) override;

  const std::string& path() const { return saved_.path; }
  const std::string& startUrl() const { return saved_.startUrl; }
  bool stopped() const { return saved_.stopped; }

 private:
  DatabaseSource() = default;
  Status load(RowTable::Batch& batch);
  void readAudit();

  SavedCrawl saved_;
  CrawlCounters counters_;
  SeoThresholds thresholds_;
  bool loaded_ = false;
  Json audit_;  // null: the crawl was saved without an audit
};

}  // namespace zel::cli::serve
