#pragma once
// A raw TCP server on 127.0.0.1 that plays a script of bytes and socket actions
// on each connection: for the broken answers a real HTTP server will not give
// (resets mid-body, garbage status lines, truncated chunked bodies, silence).
//
//   RawServer server(RawServer::truncatedChunked());
//   ... fetch server.url("/") ...
#include <atomic>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zel::test {

class RawServer {
 public:
  struct Step {
    enum Kind {
      kReadRequest,  // read up to the blank line that ends the request head
      kSend,         // write `bytes`
      kSleep,        // wait `seconds` (cut short when the server stops)
      kReset,        // close with SO_LINGER 0: the peer sees a connection reset
      kClose,        // close normally
      kHang,         // keep the connection open and silent until the server stops
    };
    Kind kind;
    std::string bytes;
    double seconds = 0;
  };
  using Script = std::vector<Step>;

  // The same script for every connection. A script that ends without closing
  // closes normally.
  explicit RawServer(Script script);
  ~RawServer();
  RawServer(const RawServer&) = delete;
  RawServer& operator=(const RawServer&) = delete;

  bool ok() const { return port_ > 0; }
  int port() const { return port_; }
  std::string url(std::string_view path = "/") const;
  // Connections accepted so far.
  size_t connections() {
    std::lock_guard<std::mutex> lock(mutex_);
    return connections_;
  }

  static Step readRequest() { return {Step::kReadRequest, {}, 0}; }
  static Step send(std::string bytes) { return {Step::kSend, std::move(bytes), 0}; }
  static Step sleep(double seconds) { return {Step::kSleep, {}, seconds}; }
  static Step reset() { return {Step::kReset, {}, 0}; }
  static Step close() { return {Step::kClose, {}, 0}; }
  static Step hang() { return {Step::kHang, {}, 0}; }

  // Ready-made hostile answers.
  // Head with Content-Length 100000, 1000 bytes of body, then a reset.
  static Script resetMidBody();
  // A first line that is not an HTTP status line.
  static Script garbageStatusLine();
  // A chunked body that stops in the middle of a chunk and closes.
  static Script truncatedChunked();
  // Accepts, reads the request and never answers.
  static Script neverAnswer();
  // Accepts and closes at once, before reading anything.
  static Script closeImmediately();

 private:
  void acceptLoop();
  void serve(int fd, Script script);
  bool waitOrStop(double seconds);  // false when stopping

  Script script_;
  int listenFd_ = -1;
  int wakePipe_[2] = {-1, -1};
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread acceptThread_;
  std::mutex mutex_;
  std::vector<std::thread> workers_;
  size_t connections_ = 0;
};

// A port on 127.0.0.1 that nothing listens on (bound, then closed again).
int closedPort();

}  // namespace zel::test
