#pragma once
// A page scanned on a worker while the run loop goes on: the page's bytes and
// the settings as they were when it started, the parser it made, and whether it
// is done. The run loop reads the parser only after `done`.
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "parser/markup_facts_gatherer.h"
#include "parser/page_content.h"
#include "parser/zel_parser.h"
#include "platform/defaults.h"

namespace zel {

struct PageScan {
  std::shared_ptr<const std::string> body;  // the record's own, shared
  bool withSEO = false;
  bool observeRobots = false;
  uint64_t encoding = 0;
  int fileType = kFileTypeHTML;
  // The parser reads its settings through this copy for as long as it lives.
  std::shared_ptr<const Defaults> settings;
  std::unique_ptr<ZelParser> parser;
  // Set when the host asked for markup facts: it observed the same scan.
  std::unique_ptr<MarkupFactsGatherer> gatherer;
  // Set when the host reads the pages' content: what the reader needs, taken
  // from the parser and gatherer on the worker (the reading itself comes later).
  std::shared_ptr<const PageContentReader> reader;
  std::optional<PageTextCopy> text;
  std::atomic<bool> done{false};
};

}  // namespace zel
