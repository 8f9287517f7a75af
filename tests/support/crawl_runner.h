#pragma once
// Runs a whole crawl in a test: a hub on a TestPlatform, started with go() and
// turned until it finishes (or a bound in seconds passes).
#include <functional>
#include <memory>
#include <string>

#include "engine/zel_hub.h"
#include "support/test_platform.h"

namespace zel::test {

struct CrawlRun {
  TestPlatform tp;
  std::unique_ptr<ZelHub> hub;
  bool finished = false;
  int didFinishPosts = 0;

  // The record whose link or actual address is `url`; nullptr when there is none.
  ZelUrl* record(const std::string& url) const;
  // That record's status; "(no record)" when there is none.
  std::string status(const std::string& url) const;
  // Every record has a status.
  bool everyRecordHasStatus() const;
  // Turns the loop until the crawl finishes or `seconds` pass; true when it finished.
  bool runUntilFinished(double seconds);
};

// Settings a crawl in a test starts from (a few threads, short time-outs,
// limits high enough to see a whole fixture site).
void applyTestDefaults(Defaults& d);

// Creates the hub, applies the test defaults and `configure`, calls go() and runs
// the crawl to its end (at most `seconds`).
std::unique_ptr<CrawlRun> runCrawl(const std::string& start,
                                   const std::function<void(Defaults&)>& configure = {},
                                   double seconds = 30);
// The same, after `prepare` has set up the run's platform (a loader double, say).
std::unique_ptr<CrawlRun> runCrawlWith(const std::string& start,
                                       const std::function<void(CrawlRun&)>& prepare,
                                       const std::function<void(Defaults&)>& configure = {},
                                       double seconds = 30);

}  // namespace zel::test
