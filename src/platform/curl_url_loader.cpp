#include "platform/curl_url_loader.h"

#include <algorithm>

#include <curl/curl.h>

#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/curl_transfer_setup.h"
#include "platform/curl_transfer_thread.h"
#include "platform/text_format.h"
#include "platform/url.h"

namespace zel {

using namespace curlsupport;

namespace {

// Transfers (hops, credential and trust retries) of one fetch; a guard against a
// delegate that follows a redirect loop for ever. Above the stand-alone
// rechecker's 101 redirects, so that its own cap decides there.
constexpr int kMaxTransfers = 128;
// Servers whose certificate failed its checks, remembered for the loader's life;
// beyond this many the oldest are not forgotten but new ones are not noted.
constexpr size_t kMostRememberedCertificates = 10000;
constexpr size_t kSyncMaxBody = 64 * 1024 * 1024;
// Network threads at most, one a core below that.
constexpr size_t kMaxNetworkThreads = 4;

void ensureCurlGlobal() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The state of one fetch on the run-loop thread: its requests, what the delegate
// has been told and decided, and the id of the hop running on a network thread.
// Shared by the caller's handle and the loader.
struct Fetch {
  std::weak_ptr<CurlUrlLoader::Impl> loader;
  UrlConnectionDelegate* delegate = nullptr;
  UrlConnection* handle = nullptr;  // what start() returned; null once destroyed
  // Shared with the transfer that sends it, so a fetch copies its request once.
  std::shared_ptr<const UrlRequest> original, current;
  bool cancelled = false;
  bool ended = false;  // no callback may follow

  // Across the transfers of the fetch.
  int transfers = 0;
  int selfRedirects = 0;    // in a row, back to the address that redirected
  bool trustAsked = false;  // the delegate was asked before the first request
  int credentialAnswers = 0;
  bool trustAccepted = false;
  std::optional<std::pair<std::string, std::string>> credentials;
  long authScheme = CURLAUTH_BASIC;
  std::string credentialOrigin;

  // The transfer in progress.
  uint64_t transfer = 0;  // its id on the network thread; 0 when none runs
  bool responseDelivered = false;
  bool bodyCut = false;  // the body passed current.maxBodyBytes
};

class CurlConnection : public UrlConnection {
 public:
  explicit CurlConnection(std::shared_ptr<Fetch> fetch) : f_(std::move(fetch)) { f_->handle = this; }
  ~CurlConnection() override {
    f_->handle = nullptr;
    cancel();
  }
  const UrlRequest& originalRequest() const override { return *f_->original; }
  const UrlRequest& currentRequest() const override { return *f_->current; }
  void cancel() override;
  bool isCancelled() const override { return f_->cancelled; }
  bool bodyWasCut() const override { return f_->bodyCut; }

 private:
  std::shared_ptr<Fetch> f_;
};

}  // namespace

// The run-loop side of the loader: talks to the delegates and decides each next
// hop; the network threads (TransferThread) do the transfers, each new one on the
// thread with the fewest, and hand their reports back through
// RunLoop::postFromAnyThread.
struct CurlUrlLoader::Impl : std::enable_shared_from_this<CurlUrlLoader::Impl> {
  explicit Impl(RunLoop& l) : loop(l) {}

  // Starts the network threads; their reports reach receive() on the run loop
  // while this object lives. With one connection a request, the kernel's work of
  // opening and closing them is most of a transfer's processor time: one thread
  // a core shares it out, where a single thread held every slot up behind it.
  void startThreads() {
    std::weak_ptr<Impl> weak = weak_from_this();
    RunLoop* runLoop = &loop;
    const size_t n = networkThreadsForThisMachine();
    for (size_t i = 0; i < n; ++i) {
      network.push_back(std::make_unique<TransferThread>(
          cookies, idle,
          [weak, runLoop](TransferThread::Reports r) {
            runLoop->postFromAnyThread([weak, r = std::move(r)]() mutable {
              if (auto me = weak.lock()) me->receive(r);
            });
          },
          i + 1, n));
      load.push_back(0);
    }
  }

  ~Impl() { network.clear(); }  // joins the threads before the cookie store goes

