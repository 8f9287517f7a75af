#include "serve/run_loop_relay.h"

#include <chrono>

namespace zel::cli::serve {

struct RunLoopRelay::Call {
  std::function<void()> task;
  std::mutex mutex;
  std::condition_variable changed;
  enum State { kWaiting, kRan, kDropped } state = kWaiting;

  void settle(State s) {
    std::lock_guard lock(mutex);
    if (state == kWaiting || s == kRan) state = s;
    changed.notify_all();
  }
};

// What a loop holds of a call: when the loop ends without running it, the call
// is told, so that its waiter hands it on.
struct RunLoopRelay::Carrier {
  std::shared_ptr<Call> call;
  bool ran = false;
  ~Carrier() {
    if (!ran && call) call->settle(Call::kDropped);
  }
};

void RunLoopRelay::setLoop(RunLoop* loop) {
  std::lock_guard lock(mutex_);
  loop_ = loop;
}

bool RunLoopRelay::post(const std::shared_ptr<Call>& call) {
  std::lock_guard lock(mutex_);
  if (!loop_) return false;
  auto carrier = std::make_shared<Carrier>();
  carrier->call = call;
  loop_->postFromAnyThread([carrier] {
    carrier->ran = true;
    carrier->call->task();
    carrier->call->settle(Call::kRan);
  });
  return true;
}

bool RunLoopRelay::run(std::function<void()> task, double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  auto call = std::make_shared<Call>();
  call->task = std::move(task);
  while (true) {
    {
      std::lock_guard lock(call->mutex);
      call->state = Call::kWaiting;
    }
    if (!post(call)) return false;
    std::unique_lock lock(call->mutex);
    if (!call->changed.wait_until(lock, deadline, [&] { return call->state != Call::kWaiting; }))
      return false;
    if (call->state == Call::kRan) return true;
    // Dropped with the loop it was in: the engine has moved on to another.
  }
}

}  // namespace zel::cli::serve
