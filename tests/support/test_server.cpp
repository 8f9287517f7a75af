#include "support/test_server.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <zlib.h>

#include <strings.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/text_format.h"

namespace zel::test {

namespace {

// "a=1; b=2" as a map; a part without "=" has an empty value.
std::map<std::string, std::string> parseCookies(const std::string& header) {
  std::map<std::string, std::string> out;
  for (const std::string& piece : split(header, ";")) {
    const std::string_view part = trimWhitespace(piece);
    if (part.empty()) continue;
    const size_t eq = part.find('=');
    out[std::string(trimWhitespace(part.substr(0, eq)))] =
        eq == std::string_view::npos ? "" : std::string(trimWhitespace(part.substr(eq + 1)));
  }
  return out;
}

// The server's thread pool, counting the connections handed to it: each
// accepted connection is one task.
class CountingQueue : public httplib::TaskQueue {
 public:
  CountingQueue(size_t threads, std::shared_ptr<std::atomic<size_t>> count)
      : pool_(threads), count_(std::move(count)) {}
  void enqueue(std::function<void()> fn) override {
    ++*count_;
    pool_.enqueue(std::move(fn));
  }
  void shutdown() override { pool_.shutdown(); }

 private:
  httplib::ThreadPool pool_;
  std::shared_ptr<std::atomic<size_t>> count_;
};

}  // namespace

bool writeSelfSignedCertificate(const std::string& certPath, const std::string& keyPath) {
  EVP_PKEY* key = EVP_EC_gen("P-256");
  if (!key) return false;
  X509* cert = X509_new();
  bool ok = cert != nullptr;
  if (ok) {
    X509_set_version(cert, 2);
    unsigned char serial[8];
    RAND_bytes(serial, sizeof serial);
    BIGNUM* bn = BN_bin2bn(serial, sizeof serial, nullptr);
    BN_set_negative(bn, 0);
    BN_to_ASN1_INTEGER(bn, X509_get_serialNumber(cert));
    BN_free(bn);
    X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert), 3L * 24 * 3600);
    X509_set_pubkey(cert, key);
    X509_NAME* name = X509_get_subject_name(cert);
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("Zelmora tests"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
    X509_set_issuer_name(cert, name);
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, cert, cert, nullptr, nullptr, 0);
    if (X509_EXTENSION* san = X509V3_EXT_conf_nid(nullptr, &ctx, NID_subject_alt_name,
                                                  "IP:127.0.0.1,DNS:localhost")) {
      X509_add_ext(cert, san, -1);
      X509_EXTENSION_free(san);
    }
    ok = X509_sign(cert, key, EVP_sha256()) > 0;
  }
  if (ok) {
    FILE* f = std::fopen(certPath.c_str(), "w");
    ok = f && PEM_write_X509(f, cert) == 1;
    if (f) std::fclose(f);
  }
  if (ok) {
    FILE* f = std::fopen(keyPath.c_str(), "w");
    ok = f && PEM_write_PrivateKey(f, key, nullptr, nullptr, 0, nullptr, nullptr) == 1;
    if (f) std::fclose(f);
  }
  X509_free(cert);
  EVP_PKEY_free(key);
  return ok;
}

namespace {

// Serves bytes as they are: a fixed-length content provider is never compressed
// by the server, whatever the client accepts.
void setExactBody(httplib::Response& res, std::string body, const std::string& contentType) {
  auto data = std::make_shared<std::string>(std::move(body));
  res.set_content_provider(data->size(), contentType.c_str(),
                           [data](size_t offset, size_t length, httplib::DataSink& sink) {
                             sink.write(data->data() + offset, length);
                             return true;
                           });
}

}  // namespace

std::optional<std::string> LoggedRequest::header(std::string_view name) const {
  for (const auto& [k, v] : headers)
    if (k.size() == name.size() && ::strncasecmp(k.data(), name.data(), k.size()) == 0) return v;
  return std::nullopt;
}

