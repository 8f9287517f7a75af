// A loopback HTTP server for the crawl benchmark: every page of the generated site is
// computed from its address, so a site of ten million pages costs no disk.
//
//   page_server --pages N [--port P] [--max-connections C] [--idle-timeout S]
//               [--max-requests R] [--time-limit S] [--exit-with-parent]
//   page_server --load PORT --pages N [--connections C] [--requests R] [--seconds S]
//               [--keep-alive]
//
// The site has the shape of generate_site in run.py: a home page linking into 50
// sections, page p at /s{p%50}/p{p}.html with 20 links chosen by a hash of (p, i), two
// images, a stylesheet, and about 5% of pages with one link to a missing page. Anything
// else is a 404. One thread, epoll, 127.0.0.1 only; bounded in connections, request
// head size, idle time, and (optionally) requests served and running time.
//
// --load is a small client to measure the server: C connections at once, each sending
// GETs for pages (one a connection, or many with --keep-alive), and prints requests/s.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr size_t kMaxHead = 8192;  // a request head larger than this gets 431 and a close
constexpr int kSections = 50;
constexpr int kImages = 100;
constexpr int kStylesheets = 10;
constexpr int kLinksPerPage = 20;

volatile sig_atomic_t g_stop = 0;
void onSignal(int) { g_stop = 1; }

uint64_t mix(uint64_t x) {  // splitmix64's finaliser
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}
// The same value for the same page and slot on every request.
uint64_t pick(uint64_t page, uint64_t slot) { return mix(page * 64 + slot); }

uint64_t nowMs() {
  using namespace std::chrono;
  return uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void appendNumber(std::string& s, uint64_t v) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  s.append(buf, r.ptr);
}

// A strict decimal (no sign, no leading zero but "0" itself, no overflow).
bool parseNumber(std::string_view s, uint64_t& out) {
  if (s.empty() || s.size() > 19 || (s.size() > 1 && s[0] == '0')) return false;
  auto r = std::from_chars(s.data(), s.data() + s.size(), out);
  return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool endsWith(std::string_view s, std::string_view e) {
  return s.size() >= e.size() && s.substr(s.size() - e.size()) == e;
}
bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
  return true;
}

class Site {
 public:
  explicit Site(uint64_t pages) : pages_(pages) {
    for (int i = 0; i < 6; ++i)
      filler_ +=
          "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod "
          "tempor incididunt ut labore et dolore magna aliqua. ";
    for (int k = 0; k < kImages; ++k) {
      std::string png("\x89PNG\r\n\x1a\n", 8);
      for (int j = 0; j < 200; ++j) png += char(pick(1000000 + k, j) & 0xff);
      images_.push_back(std::move(png));
    }
    for (int i = 0; i < kStylesheets; ++i) {
      char css[64];
      std::snprintf(css, sizeof css, "body{margin:0} .c%d{color:#%06x}\n", i,
                    unsigned(pick(2000000 + i, 0) & 0xffffff));
      styles_.emplace_back(css);
    }
    home_ = "<html><head><title>Home</title></head><body>";
    for (int s = 0; s < kSections; ++s) {
      home_ += "<a href=\"/s" + std::to_string(s) + "/p" + std::to_string(s) + ".html\">section " +
               std::to_string(s) + "</a>";
    }
    home_ += "</body></html>";
  }

  // Fills body and content type for a path; false for a path not in the site.
  bool lookup(std::string_view path, std::string& body, const char*& type) const {
    type = "text/html";
    if (path == "/" || path == "/index.html") {
      body = home_;
      return true;
    }
    uint64_t n;
    if (startsWith(path, "/img/i") && endsWith(path, ".png") &&
        parseNumber(path.substr(6, path.size() - 10), n) && n < kImages) {
      type = "image/png";
      body = images_[n];
      return true;
    }
    if (startsWith(path, "/css/s") && endsWith(path, ".css") &&
        parseNumber(path.substr(6, path.size() - 10), n) && n < kStylesheets) {
      type = "text/css";
      body = styles_[n];
      return true;
    }
    // /s{p%50}/p{p}.html
    if (!startsWith(path, "/s") || !endsWith(path, ".html")) return false;
    const size_t slash = path.find('/', 2);
    if (slash == std::string_view::npos || path.substr(slash, 2) != "/p") return false;
    uint64_t sec, p;
    if (!parseNumber(path.substr(2, slash - 2), sec) ||
        !parseNumber(path.substr(slash + 2, path.size() - 5 - slash - 2), p))
      return false;
    if (p >= pages_ || sec != p % kSections) return false;
    page(p, body);
    return true;
  }

