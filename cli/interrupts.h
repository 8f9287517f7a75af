#pragma once
// Ctrl-C and SIGTERM during long work (a crawl, continue, recheck): the first
// asks the work to stop, so that what was found is reported and saved (a CI
// runner that ends a job sends SIGTERM); a second leaves at once with 130.
#include <string>

namespace zel::cli {

// The exit statuses of the program.
enum ExitStatus : int {
  kExitClean = 0,     // no bad links
  kExitBadLinks = 1,  // bad links found (diff: the crawls differ)
  kExitUnusable =
      2,             // a usage error, a start that cannot be used or reached, an export not written
  kExitStopped = 3,  // stopped by --max-time, Ctrl-C or SIGTERM before the end
  kExitInterrupted = 130  // a second Ctrl-C
};

class InterruptWatch {
 public:
  // Installs the handlers and starts counting from none.
  InterruptWatch();
  // Puts back the handlers that were there before.
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // Whether a stop was asked for since this watch began.
  static bool interrupted();
  // "Ctrl-C" or "SIGTERM": what asked first; "" when nothing did.
  static std::string cause();

 private:
  void (*previousInt_)(int);
  void (*previousTerm_)(int);
};

}  // namespace zel::cli
