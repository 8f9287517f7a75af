#pragma once
// The single thread on which all engine work happens: calls posted for the
// next turn, one-shot timers and file-descriptor watches.
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace zel {

class RunLoop {
 public:
  using Task = std::function<void()>;
  using TimerId = uint64_t;
  using WatchId = uint64_t;
  enum FdEvents : unsigned { kReadable = 1, kWritable = 2, kError = 4 };

  virtual ~RunLoop() = default;

  // Runs task on a later turn; tasks posted in one turn run in posting order.
  virtual void post(Task task) = 0;
  // Runs task on a later turn too, but as soon as the task now running returns,
  // before the tasks already waiting (which stay in order). For work another
  // thread waits on, such as handing a request to the network.
  virtual void postFirst(Task task) { post(std::move(task)); }
  // post() for other threads (a worker handing its result back): safe to call from
  // any thread, wakes a loop that is waiting in poll. Tasks from one thread run in
  // the order that thread handed them over.
  virtual void postFromAnyThread(Task task) = 0;
  // Runs task once after `seconds` (negative counts as 0). Timers due at the same
  // moment run in the order they were set.
  virtual TimerId postAfter(double seconds, Task task) = 0;
  // Cancels a timer that has not run yet; unknown ids are ignored.
  virtual void cancelTimer(TimerId id) = 0;
  // Calls `callback(revents)` whenever fd is ready for one of `events`.
  virtual WatchId watchFd(int fd, unsigned events, std::function<void(unsigned)> callback) = 0;
  virtual void unwatchFd(WatchId id) = 0;

  // Turns the loop until stop() is called.
  virtual void run() = 0;
  // Turns the loop until done() is true (checked after every turn) or `timeoutSeconds`
  // have passed. Returns done(). Used by tests and by synchronous helpers.
  virtual bool runUntil(const std::function<bool()>& done, double timeoutSeconds) = 0;
  // Makes run() return after the current turn.
  virtual void stop() = 0;
  // Monotonic time in seconds.
  virtual double now() const = 0;
};

// poll()-based run loop on the monotonic clock.
class PollRunLoop : public RunLoop {
 public:
  PollRunLoop();
  ~PollRunLoop() override;

  void post(Task task) override;
  void postFirst(Task task) override;
  void postFromAnyThread(Task task) override;
  TimerId postAfter(double seconds, Task task) override;
  void cancelTimer(TimerId id) override;
  WatchId watchFd(int fd, unsigned events, std::function<void(unsigned)> callback) override;
  void unwatchFd(WatchId id) override;
  void run() override;
  bool runUntil(const std::function<bool()>& done, double timeoutSeconds) override;
  void stop() override;
  double now() const override;

  // One turn: due timers, then the posted tasks queued before the turn began, then
  // a poll of the watched fds for at most maxWaitSeconds (less when work is pending).
  // When `done` is given and already true after the timers and posted tasks,
  // the turn ends without waiting.
  void runOnce(double maxWaitSeconds, const std::function<bool()>* done = nullptr);

 private:
  struct Watch {
    int fd;
    unsigned events;
    std::shared_ptr<std::function<void(unsigned)>> callback;
  };
  // Moves what other threads handed over to the end of posted_.
  void takeHandedOver();

  std::vector<Task> posted_;
  std::vector<Task> first_;  // postFirst's, run after each task
  // Runs the tasks posted with postFirst, including those they post.
  void runFirst();
  // Hand-overs from other threads, and the eventfd that wakes poll for them.
  std::mutex handedMutex_;
  std::vector<Task> handed_;
  int wakeFd_ = -1;
  std::atomic<bool> wakePending_{false};  // written to wakeFd_ and not yet read
  // Keyed by (due time, sequence) so equal times keep their order.
  std::map<std::pair<double, uint64_t>, std::pair<TimerId, Task>> timers_;
  std::map<TimerId, std::pair<double, uint64_t>> timerKeys_;
  std::map<WatchId, Watch> watches_;
  uint64_t nextId_ = 1;
  bool stopRequested_ = false;
};

}  // namespace zel
