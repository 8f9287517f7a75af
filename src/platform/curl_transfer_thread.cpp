#include "platform/curl_transfer_thread.h"

#include <poll.h>
#include <pthread.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/text_format.h"
#include "platform/url.h"

namespace zel::curlsupport {

namespace {

// A redirect's body is read and dropped so the connection can be reused, up to this.
constexpr size_t kMaxDrainedBytes = 64 * 1024;
// A 401 body is held until the delegate has answered the challenge, up to this.
constexpr size_t kMaxHeldBytes = 8 * 1024 * 1024;
// Reset easy handles kept for the next transfers, per cookie mode.
constexpr size_t kPoolSize = 16;
// The longest wait with nothing to do; curl's own timers, new commands and the
// stop wake the thread earlier.
constexpr int kIdleWaitMs = 10 * 1000;
// How long an address curl found for a host name serves plain transfers, as
// long as curl keeps one itself.
constexpr auto kAddressLifetime = std::chrono::seconds(60);
// The most servers whose HTTP version is remembered.
constexpr size_t kMostServersKept = 10000;

// A proxy from the environment is curl's to use: plain transfers then stay off.
bool proxyInEnvironment() {
  for (const char* name : {"http_proxy", "all_proxy", "ALL_PROXY"}) {
    const char* v = std::getenv(name);
    if (v && *v) return true;
  }
  return false;
}

TransferEnd failure(int code, std::string description) {
  TransferEnd how;
  how.error = UrlError{code, std::move(description)};
  return how;
}

}  // namespace

// One transfer, network thread only once handed over.
struct TransferThread::Transfer : PlainHttpSink {
  uint64_t id = 0;
  TransferThread* owner = nullptr;
  TransferOrder order;

  CURL* easy = nullptr;
  bool easyHasCookies = false;
  curl_slist* headerList = nullptr;
  char errorBuffer[CURL_ERROR_SIZE] = {};
  OpenedFile file;

  ResponseHead head;
  TransferPhase phase = TransferPhase::Head;
  std::string redirectTarget;
  bool headReported = false;
  size_t drained = 0;
  std::string held;
  bool heldOverflow = false;
  int64_t delivered = 0;  // body bytes reported
  bool bodyCut = false;
  int slot = -1;  // index of this iteration's report in outgoing_; -1 when none yet

  // A plain transfer: its connection, when it must end, and what the last poll saw.
  std::unique_ptr<PlainHttpConnection> plain;
  std::string plainHostKey;   // "host:port"
  bool addressCached = false;  // the address came from the cache
  std::unique_ptr<PlainHttpTarget> plainTarget;  // over a kept connection: for a new one
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
  short revents = 0;

  ~Transfer() override { closeFile(file); }

  void headLine(std::string_view line) override {
    onHeader(const_cast<char*>(line.data()), 1, line.size(), this);
  }
  bool body(std::string_view bytes) override {
    if (onBody(const_cast<char*>(bytes.data()), 1, bytes.size(), this) != bytes.size()) return false;
    // The raw bytes are bounded as curl's progress check bounds them.
    const int64_t max = order.request->maxBodyBytes;
    if (phase == TransferPhase::Deliver && max > 0 && plain && plain->reader().rawBodyBytes() > max) {
      bodyCut = true;
      return false;
    }
    return true;
  }

  // How much of `len` more bytes may still be delivered under the body limit.
  size_t roomFor(size_t len) const {
    const int64_t max = order.request->maxBodyBytes;
    if (max <= 0) return len;
    const int64_t room = std::max<int64_t>(0, max - delivered);
    return static_cast<size_t>(std::min<int64_t>(room, static_cast<int64_t>(len)));
  }

