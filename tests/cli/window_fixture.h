#pragma once
// `zelmora serve` in the test's process: the live state's engine on a thread
// of its own (as the program's main thread runs it), the server on its
// threads, crawls saved under a temporary folder.
#include <httplib.h>

#include <memory>
#include <string>
#include <thread>

#include "serve/live_state.h"
#include "serve/window_server.h"
#include "support/temp_dir.h"

namespace zel::cli {

class InProcessWindow {
 public:
  InProcessWindow() {
    live = std::make_unique<serve::LiveState>(dir / "crawls", [] { return false; });
    server = std::make_unique<serve::WindowServer>(*live);
    listening = server->listen(0);
    engine = std::thread([this] { live->runEngine(); });
  }
  ~InProcessWindow() {
    live->shutDown();
    engine.join();
    server->stop();
  }

  int port() const { return server->port(); }
  std::string base() const { return "http://127.0.0.1:" + std::to_string(port()); }
  std::string host() const { return "127.0.0.1:" + std::to_string(port()); }
  // The opening address's token, from the address the program prints.
  std::string token() const {
    const std::string a = server->openingAddress();
    return a.substr(a.find("token=") + 6);
  }

  test::TempDir dir;
  std::unique_ptr<serve::LiveState> live;
  std::unique_ptr<serve::WindowServer> server;
  Status listening;
  std::thread engine;
};

}  // namespace zel::cli
