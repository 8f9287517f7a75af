#include "render/page_renderer.h"

#include <unordered_map>

#include "parser/entities.h"
#include "platform/log.h"
#include "platform/text_format.h"
#include "render/web_view_recycler.h"

namespace zel {

std::string normalizedLoadAddress(const std::string& address) {
  const bool hasScheme = address.find("://") != std::string::npos;
  if (address.size() >= 7 && hasScheme) return address;
  if ((!hasScheme && address.size() < 9) || address.size() < 7) return "http://" + address;
  if (address.rfind("/Volum", 0) == 0 || address.rfind("/Users", 0) == 0 ||
      address.rfind("/Library", 0) == 0) {
    std::string path = unescapeEntities(address);
    std::string out = "file://";
    for (char c : path) {
      if (c == ' ')
        out += "%20";
      else
        out += c;
    }
    return out;
  }
  return "http://" + address;
}

PageRenderer::PageRenderer(const Platform& platform, ZelRendererOwner* owner)
    : platform_(platform), owner_(owner) {}

PageRenderer::PageRenderer(const Platform& platform, const UrlRequest& request,
                           ZelRendererOwner* owner, RenderAuditRequest audits)
    : PageRenderer(platform, owner) {
  // The engine's loader keeps no URL cache, so there is none to empty here.
  Log& log = *platform_.log;
  ZEL_LOG(log, 0, "web thumb getter initing from request " + request.url);
  WebViewConfiguration fresh;
  fresh.width = 500;
  fresh.height = 350;
  // Cookies live in the crawl's store, not in the browser: a page sees those
  // the crawl holds, and what it sets goes back there (or nowhere when the crawl
  // keeps none).
  fresh.ownCookieJar = true;
  // Audits run scripts of their own in every page; a view used again has them
  // compiled already (its cookies and site data are cleared between pages).
  auditRequest_ = std::move(audits);
  reusesView_ = auditRequest_.audits.any();
  WebViewRecycler& recycler = WebViewRecycler::sharedWebViewRecycler();
  webview_ =
      reusesView_ ? recycler.reusableWebView(fresh, &viewUses_) : recycler.makeWebView(fresh);
  if (webview_) webview_->setNavigationDelegate(this);
  if (webview_) {
    PageAuditor::prepare(*webview_, auditRequest_.audits, auditRequest_.throttling);
    if (auditRequest_.audits.any()) {
      auditor_ = std::make_unique<PageAuditor>(*webview_, auditRequest_.audits,
                                               auditRequest_.throttling.any());
      auditsReported_ = false;
    }
  }
  thisUrl_ = request.url;
  hasResponded_ = false;
  ZEL_LOG(log, 0, "WKWebView inited, loading request for " + thisUrl_);
  startLoading(request);
  std::weak_ptr<bool> alive = alive_;
  timers_.push_back(platform_.runLoop->postAfter(request.timeoutSeconds, [this, alive] {
    if (alive.lock()) haveWeTimedOut();
  }));
  // A page still loading at the time-out would keep its record waiting for ever.
  timers_.push_back(platform_.runLoop->postAfter(2 * request.timeoutSeconds + 1, [this, alive] {
    if (alive.lock()) giveUp();
  }));
}

void PageRenderer::giveUp() {
  if (hasResponded_) return;
  ZEL_LOG(*platform_.log, 1, thisUrl_ + " is still loading; rendering given up");
  timedOut_ = true;
  reportAudits(RenderedFacts{true, {}, {}, {}});
  hasResponded_ = true;
  if (webview_) webview_->stopLoading();
  askOwnerToClear();
}

void PageRenderer::askOwnerToClear() {
  std::weak_ptr<bool> alive = alive_;
  ZelRendererOwner* owner = owner_;
  platform_.runLoop->post([owner, alive] {
    if (alive.lock()) owner->clearWTG();
  });
}

std::unique_ptr<PageRenderer> PageRenderer::loadURL(const Platform& platform,
                                                    const std::string& address,
                                                    ZelRendererOwner* owner) {
  std::unique_ptr<PageRenderer> r(new PageRenderer(platform, owner));
  UrlRequest plain;
  plain.url = normalizedLoadAddress(address);
  r->thisUrl_ = plain.url;
  r->observesProgress_ = true;
  r->webview_ = WebViewRecycler::sharedWebViewRecycler().makeWebView({});
  if (r->webview_) r->webview_->setNavigationDelegate(r.get());
  r->startLoading(plain);
  return r;
}

void PageRenderer::startLoading(const UrlRequest& request) {
  if (webview_) {
    // The view's jar starts with the crawl's cookies, so that a page behind a
    // login renders as the crawl fetched it.
    keepsCookies_ = request.handleCookies && platform_.loader;
    if (keepsCookies_) {
      given_ = platform_.loader->storedCookies();
      webview_->setCookies(given_);
    }
    webview_->load(request);
    return;
  }
  // No browser: the load fails as a page that cannot be reached would, on a later turn.
  std::weak_ptr<bool> alive = alive_;
  platform_.runLoop->post([this, alive] {
    if (alive.lock()) webViewActuallyFinished();
  });
}

PageRenderer::~PageRenderer() {
  *alive_ = false;
  for (RunLoop::TimerId t : timers_) platform_.runLoop->cancelTimer(t);
  if (!webview_) return;
  webview_->setNavigationDelegate(nullptr);
  // Only a page that ended as it should: one that timed out may still be running.
  if (reusesView_ && hasResponded_ && !timedOut_ && !auditing_ && !webview_->isLoading())
    WebViewRecycler::sharedWebViewRecycler().keepForReuse(std::move(webview_), viewUses_);
}

void PageRenderer::webViewDidFinishNavigation(WebView&) {
  ZEL_LOG(*platform_.log, 2, "didFinishNavigation for " + thisUrl_);
  const double settle = platform_.defaults->doubleForKey("jsRenderingTime");
  std::weak_ptr<bool> alive = alive_;
  timers_.push_back(platform_.runLoop->postAfter(settle, [this, alive] {
    if (!alive.lock()) return;
    settled_ = true;
    webViewActuallyFinished();
  }));
}

void PageRenderer::webViewDidFailNavigation(WebView&, const std::string& error) {
  ZEL_LOG(*platform_.log, 4, "WKWebView did Fail Navigation for " + thisUrl_ + ": " + error);
  webViewActuallyFinished();
}

void PageRenderer::webViewDidFailProvisionalNavigation(WebView&, const std::string& error) {
  ZEL_LOG(*platform_.log, 4,
          "WKWebView did Fail Provisional Navigation for " + thisUrl_ + ": " + error);
  webViewActuallyFinished();
}

void PageRenderer::webViewDidReceiveServerRedirectForProvisionalNavigation(WebView&) {
  ZEL_LOG(*platform_.log, 2, "WKWebView for " + thisUrl_ + " did receive redirect");
}

void PageRenderer::webViewDecidePolicyForNavigationResponse(WebView&, const std::string& url,
                                                            bool isHTTP) {
  if (isHTTP)
    ZEL_LOG(*platform_.log, 2, "decidePolicyForNavigationResponse from " + thisUrl_ + " to " + url);
}

void PageRenderer::webViewWebContentProcessDidTerminate(WebView&) { webViewActuallyFinished(); }

void PageRenderer::webViewDidChangeEstimatedProgress(WebView&, double) {
  if (observesProgress_) platform_.log->always("observeValueForKeyPath: estimatedProgress");
}

void PageRenderer::webViewActuallyFinished() {
  Log& log = *platform_.log;
  if (webview_ && webview_->isLoading()) {
    log.always("thumbgetter isloading");
    return;
  }
  if (hasResponded_) {
    log.always("thumbgetter has another finish message after responding");
    return;
  }
  if (auditor_) {
    if (!auditsReported_) {
      // Measured only on a page that settled in time; a time-out ends the measuring.
      if (settled_ && !timedOut_ && !auditing_) {
        auditing_ = true;
        std::weak_ptr<bool> alive = alive_;
        auditor_->run([this, alive](RenderedFacts facts) {
          if (!alive.lock()) return;
          auditing_ = false;
          reportAudits(std::move(facts));
          webViewActuallyFinished();
        });
        return;
      }
      if (auditing_ && !timedOut_) return;  // the audits' end goes on
      reportAudits(timedOut_ ? std::optional<RenderedFacts>(RenderedFacts{true, {}, {}, {}})
                             : std::nullopt);
    }
    // The page is read once, however many finish messages come meanwhile.
    if (reading_) return;
    reading_ = true;
  }
  returnWhatHTMLWeHave();
  platform_.defaults->setObject("WebKitCacheModelPreferenceKey", 0);
}

void PageRenderer::returnWhatHTMLWeHave() {
  Log& log = *platform_.log;
  log.always(thisUrl_ + " returnwhathtmlwehave");
  if (!webview_) {
    log.always("**** exception during evaluateJavaScript " + thisUrl_);
    return;
  }
  std::weak_ptr<bool> alive = alive_;
  // The page and its cookies are read side by side; the page goes to the owner
  // once both are in, so that the next requests to the site carry the cookies.
  struct ReadBack {
    bool pageIn = false, cookiesIn = false;
    std::optional<std::string> html;
  };
  auto back = std::make_shared<ReadBack>();
  back->cookiesIn = !keepsCookies_;
  auto both = [this, alive, back] {
    if (!back->pageIn || !back->cookiesIn) return;
    if (back->html && !back->html->empty() && !deliver(*back->html, alive)) return;
    hasResponded_ = true;
  };
  webview_->evaluateJavaScript(
      kOuterHTMLScript,
      [this, alive, back, both](const Status& s, std::optional<std::string> result) {
        if (!alive.lock()) return;
        Log& log = *platform_.log;
        if (!s.ok()) {
          ZEL_LOG(log, 1, "evaluateJavaScript error : " + s.message());
        } else if (result) {
          ZEL_LOG(log, 4, strf("returning html string, length %ld", static_cast<long>(result->size())));
          back->html = std::move(result);
        }
        back->pageIn = true;
        both();
      });
  if (keepsCookies_)
    webview_->getCookies([this, alive, back, both](const Status& s, std::vector<HttpCookie> jar) {
      if (!alive.lock()) return;
      if (s.ok())
        keepCookiesOfThePage(jar);
      else
        ZEL_LOG(*platform_.log, 1, "the page's cookies could not be read: " + s.message());
      back->cookiesIn = true;
      both();
    });
}

bool PageRenderer::deliver(const std::string& html, const std::weak_ptr<bool>& alive) {
  // Strings are UTF-8 already: its bytes are the encoding.
  ZEL_LOG(*platform_.log, 4,
          strf("returning html string, length %ld, data length %ld", static_cast<long>(html.size()),
               static_cast<long>(html.size())));
  owner_->connection(nullptr, html);
  if (!alive.lock()) return false;
  owner_->connectionDidFinishLoading(nullptr);
  return static_cast<bool>(alive.lock());
}

void PageRenderer::keepCookiesOfThePage(const std::vector<HttpCookie>& jar) {
  // A cookie is one of a name, domain and path; what the view was given comes back unchanged.
  auto key = [](const HttpCookie& c) {
    return c.name + '\t' + (c.hostOnly ? "" : ".") + c.domain + '\t' + c.path;
  };
  std::unordered_map<std::string, const HttpCookie*> given;
  for (const HttpCookie& g : given_) given.emplace(key(g), &g);
  std::vector<HttpCookie> changed;
  for (const HttpCookie& c : jar) {
    auto it = given.find(key(c));
    const HttpCookie* g = it == given.end() ? nullptr : it->second;
    if (!g || g->value != c.value || g->expires != c.expires || g->secure != c.secure ||
        g->httpOnly != c.httpOnly)
      changed.push_back(c);
  }
  if (changed.empty()) return;
  ZEL_LOG(*platform_.log, 2,
          strf("%ld cookies set while rendering %s", static_cast<long>(changed.size()),
               thisUrl_.c_str()));
  platform_.loader->addCookies(changed);
}

void PageRenderer::reportAudits(std::optional<RenderedFacts> facts) {
  if (auditsReported_) return;
  auditsReported_ = true;
  if (facts && auditRequest_.done) auditRequest_.done(std::move(*facts));
}

void PageRenderer::haveWeTimedOut() {
  if (hasResponded_) {
    askOwnerToClear();
    return;
  }
  ZEL_LOG(*platform_.log, 1, thisUrl_ + " has timed out");
  timedOut_ = true;
  webViewActuallyFinished();
}

void PageRenderer::stopLoading() {
  if (!webview_) return;
  webview_->stopLoading();
  webview_->removeCachedData();
}

}  // namespace zel
