#include "platform/devtools_client.h"

#include <errno.h>
#include <unistd.h>

namespace zel {

namespace {

// Screenshots of long pages come as one message of many megabytes; a message
// past this is a browser gone wrong.
constexpr size_t kMaxMessage = size_t{256} << 20;
constexpr size_t kReadChunk = size_t{1} << 20;

std::string handlerKey(const std::string& sessionId, const std::string& method) {
  return sessionId + "\n" + method;
}

}  // namespace

DevToolsClient::DevToolsClient(RunLoop& loop) : loop_(loop) {}

DevToolsClient::~DevToolsClient() {
  *alive_ = false;
  closedHandler_ = nullptr;
  for (auto& [id, p] : pending_) loop_.cancelTimer(p.timer);
  pending_.clear();
  if (readWatch_) loop_.unwatchFd(readWatch_);
  if (writeWatch_) loop_.unwatchFd(writeWatch_);
  process_.terminate(open_ ? 1.0 : 0.0);
}

Status DevToolsClient::start(const BrowserOptions& options) {
  if (Status s = process_.start(options); !s.ok()) return s;
  open_ = true;
  readWatch_ =
      loop_.watchFd(process_.eventFd(), RunLoop::kReadable, [this](unsigned) { onReadable(); });
  return Status::Ok();
}

void DevToolsClient::postReply(Reply done, Status status) {
  std::weak_ptr<bool> alive = alive_;
  loop_.post([alive, done = std::move(done), status = std::move(status)] {
    if (alive.lock()) done(status, Json::object());
  });
}

void DevToolsClient::send(const std::string& method, Json params, Reply done,
                          const std::string& sessionId, double timeoutSeconds) {
  if (!open_) {
    postReply(std::move(done), Status::Error("the browser is not running (" + method + ")"));
    return;
  }
  const int64_t id = nextId_++;
  Json message = {{"id", id}, {"method", method}, {"params", std::move(params)}};
  if (!sessionId.empty()) message["sessionId"] = sessionId;
  outBuffer_ += message.dump(-1, ' ', false, Json::error_handler_t::replace);
  outBuffer_ += '\0';
  Pending& p = pending_[id];
  p.done = std::move(done);
  std::weak_ptr<bool> alive = alive_;
  p.timer = loop_.postAfter(timeoutSeconds, [this, alive, id, method, timeoutSeconds] {
    if (!alive.lock()) return;
    auto it = pending_.find(id);
    if (it == pending_.end()) return;
    it->second.timer = 0;
    fail(id, Status::Error("the browser did not answer " + method + " within " +
                           std::to_string(static_cast<int>(timeoutSeconds)) + " s"));
  });
  flush();
}

void DevToolsClient::flush() {
  while (!outBuffer_.empty()) {
    const ssize_t n = ::write(process_.commandFd(), outBuffer_.data(), outBuffer_.size());
    if (n > 0) {
      outBuffer_.erase(0, static_cast<size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!writeWatch_)
        writeWatch_ =
            loop_.watchFd(process_.commandFd(), RunLoop::kWritable, [this](unsigned) { flush(); });
      return;
    }
    // Replies are never delivered inside send(): the failure comes on a later turn.
    std::weak_ptr<bool> alive = alive_;
    loop_.post([this, alive] {
      if (alive.lock()) shutDown(Status::Error("the browser stopped reading its commands"));
    });
    return;
  }
  if (writeWatch_) {
    loop_.unwatchFd(writeWatch_);
    writeWatch_ = 0;
  }
}

void DevToolsClient::onReadable() {
  std::weak_ptr<bool> alive = alive_;
  char chunk[65536];
  size_t taken = 0;
  bool ended = false;
  while (taken < kReadChunk) {
    const ssize_t n = ::read(process_.eventFd(), chunk, sizeof chunk);
    if (n > 0) {
      inBuffer_.append(chunk, static_cast<size_t>(n));
      taken += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) ended = true;
    break;
  }
  size_t start = 0;
  for (size_t end; (end = inBuffer_.find('\0', start)) != std::string::npos; start = end + 1) {
    dispatch(std::string_view(inBuffer_).substr(start, end - start));
    if (!alive.lock() || !open_) return;  // a handler closed or destroyed the client
  }
  inBuffer_.erase(0, start);
  if (inBuffer_.size() > kMaxMessage)
    shutDown(Status::Error("the browser sent a message larger than 256 MB"));
  else if (ended)
    shutDown(Status::Error("the browser quit" + std::string(process_.logTail(300).empty()
                                                                ? ""
                                                                : ": " + process_.logTail(300))));
}

void DevToolsClient::dispatch(std::string_view text) {
  Json message = Json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (!message.is_object()) return;  // not JSON: nothing waits on it
  if (message.contains("id") && message["id"].is_number_integer()) {
    auto it = pending_.find(message["id"].get<int64_t>());
    if (it == pending_.end()) return;  // timed out already
    Pending p = std::move(it->second);
    pending_.erase(it);
    if (p.timer) loop_.cancelTimer(p.timer);
    if (message.contains("error")) {
      const Json& e = message["error"];
      std::string why = e.is_object() && e.contains("message") && e["message"].is_string()
                            ? e["message"].get<std::string>()
                            : e.dump();
      p.done(Status::Error(why), Json::object());
    } else {
      const Json result = message.contains("result") ? message["result"] : Json::object();
      p.done(Status::Ok(), result);
    }
    return;
  }
  if (!message.contains("method") || !message["method"].is_string()) return;
  const std::string session = message.contains("sessionId") && message["sessionId"].is_string()
                                  ? message["sessionId"].get<std::string>()
                                  : std::string();
  const std::string key = handlerKey(session, message["method"].get<std::string>());
  // Handlers may add or remove handlers; those registered now are called.
  std::vector<std::shared_ptr<EventHandler>> calls;
  for (const auto& [id, h] : handlers_)
    if (h.key == key) calls.push_back(h.call);
  const Json params = message.contains("params") ? message["params"] : Json::object();
  std::weak_ptr<bool> alive = alive_;
  for (auto& call : calls) {
    (*call)(params);
    if (!alive.lock()) return;
  }
}

DevToolsClient::HandlerId DevToolsClient::on(const std::string& method, EventHandler handler,
                                             const std::string& sessionId) {
  const HandlerId id = nextHandler_++;
  handlers_[id] =
      Handler{handlerKey(sessionId, method), std::make_shared<EventHandler>(std::move(handler))};
  return id;
}

void DevToolsClient::off(HandlerId id) { handlers_.erase(id); }

void DevToolsClient::fail(int64_t id, const Status& status) {
  auto it = pending_.find(id);
  if (it == pending_.end()) return;
  Pending p = std::move(it->second);
  pending_.erase(it);
  if (p.timer) loop_.cancelTimer(p.timer);
  p.done(status, Json::object());
}

void DevToolsClient::shutDown(const Status& why) {
  if (!open_) return;
  open_ = false;
  if (readWatch_) loop_.unwatchFd(readWatch_);
  if (writeWatch_) loop_.unwatchFd(writeWatch_);
  readWatch_ = writeWatch_ = 0;
  outBuffer_.clear();
  std::weak_ptr<bool> alive = alive_;
  while (!pending_.empty() && alive.lock()) fail(pending_.begin()->first, why);
  if (!alive.lock()) return;
  if (auto closed = std::move(closedHandler_)) {
    closedHandler_ = nullptr;
    closed(why);
  }
}

void DevToolsClient::openPage(
    std::function<void(const Status&, const std::string&, const std::string&)> done,
    const std::string& browserContextId) {
  auto shared = std::make_shared<decltype(done)>(std::move(done));
  Json params = {{"url", "about:blank"}};
  if (!browserContextId.empty()) params["browserContextId"] = browserContextId;
  send("Target.createTarget", std::move(params),
       [this, shared](const Status& s, const Json& created) {
         if (!s.ok() || !created.contains("targetId")) {
           (*shared)(s.ok() ? Status::Error("the browser made no page") : s, "", "");
           return;
         }
         const std::string target = created["targetId"].get<std::string>();
         send("Target.attachToTarget", {{"targetId", target}, {"flatten", true}},
              [shared, target](const Status& s, const Json& attached) {
                if (!s.ok() || !attached.contains("sessionId")) {
                  (*shared)(s.ok() ? Status::Error("no session for the page") : s, "", target);
                  return;
                }
                (*shared)(Status::Ok(), attached["sessionId"].get<std::string>(), target);
              });
       });
}

Status DevToolsClient::call(const std::string& method, Json params, Json* result,
                            const std::string& sessionId, double timeoutSeconds) {
  // Shared with the callback, which may outlive this frame if the loop is stuck.
  struct Answer {
    bool answered = false;
    Status status;
    Json result;
  };
  auto answer = std::make_shared<Answer>();
  send(
      method, std::move(params),
      [answer](const Status& s, const Json& r) {
        answer->answered = true;
        answer->status = s;
        answer->result = r;
      },
      sessionId, timeoutSeconds);
  // The command's own timer answers it; the extra second only guards the loop.
  loop_.runUntil([&] { return answer->answered; }, timeoutSeconds + 1.0);
  if (!answer->answered) return Status::Error(method + " was not answered");
  if (result) *result = std::move(answer->result);
  return answer->status;
}

Status DevToolsClient::startAndWait(const BrowserOptions& options, double timeoutSeconds) {
  if (Status s = start(options); !s.ok()) return s;
  Status s = call("Browser.getVersion", Json::object(), nullptr, "", timeoutSeconds);
  if (!s.ok()) {
    const std::string log = process_.logTail(500);
    close(0);
    return Status::Error("the browser " + process_.executable() + " did not start: " + s.message() +
                         (log.empty() ? "" : "\n" + log));
  }
  return s;
}

Status DevToolsClient::openPageAndWait(std::string* sessionId, double timeoutSeconds) {
  struct Answer {
    bool answered = false;
    Status status;
    std::string session;
  };
  auto answer = std::make_shared<Answer>();
  openPage([answer](const Status& s, const std::string& session, const std::string&) {
    answer->answered = true;
    answer->status = s;
    answer->session = session;
  });
  loop_.runUntil([&] { return answer->answered; }, timeoutSeconds);
  if (!answer->answered) return Status::Error("no page was opened in time");
  *sessionId = answer->session;
  return answer->status;
}

void DevToolsClient::close(double graceSeconds) {
  if (open_ && graceSeconds > 0) {
    auto answered = std::make_shared<bool>(false);
    send(
        "Browser.close", Json::object(),
        [answered](const Status&, const Json&) { *answered = true; }, "", graceSeconds);
    loop_.runUntil([&] { return *answered || !open_; }, graceSeconds + 0.5);
  }
  shutDown(Status::Error("the browser was closed"));
  process_.terminate(graceSeconds);
}

}  // namespace zel
