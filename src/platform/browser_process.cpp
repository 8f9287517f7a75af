#include "platform/browser_process.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace zel {

namespace {

namespace fs = std::filesystem;

bool isExecutable(const std::string& path) { return ::access(path.c_str(), X_OK) == 0; }

std::optional<std::string> onPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "/usr/local/bin:/usr/bin:/bin");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (dir.empty()) continue;
    const std::string candidate = dir + "/" + name;
    if (isExecutable(candidate) && !fs::is_directory(candidate)) return candidate;
  }
  return std::nullopt;
}

// Reads the whole status pipe: empty when exec succeeded (the pipe closed on
// exec), else the errno of the failed exec.
int execError(int fd) {
  int err = 0;
  ssize_t n;
  do {
    n = ::read(fd, &err, sizeof err);
  } while (n < 0 && errno == EINTR);
  return n == sizeof err ? err : 0;
}

}  // namespace

BrowserProcess::~BrowserProcess() { terminate(); }

std::optional<std::string> BrowserProcess::findExecutable() {
  if (const char* chosen = std::getenv("ZELMORA_BROWSER"); chosen && *chosen) return chosen;
  for (const char* name : {"chromium-headless-shell", "chromium"}) {
    if (!onPath(name)) continue;
    // Debian's programs on PATH are shell scripts that run the browser as their
    // child; started directly, the process we hold (and end) is the browser.
    const std::string real = std::string("/usr/lib/chromium/") + name;
    if (isExecutable(real)) return real;
    return onPath(name);
  }
  return std::nullopt;
}

Status BrowserProcess::start(const BrowserOptions& options) {
  if (pid_ > 0) return Status::Error("the browser is already running");
  if (!options.executable.empty()) {
    executable_ = options.executable;
  } else if (auto found = findExecutable()) {
    executable_ = *found;
  } else {
    return Status::Error(
        "no headless browser found: install chromium-headless-shell (scripts/install-deps) "
        "or set ZELMORA_BROWSER to a Chromium program");
  }

  std::string tmpl = (fs::temp_directory_path() / "zelmora-browser-XXXXXX").string();
  if (!::mkdtemp(tmpl.data()))
    return Status::Error(std::string("cannot make a browser profile folder: ") + strerror(errno));
  profileDir_ = tmpl;
  logPath_ = profileDir_ + "/stderr.log";

  std::vector<std::string> args = {
      executable_,
      "--headless",
      "--remote-debugging-pipe",
      "--user-data-dir=" + profileDir_ + "/profile",
      "--no-first-run",
      "--no-default-browser-check",
      "--disable-gpu",
      "--disable-dev-shm-usage",
      "--disable-extensions",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
      "--disable-default-apps",
      "--no-pings",
      "--mute-audio",
      "--hide-scrollbars",
  };
  // Chromium refuses to start its sandbox as root (containers, CI runners); the
  // pages it opens here are our own reports and the sites being checked.
  if (::geteuid() == 0) args.push_back("--no-sandbox");
  args.insert(args.end(), options.extraArguments.begin(), options.extraArguments.end());
  args.push_back("about:blank");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  // Writing to a browser that has died must fail with EPIPE, not end this process.
  struct sigaction current {};
  if (::sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
    ::signal(SIGPIPE, SIG_IGN);

  int commands[2], events[2], status[2];
  if (::pipe2(commands, O_CLOEXEC) != 0) return Status::Error("cannot make a pipe");
  if (::pipe2(events, O_CLOEXEC) != 0) {
    ::close(commands[0]), ::close(commands[1]);
    return Status::Error("cannot make a pipe");
  }
  if (::pipe2(status, O_CLOEXEC) != 0) {
    for (int fd : {commands[0], commands[1], events[0], events[1]}) ::close(fd);
    return Status::Error("cannot make a pipe");
  }
  const int logFd = ::open(logPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const int nullFd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);

  const pid_t child = ::fork();
  if (child == 0) {
    // Only async-signal-safe calls from here to exec: the parent may have threads.
    // Move the browser's ends above 4 first, so that the dup2s below cannot clobber them.
    const int in = ::fcntl(commands[0], F_DUPFD_CLOEXEC, 10);
    const int out = ::fcntl(events[1], F_DUPFD_CLOEXEC, 10);
    if (in < 0 || out < 0 || ::dup2(in, 3) < 0 || ::dup2(out, 4) < 0) ::_exit(127);
    if (nullFd >= 0) ::dup2(nullFd, 0);
    if (logFd >= 0) ::dup2(logFd, 1), ::dup2(logFd, 2);
    ::setpgid(0, 0);  // a Ctrl-C on the terminal goes to us; we end the browser
    ::execv(argv[0], argv.data());
    const int err = errno;
    [[maybe_unused]] auto n = ::write(status[1], &err, sizeof err);
    ::_exit(127);
  }
  for (int fd : {commands[0], events[1], status[1], logFd, nullFd})
    if (fd >= 0) ::close(fd);
  if (child < 0) {
    ::close(commands[1]), ::close(events[0]), ::close(status[0]);
    return Status::Error(std::string("cannot start the browser: ") + strerror(errno));
  }
  pid_ = child;
  reaped_ = false;
  const int err = execError(status[0]);
  ::close(status[0]);
  commandFd_ = commands[1];
  eventFd_ = events[0];
  if (err != 0) {
    terminate(0);
    return Status::Error("cannot run the browser " + executable_ + ": " + strerror(err));
  }
  for (int fd : {commandFd_, eventFd_}) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
  return Status::Ok();
}

bool BrowserProcess::hasExited() {
  if (pid_ <= 0 || reaped_) return true;
  int wstatus = 0;
  const pid_t r = ::waitpid(pid_, &wstatus, WNOHANG);
  if (r == pid_ || (r < 0 && errno == ECHILD)) reaped_ = true;
  return reaped_;
}

bool BrowserProcess::waitForExit(double seconds) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  while (!hasExited()) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

void BrowserProcess::closePipes() {
  for (int* fd : {&commandFd_, &eventFd_}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
}

void BrowserProcess::terminate(double graceSeconds) {
  closePipes();
  if (pid_ > 0 && !hasExited()) {
    if (!waitForExit(graceSeconds)) {
      ::kill(pid_, SIGTERM);
      if (!waitForExit(2.0)) {
        ::kill(pid_, SIGKILL);
        waitForExit(10.0);
      }
    }
  }
  if (!profileDir_.empty()) {
    std::error_code ec;
    fs::remove_all(profileDir_, ec);
    profileDir_.clear();
  }
}

std::string BrowserProcess::logTail(size_t maxBytes) const {
  if (logPath_.empty()) return std::string();
  std::ifstream in(logPath_, std::ios::binary);
  std::ostringstream buf;
  buf << in.rdbuf();
  std::string text = buf.str();
  if (text.size() > maxBytes) text = text.substr(text.size() - maxBytes);
  return text;
}

}  // namespace zel
