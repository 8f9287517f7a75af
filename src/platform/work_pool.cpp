#include "platform/work_pool.h"

#include <pthread.h>

#include <algorithm>

namespace zel {

WorkPool::WorkPool(int threads) {
  for (int i = 0; i < std::max(1, threads); ++i) threads_.emplace_back([this] { work(); });
}

WorkPool::~WorkPool() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    jobs_.clear();
  }
  wake_.notify_all();
  for (std::thread& t : threads_) t.join();
}

void WorkPool::submit(std::function<void()> job) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  wake_.notify_one();
}

int WorkPool::threadsForThisMachine(int cap) {
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores - 1, 1, std::max(1, cap));
}

void WorkPool::work() {
  pthread_setname_np(pthread_self(), "zel-work");  // for profilers and top -H
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      if (stopping_) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    job();
  }
}

}  // namespace zel