  static size_t networkThreadsForThisMachine() {
    return std::clamp<size_t>(std::thread::hardware_concurrency(), 1, kMaxNetworkThreads);
  }
  TransferThread& threadOf(uint64_t id) { return *network[(id - 1) % network.size()]; }
  void ended(uint64_t id) { --load[(id - 1) % network.size()]; }

  // Origins ("host:port") whose certificate failed its checks, with why.
  void noteFailedCertificate(const std::string& url, const std::string& why) {
    const std::string origin = originOf(url);
    std::lock_guard<std::mutex> lock(certificatesMutex);
    if (!origin.empty() && failedCertificates.size() < kMostRememberedCertificates)
      failedCertificates.emplace(origin, why);
  }
  std::optional<std::string> failedCertificate(const std::string& url) {
    std::lock_guard<std::mutex> lock(certificatesMutex);
    if (failedCertificates.empty()) return std::nullopt;
    auto it = failedCertificates.find(originOf(url));
    if (it == failedCertificates.end()) return std::nullopt;
    return it->second;
  }

  RunLoop& loop;
  std::mutex certificatesMutex;
  std::unordered_map<std::string, std::string> failedCertificates;
  // Declared before the threads: they outlive them and every handle attached to them.
  CookieStore cookies;
  PlainHttpIdleConnections idle;  // plain http connections kept open between requests
  std::vector<std::unique_ptr<TransferThread>> network;
  std::vector<size_t> load;  // transfers running on each
  std::unordered_set<std::shared_ptr<Fetch>> fetches;  // every fetch not yet retired
  // Fetches by the id of their running transfer. A report for an id not here
  // (a cancelled transfer) is dropped.
  std::unordered_map<uint64_t, std::shared_ptr<Fetch>> running;

  void retire(const std::shared_ptr<Fetch>& f) {
    if (f->ended && !f->transfer) fetches.erase(f);
  }

  void cancel(const std::shared_ptr<Fetch>& f) {
    bool already = f->cancelled;
    f->cancelled = true;
    f->ended = true;
    if (already) return;
    if (f->transfer) {
      running.erase(f->transfer);
      ended(f->transfer);
      threadOf(f->transfer).cancel(f->transfer);
      f->transfer = 0;
    }
    retire(f);
  }

  // ---- a fetch from start to end ----

  std::unique_ptr<UrlConnection> start(UrlRequest request, UrlConnectionDelegate* delegate) {
    auto f = std::make_shared<Fetch>();
    f->loader = weak_from_this();
    f->delegate = delegate;
    f->original = f->current = std::make_shared<const UrlRequest>(std::move(request));
    auto handle = std::make_unique<CurlConnection>(f);
    if (!delegate) {
      f->ended = true;
      return handle;
    }
    fetches.insert(f);
    std::weak_ptr<Impl> weak = weak_from_this();
    // The network thread waits for it: ahead of the responses already waiting.
    loop.postFirst([weak, f] {
      if (auto me = weak.lock()) me->begin(f);
    });
    return handle;
  }

  void begin(std::shared_ptr<Fetch> f) {
    if (f->ended) return retire(f);
    auto request = f->delegate->willSendRequest(*f->handle, *f->current, nullptr);
    if (f->ended) return retire(f);
    if (!request) {
      f->ended = true;
      return retire(f);
    }
    f->current = std::make_shared<const UrlRequest>(std::move(*request));
    send(f);
  }

  // Hands the current request to the network thread as the next transfer.
  void send(std::shared_ptr<Fetch> f) {
    if (f->ended) return retire(f);
    if (++f->transfers > kMaxTransfers)
      return fail(f, {UrlError::kHTTPTooManyRedirects,
                      strf("Too many redirects or retries for one request (more than %d).",
                           kMaxTransfers)});
    f->responseDelivered = false;
    f->bodyCut = false;
    const std::string& url = f->current->url;
    std::string scheme = schemeOf(url);
    if (scheme.empty())
      return fail(f, {UrlError::kBadURL, strf("The URL \"%s\" is not valid.", url.c_str())});
    if (scheme != "file" && scheme != "http" && scheme != "https")
      return fail(f, {UrlError::kUnsupportedURL,
                      strf("The URL scheme \"%s\" is not supported (%s).", scheme.c_str(),
                           url.c_str())});
    // A server whose certificate already failed: the delegate says now whether
    // it is accepted, which spares a handshake that would fail again.
    if (scheme == "https" && !f->trustAccepted && !f->trustAsked) {
      if (auto why = failedCertificate(url)) {
        f->trustAsked = true;
        const bool answers =
            f->delegate->canAuthenticateAgainst(*f->handle, AuthMethod::ServerTrust);
        if (f->ended) return retire(f);
        const UrlError failure{
            UrlError::kSecureConnectionFailed,
            strf("A secure connection to the server could not be made. (%s)", why->c_str())};
        if (answers && !challengeTrust(f, *why, failure)) return;
      }
    }
    TransferOrder order;
    order.request = f->current;
    order.verifyPeer = !f->trustAccepted;
    order.credentials = f->credentials;
    order.authScheme = f->authScheme;
    const size_t k = std::min_element(load.begin(), load.end()) - load.begin();
    ++load[k];
    f->transfer = network[k]->start(std::move(order));
    running.emplace(f->transfer, f);
  }

