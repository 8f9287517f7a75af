#include "platform/curl_url_loader.h"

#include <algorithm>

#include <curl/curl.h>

#include <mutex>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/curl_transfer_setup.h"
#include "platform/text_format.h"
#include "platform/url.h"

namespace zel {

using namespace curlsupport;

namespace {

// A redirect's body is read and dropped so the connection can be reused, up to this.
constexpr size_t kMaxDrainedBytes = 64 * 1024;
// A 401 body is held until the delegate has answered the challenge, up to this.
constexpr size_t kMaxHeldBytes = 8 * 1024 * 1024;
// Transfers (hops, credential and trust retries) of one fetch; a guard against a
// delegate that follows a redirect loop for ever.
constexpr int kMaxTransfers = 100;
constexpr size_t kFileChunk = 256 * 1024;
constexpr size_t kSyncMaxBody = 64 * 1024 * 1024;
// Reset easy handles kept for the next transfers, per cookie mode.
constexpr size_t kPoolSize = 16;

void ensureCurlGlobal() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The state of one fetch: its requests, the transfer in progress and what the
// delegate has been told. Shared by the caller's handle and the loader.
struct Fetch : std::enable_shared_from_this<Fetch> {
  std::weak_ptr<CurlUrlLoader::Impl> loader;
  UrlConnectionDelegate* delegate = nullptr;
  UrlConnection* handle = nullptr;  // what start() returned; null once destroyed
  UrlRequest original, current;
  bool cancelled = false;
  bool ended = false;  // no callback may follow

  // Across the transfers of the fetch.
  int transfers = 0;
  int credentialAnswers = 0;
  bool trustAccepted = false;
  std::optional<std::pair<std::string, std::string>> credentials;
  long authScheme = CURLAUTH_BASIC;
  std::string credentialOrigin;

  // The transfer in progress.
  enum class Phase { Head, Deliver, Redirect, Challenge };
  CURL* easy = nullptr;
  bool easyHasCookies = false;
  curl_slist* headerList = nullptr;
  char errorBuffer[CURL_ERROR_SIZE] = {};
  ResponseHead head;
  Phase phase = Phase::Head;
  std::string redirectTarget;
  bool responseDelivered = false;
  size_t drained = 0;
  std::string held;
  bool heldOverflow = false;
  int64_t delivered = 0;  // body bytes handed to the delegate
  bool bodyCut = false;   // the body passed current.maxBodyBytes
  OpenedFile file;

  // How much of `len` more bytes may still be delivered under the body limit.
  size_t roomFor(size_t len) const {
    if (current.maxBodyBytes <= 0) return len;
    const int64_t room = std::max<int64_t>(0, current.maxBodyBytes - delivered);
    return static_cast<size_t>(std::min<int64_t>(room, static_cast<int64_t>(len)));
  }

  ~Fetch() { closeFile(file); }

  void resetTransfer() {
    head.reset();
    phase = Phase::Head;
    redirectTarget.clear();
    responseDelivered = false;
    drained = 0;
    held.clear();
    heldOverflow = false;
    delivered = 0;
    bodyCut = false;
    errorBuffer[0] = '\0';
  }
};

class CurlConnection : public UrlConnection {
 public:
  explicit CurlConnection(std::shared_ptr<Fetch> fetch) : f_(std::move(fetch)) { f_->handle = this; }
  ~CurlConnection() override {
    f_->handle = nullptr;
    cancel();
  }
  const UrlRequest& originalRequest() const override { return f_->original; }
  const UrlRequest& currentRequest() const override { return f_->current; }
  void cancel() override;
  bool isCancelled() const override { return f_->cancelled; }
  bool bodyWasCut() const override { return f_->bodyCut; }