  TransferEnd ending(CURLcode rc) {
    TransferEnd how;
    how.phase = phase;
    how.rc = rc;
    how.errorText = errorBuffer;
    how.head = std::move(head);
    how.redirectTarget = std::move(redirectTarget);
    how.held = std::move(held);
    how.heldOverflow = heldOverflow;
    how.bodyCut = bodyCut;
    return how;
  }
};

TransferThread::TransferThread(CookieStore& cookies, PlainHttpIdleConnections& idle,
                               std::function<void(Reports)> hand, uint64_t first, uint64_t stride)
    : cookies_(cookies), keptConnections_(idle), hand_(std::move(hand)), multi_(curl_multi_init()) {
  nextId_ = first;
  idStride_ = stride;
  plainAllowed_ = multi_ && !proxyInEnvironment() && !std::getenv("ZELMORA_NO_PLAIN_HTTP");
  thread_ = std::thread([this] { run(); });
}

TransferThread::~TransferThread() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake();
  thread_.join();
  // The thread is gone: what it left is cleaned up here.
  for (auto& [id, t] : transfers_) releaseEasy(*t);
  transfers_.clear();
  for (auto& pool : pools_)
    for (CURL* e : pool) curl_easy_cleanup(e);
  if (multi_) curl_multi_cleanup(multi_);
}

// ---- commands from other threads ----

uint64_t TransferThread::start(TransferOrder order) {
  uint64_t id;
  bool first;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    id = nextId_;
    nextId_ += idStride_;
    first = commands_.empty();
    commands_.push_back(Command{id, std::move(order)});
  }
  if (first) wake();  // later commands ride on the wake-up still pending
  return id;
}

void TransferThread::cancel(uint64_t id) {
  bool first;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    first = commands_.empty();
    commands_.push_back(Command{id, std::nullopt});
  }
  if (first) wake();
}

void TransferThread::wake() {
  if (multi_) {
    curl_multi_wakeup(multi_);
  } else {
    std::lock_guard<std::mutex> lock(mutex_);
    idle_.notify_one();
  }
}

// ---- the thread ----

void TransferThread::run() {
  pthread_setname_np(pthread_self(), "zel-network");  // for profilers and top -H
  while (takeCommands()) {
    if (multi_) {
      int running = 0;
      curl_multi_perform(multi_, &running);
      collectFinished();
      servicePlain();
      cookies_.trimIfDue(CookieStore::kPerDomain, CookieStore::kInAll, CookieStore::kBetweenTrims);
    }
    readFiles();
    handOver();
    wait();
  }
}

bool TransferThread::takeCommands() {
  std::vector<Command> commands;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_) return false;
    commands.swap(commands_);
  }
  for (Command& c : commands) {
    if (c.order) {
      begin(c.id, std::move(*c.order));
    } else {
      drop(c.id);
    }
  }
  return true;
}

