#include "support/nginx_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "support/raw_server.h"
#include "support/test_server.h"

extern char** environ;

namespace zel::test {

namespace {

std::string findNginx() {
  std::string path = "/usr/sbin:/usr/local/sbin";
  if (const char* p = std::getenv("PATH")) path = std::string(p) + ":" + path;
  std::istringstream dirs(path);
  for (std::string dir; std::getline(dirs, dir, ':');)
    if (!dir.empty() && ::access((dir + "/nginx").c_str(), X_OK) == 0) return dir + "/nginx";
  return {};
}

bool accepts(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

NginxServer::NginxServer(const std::string& root, Mode mode) : mode_(mode) {
  const std::string nginx = findNginx();
  if (nginx.empty()) {
    whyNot_ = "nginx is not installed (scripts/install-deps installs it)";
    return;
  }
  const bool tls = mode != kHttp;
  if (tls && !writeSelfSignedCertificate(dir_ / "cert.pem", dir_ / "key.pem")) {
    whyNot_ = "no certificate could be made";
    return;
  }
  port_ = closedPort();
  std::string listen = "127.0.0.1:" + std::to_string(port_);
  if (tls) listen += " ssl";
  if (mode == kHttp2) listen += " http2";
  const std::string d = dir_.path();
  writeWhole(dir_ / "nginx.conf",
             "daemon off;\nmaster_process off;\nworker_processes 1;\npid " + d +
                 "/nginx.pid;\n"
                 "error_log " +
                 d +
                 "/error.log warn;\nevents { worker_connections 256; }\nhttp {\n"
                 "  types { text/html html; text/css css; image/png png; }\n"
                 "  log_format t '$connection $server_protocol $status $request_uri';\n"
                 "  access_log " +
                 d +
                 "/access.log t;\n"
                 "  client_body_temp_path " +
                 d +
                 "/body;\n"
                 "  server {\n    listen " +
                 listen + ";\n    root " + root + ";\n" +
                 (tls ? "    ssl_certificate " + d + "/cert.pem;\n    ssl_certificate_key " + d +
                            "/key.pem;\n    ssl_protocols TLSv1.2 TLSv1.3;\n"
                      : "") +
                 "  }\n}\n");
  const std::string conf = dir_ / "nginx.conf";
  const char* argv[] = {nginx.c_str(), "-c", conf.c_str(), "-p", d.c_str(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, (dir_ / "stderr.txt").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  const int rc =
      posix_spawn(&pid, nginx.c_str(), &actions, nullptr, const_cast<char**>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    whyNot_ = "nginx could not be run";
    return;
  }
  pid_ = pid;
  for (int i = 0; i < 200; ++i) {  // 10 s at most
    if (accepts(port_)) return;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      whyNot_ =
          "nginx did not start: " + readWhole(dir_ / "stderr.txt") + readWhole(dir_ / "error.log");
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  whyNot_ = "nginx did not listen in time";
  stop();
}

NginxServer::~NginxServer() { stop(); }

void NginxServer::stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  for (int i = 0; i < 100; ++i) {  // 5 s, then it is killed
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::string NginxServer::url(std::string_view path) const {
  return std::string(mode_ == kHttp ? "http" : "https") + "://127.0.0.1:" + std::to_string(port_) +
         std::string(path);
}

std::vector<NginxServer::Request> NginxServer::requests() const {
  std::vector<Request> out;
  std::istringstream lines(readWhole(dir_ / "access.log"));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    Request r;
    if (fields >> r.connection >> r.protocol >> r.status >> r.uri) out.push_back(std::move(r));
  }
  return out;
}

}  // namespace zel::test
