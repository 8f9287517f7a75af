#pragma once
// Hands work from the server's threads to the engine's thread, where all crawl
// state lives, and waits for it. The engine says which run loop is turning (a
// crawl's own while one runs, the window's between crawls); a task left in a
// loop that ends without running it goes to the loop that turns next.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/run_loop.h"

namespace zel::cli::serve {

class RunLoopRelay {
 public:
  // On the engine's thread: tasks go to `loop` from now on (nullptr: refused).
  void setLoop(RunLoop* loop);

  // Runs `task` on the engine's thread and waits up to `seconds` for it to end;
  // false when it did not run in that time (it may still run later, so it
  // must hold what it uses) or no loop takes tasks.
  bool run(std::function<void()> task, double seconds);

  // The same for a task with a result; nullopt when it did not run in time.
  template <class T>
  std::optional<T> call(std::function<T()> task, double seconds) {
    auto result = std::make_shared<std::optional<T>>();
    if (!run([task = std::move(task), result] { *result = task(); }, seconds)) return std::nullopt;
    return std::move(*result);
  }

 private:
  struct Call;
  struct Carrier;
  bool post(const std::shared_ptr<Call>& call);

  std::mutex mutex_;
  RunLoop* loop_ = nullptr;
};

}  // namespace zel::cli::serve
