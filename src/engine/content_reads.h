#pragma once
// The content of pages read off the crawl's path: extraction hands over a copy
// of what the reader needs and goes on; one thread ("zel-content") reads the
// pages in the order they were handed over, and the results go to the host on
// the run loop, in that order. The copies waiting are bounded in bytes: past
// the bound the run loop waits for the reader, so memory never grows with a
// fast site.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "parser/page_content.h"

namespace zel {

class RunLoop;
class ZelUrl;

class ContentReads {
 public:
  using Deliver = std::function<void(ZelUrl*, std::unique_ptr<PageContent>)>;
  static constexpr size_t kMaxQueuedBytes = 8 << 20;

  // `deliver` is called on the run loop's thread only (from a task posted to
  // `loop`, or from finish()).
  ContentReads(std::shared_ptr<const PageContentReader> reader, RunLoop* loop, Deliver deliver,
               size_t maxQueuedBytes = kMaxQueuedBytes);
  // Stops after the page being read; pages not read are dropped, undelivered.
  ~ContentReads();
  ContentReads(const ContentReads&) = delete;
  ContentReads& operator=(const ContentReads&) = delete;

  // On the run loop's thread. The page's record must outlive its delivery.
  void submit(ZelUrl* page, PageTextCopy text);
  // Waits for every page handed over and delivers what is not yet delivered.
  void finish();
  // Pages handed over and not yet delivered.
  size_t pending() const;

 private:
  struct Job {
    ZelUrl* page;
    PageTextCopy text;
  };
  struct Read {
    ZelUrl* page;
    std::unique_ptr<PageContent> content;
  };
  void work();
  void deliverReady();

  std::shared_ptr<const PageContentReader> reader_;
  RunLoop* loop_;
  Deliver deliver_;
  const size_t maxQueuedBytes_;
  mutable std::mutex mutex_;
  std::condition_variable wake_, progress_;
  std::deque<Job> jobs_;
  size_t queuedBytes_ = 0;
  bool reading_ = false;
  bool deliveryPosted_ = false;
  bool stopping_ = false;
  std::vector<Read> done_;
  size_t submitted_ = 0, delivered_ = 0;
  // Lets a posted delivery find out whether this still exists.
  std::shared_ptr<ContentReads*> alive_ = std::make_shared<ContentReads*>(this);
  std::thread thread_;
};

}  // namespace zel