 private:
  void page(uint64_t p, std::string& b) const {
    const uint64_t sec = p % kSections;
    b.clear();
    b += "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Page ";
    appendNumber(b, p);
    b += "</title><meta name=\"description\" content=\"Page ";
    appendNumber(b, p);
    b += " of the benchmark site\"><link rel=\"stylesheet\" href=\"/css/s";
    appendNumber(b, p % kStylesheets);
    b += ".css\"></head><body><h1>Page ";
    appendNumber(b, p);
    b += "</h1><p>";
    b += filler_;
    b += "</p>";
    for (int j = 0; j < 2; ++j) {
      b += "<img src=\"/img/i";
      appendNumber(b, pick(p, kLinksPerPage + 1 + j) % kImages);
      b += ".png\" alt=\"img\">";
    }
    b += "<ul>";
    for (int i = 0; i < kLinksPerPage; ++i) {
      const uint64_t t = pick(p, i) % pages_;
      b += "<li><a href=\"/s";
      appendNumber(b, t % kSections);
      b += "/p";
      appendNumber(b, t);
      b += ".html\">Page ";
      appendNumber(b, t);
      b += "</a></li>";
    }
    if (pick(p, kLinksPerPage) % 100 < 5) {
      b += "<li><a href=\"/s";
      appendNumber(b, sec);
      b += "/gone";
      appendNumber(b, p);
      b += ".html\">gone</a></li>";
    }
    b += "</ul><script>var x = \"<a href=/not/a/link>\";</script></body></html>";
  }

  uint64_t pages_;
  std::string filler_, home_;
  std::vector<std::string> images_, styles_;
};

struct Connection {
  bool open = false;
  bool closeAfter = false;  // close once the output is written
  bool writing = false;     // waiting for EPOLLOUT
  uint64_t lastActive = 0;
  std::string in, out;
  size_t outAt = 0;
};

struct Options {
  uint64_t pages = 10000;
  int port = 0;
  int maxConnections = 1024;
  int idleSeconds = 60;
  uint64_t maxRequests = 0;  // 0: no limit
  int timeLimit = 86400;     // seconds; 0: no limit
  bool exitWithParent = false;
  // --load
  int loadPort = 0;
  int connections = 32;
  uint64_t requests = 200000;
  int seconds = 60;
  bool keepAlive = false;
};

class Server {
 public:
  Server(const Options& o) : o_(o), site_(o.pages) {}