  // One hand-over from the network thread: each transfer's head, data and end, in order.
  void receive(TransferThread::Reports& reports) {
    for (TransferReport& r : reports) deliver(r);
  }

  void deliver(TransferReport& r) {
    auto it = running.find(r.id);
    if (it == running.end()) return;  // cancelled after the thread had reported
    std::shared_ptr<Fetch> f = it->second;
    if (r.head) {
      f->responseDelivered = true;
      f->delegate->didReceiveResponse(*f->handle, *r.head);
      if (f->ended) return;
    }
    if (!r.data.empty()) {
      f->delegate->didReceiveOwnedData(*f->handle, std::move(r.data));
      if (f->ended) return;
    }
    if (r.end) {
      running.erase(f->transfer);
      ended(f->transfer);
      f->transfer = 0;
      transferDone(f, *r.end);
    }
  }

  void transferDone(std::shared_ptr<Fetch> f, TransferEnd& end) {
    f->bodyCut = end.bodyCut;
    if (f->bodyCut && f->responseDelivered) return finish(f);
    if (end.error) return fail(f, *end.error);
    switch (end.phase) {
      case TransferPhase::Redirect:
        // The head decided it; a body cut short does not matter.
        return followRedirect(f, end);
      case TransferPhase::Challenge:
        return answerChallenge(f, end);
      case TransferPhase::Head:
      case TransferPhase::Deliver:
        break;
    }
    if (end.rc == CURLE_OK) {
      if (!f->responseDelivered)
        return fail(f, {UrlError::kBadServerResponse, "The server returned no response head."});
      return finish(f);
    }
    if (isCertificateError(end.rc) && !f->trustAccepted && !f->responseDelivered)
      return answerTrust(f, end);
    fail(f, errorForCurl(end.rc, end.errorText.c_str()));
  }

  void followRedirect(std::shared_ptr<Fetch> f, const TransferEnd& end) {
    UrlResponse response = end.head.toResponse(f->current->url);
    UrlRequest proposed = redirectedRequest(*f->current, end.redirectTarget, response.statusCode);
    auto next = f->delegate->willSendRequest(*f->handle, proposed, &response);
    if (f->ended) return retire(f);
    if (!next) {
      f->ended = true;
      return retire(f);
    }
    // An address that redirects to itself would be asked again and again.
    f->selfRedirects = next->url == f->current->url ? f->selfRedirects + 1 : 0;
    if (next->selfRedirectLimit > 0 && f->selfRedirects > next->selfRedirectLimit)
      return fail(f, {UrlError::kHTTPTooManyRedirects, "too many redirects"});
    f->current = std::make_shared<const UrlRequest>(std::move(*next));
    // Credentials stay with the server they were given for.
    if (f->credentials && originOf(f->current->url) != f->credentialOrigin) f->credentials.reset();
    send(f);
  }

  static void describeServer(const std::string& url, AuthChallenge* challenge) {
    if (auto u = Url::parse(url)) {
      challenge->host = u->host();
      challenge->port = u->port().value_or(u->scheme() == "https" ? 443 : 80);
    }
  }

