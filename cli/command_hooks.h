#pragma once
// How a host other than the terminal (the window) follows a command that turns
// a run loop (crawl, recheck, continue): it is told the hub and its loop once
// the work is under way, may ask it to stop, and keeps Ctrl-C to itself (the
// command installs no signal handler, prompts nobody and shows no progress line).
#include <functional>
#include <string>
#include <vector>

namespace zel {
class RunLoop;
class ZelHub;
}  // namespace zel

namespace zel::cli {

struct CommandHooks {
  // A crawl's hub is made and not yet started (the window keeps response headers).
  std::function<void(ZelHub&)> made;
  // On the loop's thread, after the hub has started (or been loaded) and
  // before the loop turns.
  std::function<void(ZelHub&, RunLoop&)> started;
  // Asked four times a second while the loop turns; true stops the work as
  // Ctrl-C does (what was found is kept and saved).
  std::function<bool()> shouldStop;
  // The loop has stopped for good; the hub still exists.
  std::function<void()> ended;
  // A recheck's outcome: the lines `recheck` prints under each heading.
  std::function<void(
      const std::vector<std::string>& fixed, const std::vector<std::string>& stillBroken,
      const std::vector<std::string>& newlyBroken, const std::vector<std::string>& found)>
      rechecked;

  bool stopAsked() const { return shouldStop && shouldStop(); }
};

}  // namespace zel::cli