 private:
  std::shared_ptr<Fetch> f_;
};

}  // namespace

struct CurlUrlLoader::Impl : std::enable_shared_from_this<CurlUrlLoader::Impl> {
  explicit Impl(RunLoop& l) : loop(l) {
    multi = curl_multi_init();
    if (!multi) return;
    curl_multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &Impl::onSocket);
    curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &Impl::onTimer);
    curl_multi_setopt(multi, CURLMOPT_TIMERDATA, this);
  }

  ~Impl() {
    closed = true;
    for (const auto& f : fetches) {
      f->ended = f->cancelled = true;
      if (f->easy) {
        curl_multi_remove_handle(multi, f->easy);
        curl_easy_cleanup(f->easy);
        f->easy = nullptr;
      }
      curl_slist_free_all(f->headerList);
      f->headerList = nullptr;
      closeFile(f->file);
    }
    fetches.clear();
    for (auto& pool : pools)
      for (CURL* e : pool) curl_easy_cleanup(e);
    if (multi) curl_multi_cleanup(multi);
    for (const auto& [fd, id] : watches) loop.unwatchFd(id);
    if (timer) loop.cancelTimer(*timer);
  }

  RunLoop& loop;
  CookieStore cookies;  // declared first: outlives every handle attached to it
  CURLM* multi = nullptr;
  std::vector<CURL*> pools[2];  // [0] without, [1] with the cookie store
  std::unordered_map<curl_socket_t, RunLoop::WatchId> watches;
  std::optional<RunLoop::TimerId> timer;
  std::unordered_set<std::shared_ptr<Fetch>> fetches;  // every fetch not yet retired
  int inCurl = 0;  // > 0 while curl is running our callbacks
  bool closed = false;

  // ---- run-loop integration ----

  static int onSocket(CURL*, curl_socket_t s, int what, void* userp, void*) {
    auto* self = static_cast<Impl*>(userp);
    auto it = self->watches.find(s);
    if (it != self->watches.end()) {
      self->loop.unwatchFd(it->second);
      self->watches.erase(it);
    }
    if (what == CURL_POLL_REMOVE || self->closed) return 0;
    unsigned events = 0;
    if (what & CURL_POLL_IN) events |= RunLoop::kReadable;
    if (what & CURL_POLL_OUT) events |= RunLoop::kWritable;
    std::weak_ptr<Impl> weak = self->weak_from_this();
    self->watches[s] = self->loop.watchFd(s, events, [weak, s](unsigned ready) {
      auto me = weak.lock();
      if (!me) return;
      int flags = 0;
      if (ready & RunLoop::kReadable) flags |= CURL_CSELECT_IN;
      if (ready & RunLoop::kWritable) flags |= CURL_CSELECT_OUT;
      if (ready & RunLoop::kError) flags |= CURL_CSELECT_ERR;
      me->socketAction(s, flags);
    });
    return 0;
  }

  static int onTimer(CURLM*, long ms, void* userp) {
    auto* self = static_cast<Impl*>(userp);
    if (self->timer) {
      self->loop.cancelTimer(*self->timer);
      self->timer.reset();
    }
    if (ms < 0 || self->closed) return 0;
    std::weak_ptr<Impl> weak = self->weak_from_this();
    self->timer = self->loop.postAfter(ms / 1000.0, [weak] {
      auto me = weak.lock();
      if (!me) return;
      me->timer.reset();
      me->socketAction(CURL_SOCKET_TIMEOUT, 0);
    });
    return 0;
  }

  void socketAction(curl_socket_t s, int flags) {
    if (!multi) return;
    int running = 0;
    ++inCurl;
    curl_multi_socket_action(multi, s, flags, &running);
    --inCurl;
    drain();
  }

  // Finished transfers are handled here, outside curl's callbacks, where handles
  // may be removed and new transfers added.
  void drain() {
    int left = 0;
    while (CURLMsg* m = curl_multi_info_read(multi, &left)) {
      if (m->msg != CURLMSG_DONE) continue;
      CURL* e = m->easy_handle;
      CURLcode rc = m->data.result;
      char* priv = nullptr;
      curl_easy_getinfo(e, CURLINFO_PRIVATE, &priv);
      if (!priv) {
        curl_multi_remove_handle(multi, e);
        curl_easy_cleanup(e);
        continue;
      }
      transferDone(reinterpret_cast<Fetch*>(priv)->shared_from_this(), rc);
    }
  }

  // ---- easy handles ----

  CURL* takeEasy(bool withCookies) {
    auto& pool = pools[withCookies ? 1 : 0];
    if (!pool.empty()) {
      CURL* e = pool.back();
      pool.pop_back();
      return e;
    }
    return curl_easy_init();
  }

  // Takes the transfer's easy handle out of the multi handle. Not inside curl callbacks.
  void release(const std::shared_ptr<Fetch>& f) {
    if (!f->easy) return;
    CURL* e = f->easy;
    f->easy = nullptr;
    curl_multi_remove_handle(multi, e);
    curl_slist_free_all(f->headerList);
    f->headerList = nullptr;
    auto& pool = pools[f->easyHasCookies ? 1 : 0];
    if (pool.size() < kPoolSize) {
      resetEasy(e);
      pool.push_back(e);
    } else {
      curl_easy_cleanup(e);
    }
  }

  void retire(std::shared_ptr<Fetch> f) {
    if (f->ended && !f->easy) fetches.erase(f);
  }

  void cancel(std::shared_ptr<Fetch> f) {
    bool already = f->cancelled;
    f->cancelled = true;
    f->ended = true;
    if (already) return;
    closeFile(f->file);
    if (f->easy) {
      if (inCurl > 0) {  // curl forbids removing a handle from inside its callbacks
        std::weak_ptr<Impl> weak = weak_from_this();
        loop.post([weak, f] {
          if (auto me = weak.lock()) {
            me->release(f);
            me->retire(f);
          }
        });
        return;
      }
      release(f);
    }
    retire(f);
  }

  // ---- a fetch from start to end ----

  std::unique_ptr<UrlConnection> start(const UrlRequest& request, UrlConnectionDelegate* delegate) {
    auto f = std::make_shared<Fetch>();
    f->loader = weak_from_this();
    f->delegate = delegate;
    f->original = f->current = request;
    auto handle = std::make_unique<CurlConnection>(f);
    if (!delegate) {
      f->ended = true;
      return handle;
    }
    fetches.insert(f);
    std::weak_ptr<Impl> weak = weak_from_this();
    loop.post([weak, f] {
      if (auto me = weak.lock()) me->begin(f);
    });
    return handle;
  }

  void begin(std::shared_ptr<Fetch> f) {
    if (f->ended) return retire(f);
    auto request = f->delegate->willSendRequest(*f->handle, f->current, nullptr);
    if (f->ended) return retire(f);
    if (!request) {
      f->ended = true;
      return retire(f);
    }
    f->current = std::move(*request);
    send(f);
  }

  void send(std::shared_ptr<Fetch> f) {
    if (f->ended) return retire(f);
    if (++f->transfers > kMaxTransfers)
      return fail(f, {UrlError::kHTTPTooManyRedirects,
                      strf("Too many redirects or retries for one request (more than %d).",
                           kMaxTransfers)});
    f->resetTransfer();
    std::string scheme = schemeOf(f->current.url);
    if (scheme == "file") return startFile(f);
    if (scheme == "http" || scheme == "https") return startHttp(f);
    if (scheme.empty())
      return fail(f, {UrlError::kBadURL, strf("The URL \"%s\" is not valid.", f->current.url.c_str())});
    fail(f, {UrlError::kUnsupportedURL,
             strf("The URL scheme \"%s\" is not supported (%s).", scheme.c_str(),
                  f->current.url.c_str())});
  }

  void startHttp(std::shared_ptr<Fetch> f) {
    if (inCurl > 0) {  // not reached today; adding a handle inside curl callbacks is refused
      std::weak_ptr<Impl> weak = weak_from_this();
      loop.post([weak, f] {
        if (auto me = weak.lock()) me->startHttp(f);
      });
      return;
    }
    const bool withCookies = f->current.handleCookies;
    CURL* e = multi ? takeEasy(withCookies) : nullptr;
    if (!e) return fail(f, {UrlError::kUnknown, "The transfer could not be set up."});
    EasySetup setup;
    setup.verifyPeer = !f->trustAccepted;
    if (f->credentials) {
      setup.user = &f->credentials->first;
      setup.password = &f->credentials->second;
      setup.authScheme = f->authScheme;
    }
    setup.cookieShare = withCookies ? cookies.share() : nullptr;
    setup.errorBuffer = f->errorBuffer;
    setup.headerFunction = &Impl::onHeader;
    setup.writeFunction = &Impl::onBody;
    if (f->current.maxBodyBytes > 0) setup.progressFunction = &Impl::onProgress;
    setup.userData = f.get();
    f->headerList = configureEasy(e, f->current, setup);
    curl_easy_setopt(e, CURLOPT_PRIVATE, f.get());
    f->easy = e;
    f->easyHasCookies = withCookies;
    CURLMcode mc = curl_multi_add_handle(multi, e);
    if (mc != CURLM_OK) {
      release(f);
      fail(f, {UrlError::kUnknown,
               strf("The transfer could not be started (%s).", curl_multi_strerror(mc))});
    }
  }

  // Header lines, inside curl. The final head of a plain response is delivered here;
  // redirects and challenges wait for the end of the transfer.
  static size_t onHeader(char* data, size_t size, size_t count, void* userp) {
    auto* f = static_cast<Fetch*>(userp);
    const size_t len = size * count;
    if (f->ended) return 0;
    if (!f->head.feed(std::string_view(data, len))) {
      if (!f->head.complete() && f->phase != Fetch::Phase::Head) {
        // curl answered the head itself (an authentication round): start over.
        f->phase = Fetch::Phase::Head;
        f->redirectTarget.clear();
        f->drained = 0;
        f->held.clear();
        f->heldOverflow = false;
      }
      return len;
    }
    if (f->responseDelivered) return len;
    const int status = f->head.status();
    if (isRedirectStatus(status)) {
      if (auto location = f->head.toResponse({}).header("Location")) {
        if (auto target = resolveLocation(*location, f->current.url)) {
          f->phase = Fetch::Phase::Redirect;
          f->redirectTarget = *target;
          return len;
        }
      }
    }
    if (status == 401 && !f->head.authenticateValues().empty()) {
      f->phase = Fetch::Phase::Challenge;
      return len;
    }
    f->phase = Fetch::Phase::Deliver;
    f->responseDelivered = true;
    f->delegate->didReceiveResponse(*f->handle, f->head.toResponse(f->current.url));
    return f->ended ? 0 : len;
  }

  static size_t onBody(char* data, size_t size, size_t count, void* userp) {
    auto* f = static_cast<Fetch*>(userp);
    const size_t len = size * count;
    if (f->ended) return 0;
    switch (f->phase) {
      case Fetch::Phase::Deliver: {
        const size_t room = f->roomFor(len);
        if (room) f->delegate->didReceiveData(*f->handle, std::string_view(data, room));
        f->delivered += static_cast<int64_t>(room);
        if (room < len) {
          f->bodyCut = true;  // stops the transfer; it finishes with what was read
          return 0;
        }
        return f->ended ? 0 : len;
      }
      case Fetch::Phase::Redirect:
        f->drained += len;
        return f->drained > kMaxDrainedBytes ? 0 : len;
      case Fetch::Phase::Challenge:
        if (f->held.size() + len > kMaxHeldBytes) {
          f->heldOverflow = true;
          return 0;
        }
        f->held.append(data, len);
        return len;
      case Fetch::Phase::Head:
        break;
    }
    return len;
  }

  // The raw bytes are bounded too: a body that decodes to little would otherwise
  // be read for as long as the server sends it.
  static int onProgress(void* userp, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
    auto* f = static_cast<Fetch*>(userp);
    if (f->phase != Fetch::Phase::Deliver || f->current.maxBodyBytes <= 0 ||
        received <= f->current.maxBodyBytes)
      return 0;
    f->bodyCut = true;
    return 1;
  }

  void transferDone(std::shared_ptr<Fetch> f, CURLcode rc) {
    release(f);
    if (f->ended) return retire(f);
    if (f->bodyCut && f->responseDelivered) return finish(f);
    switch (f->phase) {
      case Fetch::Phase::Redirect:
        // The head decided it; a body cut short does not matter.
        return followRedirect(f);
      case Fetch::Phase::Challenge:
        return answerChallenge(f, rc);
      case Fetch::Phase::Head:
      case Fetch::Phase::Deliver:
        break;
    }
    if (rc == CURLE_OK) {
      if (!f->responseDelivered)
        return fail(f, {UrlError::kBadServerResponse, "The server returned no response head."});
      return finish(f);
    }
    if (isCertificateError(rc) && !f->trustAccepted && !f->responseDelivered)
      return answerTrust(f, rc);
    fail(f, errorForCurl(rc, f->errorBuffer));
  }

  void followRedirect(std::shared_ptr<Fetch> f) {
    UrlResponse response = f->head.toResponse(f->current.url);
    UrlRequest proposed = redirectedRequest(f->current, f->redirectTarget, response.statusCode);
    auto next = f->delegate->willSendRequest(*f->handle, proposed, &response);
    if (f->ended) return retire(f);
    if (!next) {
      f->ended = true;
      return retire(f);
    }
    f->current = std::move(*next);
    // Credentials stay with the server they were given for.
    if (f->credentials && originOf(f->current.url) != f->credentialOrigin) f->credentials.reset();
    send(f);
  }

  static void describeServer(const std::string& url, AuthChallenge* challenge) {
    if (auto u = Url::parse(url)) {
      challenge->host = u->host();
      challenge->port = u->port().value_or(u->scheme() == "https" ? 443 : 80);
    }
  }

  void answerChallenge(std::shared_ptr<Fetch> f, CURLcode rc) {
    AuthChallenge challenge;
    challenge.method = authMethodFor(f->head.authenticateValues(), &challenge.realm);
    describeServer(f->current.url, &challenge);
    challenge.previousFailureCount = f->credentialAnswers;
    challenge.failureResponse = f->head.toResponse(f->current.url);
    bool answer = f->delegate->canAuthenticateAgainst(*f->handle, challenge.method);
    if (f->ended) return retire(f);
    if (!answer) return deliverHeld(f, rc);
    ChallengeAnswer a = f->delegate->didReceiveChallenge(*f->handle, challenge);
    if (f->ended) return retire(f);
    switch (a.disposition) {
      case ChallengeDisposition::UseCredential:
        ++f->credentialAnswers;
        f->credentials.emplace(a.user, a.password);
        f->authScheme = curlAuthFor(challenge.method);
        f->credentialOrigin = originOf(f->current.url);
        return send(f);
      case ChallengeDisposition::ContinueWithoutCredential:
        return deliverHeld(f, rc);
      case ChallengeDisposition::Cancel:
        return fail(f, {UrlError::kCancelled, "cancelled"});
    }
  }

  // A 401 nobody answers becomes the response, with the body held back so far.
  void deliverHeld(std::shared_ptr<Fetch> f, CURLcode rc) {
    f->phase = Fetch::Phase::Deliver;
    f->responseDelivered = true;
    f->delegate->didReceiveResponse(*f->handle, f->head.toResponse(f->current.url));
    if (f->ended) return retire(f);
    if (!f->held.empty()) {
      std::string body = std::move(f->held);
      f->held.clear();
      f->delegate->didReceiveData(*f->handle, body);
      if (f->ended) return retire(f);
    }
    if (f->heldOverflow)
      return fail(f, {UrlError::kDataLengthExceedsMaximum,
                      "The body of the authentication response is too large."});
    if (rc != CURLE_OK) return fail(f, errorForCurl(rc, f->errorBuffer));
    finish(f);
  }

  void answerTrust(std::shared_ptr<Fetch> f, CURLcode rc) {
    UrlError failure = errorForCurl(rc, f->errorBuffer);
    failure.code = UrlError::kSecureConnectionFailed;
    bool answer = f->delegate->canAuthenticateAgainst(*f->handle, AuthMethod::ServerTrust);
    if (f->ended) return retire(f);
    if (!answer) return fail(f, failure);
    AuthChallenge challenge;
    challenge.method = AuthMethod::ServerTrust;
    describeServer(f->current.url, &challenge);
    challenge.errorDescription = f->errorBuffer[0] ? f->errorBuffer : curl_easy_strerror(rc);
    ChallengeAnswer a = f->delegate->didReceiveChallenge(*f->handle, challenge);
    if (f->ended) return retire(f);
    if (a.disposition == ChallengeDisposition::Cancel) return fail(f, failure);
    f->trustAccepted = true;
    send(f);
  }

  void startFile(std::shared_ptr<Fetch> f) {
    if (auto error = openFileUrl(f->current.url, &f->file)) return fail(f, *error);
    f->responseDelivered = true;
    f->delegate->didReceiveResponse(*f->handle, fileResponse(f->current.url, f->file));
    if (f->ended) {
      closeFile(f->file);
      return retire(f);
    }
    postFileRead(f);
  }

  void postFileRead(std::shared_ptr<Fetch> f) {
    std::weak_ptr<Impl> weak = weak_from_this();
    loop.post([weak, f] {
      if (auto me = weak.lock()) me->readFile(f);
    });
  }

  // One chunk per turn, so a large file does not hold up the loop.
  void readFile(std::shared_ptr<Fetch> f) {
    if (f->ended) {
      closeFile(f->file);
      return retire(f);
    }
    std::string chunk;
    UrlError error;
    if (!readFileChunk(f->file, kFileChunk, &chunk, &error)) {
      closeFile(f->file);
      return fail(f, error);
    }
    if (chunk.empty()) {
      closeFile(f->file);
      return finish(f);
    }
    if (const size_t room = f->roomFor(chunk.size()); room < chunk.size()) {
      chunk.resize(room);
      f->bodyCut = true;
    }
    if (!chunk.empty()) f->delegate->didReceiveData(*f->handle, chunk);
    f->delivered += static_cast<int64_t>(chunk.size());
    if (f->bodyCut && !f->ended) {
      closeFile(f->file);
      return finish(f);
    }
    if (f->ended) {
      closeFile(f->file);
      return retire(f);
    }
    postFileRead(f);
  }

  void finish(std::shared_ptr<Fetch> f) {
    f->ended = true;
    f->delegate->didFinishLoading(*f->handle);
    retire(f);
  }

  void fail(std::shared_ptr<Fetch> f, const UrlError& error) {
    f->ended = true;
    f->delegate->didFailWithError(*f->handle, error);
    retire(f);
  }

  // The loader is going away: every fetch falls silent at once. Handles are taken
  // out of curl when the last reference to this object goes, outside curl's callbacks.
  void shutdown() {
    closed = true;
    for (const auto& f : fetches) {
      f->ended = f->cancelled = true;
      f->loader.reset();
    }
    for (const auto& [fd, id] : watches) loop.unwatchFd(id);
    watches.clear();
    if (timer) loop.cancelTimer(*timer);
    timer.reset();
  }
};