  int run() {
    listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int one = 1;
    ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(uint16_t(o_.port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(listen_, 4096) != 0) {
      std::fprintf(stderr, "page_server: cannot listen on 127.0.0.1:%d: %s\n", o_.port,
                   std::strerror(errno));
      return 1;
    }
    socklen_t len = sizeof a;
    ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len);
    epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
    watch(listen_, EPOLL_CTL_ADD, EPOLLIN);
    std::printf("listening on 127.0.0.1:%d\n", ntohs(a.sin_port));
    std::fflush(stdout);

    const uint64_t start = nowMs();
    uint64_t lastSweep = start;
    epoll_event events[256];
    while (!g_stop) {
      const int n = ::epoll_wait(epoll_, events, 256, 1000);
      if (n < 0 && errno != EINTR) break;
      now_ = nowMs();
      for (int i = 0; i < n; ++i) {
        const int fd = events[i].data.fd;
        if (fd == listen_) {
          acceptAll();
        } else if (events[i].events & (EPOLLERR | EPOLLHUP)) {
          drop(fd);
        } else if (events[i].events & EPOLLOUT) {
          flush(fd);
        } else if (events[i].events & EPOLLIN) {
          readFrom(fd);
        }
      }
      if (o_.maxRequests && served_ >= o_.maxRequests) break;
      if (o_.timeLimit && now_ - start >= uint64_t(o_.timeLimit) * 1000) {
        std::fprintf(stderr, "page_server: time limit of %d s reached\n", o_.timeLimit);
        break;
      }
      if (now_ - lastSweep >= 1000) {
        lastSweep = now_;
        for (size_t fd = 0; fd < conns_.size(); ++fd)
          if (conns_[fd].open && now_ - conns_[fd].lastActive >= uint64_t(o_.idleSeconds) * 1000)
            drop(int(fd));
      }
    }
    for (size_t fd = 0; fd < conns_.size(); ++fd)
      if (conns_[fd].open) drop(int(fd));
    rusage u;
    ::getrusage(RUSAGE_SELF, &u);
    const double cpu = double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
                       double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    std::fprintf(stderr,
                 "page_server: %llu requests (%llu not found) on %llu connections in %.1f s, "
                 "%.2f s CPU, %.0f requests per CPU second\n",
                 (unsigned long long)served_, (unsigned long long)notFound_,
                 (unsigned long long)accepted_, double(nowMs() - start) / 1000, cpu,
                 cpu > 0 ? double(served_) / cpu : 0.0);
    return 0;
  }

 private:
  void watch(int fd, int op, uint32_t events) {
    epoll_event e{};
    e.events = events;
    e.data.fd = fd;
    ::epoll_ctl(epoll_, op, fd, &e);
  }

  void acceptAll() {
    while (open_ < o_.maxConnections) {
      const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
      if (fd < 0) return;  // EAGAIN, or a connection that went away before its accept
      const int one = 1;
      ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
      if (size_t(fd) >= conns_.size()) conns_.resize(size_t(fd) + 64);
      Connection& c = conns_[fd];
      c = Connection{};
      c.open = true;
      c.lastActive = now_;
      ++open_;
      ++accepted_;
      watch(fd, EPOLL_CTL_ADD, EPOLLIN);
    }
    // At the cap: stop watching the listener until a connection closes.
    if (!paused_) {
      watch(listen_, EPOLL_CTL_MOD, 0);
      paused_ = true;
    }
  }

  void drop(int fd) {
    Connection& c = conns_[fd];
    if (!c.open) return;
    ::close(fd);  // also takes it out of the epoll set
    c = Connection{};
    --open_;
    if (paused_) {
      watch(listen_, EPOLL_CTL_MOD, EPOLLIN);
      paused_ = false;
    }
  }

  void readFrom(int fd) {
    Connection& c = conns_[fd];
    char buf[16384];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return drop(fd);
    if (n < 0) return;
    c.lastActive = now_;
    c.in.append(buf, size_t(n));
    answer(fd);
  }

  // Answers every complete request in the input (pipelined ones in order), then writes.
  void answer(int fd) {
    Connection& c = conns_[fd];
    while (!c.closeAfter) {
      const size_t end = c.in.find("\r\n\r\n");
      if (end == std::string::npos) {
        if (c.in.size() > kMaxHead) respond(c, 431, "Request Header Fields Too Large", true);
        break;
      }
      if (end + 4 > kMaxHead) {
        respond(c, 431, "Request Header Fields Too Large", true);
        break;
      }
      handle(c, std::string_view(c.in).substr(0, end + 2));
      c.in.erase(0, end + 4);
      if (o_.maxRequests && served_ >= o_.maxRequests) c.closeAfter = true;
    }
    flush(fd);
  }