void TransferThread::wait() {
  // Files still being read keep the thread turning; curl's sockets are polled between chunks.
  int ms = files_.empty() ? kIdleWaitMs : 0;
  if (multi_) {
    waitFds_.clear();
    waitIds_.clear();
    const auto now = std::chrono::steady_clock::now();
    for (uint64_t id : plain_) {
      auto it = transfers_.find(id);
      if (it == transfers_.end() || !it->second->plain) continue;
      Transfer& t = *it->second;
      waitFds_.push_back(curl_waitfd{t.plain->fd(), t.plain->events(), 0});
      waitIds_.push_back(id);
      if (t.deadline != std::chrono::steady_clock::time_point::max()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(t.deadline - now).count();
        ms = static_cast<int>(std::clamp<int64_t>(left, 0, ms));
      }
    }
    curl_multi_poll(multi_, waitFds_.data(), static_cast<unsigned>(waitFds_.size()), ms, nullptr);
    for (size_t i = 0; i < waitFds_.size(); ++i) {
      if (!waitFds_[i].revents) continue;
      if (auto it = transfers_.find(waitIds_[i]); it != transfers_.end()) it->second->revents = waitFds_[i].revents;
    }
    return;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  idle_.wait_for(lock, std::chrono::milliseconds(ms),
                 [this] { return stopping_ || !commands_.empty(); });
}

void TransferThread::begin(uint64_t id, TransferOrder order) {
  auto owned = std::make_unique<Transfer>();
  Transfer& t = *owned;
  t.id = id;
  t.owner = this;
  t.order = std::move(order);
  transfers_.emplace(id, std::move(owned));
  if (schemeOf(t.order.request->url) == "file") return beginFile(t);
  beginHttp(t);
}

void TransferThread::beginHttp(Transfer& t) {
  if (plainAllowed_ && !t.order.credentials && beginPlain(t)) return;
  beginCurl(t);
}

bool TransferThread::beginPlain(Transfer& t) {
  bool fromCache = false;
  const UrlRequest& request = *t.order.request;
  auto target = plainHttpTarget(request, [&](const std::string& key) -> const sockaddr_storage* {
    auto it = addresses_.find(key);
    if (it == addresses_.end() || it->second.expires < std::chrono::steady_clock::now()) return nullptr;
    fromCache = true;
    return &it->second.address;
  });
  if (!target || declinedHosts_.count(target->hostKey)) return false;
  // Cookies to send are curl's to choose; one that arrives sends the transfer to curl.
  const bool cookies = request.handleCookies;
  if (cookies && cookies_.holdsCookies()) return false;
  const bool head = request.method == "HEAD";
  if (const int kept = target->keepAlive ? keptConnections_.take(target->hostKey) : -1; kept >= 0) {
    t.plain = std::make_unique<PlainHttpConnection>(kept, *target, head, cookies);
    t.plainTarget = std::make_unique<PlainHttpTarget>(std::move(*target));
  } else {
    t.plain = std::make_unique<PlainHttpConnection>(*target, head, cookies);
  }
  if (t.plain->fd() < 0) {
    t.plain.reset();
    return false;
  }
  t.plainHostKey = t.plainTarget ? t.plainTarget->hostKey : target->hostKey;
  t.addressCached = fromCache;
  if (request.timeoutSeconds > 0) {
    t.deadline = std::chrono::steady_clock::now() +
                 std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                     std::chrono::duration<double>(std::min(request.timeoutSeconds, 1e7)));
  }
  plain_.push_back(t.id);
  // Tried at once: a connect to a near server is often complete when it returns.
  t.revents = POLLOUT;
  return true;
}

// Plain transfers the last poll found ready, and those past their time.
void TransferThread::servicePlain() {
  if (plain_.empty()) return;
  const auto now = std::chrono::steady_clock::now();
  std::vector<uint64_t> still;  // ending or handing a transfer to curl leaves plain_ alone
  still.reserve(plain_.size());
  for (uint64_t id : plain_) {
    auto it = transfers_.find(id);
    if (it == transfers_.end() || !it->second->plain) continue;  // cancelled or ended
    Transfer& t = *it->second;
    using Outcome = PlainHttpConnection::Outcome;
    Outcome outcome = Outcome::Running;
    if (t.revents) {
      const short revents = t.revents;
      t.revents = 0;
      outcome = t.plain->onReady(revents, t);
    }
    // A kept connection the server closed meanwhile: the request goes on a new one.
    if ((outcome == Outcome::Declined || outcome == Outcome::ConnectFailed) && t.plain->reused() &&
        t.plain->bytesReceived() == 0) {
      t.plain = std::make_unique<PlainHttpConnection>(
          *t.plainTarget, t.order.request->method == "HEAD", t.order.request->handleCookies);
      t.plainTarget.reset();
      if (t.plain->fd() >= 0) {
        t.revents = POLLOUT;
        still.push_back(id);
        continue;
      }
      outcome = Outcome::ConnectFailed;
    }
    switch (outcome) {
      case Outcome::Running:
        if (now >= t.deadline) {
          const double seconds = t.order.request->timeoutSeconds;
          const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::duration<double>(seconds)).count();
          std::snprintf(t.errorBuffer, sizeof t.errorBuffer,
                        "Operation timed out after %lld milliseconds with %lld bytes received", ms,
                        static_cast<long long>(t.plain->bytesReceived()));
          end(t, t.ending(CURLE_OPERATION_TIMEDOUT));
          continue;
        }
        still.push_back(id);
        continue;
      case Outcome::Done:
        if (const int fd = t.plain->release(); fd >= 0) keptConnections_.put(t.plainHostKey, fd);
        end(t, t.ending(CURLE_OK));
        continue;
      case Outcome::Stopped:
        std::snprintf(t.errorBuffer, sizeof t.errorBuffer, "Failure writing output to destination");
        end(t, t.ending(CURLE_WRITE_ERROR));
        continue;
      case Outcome::Failed:
        std::snprintf(t.errorBuffer, sizeof t.errorBuffer, "%s", t.plain->reader().failureText().c_str());
        end(t, t.ending(t.plain->reader().failureCode()));
        continue;
      case Outcome::ConnectFailed:
      case Outcome::Declined:
        // Nothing was reported: curl fetches it again and says what it finds. A
        // server whose answers are declined is left to curl from now on, so it is
        // not asked everything twice.
        if (outcome == Outcome::Declined) declinedHosts_.insert(t.plainHostKey);
        if (t.addressCached) addresses_.erase(t.plainHostKey);
        t.plain.reset();
        t.deadline = std::chrono::steady_clock::time_point::max();
        beginCurl(t);
        continue;
    }
  }
  plain_.swap(still);
}