namespace {

void CurlConnection::cancel() {
  if (auto loader = f_->loader.lock()) {
    loader->cancel(f_);
  } else {
    f_->cancelled = true;
    f_->ended = true;
  }
}

// ---- the blocking path ----

struct SyncTransfer {
  ResponseHead head;
  std::string body;
  bool overflow = false;
};

size_t syncHeader(char* data, size_t size, size_t count, void* userp) {
  auto* t = static_cast<SyncTransfer*>(userp);
  t->head.feed({data, size * count});
  return size * count;
}

size_t syncBody(char* data, size_t size, size_t count, void* userp) {
  auto* t = static_cast<SyncTransfer*>(userp);
  const size_t len = size * count;
  if (t->body.size() + len > kSyncMaxBody) {
    t->overflow = true;
    return 0;
  }
  t->body.append(data, len);
  return len;
}

SyncResult readFileSynchronously(const std::string& url) {
  SyncResult out;
  OpenedFile file;
  if (auto error = openFileUrl(url, &file)) {
    out.error = *error;
    return out;
  }
  std::string chunk;
  UrlError error;
  while (true) {
    if (!readFileChunk(file, kFileChunk, &chunk, &error)) {
      closeFile(file);
      out.body.clear();
      out.error = error;
      return out;
    }
    if (chunk.empty()) break;
    if (out.body.size() + chunk.size() > kSyncMaxBody) {
      closeFile(file);
      out.body.clear();
      out.error = UrlError{UrlError::kDataLengthExceedsMaximum, "The file is too large."};
      return out;
    }
    out.body += chunk;
  }
  out.response = fileResponse(url, file);
  closeFile(file);
  return out;
}

}  // namespace

