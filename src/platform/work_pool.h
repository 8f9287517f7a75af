#pragma once
// A few worker threads for work that reads only what it is given (a page's
// bytes and a copy of the settings) and hands its result back to the run loop.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace zel {

class WorkPool {
 public:
  // `threads` workers (at least one), started at once.
  explicit WorkPool(int threads);
  // Waits for the job that is running on each worker; jobs not yet started are dropped.
  ~WorkPool();
  WorkPool(const WorkPool&) = delete;
  WorkPool& operator=(const WorkPool&) = delete;

  // Runs job on some worker, in the order submitted when there is one worker.
  void submit(std::function<void()> job);

  // One worker per core beyond the first (the run loop's), at least one, at most `cap`.
  static int threadsForThisMachine(int cap);

 private:
  void work();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> jobs_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace zel
