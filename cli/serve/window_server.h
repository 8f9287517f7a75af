#pragma once
// The window's web server on 127.0.0.1 and its security rules, all applied in
// one place before any request is routed:
//  - the Host header must name 127.0.0.1, localhost or [::1] with our port
//    (a DNS-rebound name is refused);
//  - GET, HEAD and POST only; nothing answers a CORS preflight and no response
//    carries a CORS header;
//  - the one-time token of the opening address is exchanged for an HttpOnly,
//    SameSite=Strict session cookie named with the port, and the address bar
//    is redirected to drop it; every other request needs that cookie;
//  - a POST (the only way to change anything) needs an Origin equal to our
//    own and the session's anti-forgery header;
//  - every response carries a strict Content-Security-Policy (no inline
//    script), nosniff, no referrer and no framing;
//  - tokens are compared in constant time.
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/status.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace zel::cli::serve {

class LiveState;
class WindowApi;

class WindowServer {
 public:
  static constexpr const char* kAntiForgeryHeader = "X-Zelmora-Token";
  static constexpr const char* kContentSecurityPolicy =
      "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
      "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'; "
      "require-trusted-types-for 'script'; trusted-types 'none'";

  explicit WindowServer(LiveState& live);
  ~WindowServer();  // stop()
  WindowServer(const WindowServer&) = delete;
  WindowServer& operator=(const WindowServer&) = delete;

  // Binds 127.0.0.1:port (0: a free port) and answers on threads of its own.
  Status listen(int port);
  int port() const { return port_; }
  // The address to open once: http://127.0.0.1:PORT/?token=...
  std::string openingAddress() const;
  // The session cookie's name: zelmora_session_PORT.
  std::string cookieName() const;
  void stop();

 private:
  struct Session {
    std::string cookie, antiForgery;
  };
  // The rules above; true when the request may be routed. A refusal is
  // answered in `res`.
  bool admit(const httplib::Request& req, httplib::Response& res);
  const Session* sessionOf(const httplib::Request& req) const;
  bool hostIsOurs(const std::string& host) const;

  LiveState& live_;
  std::unique_ptr<httplib::Server> server_;
  std::unique_ptr<WindowApi> api_;
  std::thread thread_;
  int port_ = 0;
  mutable std::mutex mutex_;
  std::string token_;
  bool tokenUsed_ = false;
  std::vector<Session> sessions_;
};

// Equal texts, in a time that depends only on their lengths.
bool equalInConstantTime(const std::string& a, const std::string& b);
// 128 random bits in hex, from the system's random source.
std::string randomToken();

}  // namespace zel::cli::serve