// An address curl found for a host name lets the next transfers to it go plain.
void TransferThread::rememberAddress(Transfer& t) {
  if (!plainAllowed_ || !t.easy || !startsWith(t.order.request->url, "http://")) return;
  const auto u = Url::parse(t.order.request->url);
  if (!u || u->host().empty()) return;
  const int port = u->port().value_or(80);
  sockaddr_storage literal;
  socklen_t length = 0;
  if (numericAddress(u->host(), port, &literal, &length)) return;  // needs no cache
  const std::string key = plainHttpHostKey(u->host(), port);
  const auto now = std::chrono::steady_clock::now();
  if (auto it = addresses_.find(key); it != addresses_.end() && it->second.expires >= now) return;
  char* ip = nullptr;
  if (curl_easy_getinfo(t.easy, CURLINFO_PRIMARY_IP, &ip) != CURLE_OK || !ip || !*ip) return;
  CachedAddress cached;
  if (!numericAddress(ip, port, &cached.address, &length)) return;
  cached.expires = now + kAddressLifetime;
  addresses_.insert_or_assign(key, cached);
}

void TransferThread::rememberHttpVersion(Transfer& t) {
  if (!t.easy || !startsWith(t.order.request->url, "https:")) return;
  long version = 0;
  if (curl_easy_getinfo(t.easy, CURLINFO_HTTP_VERSION, &version) != CURLE_OK || version == 0)
    return;
  const std::string origin = originOf(t.order.request->url);
  if (version >= CURL_HTTP_VERSION_2_0) {
    http1Servers_.erase(origin);
  } else if (http1Servers_.size() < kMostServersKept) {
    http1Servers_.insert(origin);
  }
}

void TransferThread::beginCurl(Transfer& t) {
  const bool withCookies = t.order.request->handleCookies;
  CURL* e = takeEasy(withCookies);
  if (!e) return end(t, failure(UrlError::kUnknown, "The transfer could not be set up."));
  EasySetup setup;
  setup.verifyPeer = t.order.verifyPeer;
  if (startsWith(t.order.request->url, "https:"))
    setup.pipeWait = !http1Servers_.count(originOf(t.order.request->url));
  if (t.order.credentials) {
    setup.user = &t.order.credentials->first;
    setup.password = &t.order.credentials->second;
    setup.authScheme = t.order.authScheme;
  }
  setup.cookieShare = withCookies ? cookies_.share() : nullptr;
  setup.errorBuffer = t.errorBuffer;
  setup.headerFunction = &TransferThread::onHeader;
  setup.writeFunction = &TransferThread::onBody;
  if (t.order.request->maxBodyBytes > 0) setup.progressFunction = &TransferThread::onProgress;
  setup.userData = &t;
  t.headerList = configureEasy(e, *t.order.request, setup);
  curl_easy_setopt(e, CURLOPT_PRIVATE, &t);
  t.easy = e;
  t.easyHasCookies = withCookies;
  CURLMcode mc = curl_multi_add_handle(multi_, e);
  if (mc != CURLM_OK)
    end(t, failure(UrlError::kUnknown,
                   std::string("The transfer could not be started (") + curl_multi_strerror(mc) + ")."));
}

