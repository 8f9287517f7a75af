// The crawl loop: request slots, the remedial queue, crawl order, counting
// completed records, completion, stop and continue.
#include <algorithm>
#include <cmath>
#include <mutex>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "urltext/path_text.h"

namespace zel {

namespace {
std::string describeQueue(const std::deque<ZelUrl*>& q) {
  std::vector<std::string> urls;
  for (ZelUrl* r : q) urls.push_back(r->getActualLinkUrl());
  return "(" + join(urls, ", ") + ")";
}
}  // namespace

void ZelHub::reloadData() {
  platform_.notifications->post("ZelListenerShouldUpdateData", this);
}

void ZelHub::crawlDidStop() {
  finishPageContentReads();  // before the end-of-crawl work reads what was received
  platform_.notifications->post("ZelCrawlDidStop", this);
}

void ZelHub::crawlWillContinue() {
  platform_.notifications->post("ZelCrawlWillContinue", this);
}

int64_t ZelHub::perHostLimit() const { return defaults().integerForKey("maxRequestsPerHost"); }

void ZelHub::noteRequestSent(ZelUrl* record) {
  if (perHostLimit() <= 0) return;
  const std::string key = hostKey(record->getLinkUrlForTesting());
  ++hostInFlight_[key];
  inFlightHost_[record] = key;
}

void ZelHub::noteRequestEnded(ZelUrl* record) {
  arrivedScans_.erase(record);  // a scan its extraction did not take
  auto it = inFlightHost_.find(record);
  if (it == inFlightHost_.end()) return;
  auto count = hostInFlight_.find(it->second);
  if (count != hostInFlight_.end() && --count->second <= 0) hostInFlight_.erase(count);
  inFlightHost_.erase(it);
}

void ZelHub::threadHasFinished(ZelUrl* record) {
  numberOfThreadsDetached_ = std::max<int64_t>(0, numberOfThreadsDetached_ - 1);
  noteRequestEnded(record);
  getNextUrlToCrawl(record);
}

void ZelHub::addToRemedialQueue(ZelUrl* record) {
  numberOfThreadsDetached_ = std::max<int64_t>(0, numberOfThreadsDetached_ - 1);
  noteRequestEnded(record);
  if (!remedialQueue_) remedialQueue_.emplace();
  remedialQueue_->push_back(record);
  getNextUrlToCrawl(record);
}

bool ZelHub::getNextUrlToCrawl(ZelUrl* finished) {
  if (rechecking_) {
    log().always("getNextUrlToCrawl: calling getNextUrlToRecheck");
    return getNextUrlToRecheck();
  }
  auto slotFree = [this] {
    const int64_t limit = defaults().integerForKey("numberOfThreads");
    return (numberOfThreadsDetached_ < limit || numberOfThreadsDetached_ == 0) && !stopPressed_;
  };
  const double delay = defaults().doubleForKey("delay");
  bool finishedUnused = finished != nullptr;
  auto numberSlot = [&](ZelUrl* r) {
    if (finishedUnused) {
      r->setThread(finished->thread());
      finishedUnused = false;
    } else {
      r->setThread(nextThreadNumber_++);
    }
  };
  // The slot counts as taken from the moment the send is scheduled.
  auto sendWithDelay = [&](ZelUrl* r, bool atOnce) {
    if (atOnce || !(delay > 0.000001)) {
      sendAsyncServerRequest(r);
    } else {
      const double truncated = std::floor(delay * 1e9) / 1e9;
      platform_.runLoop->postAfter(truncated, [this, r] { sendAsyncServerRequest(r); });
    }
  };

  bool handedOut = false;
  bool remedialHandedOut = false;
  while (remedialQueue_ && !remedialQueue_->empty() && slotFree()) {
    ZelUrl* r = remedialQueue_->front();
    const bool atOnce = finishedUnused && finished->isStartingPoint();
    sendWithDelay(r, atOnce);
    ++numberOfThreadsDetached_;
    noteRequestSent(r);
    numberSlot(r);
    ZEL_LOG(log(), 1, strf("remedial queue - have just dispatched a new thread (#%i) for %s with "
                        "delay %.5f",
                        r->thread(), r->getActualLinkUrl().c_str(), delay));
    remedialQueue_->erase(std::remove(remedialQueue_->begin(), remedialQueue_->end(), r),
                          remedialQueue_->end());
    handedOut = remedialHandedOut = true;
  }

  const int64_t perHost = perHostLimit();
  auto hostIsFull = [&](const std::string& key) {
    auto it = hostInFlight_.find(key);
    return it != hostInFlight_.end() && it->second >= perHost;
  };
  auto send = [&](ZelUrl* c) {
    if (c->isInBadCollection())
      badCollectionCount_ = std::max<int64_t>(0, badCollectionCount_ - 1);
    sendWithDelay(c, false);
    ++numberOfThreadsDetached_;
    noteRequestSent(c);
    numberSlot(c);
  };
  // Records set aside for a full host go first, as soon as their host has room.
  for (auto it = waitingForHost_.begin(); it != waitingForHost_.end() && slotFree();) {
    auto& waiting = it->second;
    while (!waiting.empty() && slotFree() && !hostIsFull(it->first)) {
      ZelUrl* c = waiting.front();
      waiting.pop_front();
      if (c->isGoodLink() || c->isExempt() || inFlightHost_.count(c)) continue;
      send(c);
      handedOut = true;
    }
    it = waiting.empty() ? waitingForHost_.erase(it) : std::next(it);
  }

  while (true) {
    if (!slotFree()) {
      ZEL_LOG(log(), 4, strf("%ld of %ld", static_cast<long>(numberDone_),
                          static_cast<long>(collection_.size())));
      return handedOut;
    }
    ZelUrl* c = getnthItem(nextUrlToCrawl_);
    while (c && (c->isGoodLink() || c->isExempt())) {
      ++nextUrlToCrawl_;
      c = getnthItem(nextUrlToCrawl_);
    }
    if (!c) {
      if (!remedialHandedOut) isFinished();
      return false;
    }
    if (perHost > 0) {
      const std::string key = hostKey(c->getLinkUrlForTesting());
      if (hostIsFull(key)) {
        waitingForHost_[key].push_back(c);
        ++nextUrlToCrawl_;
        continue;
      }
    }
    send(c);
    ++nextUrlToCrawl_;
    ZEL_LOG(log(), 4, strf("getNextUrlToCrawl: have just dispatched a new thread (#%i) for %s with "
                        "delay %.5f ",
                        c->thread(), c->getActualLinkUrl().c_str(), delay));
    handedOut = true;
  }
}

void ZelHub::incNumberDone(ZelUrl* record) {
  if (static_cast<uint64_t>(numberDone_) < collection_.size()) ++numberDone_;
  if (!record->shouldBeMemberOfBadCollection()) {
    record->setIsInBadCollection(true);
    ++badCollectionCount_;
  }
  if (containsIgnoreCase(textPathExtension(record->getActualLinkUrl()), "pdf") &&
      shouldBeInSitemapCollection(record))
    seoManager_->add(record);
  if (record->isInternal()) {
    if (const auto* table = record->getRedirTable())
      for (const RedirectEntry& e : *table)
        if (!e.url.empty()) addToRedirLookup(record, e.url);
  }
  platform_.notifications->post("ZelDidUpdateLink", record);
}

void ZelHub::statusHasChangedFordO(ZelUrl* record) {
  record->setIsInBadCollection(!record->shouldBeMemberOfBadCollection());
}

void ZelHub::recountBadCollection() {
  log().always("recounting bad collection");
  badCollectionCount_ = 0;
  {
    std::lock_guard<std::mutex> lock(collectionLock_);
    for (ZelUrl* r : collection_) {
      if (!r->shouldBeMemberOfBadCollection()) {
        r->setIsInBadCollection(true);
        ++badCollectionCount_;
      } else {
        r->setIsInBadCollection(false);
      }
    }
  }
  log().always("Finished recounting bad collection");
}

bool ZelHub::isFinished() {
  if (crawlFinished_) return true;
  if (recheckQueue_ && !recheckQueue_->empty()) {
    log().always("isFinished called but we have recheckQueue: " + describeQueue(*recheckQueue_));
    return false;
  }
  if (remedialQueue_ && !remedialQueue_->empty()) {
    log().always("isFinished called but we have remedialQueue: " +
                 describeQueue(*remedialQueue_));
    return false;
  }
  if (!waitingForHost_.empty()) return false;  // handed out when their hosts have room
  const int64_t total = static_cast<int64_t>(collection_.size());
  if (!inProgressArray_) {
    inProgressArray_.emplace();
    inProgressArray_->reserve(static_cast<size_t>(std::max<int64_t>(0, numberOfThreadsDetached_)));
    ZEL_LOG(log(), 3, "traversing collection");
    const double limit = 2 * requestTimeout();
    int64_t done = 0;
    {
      std::lock_guard<std::mutex> lock(collectionLock_);
      for (ZelUrl* r : collection_) {
        if (!r->getStatus().empty()) {
          ++done;
        } else if (r->getTimeSinceSent() <= limit) {
          inProgressArray_->push_back(r);
        } else {
          // Also ended, so a late answer cannot count the record a second time.
          r->cancelConnection();
          r->setStatus(localized("The request timed out"));
          numberOfThreadsDetached_ = std::max<int64_t>(0, numberOfThreadsDetached_ - 1);
          noteRequestEnded(r);
        }
      }
    }
    numberDone_ = std::min(done, total);
  } else {
    ZEL_LOG(log(), 2, strf("traversing inProgressArray (%i)", static_cast<int>(inProgressArray_->size())));
    auto& inProgress = *inProgressArray_;
    for (auto it = inProgress.begin(); it != inProgress.end();) {
      if (!(*it)->getStatus().empty()) {
        ZEL_LOG(log(), 2, "removing " + (*it)->getActualurl() + " from inProgressArray");
        it = inProgress.erase(it);
      } else {
        ZEL_LOG(log(), 2, "no status for " + (*it)->getActualurl());
        ++it;
      }
    }
    numberDone_ = total - static_cast<int64_t>(inProgress.size());
  }
  if (numberDone_ == total && numberOfThreadsDetached_ < 1) {
    ZEL_LOG(log(), 2, "***engine finished***");
    crawlDidStop();
    crawlFinished_ = true;
    platform_.notifications->post("ZelCrawlDidFinish", this);
    if (defaults().boolForKey("shouldArchive") && !defaults().boolForKey("suppressArchiveSaveDialog"))
      saveArchive();
    return true;
  }
  ZEL_LOG(log(), 2, strf("waiting on %ld threads, numberDone: %ld, collection: %ld",
                      static_cast<long>(numberOfThreadsDetached_), static_cast<long>(numberDone_),
                      static_cast<long>(total)));
  // Records still waiting are looked at again when their time is up, even if no
  // completion arrives to call us (a server that never answers).
  scheduleWatchdog();
  return false;
}

void ZelHub::scheduleWatchdog() {
  if (watchdogScheduled_ || !inProgressArray_) return;
  double wait = 1.0;
  const double limit = 2 * requestTimeout();
  for (ZelUrl* r : *inProgressArray_)
    if (r->getStatus().empty()) wait = std::max(wait, limit - r->getTimeSinceSent() + 0.5);
  watchdogScheduled_ = true;
  platform_.runLoop->postAfter(std::min(wait, std::max(1.0, limit + 0.5)), [this] {
    watchdogScheduled_ = false;
    if (crawlFinished_ || stopPressed_ || !inProgressArray_) return;
    const double limit = 2 * requestTimeout();
    for (ZelUrl* r : *inProgressArray_) {
      if (r->getStatus().empty() && r->getTimeSinceSent() > limit) {
        r->cancelConnection();
        r->setStatus(localized("The request timed out"));
        statusHasChangedFordO(r);
        incNumberDone(r);
        numberOfThreadsDetached_ = std::max<int64_t>(0, numberOfThreadsDetached_ - 1);
        noteRequestEnded(r);
      }
    }
    isFinished();
  });
}

void ZelHub::stop() {
  stopPressed_ = true;
  crawlDidStop();
  numberOfThreadsDetached_ = 0;
  nextUrlToCrawl_ = 0;
  nextThreadNumber_ = 1;
  // The requests in flight are forgotten with the slots (their answers are ignored
  // while stopped), and continuing walks the collection again: the per-host counts
  // and the records waiting for a host start afresh too.
  hostInFlight_.clear();
  inFlightHost_.clear();
  waitingForHost_.clear();
}

void ZelHub::continueCrawl() {
  stopPressed_ = false;
  crawlWillContinue();
  // The walk from the start fetches again every record without a good status, so the
  // retries queued before (or while) stopped go with it. Sent from the queue as well,
  // a record would go out twice and its first request never end, and the crawl
  // would wait for it for ever.
  if (remedialQueue_) remedialQueue_->clear();
  // A page whose head came before the stop and its body while stopped has a good
  // status and no links read: asked again, or the walk would pass over it.
  for (ZelUrl* r : collection_)
    if (r->answerCutByStop()) r->forgetCutAnswer();
  // From the start: a crawl read back after a crash kept its walk's place, and a
  // record before it that was in flight, or whose links were not yet read, would
  // never be sent (and never time out, unsent), so the crawl would not end.
  nextUrlToCrawl_ = 0;
  getNextUrlToCrawl(nullptr);
  inProgressArray_.reset();
}

}  // namespace zel
