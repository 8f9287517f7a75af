#pragma once
// The DevTools protocol spoken with one headless browser over its pipes, on
// the engine's run loop: the pipes are fd watches of the loop, a command's
// reply comes back through its callback on the loop, and events are handed to
// the handlers registered for their session and method. Nothing is called
// from another thread. Every command has a time-out, and a browser that dies
// fails every command still waiting, so no caller waits forever.
//
// Pages are targets reached through "flat" sessions: openPage() creates a
// target and attaches to it, and the page's commands and events carry its
// session id. A web view is one such session.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/browser_process.h"
#include "platform/defaults.h"  // Json
#include "platform/run_loop.h"
#include "platform/status.h"

namespace zel {

class DevToolsClient {
 public:
  // Ok with the command's "result" object, or an error: the browser's own
  // error message, a time-out, or the browser having gone away.
  using Reply = std::function<void(const Status&, const Json& result)>;
  using EventHandler = std::function<void(const Json& params)>;
  using HandlerId = uint64_t;
  static constexpr double kDefaultTimeout = 30.0;

  explicit DevToolsClient(RunLoop& loop);
  // Drops every pending reply without calling it and ends the browser.
  ~DevToolsClient();
  DevToolsClient(const DevToolsClient&) = delete;
  DevToolsClient& operator=(const DevToolsClient&) = delete;

  // Starts the browser and watches its pipes. Fails at once when the browser
  // cannot be run; whether it speaks is known from the first reply (see
  // startAndWait()).
  Status start(const BrowserOptions& options = {});
  bool isOpen() const { return open_; }
  BrowserProcess& process() { return process_; }

  // Sends a command; `sessionId` empty for the browser itself. `done` is called
  // once, on a later turn of the loop, whatever happens.
  void send(const std::string& method, Json params, Reply done, const std::string& sessionId = "",
            double timeoutSeconds = kDefaultTimeout);

  // Calls `handler` for every event `method` of the session ("" for the
  // browser's own), in the order they arrive, until off().
  HandlerId on(const std::string& method, EventHandler handler, const std::string& sessionId = "");
  void off(HandlerId id);
  // Called once when the browser goes away (it died, or close() ended it).
  void onClosed(std::function<void(const Status&)> handler) { closedHandler_ = std::move(handler); }

  // Creates a blank page target and attaches to it; `done` gets the session id
  // with which to drive the page, and the target id. The page lives in the
  // browser context given (its own cookies and storage), or in the default one.
  void openPage(
      std::function<void(const Status&, const std::string& sessionId, const std::string& targetId)>
          done,
      const std::string& browserContextId = "");

  // Synchronous helpers for tests and scripts: run the loop until the answer
  // comes or `timeoutSeconds` pass.
  Status startAndWait(const BrowserOptions& options = {}, double timeoutSeconds = 30.0);
  Status call(const std::string& method, Json params, Json* result = nullptr,
              const std::string& sessionId = "", double timeoutSeconds = kDefaultTimeout);
  Status openPageAndWait(std::string* sessionId, double timeoutSeconds = kDefaultTimeout);
  bool runUntil(const std::function<bool()>& done, double timeoutSeconds) {
    return loop_.runUntil(done, timeoutSeconds);
  }

  // Asks the browser to close, waits up to `graceSeconds`, then ends it by its
  // process id. Pending replies fail.
  void close(double graceSeconds = 3.0);

 private:
  struct Pending {
    Reply done;
    RunLoop::TimerId timer = 0;
  };
  struct Handler {
    std::string key;  // session id + "\n" + method
    std::shared_ptr<EventHandler> call;
  };

  void onReadable();
  void flush();
  void dispatch(std::string_view message);
  void fail(int64_t id, const Status& status);
  void shutDown(const Status& why);
  void postReply(Reply done, Status status);

  RunLoop& loop_;
  BrowserProcess process_;
  bool open_ = false;
  RunLoop::WatchId readWatch_ = 0, writeWatch_ = 0;
  std::string inBuffer_, outBuffer_;
  int64_t nextId_ = 1;
  std::map<int64_t, Pending> pending_;
  std::map<HandlerId, Handler> handlers_;
  HandlerId nextHandler_ = 1;
  std::function<void(const Status&)> closedHandler_;
  // Posted work and timers check this, so none runs after the client is gone.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace zel
