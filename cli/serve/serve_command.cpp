#include "serve/serve_command.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "interrupts.h"
#include "serve/live_state.h"
#include "serve/window_server.h"

extern char** environ;

namespace zel::cli {

namespace {

// $BROWSER, else xdg-open when there is a display; false when neither could be run.
bool openBrowser(const std::string& address) {
  std::string program;
  if (const char* b = std::getenv("BROWSER"); b && *b)
    program = b;
  else if (std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY"))
    program = "xdg-open";
  else
    return false;
  std::vector<char*> argv = {program.data(), const_cast<char*>(address.c_str()), nullptr};
  pid_t pid = 0;
  if (::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
    return false;
  std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
  return true;
}

}  // namespace

int runServe(const Options& options) {
  // Ctrl-C (or SIGTERM) stops a crawl in progress, saving it, then the server.
  InterruptWatch interrupts;
  serve::LiveState live(serve::windowCrawlsFolder(), [] { return InterruptWatch::interrupted(); });
  live.setNamedDatabases(options.databases);
  serve::WindowServer server(live);
  if (Status s = server.listen(options.port); !s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
    return kExitUnusable;
  }
  const std::string address = server.openingAddress();
  std::printf("zelmora serve: the window is at\n  %s\n", address.c_str());
  std::printf("(the address works once, in one browser; Ctrl-C stops zelmora)\n");
  std::fflush(stdout);
  if (!options.noBrowser && !openBrowser(address))
    std::fprintf(stderr, "zelmora: no browser to open (set $BROWSER); open the address above\n");
  auto previousPipe = std::signal(SIGPIPE, SIG_IGN);  // a tab closed mid-answer
  live.runEngine();
  server.stop();
  std::signal(SIGPIPE, previousPipe);
  std::printf("zelmora serve: stopped\n");
  return 0;
}

}  // namespace zel::cli