CurlUrlLoader::CurlUrlLoader(RunLoop& loop) {
  ensureCurlGlobal();
  impl_ = std::make_shared<Impl>(loop);
}

CurlUrlLoader::~CurlUrlLoader() {
  if (impl_) impl_->shutdown();
  impl_.reset();
}

std::unique_ptr<UrlConnection> CurlUrlLoader::start(const UrlRequest& request,
                                                    UrlConnectionDelegate* delegate) {
  return impl_->start(request, delegate);
}

SyncResult CurlUrlLoader::sendSynchronous(const UrlRequest& request, int maxRedirects) {
  UrlRequest req = request;
  std::string scheme = schemeOf(req.url);
  if (scheme == "file") return readFileSynchronously(req.url);
  SyncResult out;
  if (scheme != "http" && scheme != "https") {
    out.error = UrlError{scheme.empty() ? UrlError::kBadURL : UrlError::kUnsupportedURL,
                         strf("The URL \"%s\" cannot be loaded.", req.url.c_str())};
    return out;
  }
  CURL* e = curl_easy_init();
  if (!e) {
    out.error = UrlError{UrlError::kUnknown, "The transfer could not be set up."};
    return out;
  }
  char errorBuffer[CURL_ERROR_SIZE] = {};
  for (int hop = 0;; ++hop) {
    SyncTransfer t;
    EasySetup setup;
    setup.cookieShare = req.handleCookies ? impl_->cookies.share() : nullptr;
    setup.errorBuffer = errorBuffer;
    setup.headerFunction = &syncHeader;
    setup.writeFunction = &syncBody;
    setup.userData = &t;
    curl_slist* list = configureEasy(e, req, setup);
    CURLcode rc = curl_easy_perform(e);
    curl_slist_free_all(list);
    resetEasy(e);
    if (t.head.complete() && isRedirectStatus(t.head.status()) && hop < maxRedirects) {
      auto location = t.head.toResponse({}).header("Location");
      auto target = location ? resolveLocation(*location, req.url) : std::nullopt;
      if (target) {
        req = redirectedRequest(req, *target, t.head.status());
        std::string next = schemeOf(req.url);
        if (next == "http" || next == "https") continue;
        out.error = UrlError{UrlError::kUnsupportedURL,
                             strf("Redirected to a URL that cannot be loaded (%s).", req.url.c_str())};
        break;
      }
    }
    if (rc != CURLE_OK) {
      out.error = t.overflow ? UrlError{UrlError::kDataLengthExceedsMaximum, "The response is too large."}
                             : errorForCurl(rc, errorBuffer);
      break;
    }
    if (!t.head.complete()) {
      out.error = UrlError{UrlError::kBadServerResponse, "The server returned no response head."};
      break;
    }
    out.response = t.head.toResponse(req.url);
    out.body = std::move(t.body);
    break;
  }
  curl_easy_cleanup(e);
  return out;
}

void CurlUrlLoader::clearCookies() { impl_->cookies.clear(); }

}  // namespace zel