void TransferThread::beginFile(Transfer& t) {
  const std::string& url = t.order.request->url;
  if (auto error = openFileUrl(url, &t.file)) {
    TransferEnd how;
    how.error = *error;
    return end(t, std::move(how));
  }
  t.phase = TransferPhase::Deliver;
  t.headReported = true;
  reportFor(t).head = fileResponse(url, t.file);
  files_.push_back(t.id);
}

// Finished transfers are taken out of curl here, outside its callbacks.
void TransferThread::collectFinished() {
  int left = 0;
  while (CURLMsg* m = curl_multi_info_read(multi_, &left)) {
    if (m->msg != CURLMSG_DONE) continue;
    CURL* e = m->easy_handle;  // m is invalid once the handle is removed
    const CURLcode rc = m->data.result;
    char* priv = nullptr;
    curl_easy_getinfo(e, CURLINFO_PRIVATE, &priv);
    if (!priv) {
      curl_multi_remove_handle(multi_, e);
      curl_easy_cleanup(e);
      continue;
    }
    Transfer& t = *reinterpret_cast<Transfer*>(priv);
    if (rc == CURLE_OK) {
      rememberAddress(t);
      rememberHttpVersion(t);
    }
    end(t, t.ending(rc));
  }
}

// One chunk per file per iteration, so a large file does not hold up the network.
void TransferThread::readFiles() {
  std::vector<uint64_t> reading;
  for (uint64_t id : files_) {
    auto it = transfers_.find(id);
    if (it == transfers_.end()) continue;  // cancelled
    Transfer& t = *it->second;
    std::string chunk;
    UrlError error;
    if (!readFileChunk(t.file, kFileChunk, &chunk, &error)) {
      TransferEnd how;
      how.error = error;
      end(t, std::move(how));
      continue;
    }
    const bool endOfFile = chunk.empty();
    if (const size_t room = t.roomFor(chunk.size()); room < chunk.size()) {
      chunk.resize(room);
      t.bodyCut = true;
    }
    t.delivered += static_cast<int64_t>(chunk.size());
    if (!chunk.empty()) {
      std::string& data = reportFor(t).data;
      if (data.empty()) {
        data = std::move(chunk);
      } else {
        data += chunk;
      }
    }
    if (endOfFile || t.bodyCut) {
      end(t, t.ending(CURLE_OK));
      continue;
    }
    reading.push_back(id);
  }
  files_.swap(reading);
}

void TransferThread::end(Transfer& t, TransferEnd how) {
  releaseEasy(t);
  closeFile(t.file);
  reportFor(t).end = std::move(how);
  transfers_.erase(t.id);
}

void TransferThread::drop(uint64_t id) {
  auto it = transfers_.find(id);
  if (it == transfers_.end()) return;
  Transfer& t = *it->second;
  releaseEasy(t);
  if (t.slot >= 0) outgoing_[t.slot] = TransferReport{};  // id 0: nobody's
  transfers_.erase(it);
}

CURL* TransferThread::takeEasy(bool withCookies) {
  if (!multi_) return nullptr;
  auto& pool = pools_[withCookies ? 1 : 0];
  if (pool.empty()) return curl_easy_init();
  CURL* e = pool.back();
  pool.pop_back();
  return e;
}

