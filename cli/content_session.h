#pragma once
// The program's side of the content analyses: reads their settings, hands the
// hub the reader that runs on the scan workers, keeps what it read of every
// page, and gives the site audit the analysis to fill when the crawl is over.
#include <memory>
#include <vector>

#include "audit/content_analysis.h"
#include "parser/page_content.h"
#include "platform/defaults.h"
#include "platform/spill_memory.h"
#include "platform/status.h"

namespace zel {
class Defaults;
class ZelHub;
class ZelUrl;
}  // namespace zel

namespace zel::cli {

class ContentSession {
 public:
  // With `read` false nothing is asked of the hub (a saved crawl read back).
  ContentSession(ZelHub& hub, const Defaults& settings, bool read = true);
  ContentSession(const ContentSession&) = delete;
  ContentSession& operator=(const ContentSession&) = delete;

  // The settings as the analyses read them; an error names a search or an
  // extraction that cannot be used.
  static Status settingsFrom(const Defaults& settings, audit::ContentSettings& out);
  // The options: at most this many of each kind; one NAME=VALUE as given;
  // the settings an option list makes, as a whole (names known, threshold).
  static constexpr size_t kMostItems = 50;
  static Status checkItem(const std::string& flag, const std::string& item);
  static Status checkOptions(const std::vector<std::pair<std::string, Json>>& settings);

  const audit::ContentSettings& settings() const { return settings_; }
  void setPageContent(const ZelUrl* page, std::unique_ptr<PageContent> content);
  const PageContent* pageContent(const ZelUrl* page) const;
  // Pages' signatures are kept apart from the rest: read only once the crawl
  // is over, they wait in a file-backed array, off the process's memory.
  const Signature* signature(const ZelUrl* page) const;
  // A fresh analysis for the audit to fill, with every page the hub is still
  // reading received first; null when there is nothing to analyse.
  audit::ContentAnalysis* prepare();

 private:
  audit::ContentSettings settings_;
  bool enabled_ = false;
  std::vector<std::unique_ptr<PageContent>> byIndex_;  // by the record's graph index
  SpillArray<Signature> signatures_;
  std::vector<uint32_t> signatureAt_;  // by graph index: 1 + its place in signatures_, or 0
  std::unique_ptr<audit::ContentAnalysis> analysis_;
  ZelHub* hub_ = nullptr;  // the one reading the pages, when this asked it to
};

}  // namespace zel::cli
