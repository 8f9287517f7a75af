// Pages scanned on a worker thread. The scan (the parser's single pass over the
// bytes) reads only the page and a copy of the settings, so it can run while the
// run loop handles other responses. Extraction itself stays on the run loop, in
// the order the fetches finished: a page whose scan is still running holds back
// the pages that finished after it, so what is found never depends on timing.
// (Deliberately not "the parser is made and read on the crawl's one thread":
// the scan is half of a big site's CPU time and the second core sat idle.)
#include "engine/page_scan.h"
#include "engine/zel_hub.h"
#include "platform/work_pool.h"

namespace zel {

namespace {

// Scans in flight beyond the run loop's own thread; the machine decides below this.
constexpr int kMaxScanThreads = 3;
// A scan started on arrival keeps the page's body until the page's turn, even
// when its record lets go of it, so only pages up to this size start early: with
// bigger ones memory would grow past the body limit times the threads, and their
// scans outlast the wait anyway.
constexpr size_t kMaxArrivalScanBytes = 1 << 20;

}  // namespace

void ZelHub::pageHasArrived(ZelUrl* r) {
  // Pages wait their turn behind the extractions of earlier ones; their scans
  // need not, since a scan reads only the page's bytes and settings.
  const std::string* body = r->getData();
  if (body && body->size() <= kMaxArrivalScanBytes && wantsPageScan(r))
    arrivedScans_[r] = startPageScan(r);
}

std::shared_ptr<PageScan> ZelHub::scanForExtraction(ZelUrl* r) {
  std::shared_ptr<PageScan> arrived;
  if (auto it = arrivedScans_.find(r); it != arrivedScans_.end()) {
    arrived = std::move(it->second);
    arrivedScans_.erase(it);
  }
  if (!wantsPageScan(r)) return nullptr;
  // The other inputs of the scan are checked when its parser is taken.
  // The same body, unchanged: a record that changes a shared body gets a copy first.
  if (arrived && arrived->body == r->sharedData()) return arrived;
  return startPageScan(r);
}

void ZelHub::extractLinksInTurn(ZelUrl* r, std::function<void()> then) {
  std::shared_ptr<PageScan> scan = scanForExtraction(r);
  if (!scan && pendingExtractions_.empty() && !runningExtractions_) {
    extractLinks(r);
    then();
    return;
  }
  pendingExtractions_.push_back(PendingExtraction{r, std::move(scan), std::move(then)});
  runReadyExtractions();
}

void ZelHub::handleInTurn(std::function<void()> task) {
  if (pendingExtractions_.empty() && !runningExtractions_) return task();
  pendingExtractions_.push_back(PendingExtraction{nullptr, nullptr, std::move(task)});
}

void ZelHub::runReadyExtractions() {
  if (runningExtractions_) return;  // the loop below picks up what was added
  runningExtractions_ = true;
  while (!pendingExtractions_.empty()) {
    PendingExtraction& front = pendingExtractions_.front();
    if (front.scan && !front.scan->done.load(std::memory_order_acquire)) break;
    PendingExtraction next = std::move(front);
    pendingExtractions_.pop_front();
    scanInHand_ = std::move(next.scan);
    if (next.record) extractLinks(next.record);
    scanInHand_.reset();
    next.then();
  }
  runningExtractions_ = false;
}

std::shared_ptr<const Defaults> ZelHub::settingsSnapshot() {
  const Defaults& d = defaults();
  if (!settingsSnapshot_ || settingsSnapshot_->generation() != d.generation())
    settingsSnapshot_ = d.snapshot();
  return settingsSnapshot_;
}

bool ZelHub::wantsPageScan(ZelUrl* r) {
  // Only what extraction would surely scan as an HTML page of the site; the rest
  // (stylesheets, scripts, PDFs, sitemaps, URL lists) is read when its turn comes.
  const std::string* body = r->getData();
  if (!body || body->empty() || rechecking_ || !r->isInternal()) return false;
  if (!r->getIsHTML() || r->getIsCSS() || r->getIsJS() || r->getIsPDF() || r->isXML())
    return false;
  if (r->isStartingPoint() && defaults().integerForKey("plainTextMode") != kFileTypeHTML)
    return false;
  return settingsSnapshot() != nullptr;
}

std::shared_ptr<PageScan> ZelHub::startPageScan(ZelUrl* r) {
  const Defaults& d = defaults();
  auto scan = std::make_shared<PageScan>();
  scan->body = r->sharedData();
  scan->withSEO = d.boolForKey("SEOEnabled");
  scan->observeRobots = d.boolForKey("observeRobotsTxt");
  scan->encoding = getDetectedEncoding();
  scan->settings = settingsSnapshot();
  if (markupFactsReceiver_) scan->gatherer = std::make_unique<MarkupFactsGatherer>();
  if (scan->gatherer && contentReader_) {
    scan->reader = contentReader_;
    if (contentReader_->wantsMainText()) scan->gatherer->keepMainText();
  }
  if (!scanPool_) scanPool_ = std::make_unique<WorkPool>(WorkPool::threadsForThisMachine(kMaxScanThreads));
  std::weak_ptr<ZelHub*> alive = aliveToken_;
  RunLoop* loop = platform_.runLoop;
  Log* logTo = &log();
  std::shared_ptr<std::vector<std::unique_ptr<ZelParser>>> retired;
  if (!retiredParsers_.empty()) {
    retired = std::make_shared<std::vector<std::unique_ptr<ZelParser>>>(std::move(retiredParsers_));
    retiredParsers_.clear();
  }
  scanPool_->submit([scan, alive, loop, logTo, retired] {
    scan->parser = ZelParser::initWithData(*scan->body, scan->withSEO, scan->observeRobots,
                                           scan->encoding, scan->fileType, true, *scan->settings,
                                           logTo, scan->gatherer.get());
    // Extraction always wants the page's words: decode its text here, off the run loop.
    if (scan->parser) scan->parser->getWordCount();
    // The content itself is read later, on its own thread: the scan's end holds up extraction.
    if (scan->parser && scan->reader)
      scan->text = copyPageText(*scan->reader, scan->body, *scan->parser, *scan->gatherer);
    if (scan->parser && scan->gatherer) scan->gatherer->encodeFacts();
    scan->done.store(true, std::memory_order_release);
    loop->postFromAnyThread([alive] {
      if (auto hub = alive.lock()) (*hub)->runReadyExtractions();
    });
    if (retired) retired->clear();  // after the hand-over: the page's extraction need not wait
  });
  return scan;
}

void ZelHub::retireParser(std::unique_ptr<ZelParser> parser) {
  // Without scans to carry them (a crawl of few pages) they are freed here.
  if (retiredParsers_.size() >= 32 || !scanPool_) return;
  retiredParsers_.push_back(std::move(parser));
}

std::unique_ptr<ZelParser> ZelHub::takeScannedParser(int fileType) {
  if (!scanInHand_ || !scanInHand_->parser) return nullptr;
  const Defaults& d = defaults();
  // Made with other inputs than extraction would use now: scanned again.
  if (scanInHand_->fileType != fileType || scanInHand_->encoding != getDetectedEncoding() ||
      scanInHand_->withSEO != d.boolForKey("SEOEnabled") ||
      scanInHand_->observeRobots != d.boolForKey("observeRobotsTxt") ||
      scanInHand_->settings->generation() != d.generation() ||
      (markupFactsReceiver_ && !scanInHand_->gatherer))
    return nullptr;
  gathererInHand_ = std::move(scanInHand_->gatherer);
  textInHand_ = std::move(scanInHand_->text);
  return std::move(scanInHand_->parser);
}

}  // namespace zel
