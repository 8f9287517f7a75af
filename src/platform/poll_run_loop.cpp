#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/run_loop.h"

namespace zel {

PollRunLoop::PollRunLoop() : wakeFd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

PollRunLoop::~PollRunLoop() {
  if (wakeFd_ >= 0) ::close(wakeFd_);
}

double PollRunLoop::now() const {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void PollRunLoop::post(Task task) { posted_.push_back(std::move(task)); }

void PollRunLoop::postFirst(Task task) { first_.push_back(std::move(task)); }

void PollRunLoop::runFirst() {
  while (!first_.empty()) {
    std::vector<Task> now;
    now.swap(first_);
    for (auto& task : now) task();
  }
}

void PollRunLoop::postFromAnyThread(Task task) {
  {
    std::lock_guard<std::mutex> lock(handedMutex_);
    handed_.push_back(std::move(task));
  }
  // One write until the loop has read the wake-up. The loop clears the flag only
  // after reading and takes what was handed over at the start of every turn, so
  // a task that finds the flag set is taken before the loop waits again.
  const uint64_t one = 1;
  if (!wakePending_.exchange(true) && wakeFd_ >= 0) {
    [[maybe_unused]] auto n = ::write(wakeFd_, &one, sizeof one);
  }
}

void PollRunLoop::takeHandedOver() {
  std::vector<Task> handed;
  {
    std::lock_guard<std::mutex> lock(handedMutex_);
    handed.swap(handed_);
  }
  for (auto& task : handed) posted_.push_back(std::move(task));
}

RunLoop::TimerId PollRunLoop::postAfter(double seconds, Task task) {
  if (!(seconds > 0)) seconds = 0;  // also catches NaN
  TimerId id = nextId_++;
  auto key = std::make_pair(now() + seconds, id);
  timers_.emplace(key, std::make_pair(id, std::move(task)));
  timerKeys_.emplace(id, key);
  return id;
}

void PollRunLoop::cancelTimer(TimerId id) {
  auto it = timerKeys_.find(id);
  if (it == timerKeys_.end()) return;
  timers_.erase(it->second);
  timerKeys_.erase(it);
}

RunLoop::WatchId PollRunLoop::watchFd(int fd, unsigned events,
                                      std::function<void(unsigned)> callback) {
  WatchId id = nextId_++;
  watches_.emplace(id, Watch{fd, events,
                             std::make_shared<std::function<void(unsigned)>>(std::move(callback))});
  return id;
}

void PollRunLoop::unwatchFd(WatchId id) { watches_.erase(id); }

void PollRunLoop::runOnce(double maxWaitSeconds, const std::function<bool()>* done) {
  runFirst();  // posted with postFirst outside any task
  // Due timers first; a timer set by a timer callback waits for a later turn.
  const double t = now();
  std::vector<Task> due;
  while (!timers_.empty() && timers_.begin()->first.first <= t) {
    auto node = timers_.extract(timers_.begin());
    timerKeys_.erase(node.mapped().first);
    due.push_back(std::move(node.mapped().second));
  }
  for (auto& task : due) {
    task();
    runFirst();
  }

  takeHandedOver();
  std::vector<Task> batch;
  batch.swap(posted_);
  for (auto& task : batch) {
    task();
    runFirst();
  }

  double wait = std::max(0.0, maxWaitSeconds);
  takeHandedOver();
  if (!posted_.empty() || (done && (*done)())) wait = 0;
  if (!timers_.empty()) wait = std::min(wait, std::max(0.0, timers_.begin()->first.first - now()));
  if (stopRequested_) wait = 0;

  // Work is waiting and no fd is watched: nothing to ask the kernel. A wake-up
  // written meanwhile is read by the next turn that waits.
  if (wait == 0 && watches_.empty()) return;

  std::vector<pollfd> fds;
  std::vector<WatchId> ids;
  fds.reserve(watches_.size() + 1);
  // The wake-up for hand-overs from other threads comes first, with no watch id.
  if (wakeFd_ >= 0) {
    fds.push_back(pollfd{wakeFd_, POLLIN, 0});
    ids.push_back(0);
  }
  for (const auto& [id, w] : watches_) {
    short ev = 0;
    if (w.events & kReadable) ev |= POLLIN;
    if (w.events & kWritable) ev |= POLLOUT;
    fds.push_back(pollfd{w.fd, ev, 0});
    ids.push_back(id);
  }
  int timeoutMs = static_cast<int>(std::ceil(wait * 1000.0));
  int n = ::poll(fds.data(), fds.size(), timeoutMs);
  if (n <= 0) return;
  for (size_t i = 0; i < fds.size(); ++i) {
    if (!fds[i].revents) continue;
    if (ids[i] == 0) {
      uint64_t count;
      [[maybe_unused]] auto r = ::read(wakeFd_, &count, sizeof count);
      wakePending_.store(false);  // after the read: a task that saw it set is taken next turn
      continue;
    }
    auto it = watches_.find(ids[i]);
    if (it == watches_.end()) continue;  // removed by an earlier callback in this turn
    unsigned re = 0;
    if (fds[i].revents & (POLLIN | POLLHUP)) re |= kReadable;
    if (fds[i].revents & POLLOUT) re |= kWritable;
    if (fds[i].revents & (POLLERR | POLLNVAL)) re |= kError;
    auto cb = it->second.callback;  // keep alive if the callback unwatches itself
    (*cb)(re);
    runFirst();
  }
}

void PollRunLoop::run() {
  stopRequested_ = false;
  while (!stopRequested_) runOnce(1.0);
  stopRequested_ = false;
}

bool PollRunLoop::runUntil(const std::function<bool()>& done, double timeoutSeconds) {
  const double deadline = now() + timeoutSeconds;
  while (!done()) {
    double left = deadline - now();
    if (left <= 0) return done();
    runOnce(std::min(left, 0.25), &done);
  }
  return true;
}

void PollRunLoop::stop() { stopRequested_ = true; }

}  // namespace zel