TestServer::TestServer(Mode mode) : https_(mode == kHttps) {
  if (https_) {
    char pattern[] = "/tmp/zel-tls-XXXXXX";
    if (char* dir = ::mkdtemp(pattern)) {
      tempDir_ = dir;
      certPath_ = tempDir_ + "/cert.pem";
      keyPath_ = tempDir_ + "/key.pem";
      if (writeSelfSignedCertificate(certPath_, keyPath_))
        server_ = std::make_unique<httplib::SSLServer>(certPath_.c_str(), keyPath_.c_str());
    }
  } else {
    server_ = std::make_unique<httplib::Server>();
  }
  if (!server_ || !server_->is_valid()) return;
  server_->new_task_queue = [count = accepted_] { return new CountingQueue(32, count); };
  server_->set_keep_alive_max_count(1000);
  server_->set_keep_alive_timeout(2);
  server_->set_tcp_nodelay(true);  // head and body go out in separate writes
  auto handler = [this](const httplib::Request& req, httplib::Response& res) { dispatch(req, res); };
  server_->Get(".*", handler);
  server_->Post(".*", handler);
  server_->Put(".*", handler);
  server_->Delete(".*", handler);
  server_->Options(".*", handler);
  server_->Patch(".*", handler);
  auto listenFd = std::make_shared<std::atomic<int>>(-1);
  server_->set_socket_options([listenFd](socket_t sock) {
    int yes = 1;
    ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (listenFd->load() < 0) *listenFd = sock;
  });
  port_ = server_->bind_to_any_port("127.0.0.1");
  if (port_ <= 0) {
    port_ = 0;
    return;
  }
  // The library listens with a backlog of 5; more clients connecting at once would
  // have their SYNs dropped and retried a second later. Listening again raises it.
  if (listenFd->load() >= 0) ::listen(listenFd->load(), 512);
  // The socket already listens, so early connections just queue. But stop() does
  // nothing until the accept loop runs, so wait for it (bounded).
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  for (int i = 0; i < 5000 && !server_->is_running(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TestServer::~TestServer() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  stopCv_.notify_all();
  if (server_) server_->stop();
  if (thread_.joinable()) thread_.join();
  server_.reset();
  if (!tempDir_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(tempDir_, ec);
  }
}

std::string TestServer::baseUrl() const {
  return std::string(https_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_);
}

std::string TestServer::url(std::string_view path) const { return baseUrl() + std::string(path); }

void TestServer::route(const std::string& path, Handler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  routes_[path] = std::move(handler);
}

void TestServer::dispatch(const httplib::Request& req, httplib::Response& res) {
  LoggedRequest entry;
  entry.method = req.method;
  entry.version = req.version;
  entry.path = req.path;
  for (const auto& [k, v] : req.headers) {
    // The server library files the peer's address among the headers; they were not sent.
    if (k == "REMOTE_ADDR" || k == "REMOTE_PORT" || k == "LOCAL_ADDR" || k == "LOCAL_PORT") continue;
    entry.headers.emplace_back(k, v);
  }
  entry.body = req.body;
  if (req.has_header("Cookie")) entry.cookies = parseCookies(req.get_header_value("Cookie"));
  Handler handler;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    log_.push_back(std::move(entry));
    auto it = routes_.find(req.path);
    if (it != routes_.end()) handler = it->second;
  }
  if (handler) {
    handler(req, res);
  } else {
    res.status = 404;
    res.set_content("not found", "text/plain");
  }
}

void TestServer::page(const std::string& path, std::string body, std::string contentType,
                      Headers extraHeaders) {
  status(path, 200, std::move(body), std::move(contentType), std::move(extraHeaders));
}

void TestServer::rawPage(const std::string& path, std::string body, std::string contentType,
                         Headers extraHeaders) {
  route(path, [body = std::move(body), contentType = std::move(contentType),
               extra = std::move(extraHeaders)](const httplib::Request&, httplib::Response& res) {
    for (const auto& [k, v] : extra) res.set_header(k.c_str(), v);
    setExactBody(res, body, contentType);
  });
}

void TestServer::folder(const std::string& root) {
  namespace fs = std::filesystem;
  static const std::map<std::string, std::string> kTypes = {
      {".html", "text/html; charset=utf-8"}, {".css", "text/css"}, {".js", "text/javascript"},
      {".png", "image/png"}, {".jpg", "image/jpeg"}, {".pdf", "application/pdf"},
      {".xml", "application/xml"}, {".txt", "text/plain"}};
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::string body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto type = kTypes.find(entry.path().extension().string());
    const std::string path = "/" + fs::relative(entry.path(), root).string();
    rawPage(path == "/index.html" ? "/" : path, body,
            type == kTypes.end() ? "application/octet-stream" : type->second);
    if (path == "/index.html") rawPage(path, std::move(body), type->second);
  }
}

