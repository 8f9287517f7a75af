#include "support/raw_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>

namespace zel::test {

RawServer::RawServer(Script script) : script_(std::move(script)) {
  if (::pipe2(wakePipe_, O_CLOEXEC) != 0) return;
  listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listenFd_ < 0) return;
  int one = 1;
  ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) return;
  if (::listen(listenFd_, 64) != 0) return;
  socklen_t len = sizeof addr;
  if (::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) return;
  port_ = ntohs(addr.sin_port);
  acceptThread_ = std::thread([this] { acceptLoop(); });
}

RawServer::~RawServer() {
  stopping_ = true;
  if (wakePipe_[1] >= 0) {
    char c = 'x';
    [[maybe_unused]] ssize_t n = ::write(wakePipe_[1], &c, 1);
  }
  if (acceptThread_.joinable()) acceptThread_.join();
  std::vector<std::thread> workers;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    workers.swap(workers_);
  }
  for (auto& t : workers) t.join();
  if (listenFd_ >= 0) ::close(listenFd_);
  for (int fd : wakePipe_)
    if (fd >= 0) ::close(fd);
}

std::string RawServer::url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

bool RawServer::waitOrStop(double seconds) {
  // The wake pipe is never drained, so once stopping it stays readable for everyone.
  pollfd p{wakePipe_[0], POLLIN, 0};
  int ms = seconds < 0 ? -1 : static_cast<int>(std::ceil(seconds * 1000));
  int n;
  do {
    n = ::poll(&p, 1, ms);
  } while (n < 0 && errno == EINTR);
  return !stopping_;
}

void RawServer::acceptLoop() {
  while (!stopping_) {
    pollfd p[2] = {{listenFd_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
    int n = ::poll(p, 2, -1);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || stopping_ || (p[1].revents & POLLIN)) break;
    if (!(p[0].revents & POLLIN)) continue;
    int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    std::lock_guard<std::mutex> lock(mutex_);
    ++connections_;
    workers_.emplace_back([this, fd] { serve(fd, script_); });
  }
}

void RawServer::serve(int fd, Script script) {
  bool open = true;
  for (const Step& step : script) {
    if (!open || stopping_) break;
    switch (step.kind) {
      case Step::kReadRequest: {
        std::string got;
        char buf[4096];
        while (got.find("\r\n\r\n") == std::string::npos && got.size() < 65536) {
          pollfd p[2] = {{fd, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
          int n = ::poll(p, 2, 10000);
          if (n <= 0 || (p[1].revents & POLLIN)) break;
          ssize_t r = ::recv(fd, buf, sizeof buf, 0);
          if (r <= 0) break;
          got.append(buf, static_cast<size_t>(r));
        }
        break;
      }
      case Step::kSend: {
        size_t off = 0;
        while (off < step.bytes.size()) {
          ssize_t w = ::send(fd, step.bytes.data() + off, step.bytes.size() - off, MSG_NOSIGNAL);
          if (w <= 0) break;
          off += static_cast<size_t>(w);
        }
        break;
      }
      case Step::kSleep:
        waitOrStop(step.seconds);
        break;
      case Step::kReset: {
        linger l{1, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
        ::close(fd);
        open = false;
        break;
      }
      case Step::kClose:
        ::close(fd);
        open = false;
        break;
      case Step::kHang:
        waitOrStop(-1);
        break;
    }
  }
  if (open) ::close(fd);
}

int closedPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  socklen_t len = sizeof addr;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  ::close(fd);
  return ntohs(addr.sin_port);
}

RawServer::Script RawServer::resetMidBody() {
  return {readRequest(),
          send("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 100000\r\n\r\n" +
               std::string(1000, 'a')),
          sleep(0.1), reset()};
}

RawServer::Script RawServer::garbageStatusLine() {
  return {readRequest(), send("SPLORK 42 what\r\nContent-Length: 5\r\n\r\nhello"), close()};
}

RawServer::Script RawServer::truncatedChunked() {
  return {readRequest(),
          send("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n"
               "10\r\n0123456789abcdef\r\n20\r\nonly part of it"),
          sleep(0.1), close()};
}

RawServer::Script RawServer::neverAnswer() { return {readRequest(), hang()}; }

RawServer::Script RawServer::closeImmediately() { return {close()}; }

}  // namespace zel::test
