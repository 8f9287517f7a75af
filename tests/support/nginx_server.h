#pragma once
// nginx serving a folder on 127.0.0.1 for a test: plain http, or TLS with a
// certificate made for the run (HTTP/1.1 only, or HTTP/2 as well by ALPN). It
// logs each request's connection and protocol, and ends with the object, by
// its process id.
//
//   NginxServer nginx(site.path(), NginxServer::kHttp2);
//   if (!nginx.ok()) GTEST_SKIP() << nginx.whyNot();
#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/temp_dir.h"

namespace zel::test {

class NginxServer {
 public:
  enum Mode { kHttp, kHttps1, kHttp2 };
  struct Request {
    long connection = 0;   // nginx's serial number of the connection
    std::string protocol;  // "HTTP/1.1", "HTTP/2.0"
    int status = 0;
    std::string uri;
  };

  NginxServer(const std::string& root, Mode mode);
  ~NginxServer();
  NginxServer(const NginxServer&) = delete;
  NginxServer& operator=(const NginxServer&) = delete;

  bool ok() const { return pid_ > 0; }
  // Why it is not running: nginx is not installed, or did not start.
  const std::string& whyNot() const { return whyNot_; }
  std::string url(std::string_view path) const;
  // The requests logged so far, in the order they ended.
  std::vector<Request> requests() const;

 private:
  void stop();

  TempDir dir_;
  Mode mode_;
  int port_ = 0;
  pid_t pid_ = -1;
  std::string whyNot_;
};

}  // namespace zel::test