void TestServer::redirect(const std::string& path, int status, std::string location) {
  route(path, [status, location = std::move(location)](const httplib::Request&, httplib::Response& res) {
    res.status = status;
    res.set_header("Location", location);
    res.set_content("moved", "text/plain");
  });
}

void TestServer::status(const std::string& path, int status, std::string body, std::string contentType,
                        Headers extraHeaders) {
  route(path, [status, body = std::move(body), contentType = std::move(contentType),
               extra = std::move(extraHeaders)](const httplib::Request&, httplib::Response& res) {
    res.status = status;
    for (const auto& [k, v] : extra) res.set_header(k.c_str(), v);
    res.set_content(body, contentType.c_str());
  });
}

void TestServer::slow(const std::string& path, double delaySeconds, std::string body,
                      std::string contentType) {
  route(path, [this, delaySeconds, body = std::move(body), contentType = std::move(contentType)](
                  const httplib::Request&, httplib::Response& res) {
    sleepUnlessStopping(delaySeconds);
    res.set_content(body, contentType.c_str());
  });
}

void TestServer::neverAnswer(const std::string& path) {
  route(path, [this](const httplib::Request&, httplib::Response& res) {
    sleepUnlessStopping(600);
    res.status = 503;
  });
}

void TestServer::gzipPage(const std::string& path, std::string body, std::string contentType) {
  std::string compressed = gzip(body);
  route(path, [compressed = std::move(compressed), contentType = std::move(contentType)](
                  const httplib::Request&, httplib::Response& res) {
    res.set_header("Content-Encoding", "gzip");
    setExactBody(res, compressed, contentType);
  });
}

void TestServer::basicAuth(const std::string& path, std::string user, std::string password,
                           std::string body, std::string realm) {
  std::string expected = httplib::make_basic_authentication_header(user, password).second;
  route(path, [expected = std::move(expected), body = std::move(body), realm = std::move(realm)](
                  const httplib::Request& req, httplib::Response& res) {
    if (req.get_header_value("Authorization") == expected) {
      res.set_content(body, "text/html");
      return;
    }
    res.status = 401;
    res.set_header("WWW-Authenticate", "Basic realm=\"" + realm + "\"");
    res.set_content("authorization required", "text/plain");
  });
}

std::vector<LoggedRequest> TestServer::requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return log_;
}

std::vector<LoggedRequest> TestServer::requestsTo(std::string_view path) const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<LoggedRequest> out;
  for (const auto& r : log_)
    if (r.path == path) out.push_back(r);
  return out;
}

void TestServer::clearLog() {
  std::lock_guard<std::mutex> lock(mutex_);
  log_.clear();
}

bool TestServer::sleepUnlessStopping(double seconds) {
  std::unique_lock<std::mutex> lock(mutex_);
  return !stopCv_.wait_for(lock, std::chrono::duration<double>(seconds), [this] { return stopping_; });
}

std::string TestServer::deflated(std::string_view data, int windowBits) {
  z_stream zs{};
  if (deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    return {};
  std::string out(deflateBound(&zs, data.size()) + 32, '\0');
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  zs.avail_in = static_cast<uInt>(data.size());
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = static_cast<uInt>(out.size());
  int rc = deflate(&zs, Z_FINISH);
  out.resize(rc == Z_STREAM_END ? zs.total_out : 0);
  deflateEnd(&zs);
  return out;
}

}  // namespace zel::test
