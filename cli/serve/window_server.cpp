#include "serve/window_server.h"

#include <httplib.h>
#include <sys/random.h>

#include "loopback_port.h"
#include "platform/text_format.h"
#include "serve/live_state.h"
#include "serve/window_api.h"

namespace zel::cli::serve {

namespace {

constexpr size_t kMostSessions = 16;

void refuse(httplib::Response& res, int status, const std::string& why) {
  res.status = status;
  res.set_content(why + "\n", "text/plain; charset=utf-8");
}

// Every response, refusals included.
void addSecurityHeaders(httplib::Response& res) {
  if (res.has_header("Content-Security-Policy")) return;
  res.set_header("Content-Security-Policy", WindowServer::kContentSecurityPolicy);
  res.set_header("X-Content-Type-Options", "nosniff");
  res.set_header("Referrer-Policy", "no-referrer");
  res.set_header("X-Frame-Options", "DENY");
  res.set_header("Cross-Origin-Opener-Policy", "same-origin");
  res.set_header("Cross-Origin-Resource-Policy", "same-origin");
}

}  // namespace

bool equalInConstantTime(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  unsigned char diff = 0;
  for (size_t i = 0; i < a.size(); ++i)
    diff |= static_cast<unsigned char>(a[i]) ^ static_cast<unsigned char>(b[i]);
  return diff == 0;
}

std::string randomToken() {
  unsigned char bytes[16];
  size_t got = 0;
  while (got < sizeof bytes) {
    const ssize_t n = ::getrandom(bytes + got, sizeof bytes - got, 0);
    if (n > 0)
      got += static_cast<size_t>(n);
    else if (errno != EINTR)
      std::abort();  // no randomness: no secret can be made
  }
  std::string hex;
  for (unsigned char b : bytes) hex += strf("%02x", b);
  return hex;
}

WindowServer::WindowServer(LiveState& live)
    : live_(live), server_(std::make_unique<httplib::Server>()), token_(randomToken()) {
  // One thread per open event stream, plus room for requests.
  server_->new_task_queue = [] { return new httplib::ThreadPool(16); };
  server_->set_payload_max_length(4 << 20);
  listenExclusively(*server_);
  server_->set_keep_alive_timeout(5);
  server_->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
    addSecurityHeaders(res);
    return admit(req, res) ? httplib::Server::HandlerResponse::Unhandled
                           : httplib::Server::HandlerResponse::Handled;
  });
  // Also for what is refused before routing (a request too large to read).
  server_->set_error_handler([](const httplib::Request&, httplib::Response& res) {
    addSecurityHeaders(res);
    if (res.body.empty()) res.set_content("not found\n", "text/plain; charset=utf-8");
  });
  // The anti-forgery token goes to the page of the session that asks.
  server_->Get("/api/session", [this](const httplib::Request& req, httplib::Response& res) {
    std::lock_guard lock(mutex_);
    const Session* s = sessionOf(req);
    res.set_header("Cache-Control", "no-store");
    res.set_content(strf(R"({"antiForgery":"%s","header":"%s","port":%d})", s->antiForgery.c_str(),
                         kAntiForgeryHeader, port_),
                    "application/json");
  });
  api_ = std::make_unique<WindowApi>(live_, *server_);
}

WindowServer::~WindowServer() { stop(); }

Status WindowServer::listen(int port) {
  if (port == 0) {
    port_ = server_->bind_to_any_port("127.0.0.1");
  } else if (server_->bind_to_port("127.0.0.1", port)) {
    port_ = port;
  }
  if (port_ <= 0) {
    port_ = 0;
    return Status::Error(port ? strf("cannot listen on 127.0.0.1:%d (is it in use?)", port)
                              : std::string("cannot listen on 127.0.0.1"));
  }
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  return Status::Ok();
}

void WindowServer::stop() {
  live_.closeSnapshots();  // event streams end
  if (server_) server_->stop();
  if (thread_.joinable()) thread_.join();
}

std::string WindowServer::openingAddress() const {
  return strf("http://127.0.0.1:%d/?token=%s", port_, token_.c_str());
}

std::string WindowServer::cookieName() const { return strf("zelmora_session_%d", port_); }

bool WindowServer::hostIsOurs(const std::string& host) const {
  const std::string port = ":" + std::to_string(port_);
  for (const char* name : {"127.0.0.1", "localhost", "[::1]"})
    if (equalsIgnoreCase(host, name + port)) return true;
  return false;
}

const WindowServer::Session* WindowServer::sessionOf(const httplib::Request& req) const {
  const std::string prefix = cookieName() + "=";
  for (const std::string& part : split(req.get_header_value("Cookie"), ";")) {
    const std::string_view cookie = trimWhitespace(part);
    if (!startsWith(cookie, prefix)) continue;
    const std::string value(cookie.substr(prefix.size()));
    // Each session is compared, in full, whatever the others gave.
    const Session* found = nullptr;
    for (const Session& s : sessions_)
      if (equalInConstantTime(value, s.cookie)) found = &s;
    if (found) return found;
  }
  return nullptr;
}

bool WindowServer::admit(const httplib::Request& req, httplib::Response& res) {
  if (req.method != "GET" && req.method != "HEAD" && req.method != "POST") {
    res.set_header("Allow", "GET, HEAD, POST");
    refuse(res, 405, "method not allowed");
    return false;
  }
  if (!hostIsOurs(req.get_header_value("Host"))) {
    refuse(res, 403, "this server answers only at 127.0.0.1 and localhost");
    return false;
  }
  std::lock_guard lock(mutex_);
  const Session* session = sessionOf(req);
  if (req.path == "/" && req.has_param("token")) {
    // The opening address: its token becomes a session once, then the address
    // bar is sent where the token is not.
    if (!session) {
      if (tokenUsed_ || !equalInConstantTime(req.get_param_value("token"), token_)) {
        refuse(res, 403, "this address was opened already; run zelmora serve again for a new one");
        return false;
      }
      tokenUsed_ = true;
      if (sessions_.size() >= kMostSessions) sessions_.erase(sessions_.begin());
      sessions_.push_back({randomToken(), randomToken()});
      res.set_header("Set-Cookie", cookieName() + "=" + sessions_.back().cookie +
                                       "; HttpOnly; SameSite=Strict; Path=/");
    }
    res.status = 303;
    res.set_header("Location", "/");
    res.set_header("Cache-Control", "no-store");
    return false;
  }
  if (!session) {
    refuse(res, 403, "open the address zelmora serve printed");
    return false;
  }
  if (req.method == "POST") {
    if (req.get_header_value("Origin") != "http://" + req.get_header_value("Host")) {
      refuse(res, 403, "a change must come from this window");
      return false;
    }
    if (!equalInConstantTime(req.get_header_value(kAntiForgeryHeader), session->antiForgery)) {
      refuse(res, 403, "a change needs this window's token");
      return false;
    }
  }
  return true;
}

}  // namespace zel::cli::serve
