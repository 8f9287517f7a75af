#include "engine/content_reads.h"

#include <pthread.h>

#include "platform/run_loop.h"

namespace zel {

ContentReads::ContentReads(std::shared_ptr<const PageContentReader> reader, RunLoop* loop,
                           Deliver deliver, size_t maxQueuedBytes)
    : reader_(std::move(reader)),
      loop_(loop),
      deliver_(std::move(deliver)),
      maxQueuedBytes_(maxQueuedBytes),
      thread_([this] { work(); }) {}

ContentReads::~ContentReads() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void ContentReads::submit(ZelUrl* page, PageTextCopy text) {
  const size_t bytes = text.bytes();
  {
    std::unique_lock<std::mutex> lock(mutex_);
    // One page always gets in, however big: the bound holds back the next one.
    progress_.wait(lock, [&] { return jobs_.empty() || queuedBytes_ + bytes <= maxQueuedBytes_; });
    jobs_.push_back(Job{page, std::move(text)});
    queuedBytes_ += bytes;
    ++submitted_;
  }
  wake_.notify_one();
}

void ContentReads::finish() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    progress_.wait(lock, [&] { return jobs_.empty() && !reading_; });
  }
  deliverReady();
}

size_t ContentReads::pending() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return submitted_ - delivered_;
}

void ContentReads::work() {
  pthread_setname_np(pthread_self(), "zel-content");  // for profilers and top -H
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    if (stopping_) return;
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    reading_ = true;
    lock.unlock();
    const size_t bytes = job.text.bytes();
    std::unique_ptr<PageContent> content = readPageContent(*reader_, job.text);
    job.text = PageTextCopy();  // the body's last holder may be this copy
    lock.lock();
    reading_ = false;
    queuedBytes_ -= bytes;
    done_.push_back(Read{job.page, std::move(content)});
    const bool post = !deliveryPosted_ && loop_;
    deliveryPosted_ = true;
    progress_.notify_all();
    if (post) {
      std::weak_ptr<ContentReads*> alive = alive_;
      loop_->postFromAnyThread([alive] {
        if (auto self = alive.lock()) (*self)->deliverReady();
      });
    }
  }
}

void ContentReads::deliverReady() {
  std::vector<Read> ready;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ready.swap(done_);
    deliveryPosted_ = false;
    delivered_ += ready.size();
  }
  for (Read& r : ready) deliver_(r.page, std::move(r.content));
}

}  // namespace zel
