#pragma once
// A local HTTP or HTTPS server for tests: 127.0.0.1, an ephemeral port, a
// background thread, scripted routes and a log of every request it received.
//
//   zel::test::TestServer server;                 // or TestServer(TestServer::kHttps)
//   server.page("/", "<a href=x>x</a>");
//   server.redirect("/old", 301, "/");
//   server.route("/custom", [](const httplib::Request& req, httplib::Response& res) {...});
//   ... fetch server.url("/old") ...
//   EXPECT_EQ(server.requestsTo("/").size(), 1u);
#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace zel::test {

using Headers = std::vector<std::pair<std::string, std::string>>;

// One request as the server saw it.
struct LoggedRequest {
  std::string method;
  std::string version;  // "HTTP/1.1"
  std::string path;   // without the query
  Headers headers;    // as received, ordered by name
  std::string body;
  std::map<std::string, std::string> cookies;  // from the Cookie header

  // Case-insensitive look-up of a request header.
  std::optional<std::string> header(std::string_view name) const;
};

// A self-signed certificate for 127.0.0.1 and localhost, valid from an hour ago
// for three days, written as PEM files. False when OpenSSL refuses.
bool writeSelfSignedCertificate(const std::string& certPath, const std::string& keyPath);

class TestServer {
 public:
  using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
  enum Mode { kHttp, kHttps };

  // Starts serving at once. HTTPS uses a self-signed certificate for 127.0.0.1 and
  // localhost, made for this server in a temporary folder that is removed again.
  explicit TestServer(Mode mode = kHttp);
  ~TestServer();  // wakes handlers that wait, stops and joins
  TestServer(const TestServer&) = delete;
  TestServer& operator=(const TestServer&) = delete;

  bool ok() const { return port_ > 0; }
  int port() const { return port_; }
  // "http://127.0.0.1:PORT" (or https).
  std::string baseUrl() const;
  // baseUrl() + path.
  std::string url(std::string_view path) const;

  // Answers every method (GET, HEAD, POST, PUT, DELETE, OPTIONS, PATCH) on exactly
  // this path (the query is ignored). A later route for the same path replaces it.
  // Unrouted paths answer 404. Handlers run on server threads.
  void route(const std::string& path, Handler handler);

  // Helpers for the common answers.
  void page(const std::string& path, std::string body,
            std::string contentType = "text/html; charset=utf-8", Headers extraHeaders = {});
  // The body exactly as given (no compression applied by the server), so
  // Content-Length is the length of `body`.
  void rawPage(const std::string& path, std::string body, std::string contentType,
               Headers extraHeaders = {});
  void redirect(const std::string& path, int status, std::string location);
  void status(const std::string& path, int status, std::string body = "",
              std::string contentType = "text/plain", Headers extraHeaders = {});
  // Waits `delaySeconds` before sending the head.
  void slow(const std::string& path, double delaySeconds, std::string body,
            std::string contentType = "text/html");
  // Accepts the request and never answers (until the server stops).
  void neverAnswer(const std::string& path);
  // `body` gzip-compressed with Content-Encoding: gzip; Content-Length is the
  // compressed size.
  void gzipPage(const std::string& path, std::string body, std::string contentType = "text/html");
  // 401 with a Basic challenge unless the request carries these credentials.
  void basicAuth(const std::string& path, std::string user, std::string password,
                 std::string body = "welcome", std::string realm = "Test Realm");

  // Every file under `root`, at its path relative to it ("/index.html" also at
  // "/"), with a content type by extension.
  void folder(const std::string& root);

  // TCP connections accepted so far (TLS ones whose handshake failed included).
  size_t connectionsAccepted() const { return *accepted_; }

  // The request log.
  std::vector<LoggedRequest> requests() const;
  std::vector<LoggedRequest> requestsTo(std::string_view path) const;
  void clearLog();

  // For handlers: sleeps up to `seconds`, returning early (false) when the server stops.
  bool sleepUnlessStopping(double seconds);

  // zlib's deflate with these window bits: 15 + 16 gzip, 15 zlib, -15 raw.
  static std::string deflated(std::string_view data, int windowBits);
  static std::string gzip(std::string_view data) { return deflated(data, 15 + 16); }

 private:
  void dispatch(const httplib::Request& req, httplib::Response& res);

  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = 0;
  bool https_ = false;
  std::string tempDir_, certPath_, keyPath_;
  std::shared_ptr<std::atomic<size_t>> accepted_ = std::make_shared<std::atomic<size_t>>(0);

  mutable std::mutex mutex_;
  std::map<std::string, Handler> routes_;
  std::vector<LoggedRequest> log_;
  std::condition_variable stopCv_;
  bool stopping_ = false;
};

}  // namespace zel::test