  void handle(Connection& c, std::string_view head) {
    const size_t eol = head.find("\r\n");
    const std::string_view line = head.substr(0, eol);
    const size_t sp1 = line.find(' '), sp2 = line.rfind(' ');
    if (sp1 == std::string_view::npos || sp2 <= sp1) return respond(c, 400, "Bad Request", true);
    const std::string_view method = line.substr(0, sp1), version = line.substr(sp2 + 1);
    std::string_view target = line.substr(sp1 + 1, sp2 - sp1 - 1);
    if (version != "HTTP/1.1" && version != "HTTP/1.0") return respond(c, 400, "Bad Request", true);

    bool close = version == "HTTP/1.0", body = false;
    for (size_t at = eol + 2; at < head.size();) {
      const size_t next = head.find("\r\n", at);
      const std::string_view field = head.substr(at, next - at);
      at = next + 2;
      const size_t colon = field.find(':');
      if (colon == std::string_view::npos) continue;
      const std::string_view name = field.substr(0, colon);
      std::string_view value = field.substr(colon + 1);
      while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
      while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
        value.remove_suffix(1);
      if (equalsNoCase(name, "Connection")) {
        if (equalsNoCase(value, "close")) close = true;
        if (equalsNoCase(value, "keep-alive")) close = false;
      } else if (equalsNoCase(name, "Transfer-Encoding") ||
                 (equalsNoCase(name, "Content-Length") && value != "0")) {
        body = true;
      }
    }
    // No request here carries a body: answer one and close rather than read it.
    if (body) close = true;
    const bool head_only = method == "HEAD";
    if (method != "GET" && !head_only) return respond(c, 405, "Not Allowed", true);

    // An absolute target names this server; the query plays no part in the site.
    if (startsWith(target, "http://")) {
      const size_t slash = target.find('/', 7);
      target = slash == std::string_view::npos ? "/" : target.substr(slash);
    }
    target = target.substr(0, target.find_first_of("?#"));
    const char* type;
    if (!site_.lookup(target, scratch_, type)) {
      ++notFound_;
      scratch_ =
          "<html><head><title>404 Not Found</title></head><body><h1>404 Not "
          "Found</h1></body></html>";
      return respond(c, 404, "Not Found", close, "text/html", head_only);
    }
    respond(c, 200, "OK", close, type, head_only);
  }

  // Appends a response with scratch_ as its body (or a short one for errors) to the output.
  void respond(Connection& c, int status, const char* reason, bool close,
               const char* type = nullptr, bool headOnly = false) {
    if (!type) {
      scratch_ = std::to_string(status) + " " + reason + "\n";
      type = "text/plain";
    }
    ++served_;
    std::string& o = c.out;
    o += "HTTP/1.1 ";
    appendNumber(o, uint64_t(status));
    o += ' ';
    o += reason;
    o += "\r\nDate: ";
    o += date();
    o += "\r\nContent-Type: ";
    o += type;
    o += "\r\nContent-Length: ";
    appendNumber(o, scratch_.size());
    o += close ? "\r\nConnection: close\r\n\r\n" : "\r\nConnection: keep-alive\r\n\r\n";
    if (!headOnly) o += scratch_;
    if (close) c.closeAfter = true;
  }

  const std::string& date() {
    const time_t t = ::time(nullptr);
    if (t != dateAt_) {
      dateAt_ = t;
      tm g;
      ::gmtime_r(&t, &g);
      char buf[64];
      ::strftime(buf, sizeof buf, "%a, %d %b %Y %H:%M:%S GMT", &g);
      date_ = buf;
    }
    return date_;
  }

  void flush(int fd) {
    Connection& c = conns_[fd];
    while (c.outAt < c.out.size()) {
      const ssize_t n = ::send(fd, c.out.data() + c.outAt, c.out.size() - c.outAt, MSG_NOSIGNAL);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno == EAGAIN) {
        if (!c.writing) {
          watch(fd, EPOLL_CTL_MOD, EPOLLOUT);
          c.writing = true;
        }
        return;
      }
      if (n < 0) return drop(fd);
      c.outAt += size_t(n);
      c.lastActive = now_;
    }
    c.out.clear();
    c.outAt = 0;
    if (c.closeAfter) return drop(fd);
    if (c.writing) {
      watch(fd, EPOLL_CTL_MOD, EPOLLIN);
      c.writing = false;
      // Requests that arrived while the output was blocked.
      if (c.in.find("\r\n\r\n") != std::string::npos) answer(fd);
    }
  }

  Options o_;
  Site site_;
  int listen_ = -1, epoll_ = -1, open_ = 0;
  bool paused_ = false;
  uint64_t now_ = 0, served_ = 0, notFound_ = 0, accepted_ = 0;
  std::vector<Connection> conns_;
  std::string scratch_, date_;
  time_t dateAt_ = 0;
};

