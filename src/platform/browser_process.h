#pragma once
// One headless Chromium started by us, speaking the DevTools protocol on a pair
// of pipes (it reads commands on its fd 3 and writes replies and events on its
// fd 4). The process is ours alone: it gets a fresh profile folder, which is
// removed when it ends, and it is ended by its process id, never by name.
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/status.h"

namespace zel {

struct BrowserOptions {
  // The program to run; empty: $ZELMORA_BROWSER when set, else the first of
  // chromium-headless-shell and chromium found on PATH.
  std::string executable;
  std::vector<std::string> extraArguments;
};

class BrowserProcess {
 public:
  BrowserProcess() = default;
  ~BrowserProcess();  // terminate()
  BrowserProcess(const BrowserProcess&) = delete;
  BrowserProcess& operator=(const BrowserProcess&) = delete;

  // The program start() would run, or nullopt when none is installed.
  static std::optional<std::string> findExecutable();

  // Starts the browser. Fails at once, with a message naming the program, when
  // it is not installed or cannot be run; a browser that starts and then dies
  // is seen later, as end of file on eventFd(). Not thread-safe; call once.
  Status start(const BrowserOptions& options = {});

  bool started() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }
  // Our ends of the pipes, non-blocking and closed on exec; -1 when not started.
  int commandFd() const { return commandFd_; }
  int eventFd() const { return eventFd_; }
  const std::string& executable() const { return executable_; }

  // Whether the process has ended (reaps it when it has).
  bool hasExited();
  // Waits up to `seconds` for the process to end by itself; true when it has.
  bool waitForExit(double seconds);
  // Closes our pipe ends (a browser treats that as the end of the session),
  // waits up to `graceSeconds`, then kills the process by its id and reaps it;
  // removes the profile folder. Safe to call more than once.
  void terminate(double graceSeconds = 2.0);
  // The last lines the browser wrote on its stderr (for error messages).
  std::string logTail(size_t maxBytes = 2000) const;

 private:
  void closePipes();

  pid_t pid_ = -1;
  bool reaped_ = false;
  int commandFd_ = -1, eventFd_ = -1;
  std::string executable_, profileDir_, logPath_;
};

}  // namespace zel