  void answerChallenge(std::shared_ptr<Fetch> f, TransferEnd& end) {
    AuthChallenge challenge;
    challenge.method = authMethodFor(end.head.authenticateValues(), &challenge.realm);
    describeServer(f->current->url, &challenge);
    challenge.previousFailureCount = f->credentialAnswers;
    challenge.failureResponse = end.head.toResponse(f->current->url);
    bool answer = f->delegate->canAuthenticateAgainst(*f->handle, challenge.method);
    if (f->ended) return retire(f);
    if (!answer) return deliverHeld(f, end);
    ChallengeAnswer a = f->delegate->didReceiveChallenge(*f->handle, challenge);
    if (f->ended) return retire(f);
    switch (a.disposition) {
      case ChallengeDisposition::UseCredential:
        ++f->credentialAnswers;
        f->credentials.emplace(a.user, a.password);
        f->authScheme = curlAuthFor(challenge.method);
        f->credentialOrigin = originOf(f->current->url);
        return send(f);
      case ChallengeDisposition::ContinueWithoutCredential:
        return deliverHeld(f, end);
      case ChallengeDisposition::Cancel:
        return fail(f, {UrlError::kCancelled, "cancelled"});
    }
  }

  // A 401 nobody answers becomes the response, with the body held back so far.
  void deliverHeld(std::shared_ptr<Fetch> f, TransferEnd& end) {
    f->responseDelivered = true;
    f->delegate->didReceiveResponse(*f->handle, end.head.toResponse(f->current->url));
    if (f->ended) return retire(f);
    if (!end.held.empty()) {
      std::string body = std::move(end.held);
      f->delegate->didReceiveData(*f->handle, body);
      if (f->ended) return retire(f);
    }
    if (end.heldOverflow)
      return fail(f, {UrlError::kDataLengthExceedsMaximum,
                      "The body of the authentication response is too large."});
    if (end.rc != CURLE_OK) return fail(f, errorForCurl(end.rc, end.errorText.c_str()));
    finish(f);
  }

  void answerTrust(std::shared_ptr<Fetch> f, const TransferEnd& end) {
    UrlError failure = errorForCurl(end.rc, end.errorText.c_str());
    failure.code = UrlError::kSecureConnectionFailed;
    const std::string why = !end.errorText.empty() ? end.errorText : curl_easy_strerror(end.rc);
    noteFailedCertificate(f->current->url, why);
    const bool answers = f->delegate->canAuthenticateAgainst(*f->handle, AuthMethod::ServerTrust);
    if (f->ended) return retire(f);
    if (!answers) return fail(f, failure);
    if (challengeTrust(f, why, failure)) send(f);
  }

  // The server-trust challenge; true when the delegate accepts the certificate
  // (the fetch goes on unchecked), else the fetch has ended.
  bool challengeTrust(const std::shared_ptr<Fetch>& f, const std::string& why,
                      const UrlError& failure) {
    AuthChallenge challenge;
    challenge.method = AuthMethod::ServerTrust;
    describeServer(f->current->url, &challenge);
    challenge.errorDescription = why;
    ChallengeAnswer a = f->delegate->didReceiveChallenge(*f->handle, challenge);
    if (f->ended) {
      retire(f);
      return false;
    }
    if (a.disposition == ChallengeDisposition::Cancel) {
      fail(f, failure);
      return false;
    }
    f->trustAccepted = true;
    return true;
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

  // The loader is going away: every fetch falls silent at once. The network
  // thread stops when the last reference to this object goes.
  void shutdown() {
    for (const auto& f : fetches) {
      f->ended = f->cancelled = true;
      f->transfer = 0;
      f->loader.reset();
    }
    fetches.clear();
    running.clear();
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
  impl_->startThreads();
}

CurlUrlLoader::~CurlUrlLoader() {
  if (impl_) impl_->shutdown();
  impl_.reset();
}

std::unique_ptr<UrlConnection> CurlUrlLoader::start(UrlRequest request,
                                                    UrlConnectionDelegate* delegate) {
  return impl_->start(std::move(request), delegate);
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
    setup.verifyPeer = !req.acceptAnyCertificate;
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
    if (isCertificateError(rc))
      impl_->noteFailedCertificate(req.url, errorBuffer[0] ? errorBuffer : curl_easy_strerror(rc));
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

std::vector<HttpCookie> CurlUrlLoader::storedCookies() const { return impl_->cookies.cookies(); }

void CurlUrlLoader::addCookies(const std::vector<HttpCookie>& cookies) {
  impl_->cookies.add(cookies);
}

}  // namespace zel
