#include "platform/chromium_web_view.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>

namespace zel {

namespace {

// A script or a picture that takes longer than this is a page gone wrong.
constexpr double kCommandTimeout = 30.0;
// The load's progress as far as the browser tells: asked for, document read.
constexpr double kProgressStarted = 0.1, kProgressDocumentRead = 0.5;
// A page's requests followed at once, and the length of a message or address kept.
constexpr size_t kMostRequestsFollowed = 20000, kMostKeptText = 300;

std::string encodeBase64(std::string_view in) {
  static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((in.size() + 2) / 3 * 4);
  for (size_t i = 0; i < in.size(); i += 3) {
    const size_t n = std::min<size_t>(3, in.size() - i);
    uint32_t v = 0;
    for (size_t k = 0; k < 3; ++k)
      v = (v << 8) | (k < n ? static_cast<unsigned char>(in[i + k]) : 0);
    for (size_t k = 0; k < 4; ++k) out += k <= n ? digits[(v >> (18 - 6 * k)) & 63] : '=';
  }
  return out;
}

std::string decodeBase64(std::string_view in) {
  static const std::array<int8_t, 256> table = [] {
    std::array<int8_t, 256> t{};
    t.fill(-1);
    const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (int i = 0; i < 64; ++i) t[static_cast<unsigned char>(digits[i])] = static_cast<int8_t>(i);
    return t;
  }();
  std::string out;
  out.reserve(in.size() / 4 * 3);
  uint32_t bits = 0;
  int count = 0;
  for (unsigned char c : in) {
    const int v = table[c];
    if (v < 0) continue;  // padding and line breaks
    bits = (bits << 6) | static_cast<uint32_t>(v);
    if (++count == 4) {
      out += static_cast<char>((bits >> 16) & 0xff);
      out += static_cast<char>((bits >> 8) & 0xff);
      out += static_cast<char>(bits & 0xff);
      bits = 0;
      count = 0;
    }
  }
  if (count == 3) {
    out += static_cast<char>((bits >> 10) & 0xff);
    out += static_cast<char>((bits >> 2) & 0xff);
  } else if (count == 2) {
    out += static_cast<char>((bits >> 4) & 0xff);
  }
  return out;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  return true;
}

// Headers the browser sets itself, or that would not mean the same thing on its connection.
bool browserOwnsHeader(std::string_view name) {
  for (std::string_view own : {"user-agent", "content-length", "accept-encoding", "host",
                               "connection", "cookie"})
    if (name.size() == own.size() && startsWithNoCase(name, own)) return true;
  return false;
}

// The browser's form of each cookie. A host-only cookie is given by address,
// which keeps it to that host; a domain cookie by its domain with a leading dot.
Json cookieParams(const std::vector<HttpCookie>& cookies) {
  Json out = Json::array();
  for (const HttpCookie& c : cookies) {
    Json p = {{"name", c.name},
              {"value", c.value},
              {"path", c.path},
              {"secure", c.secure},
              {"httpOnly", c.httpOnly}};
    // An IPv6 host goes in brackets, or the address would not parse.
    const bool bare6 = c.domain.find(':') != std::string::npos && c.domain.front() != '[';
    const std::string host = bare6 ? "[" + c.domain + "]" : c.domain;
    if (c.hostOnly)
      p["url"] = std::string(c.secure ? "https://" : "http://") + host + c.path;
    else
      p["domain"] = "." + c.domain;
    if (c.expires > 0) p["expires"] = static_cast<double>(c.expires);
    out.push_back(std::move(p));
  }
  return out;
}

// The browser's cookies in the loader's form: a domain with a leading dot is
// sent to its subdomains too, one without only to that host.
std::vector<HttpCookie> cookiesOf(const Json& list) {
  std::vector<HttpCookie> out;
  if (!list.is_array()) return out;
  for (const Json& j : list) {
    if (!j.is_object()) continue;
    HttpCookie c;
    c.name = j.value("name", "");
    c.value = j.value("value", "");
    std::string domain = j.value("domain", "");
    c.hostOnly = domain.empty() || domain.front() != '.';
    if (!c.hostOnly) domain.erase(0, 1);
    c.domain = domain;
    c.path = j.value("path", "/");
    c.secure = j.value("secure", false);
    c.httpOnly = j.value("httpOnly", false);
    const double expires = j.value("expires", -1.0);
    c.expires = j.value("session", false) || expires <= 0 ? 0 : static_cast<int64_t>(expires);
    if (!c.name.empty() && !c.domain.empty()) out.push_back(std::move(c));
  }
  return out;
}

// The scheme, host and port of an address, as the browser names an origin; "" when it has none.
std::string webOriginOf(const std::string& url) {
  const size_t scheme = url.find("://");
  if (scheme == std::string::npos || !startsWithNoCase(url, "http")) return {};
  size_t end = url.find_first_of("/?#", scheme + 3);
  if (end == std::string::npos) end = url.size();
  std::string authority = url.substr(scheme + 3, end - scheme - 3);
  if (const size_t at = authority.rfind('@'); at != std::string::npos) authority.erase(0, at + 1);
  return url.substr(0, scheme + 3) + authority;
}

}  // namespace

// ---- The pool: one browser ----------------------------------------------------------

ChromiumProcessPool::ChromiumProcessPool(RunLoop& loop) : loop_(loop), client_(loop) {}

ChromiumProcessPool::~ChromiumProcessPool() {
  for (ChromiumWebView* v : views_) v->pool_ = nullptr;
  client_.close(1.0);
}

std::shared_ptr<ChromiumProcessPool> ChromiumProcessPool::start(RunLoop& loop, Status* why,
                                                                const BrowserOptions& options) {
  std::shared_ptr<ChromiumProcessPool> pool(new ChromiumProcessPool(loop));
  if (Status s = pool->client_.start(options); !s.ok()) {
    if (why) *why = s;
    return nullptr;
  }
  std::weak_ptr<ChromiumProcessPool> weak = pool;
  pool->client_.onClosed([weak](const Status& s) {
    auto self = weak.lock();
    if (!self) return;
    self->closedWith_ = s.ok() ? Status::Error("the browser went away") : s;
    // Copied: a view may end while it hears the news.
    const std::set<ChromiumWebView*> views = self->views_;
    for (ChromiumWebView* v : views)
      if (self->views_.count(v)) v->terminated(self->closedWith_.message());
  });
  // Asked first, so that the answer is in before any page is attached.
  pool->client_.send("Browser.getVersion", Json::object(), [weak](const Status& s, const Json& r) {
    auto self = weak.lock();
    if (self && s.ok()) self->userAgent_ = r.value("userAgent", "");
  });
  if (why) *why = Status::Ok();
  return pool;
}

Status ChromiumProcessPool::status() const {
  if (client_.isOpen()) return Status::Ok();
  return closedWith_.ok() ? Status::Error("the browser is not running") : closedWith_;
}

std::unique_ptr<WebView> ChromiumProcessPool::makeWebView(const WebViewConfiguration& configuration) {
  if (!client_.isOpen()) return nullptr;
  WebViewConfiguration c = configuration;
  c.processPool = shared_from_this();
  return std::make_unique<ChromiumWebView>(shared_from_this(), std::move(c));
}

// ---- One view: one page target --------------------------------------------------------

ChromiumWebView::ChromiumWebView(std::shared_ptr<ChromiumProcessPool> pool,
                                 WebViewConfiguration configuration)
    : pool_(pool.get()), configuration_(std::move(configuration)) {
  pool_->views_.insert(this);
  if (!configuration_.ownCookieJar) {
    openPage();
    return;
  }
  // A context of its own: its cookies and storage go with it.
  std::weak_ptr<bool> alive = alive_;
  std::weak_ptr<ChromiumProcessPool> weakPool = pool;
  pool_->client_.send(
      "Target.createBrowserContext", Json::object(),
      [this, alive, weakPool](const Status& s, const Json& r) {
        const std::string context = r.value("browserContextId", "");
        if (!alive.lock()) {
          if (auto p = weakPool.lock(); p && !context.empty())
            p->client_.send("Target.disposeBrowserContext", {{"browserContextId", context}},
                            [](const Status&, const Json&) {});
          return;
        }
        if (!s.ok() || context.empty())
          return opened(Status::Error("no cookie jar of its own: " +
                                      (s.ok() ? std::string("no context") : s.message())),
                        "", "");
        context_ = context;
        openPage();
      });
}

void ChromiumWebView::openPage() {
  std::weak_ptr<bool> alive = alive_;
  std::weak_ptr<ChromiumProcessPool> weakPool = pool_->shared_from_this();
  const std::string context = context_;
  pool_->client_.openPage(
      [this, alive, weakPool, context](const Status& s, const std::string& session,
                                       const std::string& target) {
        if (alive.lock()) {
          opened(s, session, target);
        } else if (auto p = weakPool.lock(); p && s.ok()) {
          // The view ended before its page arrived: the page must not outlive it.
          if (context.empty())
            p->client_.send("Target.closeTarget", {{"targetId", target}},
                            [](const Status&, const Json&) {});
        }
      },
      context_);
}

ChromiumWebView::~ChromiumWebView() {
  *alive_ = false;
  if (!pool_) return;
  for (auto id : handlers_) pool_->client_.off(id);
  pool_->views_.erase(this);
  // A context of its own goes with its page and cookies; a shared one keeps them.
  if (!context_.empty())
    pool_->client_.send("Target.disposeBrowserContext", {{"browserContextId", context_}},
                        [](const Status&, const Json&) {});
  else if (!target_.empty())
    pool_->client_.send("Target.closeTarget", {{"targetId", target_}},
                        [](const Status&, const Json&) {});
  // The pool is kept alive by the configuration until here; it may end now.
}

void ChromiumWebView::opened(const Status& s, const std::string& session, const std::string& target) {
  if (!s.ok()) {
    phase_ = Phase::Broken;
    brokenWhy_ = "no page could be opened: " + s.message();
  } else {
    phase_ = Phase::Open;
    session_ = session;
    target_ = target;
    listen();
    const DevToolsClient::Reply ignore = [](const Status&, const Json&) {};
    sendToPage("Page.enable", Json::object(), ignore);
    sendToPage("Network.enable", Json::object(), ignore);
    sendToPage("Inspector.enable", Json::object(), ignore);
    sendToPage("Emulation.setDeviceMetricsOverride",
               {{"width", configuration_.width},
                {"height", configuration_.height},
                {"deviceScaleFactor", 1},
                {"mobile", false}},
               ignore);
    if (!configuration_.applicationNameForUserAgent.empty() && !pool_->userAgent_.empty())
      sendToPage("Emulation.setUserAgentOverride",
                 {{"userAgent", pool_->userAgent_ + " " + configuration_.applicationNameForUserAgent}},
                 ignore);
  }
  auto waiting = std::move(waiting_);
  waiting_.clear();
  std::weak_ptr<bool> alive = alive_;
  for (auto& [work, fail] : waiting) {
    if (!alive.lock()) return;
    if (phase_ == Phase::Open)
      work();
    else
      fail(Status::Error(brokenWhy_));
  }
}

void ChromiumWebView::later(std::function<void()> work) {
  std::weak_ptr<bool> alive = alive_;
  pool_->loop_.post([alive, work = std::move(work)] {
    if (alive.lock()) work();
  });
}

void ChromiumWebView::listen() {
  DevToolsClient& c = pool_->client_;
  listenToActivity();
  handlers_.push_back(c.on(
      "Page.domContentEventFired",
      [this](const Json&) {
        lastProgress_ = std::chrono::steady_clock::now();
        later([this] {
          if (loading_ && delegate_)
            delegate_->webViewDidChangeEstimatedProgress(*this, kProgressDocumentRead);
        });
      },
      session_));
  handlers_.push_back(
      c.on("Page.loadEventFired",
           [this](const Json&) {
             lastProgress_ = std::chrono::steady_clock::now();
             later([this] { finished(); });
           },
           session_));
  // The main frame stopping also ends a load whose load event was not seen.
  handlers_.push_back(c.on(
      "Page.frameStoppedLoading",
      [this](const Json& p) {
        if (p.value("frameId", "") == target_) later([this] { finished(); });
      },
      session_));
  // Requests held while a form is sent: the page's own one goes out with the
  // request's method and body, every other one unchanged.
  handlers_.push_back(c.on(
      "Fetch.requestPaused",
      [this](const Json& p) {
        Json go = {{"requestId", p.value("requestId", "")}};
        bool sent = false;
        if (pendingPost_ && p.value("resourceType", "") == "Document" &&
            p.value("frameId", "") == target_) {
          go["method"] = pendingPost_->first;
          go["postData"] = encodeBase64(pendingPost_->second);
          pendingPost_.reset();
          sent = true;
        }
        sendToPage("Fetch.continueRequest", go, [](const Status&, const Json&) {});
        if (sent) sendToPage("Fetch.disable", Json::object(), [](const Status&, const Json&) {});
      },
      session_));
  // A meta refresh or a script sending the main frame elsewhere. The browser
  // says so when it schedules it, but not always (a refresh met while the page
  // is still being read); then the navigation's start tells, and the delay is
  // the time since the page last moved on (response, document read, loaded).
  handlers_.push_back(c.on(
      "Page.frameScheduledNavigation",
      [this](const Json& p) {
        if (p.value("frameId", "") == target_) clientRedirect(p.value("url", ""), p.value("delay", 0.0));
      },
      session_));
  for (const char* started : {"Page.frameRequestedNavigation", "Page.frameStartedNavigating"})
    handlers_.push_back(c.on(
        started,
        [this](const Json& p) {
          if (p.value("frameId", "") != target_ ||
              p.value("navigationType", "differentDocument") != "differentDocument")
            return;
          // The first start after load() is the view's own navigation.
          if (ownNavigationPending_ && !p.contains("reason")) {
            ownNavigationPending_ = false;
            return;
          }
          if (!lastProgress_) return;
          clientRedirect(p.value("url", ""),
                         redirectDelay(p.value("reason", ""),
                                       std::chrono::duration<double>(
                                           std::chrono::steady_clock::now() - *lastProgress_)
                                           .count()));
        },
        session_));
  handlers_.push_back(c.on(
      "Network.requestWillBeSent",
      [this](const Json& p) {
        if (p.value("type", "") == "Document" && p.value("frameId", "") == target_ &&
            p.contains("redirectResponse"))
          later([this] {
            if (loading_ && delegate_)
              delegate_->webViewDidReceiveServerRedirectForProvisionalNavigation(*this);
          });
      },
      session_));
  handlers_.push_back(c.on(
      "Network.responseReceived",
      [this](const Json& p) {
        // A page target's main frame has the target's id.
        if (p.value("type", "") != "Document" || p.value("frameId", "") != target_) return;
        lastProgress_ = std::chrono::steady_clock::now();
        const std::string url = p.contains("response") ? p["response"].value("url", "") : "";
        if (const std::string origin = webOriginOf(url); !origin.empty() && origins_.size() < 64)
          origins_.insert(origin);
        later([this, url] {
          if (delegate_)
            delegate_->webViewDecidePolicyForNavigationResponse(*this, url,
                                                                startsWithNoCase(url, "http"));
        });
      },
      session_));
  handlers_.push_back(c.on(
      "Inspector.targetCrashed",
      [this](const Json&) { later([this] { terminated("the page crashed"); }); },
      session_));
  handlers_.push_back(c.on("Target.detachedFromTarget", [this](const Json& p) {
    if (p.value("sessionId", "") == session_) later([this] { terminated("the page was closed"); });
  }));
}

double ChromiumWebView::redirectDelay(const std::string& reason, double measuredSeconds) {
  // A refresh's delay is declared in whole seconds and counts from the load
  // event; what the measure adds on top is the browser's own lag, which on a
  // busy machine passes a tenth of a second. A start with no reason given is
  // taken as a refresh when it comes that soon after a whole second.
  constexpr double kBrowserLagSeconds = 0.25;
  if (reason == "metaTagRefresh" || reason == "httpHeaderRefresh")
    return std::round(measuredSeconds);
  const double whole = std::floor(measuredSeconds);
  if (reason.empty() && measuredSeconds - whole < kBrowserLagSeconds) return whole;
  return measuredSeconds;
}

void ChromiumWebView::clientRedirect(const std::string& url, double delaySeconds) {
  if (url.empty() || !reportedRedirects_.insert(url).second) return;  // told once a load
  later([this, url, delaySeconds] {
    if (delegate_) delegate_->webViewWillPerformClientRedirect(*this, url, delaySeconds);
  });
}

void ChromiumWebView::finished() {
  // The blank page a view opens on may finish loading meanwhile: not the load asked for.
  if (!loading_ || !navigationSent_) return;
  loading_ = false;
  if (!delegate_) return;
  std::weak_ptr<bool> alive = alive_;
  delegate_->webViewDidChangeEstimatedProgress(*this, 1.0);
  if (alive.lock() && delegate_) delegate_->webViewDidFinishNavigation(*this);
}

void ChromiumWebView::terminated(const std::string& why) {
  if (terminated_) return;
  terminated_ = true;
  loading_ = false;
  phase_ = Phase::Broken;
  brokenWhy_ = why;
  if (delegate_) delegate_->webViewWebContentProcessDidTerminate(*this);
}

void ChromiumWebView::whenOpen(std::function<void()> work, std::function<void(const Status&)> fail) {
  if (phase_ == Phase::Open) {
    work();
  } else if (phase_ == Phase::Opening && pool_) {
    waiting_.emplace_back(std::move(work), std::move(fail));
  } else {
    failLater(std::move(fail));
  }
}

void ChromiumWebView::failLater(std::function<void(const Status&)> fail) {
  const Status why = Status::Error(brokenWhy_.empty() ? "the browser is not running" : brokenWhy_);
  std::weak_ptr<bool> alive = alive_;
  // pool_ is set for the view's whole life: its configuration keeps the pool.
  pool_->loop_.post([alive, fail = std::move(fail), why] {
    if (alive.lock()) fail(why);
  });
}

void ChromiumWebView::sendToPage(const std::string& method, Json params, DevToolsClient::Reply done,
                                 double timeoutSeconds) {
  send(session_, method, std::move(params), std::move(done), timeoutSeconds);
}

void ChromiumWebView::sendToBrowser(const std::string& method, Json params,
                                    DevToolsClient::Reply done) {
  send("", method, std::move(params), std::move(done), DevToolsClient::kDefaultTimeout);
}

void ChromiumWebView::send(const std::string& session, const std::string& method, Json params,
                           DevToolsClient::Reply done, double timeoutSeconds) {
  if (!pool_ || phase_ != Phase::Open) {
    failLater([done = std::move(done)](const Status& s) { done(s, Json::object()); });
    return;
  }
  // Answers are handled on a later turn, outside the client's reading of the
  // pipe: what they start (a page's links read, a nested request) may turn the loop.
  std::weak_ptr<bool> alive = alive_;
  RunLoop* loop = &pool_->loop_;
  pool_->client_.send(
      method, std::move(params),
      [alive, loop, done = std::move(done)](const Status& s, const Json& r) {
        if (!alive.lock()) return;
        loop->post([alive, done, s, r] {
          if (alive.lock()) done(s, r);
        });
      },
      session, timeoutSeconds);
}

void ChromiumWebView::load(const UrlRequest& request) {
  loading_ = true;
  navigationSent_ = false;
  const uint64_t mine = ++navigation_;
  whenOpen(
      [this, request, mine] {
        if (mine != navigation_) return;
        // What the page is to be watched with is in place before it starts: a
        // command the browser has not answered may miss the page's new process.
        if (preparing_ > 0) {
          afterPreparing_ = [this, request, mine] {
            if (mine == navigation_) startLoad(request);
          };
          return;
        }
        startLoad(request);
      },
      [this, mine](const Status& s) {
        if (mine != navigation_ || !loading_) return;
        loading_ = false;
        if (delegate_) delegate_->webViewDidFailProvisionalNavigation(*this, s.message());
      });
}

void ChromiumWebView::prepared() {
  if (--preparing_ > 0 || !afterPreparing_) return;
  std::function<void()> go = std::move(afterPreparing_);
  afterPreparing_ = nullptr;
  go();
}

void ChromiumWebView::sendPreparation(const std::string& method, Json params) {
  ++preparing_;
  sendToPage(method, std::move(params), [this](const Status&, const Json&) { prepared(); });
}

void ChromiumWebView::startLoad(const UrlRequest& request) {
  const uint64_t mine = navigation_;
  {
        if (pendingCookies_.empty()) return navigate(request);
        // The cookies are in the jar before the navigation starts.
        sendToPage("Network.setCookies", {{"cookies", cookieParams(pendingCookies_)}},
                   [this, request, mine](const Status&, const Json&) {
                     if (mine == navigation_) navigate(request);
                   });
        pendingCookies_.clear();
  }
}

void ChromiumWebView::setCookies(const std::vector<HttpCookie>& cookies) {
  pendingCookies_ = cookies;
}

void ChromiumWebView::getCookies(CookiesDone done) {
  auto shared = std::make_shared<CookiesDone>(std::move(done));
  whenOpen(
      [this, shared] {
        Json params = Json::object();
        if (!context_.empty()) params["browserContextId"] = context_;
        sendToBrowser("Storage.getCookies", std::move(params),
                      [shared](const Status& s, const Json& r) {
                        if (!s.ok()) return (*shared)(s, {});
                        (*shared)(Status::Ok(), cookiesOf(r.value("cookies", Json::array())));
                      });
      },
      [shared](const Status& s) { (*shared)(s, {}); });
}

void ChromiumWebView::navigate(const UrlRequest& request) {
  const uint64_t mine = navigation_;
  Json headers = Json::object();
  for (const auto& [name, value] : request.headers)
    if (!browserOwnsHeader(name)) headers[name] = value;
  const DevToolsClient::Reply ignore = [](const Status&, const Json&) {};
  later([this, mine] {
    if (mine == navigation_ && loading_ && delegate_)
      delegate_->webViewDidChangeEstimatedProgress(*this, kProgressStarted);
  });
  sendToPage("Network.setExtraHTTPHeaders", {{"headers", headers}}, ignore);
  sendToPage("Network.setCacheDisabled", {{"cacheDisabled", true}}, ignore);
  // The browser navigates with GET; a form's method and body go in when its request is held.
  reportedRedirects_.clear();
  activity_ = WebViewActivity();
  requests_.clear();
  mainRequestId_.clear();
  lastProgress_.reset();
  ownNavigationPending_ = true;
  if (pendingPost_) sendToPage("Fetch.disable", Json::object(), ignore);
  pendingPost_.reset();
  if (request.method != "GET" && request.method != "HEAD") {
    pendingPost_.emplace(request.method, request.body);
    sendToPage("Fetch.enable",
               {{"patterns", Json::array({{{"urlPattern", "*"}, {"resourceType", "Document"}}})}},
               ignore);
  }
  navigationSent_ = true;
  sendToPage(
      "Page.navigate", {{"url", request.url}},
      [this, mine](const Status& s, const Json& r) {
        if (mine != navigation_ || !loading_) return;
        std::string error = s.ok() ? r.value("errorText", "") : s.message();
        if (error.empty()) return;  // committed (or on its way); the load event ends it
        loading_ = false;
        if (delegate_) delegate_->webViewDidFailProvisionalNavigation(*this, error);
      },
      request.timeoutSeconds > 0 ? request.timeoutSeconds : DevToolsClient::kDefaultTimeout);
}

void ChromiumWebView::loadHTMLString(const std::string& html) {
  ++navigation_;
  loading_ = false;
  whenOpen(
      [this, html] {
        sendToPage("Page.navigate", {{"url", "about:blank"}}, [this, html](const Status& s, const Json&) {
          if (s.ok() && !html.empty())
            sendToPage("Page.setDocumentContent", {{"frameId", target_}, {"html", html}},
                       [](const Status&, const Json&) {});
        });
      },
      [](const Status&) {});
}

void ChromiumWebView::stopLoading() {
  ++navigation_;
  if (!loading_) return;
  loading_ = false;
  sendToPage("Page.stopLoading", Json::object(), [](const Status&, const Json&) {});
}

void ChromiumWebView::evaluateJavaScript(const std::string& script, ScriptDone done) {
  evaluate(script, false, std::make_shared<ScriptDone>(std::move(done)));
}

void ChromiumWebView::evaluateAsyncJavaScript(const std::string& script, ScriptDone done) {
  evaluate(script, true, std::make_shared<ScriptDone>(std::move(done)));
}

void ChromiumWebView::evaluate(const std::string& script, bool awaitPromise,
                               std::shared_ptr<ScriptDone> shared, std::optional<int64_t> context) {
  whenOpen(
      [this, script, awaitPromise, shared, context] {
        Json params = {{"expression", script}, {"returnByValue", true}, {"awaitPromise", awaitPromise}};
        if (context) params["contextId"] = *context;
        sendToPage(
            "Runtime.evaluate", std::move(params),
            [shared](const Status& s, const Json& r) {
              if (!s.ok()) return (*shared)(s, std::nullopt);
              if (r.contains("exceptionDetails")) {
                const Json& e = r["exceptionDetails"];
                std::string text = e.value("text", "the script failed");
                if (e.contains("exception")) text = e["exception"].value("description", text);
                return (*shared)(Status::Error(text), std::nullopt);
              }
              const Json value = r.contains("result") ? r["result"].value("value", Json()) : Json();
              if (value.is_null()) return (*shared)(Status::Ok(), std::nullopt);
              (*shared)(Status::Ok(), value.is_string() ? value.get<std::string>() : value.dump());
            },
            kCommandTimeout);
      },
      [shared](const Status& s) { (*shared)(s, std::nullopt); });
}

void ChromiumWebView::evaluateAsyncJavaScriptInWorld(const std::string& world,
                                                     const std::string& script, ScriptDone done) {
  auto shared = std::make_shared<ScriptDone>(std::move(done));
  whenOpen(
      [this, world, script, shared] {
        // The world of that name in the document the main frame shows now: the one its
        // new-document script ran in, when it has one.
        sendToPage("Page.createIsolatedWorld", {{"frameId", target_}, {"worldName", world}},
                   [this, script, shared](const Status& s, const Json& r) {
                     const Json id = r.is_object() ? r.value("executionContextId", Json()) : Json();
                     if (!s.ok() || !id.is_number_integer())
                       return (*shared)(s.ok() ? Status::Error("no isolated world") : s, std::nullopt);
                     evaluate(script, true, shared, id.get<int64_t>());
                   });
      },
      [shared](const Status& s) { (*shared)(s, std::nullopt); });
}

void ChromiumWebView::addScriptOnNewDocument(const std::string& script) {
  if (!newDocumentScripts_.insert(script).second) return;
  whenOpen(
      [this, script] {
        sendPreparation("Page.addScriptToEvaluateOnNewDocument", {{"source", script}});
      },
      [](const Status&) {});
}

void ChromiumWebView::addScriptInWorldOnNewDocument(const std::string& world,
                                                   const std::string& script) {
  if (!worldsWithScripts_.insert(world).second) return;
  whenOpen(
      [this, world, script] {
        sendPreparation("Page.addScriptToEvaluateOnNewDocument",
                        {{"source", script}, {"worldName", world}});
      },
      [](const Status&) {});
}

void ChromiumWebView::watchActivity(bool on) {
  if (on == watching_) return;
  watching_ = on;
  // Console messages and exceptions are told only with the runtime's events on.
  whenOpen(
      [this, on] {
        sendPreparation(on ? "Runtime.enable" : "Runtime.disable", Json::object());
      },
      [](const Status&) {});
}

void ChromiumWebView::getMainResponseBody(ScriptDone done) {
  auto shared = std::make_shared<ScriptDone>(std::move(done));
  whenOpen(
      [this, shared] {
        if (mainRequestId_.empty())
          return failLater([shared](const Status&) {
            (*shared)(Status::Error("the page's response was not seen"), std::nullopt);
          });
        sendToPage("Network.getResponseBody", {{"requestId", mainRequestId_}},
                   [shared](const Status& s, const Json& r) {
                     if (!s.ok()) return (*shared)(s, std::nullopt);
                     std::string body = r.value("body", "");
                     if (r.value("base64Encoded", false)) body = decodeBase64(body);
                     (*shared)(Status::Ok(), std::move(body));
                   });
      },
      [shared](const Status& s) { (*shared)(s, std::nullopt); });
}

void ChromiumWebView::setThrottling(double latencyMs, double downloadKbps, double uploadKbps,
                                    double cpuSlowdown) {
  whenOpen(
      [=, this] {
        // The protocol counts throughput in bytes a second; -1 leaves it free.
        const auto bytesPerSecond = [](double kbps) { return kbps > 0 ? kbps * 1000 / 8 : -1.0; };
        if (latencyMs > 0 || downloadKbps > 0 || uploadKbps > 0)
          sendPreparation("Network.emulateNetworkConditions",
                          {{"offline", false},
                           {"latency", std::max(0.0, latencyMs)},
                           {"downloadThroughput", bytesPerSecond(downloadKbps)},
                           {"uploadThroughput", bytesPerSecond(uploadKbps)}});
        if (cpuSlowdown > 1) sendPreparation("Emulation.setCPUThrottlingRate", {{"rate", cpuSlowdown}});
      },
      [](const Status&) {});
}

bool ChromiumWebView::clearForReuse() {
  // Past the most origins kept, some could not be cleared.
  if (!pool_ || phase_ != Phase::Open || terminated_ || loading_ || origins_.size() >= 64)
    return false;
  // The next load waits for each: a service worker or a cookie left would change its page.
  // The session's storage is the tab's own and outlives the clearing of site data; the
  // blank page ends the old one's timers (the renderer stays).
  sendPreparation("Runtime.evaluate",
                  {{"expression", "try { sessionStorage.clear(); } catch (e) {}"}});
  sendPreparation("Page.navigate", {{"url", "about:blank"}});
  lastProgress_.reset();
  sendPreparation("Network.clearBrowserCookies", Json::object());
  // Page-speed figures are a first visit's: nothing comes from the last page's cache.
  sendPreparation("Network.clearBrowserCache", Json::object());
  for (const std::string& origin : origins_)
    sendPreparation("Storage.clearDataForOrigin", {{"origin", origin}, {"storageTypes", "all"}});
  origins_.clear();
  delegate_ = nullptr;
  return true;
}

void ChromiumWebView::noteFailed(const std::string& requestId, const std::string& fallbackUrl) {
  ++activity_.failedRequests;
  auto it = requests_.find(requestId);
  const std::string& url = it != requests_.end() ? it->second.second : fallbackUrl;
  if (activity_.failed.size() < WebViewActivity::kFewKept && !url.empty())
    activity_.failed.push_back(url.substr(0, kMostKeptText));
}

void ChromiumWebView::listenToActivity() {
  DevToolsClient& c = pool_->client_;
  handlers_.push_back(c.on(
      "Network.requestWillBeSent",
      [this](const Json& p) {
        if (!watching_) return;
        const std::string url = p.contains("request") ? p["request"].value("url", "") : "";
        if (startsWithNoCase(url, "data:")) return;
        std::string type = p.value("type", "Other");
        for (char& ch : type) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        auto& n = activity_.byType[type];
        ++n.count;  // each step of a redirect is a request of its own
        const std::string id = p.value("requestId", "");
        if (requests_.size() < kMostRequestsFollowed || requests_.count(id))
          requests_[id] = {std::move(type), url};
      },
      session_));
  handlers_.push_back(c.on(
      "Network.responseReceived",
      [this](const Json& p) {
        if (!watching_) return;
        const std::string id = p.value("requestId", "");
        if (p.value("type", "") == "Document" && p.value("frameId", "") == target_)
          mainRequestId_ = id;
        const Json& response = p.contains("response") ? p["response"] : Json::object();
        if (response.value("status", 0) >= 400) noteFailed(id, response.value("url", ""));
      },
      session_));
  handlers_.push_back(c.on(
      "Network.loadingFinished",
      [this](const Json& p) {
        if (!watching_) return;
        auto it = requests_.find(p.value("requestId", ""));
        const std::string type = it != requests_.end() ? it->second.first : "other";
        const double bytes = p.value("encodedDataLength", 0.0);
        if (bytes > 0) activity_.byType[type].bytes += static_cast<uint64_t>(bytes);
        if (it != requests_.end()) requests_.erase(it);
      },
      session_));
  handlers_.push_back(c.on(
      "Network.loadingFailed",
      [this](const Json& p) {
        if (!watching_) return;
        const std::string id = p.value("requestId", "");
        // Cancelled by the browser itself (a page left, a load stopped): not the site's fault.
        if (!p.value("canceled", false)) noteFailed(id, "");
        requests_.erase(id);
      },
      session_));
  const auto noteError = [this](std::string message) {
    ++activity_.consoleErrors;
    if (activity_.errors.size() < WebViewActivity::kFewKept)
      activity_.errors.push_back(message.substr(0, kMostKeptText));
  };
  handlers_.push_back(c.on(
      "Runtime.consoleAPICalled",
      [this, noteError](const Json& p) {
        if (!watching_ || p.value("type", "") != "error") return;
        std::string message = "console.error";
        if (p.contains("args") && p["args"].is_array() && !p["args"].empty()) {
          const Json& a = p["args"][0];
          message = a.contains("value") && a["value"].is_string() ? a["value"].get<std::string>()
                                                                 : a.value("description", message);
        }
        noteError(std::move(message));
      },
      session_));
  handlers_.push_back(c.on(
      "Runtime.exceptionThrown",
      [this, noteError](const Json& p) {
        if (!watching_ || !p.contains("exceptionDetails")) return;
        const Json& e = p["exceptionDetails"];
        std::string message = e.value("text", "uncaught exception");
        if (e.contains("exception") && e["exception"].is_object())
          message = e["exception"].value("description", message);
        noteError(std::move(message));
      },
      session_));
}

void ChromiumWebView::takeSnapshot(PictureDone done) {
  auto shared = std::make_shared<PictureDone>(std::move(done));
  whenOpen(
      [this, shared] {
        sendToPage(
            "Page.captureScreenshot",
            {{"format", "png"},
             {"clip",
              {{"x", 0},
               {"y", 0},
               {"width", configuration_.width},
               {"height", configuration_.height},
               {"scale", 1}}}},
            [shared](const Status& s, const Json& r) {
              if (!s.ok()) return (*shared)(s, "");
              std::string png = decodeBase64(r.value("data", ""));
              if (png.empty()) return (*shared)(Status::Error("the browser gave no picture"), "");
              (*shared)(Status::Ok(), std::move(png));
            },
            kCommandTimeout);
      },
      [shared](const Status& s) { (*shared)(s, ""); });
}

void ChromiumWebView::removeCachedData() {
  sendToPage("Network.clearBrowserCache", Json::object(), [](const Status&, const Json&) {});
}

}  // namespace zel