// The load client: each slot connects, sends a GET, reads the whole response (by its
// Content-Length), then sends the next on the same connection or opens a new one.
class Load {
 public:
  explicit Load(const Options& o) : o_(o) {}

  int run() {
    epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
    slots_.resize(size_t(o_.connections));
    active_ = o_.connections;
    const uint64_t start = nowMs(), deadline = start + uint64_t(o_.seconds) * 1000;
    for (size_t i = 0; i < slots_.size(); ++i) next(i);
    epoll_event events[256];
    while (active_ > 0 && nowMs() < deadline && !g_stop) {
      const int n = ::epoll_wait(epoll_, events, 256, 1000);
      for (int i = 0; i < n; ++i) step(size_t(events[i].data.u64), events[i].events);
    }
    const double secs = double(nowMs() - start) / 1000;
    rusage u;
    ::getrusage(RUSAGE_SELF, &u);
    const double cpu = double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
                       double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    std::printf(
        "%llu responses (%llu 200, %llu other), %llu errors, %.0f KB a response on average, "
        "in %.2f s: %.0f requests/s (%s, %d connections at once; client CPU %.2f s)\n",
        (unsigned long long)done_, (unsigned long long)ok_, (unsigned long long)(done_ - ok_),
        (unsigned long long)errors_, done_ ? double(bytes_) / double(done_) / 1024 : 0.0, secs,
        double(done_) / secs, o_.keepAlive ? "kept-alive" : "one connection a request",
        o_.connections, cpu);
    return errors_ ? 1 : 0;
  }

 private:
  struct Slot {
    int fd = -1;
    std::string out, in;
    size_t outAt = 0;
  };

