#include "support/crawl_runner.h"

namespace zel::test {

ZelUrl* CrawlRun::record(const std::string& url) const {
  for (ZelUrl* r : hub->getLinksCollection())
    if (r->getLinkUrl() == url || r->getActualLinkUrl() == url) return r;
  return nullptr;
}

std::string CrawlRun::status(const std::string& url) const {
  ZelUrl* r = record(url);
  return r ? r->getStatus() : "(no record)";
}

bool CrawlRun::everyRecordHasStatus() const {
  for (ZelUrl* r : hub->getLinksCollection())
    if (r->getStatus().empty()) return false;
  return true;
}

bool CrawlRun::runUntilFinished(double seconds) {
  tp.loop.runUntil([this] { return finished; }, seconds);
  return finished;
}

void applyTestDefaults(Defaults& d) {
  d.setInteger("numberOfThreads", 4);
  d.setDouble("timeout", 5);
  d.setInteger("levelsLimit", 100);
  d.setInteger("linksLimit", 100000);
  d.setBool("checkImages", true);
  d.setBool("linkedFiles", true);
  d.setString("userAgentString", "ZelmoraTest/1.0");
  d.setString("defaultLocalFileName", "index.html");
}

std::unique_ptr<CrawlRun> runCrawl(const std::string& start,
                                   const std::function<void(Defaults&)>& configure,
                                   double seconds) {
  return runCrawlWith(start, {}, configure, seconds);
}

std::unique_ptr<CrawlRun> runCrawlWith(const std::string& start,
                                       const std::function<void(CrawlRun&)>& prepare,
                                       const std::function<void(Defaults&)>& configure,
                                       double seconds) {
  auto run = std::make_unique<CrawlRun>();
  if (prepare) prepare(*run);
  applyTestDefaults(run->tp.defaults);
  if (configure) configure(run->tp.defaults);
  run->hub = std::make_unique<ZelHub>(start, run->tp.platform());
  CrawlRun* raw = run.get();
  run->tp.notifications.addObserver("ZelCrawlDidFinish", [raw](const Notification&) {
    raw->finished = true;
    ++raw->didFinishPosts;
  });
  run->hub->go();
  run->runUntilFinished(seconds);
  return run;
}

}  // namespace zel::test