void TransferThread::releaseEasy(Transfer& t) {
  if (!t.easy) return;
  CURL* e = t.easy;
  t.easy = nullptr;
  curl_multi_remove_handle(multi_, e);
  curl_slist_free_all(t.headerList);
  t.headerList = nullptr;
  auto& pool = pools_[t.easyHasCookies ? 1 : 0];
  if (pool.size() < kPoolSize) {
    resetEasy(e);
    pool.push_back(e);
  } else {
    curl_easy_cleanup(e);
  }
}

TransferReport& TransferThread::reportFor(Transfer& t) {
  if (t.slot < 0) {
    t.slot = static_cast<int>(outgoing_.size());
    outgoing_.push_back(TransferReport{});
    outgoing_.back().id = t.id;
  }
  return outgoing_[t.slot];
}

void TransferThread::handOver() {
  if (outgoing_.empty()) return;
  Reports reports;
  reports.swap(outgoing_);
  for (const TransferReport& r : reports)
    if (auto it = transfers_.find(r.id); it != transfers_.end()) it->second->slot = -1;
  std::erase_if(reports, [](const TransferReport& r) { return r.id == 0; });
  if (!reports.empty()) hand_(std::move(reports));
}

// ---- curl's callbacks (network thread, inside curl_multi_perform) ----

// The final head of a plain response is reported here; redirects and challenges
// wait for the end of the transfer.
size_t TransferThread::onHeader(char* data, size_t size, size_t count, void* userp) {
  auto* t = static_cast<Transfer*>(userp);
  const size_t len = size * count;
  if (t->easyHasCookies && len > 11 && equalsIgnoreCase(std::string_view(data, 11), "Set-Cookie:"))
    t->owner->cookies_.noteSetCookie();
  if (!t->head.feed(std::string_view(data, len))) {
    if (!t->head.complete() && t->phase != TransferPhase::Head) {
      // curl answered the head itself (an authentication round): start over.
      t->phase = TransferPhase::Head;
      t->redirectTarget.clear();
      t->drained = 0;
      t->held.clear();
      t->heldOverflow = false;
    }
    return len;
  }
  if (t->headReported) return len;
  const int status = t->head.status();
  const std::string& url = t->order.request->url;
  if (isRedirectStatus(status)) {
    if (auto location = t->head.toResponse({}).header("Location")) {
      if (auto target = resolveLocation(*location, url)) {
        t->phase = TransferPhase::Redirect;
        t->redirectTarget = *target;
        return len;
      }
    }
  }
  if (status == 401 && !t->head.authenticateValues().empty()) {
    t->phase = TransferPhase::Challenge;
    return len;
  }
  t->phase = TransferPhase::Deliver;
  t->headReported = true;
  t->owner->reportFor(*t).head = t->head.toResponse(url);
  return len;
}

size_t TransferThread::onBody(char* data, size_t size, size_t count, void* userp) {
  auto* t = static_cast<Transfer*>(userp);
  const size_t len = size * count;
  switch (t->phase) {
    case TransferPhase::Deliver: {
      const size_t room = t->roomFor(len);
      if (room) t->owner->reportFor(*t).data.append(data, room);
      t->delivered += static_cast<int64_t>(room);
      if (room < len) {
        t->bodyCut = true;  // stops the transfer; it finishes with what was read
        return 0;
      }
      return len;
    }
    case TransferPhase::Redirect:
      t->drained += len;
      return t->drained > kMaxDrainedBytes ? 0 : len;
    case TransferPhase::Challenge:
      if (t->held.size() + len > kMaxHeldBytes) {
        t->heldOverflow = true;
        return 0;
      }
      t->held.append(data, len);
      return len;
    case TransferPhase::Head:
      break;
  }
  return len;
}

// The raw bytes are bounded too: a body that decodes to little would otherwise
// be read for as long as the server sends it.
int TransferThread::onProgress(void* userp, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
  auto* t = static_cast<Transfer*>(userp);
  const int64_t max = t->order.request->maxBodyBytes;
  if (t->phase != TransferPhase::Deliver || max <= 0 || received <= max) return 0;
  t->bodyCut = true;
  return 1;
}

}  // namespace zel::curlsupport