  // Starts the slot's next request, on its connection or a new one.
  void next(size_t i) {
    Slot& s = slots_[i];
    if (sent_ >= o_.requests) {
      if (s.fd >= 0) ::close(s.fd);
      s.fd = -1;
      --active_;
      return;
    }
    if (s.fd < 0) {
      s.fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
      const int one = 1;
      ::setsockopt(s.fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
      sockaddr_in a{};
      a.sin_family = AF_INET;
      a.sin_port = htons(uint16_t(o_.loadPort));
      a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      if (::connect(s.fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 && errno != EINPROGRESS) {
        ++errors_;
        ::close(s.fd);
        s.fd = -1;
        --active_;
        return;
      }
      epoll_event e{};
      e.events = EPOLLOUT;
      e.data.u64 = i;
      ::epoll_ctl(epoll_, EPOLL_CTL_ADD, s.fd, &e);
    } else {
      epoll_event e{};
      e.events = EPOLLOUT;
      e.data.u64 = i;
      ::epoll_ctl(epoll_, EPOLL_CTL_MOD, s.fd, &e);
    }
    const uint64_t p = mix(sent_++) % o_.pages;
    s.out = "GET /s" + std::to_string(p % kSections) + "/p" + std::to_string(p) +
            ".html HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: */*\r\n" +
            (o_.keepAlive ? "" : "Connection: close\r\n") + "\r\n";
    s.outAt = 0;
    s.in.clear();
  }

  void fail(size_t i) {
    ++errors_;
    ::close(slots_[i].fd);
    slots_[i].fd = -1;
    next(i);
  }

  void step(size_t i, uint32_t events) {
    Slot& s = slots_[i];
    if (events & EPOLLOUT) {
      const ssize_t n = ::send(s.fd, s.out.data() + s.outAt, s.out.size() - s.outAt, MSG_NOSIGNAL);
      if (n < 0) return errno == EAGAIN ? void() : fail(i);
      s.outAt += size_t(n);
      if (s.outAt == s.out.size()) {
        epoll_event e{};
        e.events = EPOLLIN;
        e.data.u64 = i;
        ::epoll_ctl(epoll_, EPOLL_CTL_MOD, s.fd, &e);
      }
      return;
    }
    char buf[65536];
    const ssize_t n = ::read(s.fd, buf, sizeof buf);
    if (n < 0 && errno == EAGAIN) return;
    if (n <= 0) return fail(i);  // the server closed before the whole response
    s.in.append(buf, size_t(n));
    const size_t end = s.in.find("\r\n\r\n");
    if (end == std::string::npos) return;
    const size_t cl = s.in.find("Content-Length: ");
    if (cl == std::string::npos || cl > end) return fail(i);
    const size_t length = std::strtoull(s.in.c_str() + cl + 16, nullptr, 10);
    if (s.in.size() < end + 4 + length) return;
    ++done_;
    bytes_ += end + 4 + length;
    if (startsWith(s.in, "HTTP/1.1 200 ")) ++ok_;
    if (!o_.keepAlive) {
      ::close(s.fd);
      s.fd = -1;
    }
    next(i);
  }

  Options o_;
  int epoll_ = -1;
  std::vector<Slot> slots_;
  int active_ = 0;
  uint64_t sent_ = 0, done_ = 0, ok_ = 0, errors_ = 0, bytes_ = 0;
};

[[noreturn]] void usage() {
  std::fprintf(stderr,
               "usage: page_server --pages N [--port P] [--max-connections C] "
               "[--idle-timeout S] [--max-requests R] [--time-limit S] [--exit-with-parent]\n"
               "       page_server --load PORT --pages N [--connections C] [--requests R] "
               "[--seconds S] [--keep-alive]\n");
  std::exit(2);
}

uint64_t number(int argc, char** argv, int& i, uint64_t low, uint64_t high) {
  uint64_t v;
  if (i + 1 >= argc || !parseNumber(argv[i + 1], v) || v < low || v > high) {
    std::fprintf(stderr, "page_server: %s needs a number from %llu to %llu\n", argv[i],
                 (unsigned long long)low, (unsigned long long)high);
    std::exit(2);
  }
  ++i;
  return v;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--pages")
      o.pages = number(argc, argv, i, 1, 1000000000000ULL);
    else if (a == "--port")
      o.port = int(number(argc, argv, i, 0, 65535));
    else if (a == "--max-connections")
      o.maxConnections = int(number(argc, argv, i, 1, 60000));
    else if (a == "--idle-timeout")
      o.idleSeconds = int(number(argc, argv, i, 1, 3600));
    else if (a == "--max-requests")
      o.maxRequests = number(argc, argv, i, 0, UINT64_MAX >> 1);
    else if (a == "--time-limit")
      o.timeLimit = int(number(argc, argv, i, 0, 30 * 86400));
    else if (a == "--load")
      o.loadPort = int(number(argc, argv, i, 1, 65535));
    else if (a == "--connections")
      o.connections = int(number(argc, argv, i, 1, 10000));
    else if (a == "--requests")
      o.requests = number(argc, argv, i, 1, UINT64_MAX >> 1);
    else if (a == "--seconds")
      o.seconds = int(number(argc, argv, i, 1, 3600));
    else if (a == "--keep-alive")
      o.keepAlive = true;
    else if (a == "--exit-with-parent")
      o.exitWithParent = true;
    else
      usage();
  }
  struct sigaction sa {};
  sa.sa_handler = onSignal;  // no SA_RESTART: epoll_wait returns and the loop ends
  ::sigaction(SIGTERM, &sa, nullptr);
  ::sigaction(SIGINT, &sa, nullptr);
  ::signal(SIGPIPE, SIG_IGN);
#ifdef __linux__
  // A server whose benchmark script died goes with it.
  if (o.exitWithParent) ::prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
  if (o.loadPort) return Load(o).run();
  return Server(o).run();
}
