#include "render/web_thumb_getter.h"

#include "platform/file_system.h"
#include "platform/log.h"
#include "platform/picture.h"
#include "platform/text_format.h"
#include "render/page_renderer.h"
#include "render/web_view_recycler.h"

namespace zel {

WebThumbGetter::WebThumbGetter(const Platform& platform, const UrlRequest& request,
                               ZelRendererOwner* owner)
    : platform_(platform), thisUrl_(request.url), owner_(owner) {
  webview_ = newFrame();
  std::weak_ptr<bool> alive = alive_;
  if (webview_) {
    webview_->load(request);
  } else {
    platform_.runLoop->post([this, alive] {
      if (alive.lock()) webViewActuallyFinished();
    });
  }
  timers_.push_back(platform_.runLoop->postAfter(request.timeoutSeconds, [this, alive] {
    if (alive.lock()) haveWeTimedOut();
  }));
}

WebThumbGetter::WebThumbGetter(const Platform& platform, const std::string& address,
                               std::string location, ThumbnailOwner* owner)
    : platform_(platform),
      thisUrl_(normalizedLoadAddress(address)),
      location_(std::move(location)),
      thumbnailOwner_(owner) {}

WebThumbGetter::~WebThumbGetter() {
  *alive_ = false;
  for (RunLoop::TimerId t : timers_) platform_.runLoop->cancelTimer(t);
  if (webview_) webview_->setNavigationDelegate(nullptr);
}

std::unique_ptr<WebView> WebThumbGetter::newFrame() {
  WebViewConfiguration c;
  c.width = kFrameWidth;
  c.height = kFrameHeight;
  std::unique_ptr<WebView> view = WebViewRecycler::sharedWebViewRecycler().makeWebView(c);
  if (view) view->setNavigationDelegate(this);
  return view;
}

void WebThumbGetter::getImage() {
  webview_ = newFrame();
  if (!webview_) {
    const Status why = WebViewRecycler::sharedWebViewRecycler().status();
    thumbnailFailed(why.ok() ? "no web view could be made" : why.message());
    return;
  }
  status_ = Status::Error("the page is still loading");
  UrlRequest plain;
  plain.url = thisUrl_;
  webview_->load(plain);
}

void WebThumbGetter::thumbnailFailed(const std::string& why) {
  status_ = Status::Error(why);
  std::weak_ptr<bool> alive = alive_;
  platform_.runLoop->post([this, alive] {
    if (alive.lock() && thumbnailOwner_) thumbnailOwner_->reloadData();
  });
}

void WebThumbGetter::webViewDecidePolicyForNavigationResponse(WebView&, const std::string&, bool) {
  ++webViewLoads_;  // the page is committed
}

void WebThumbGetter::webViewDidFailNavigation(WebView&, const std::string& error) {
  --webViewLoads_;
  if (location_) thumbnailFailed("the page could not be loaded: " + error);
}

void WebThumbGetter::webViewDidFailProvisionalNavigation(WebView&, const std::string& error) {
  if (location_) thumbnailFailed("the page could not be loaded: " + error);
}

void WebThumbGetter::webViewWebContentProcessDidTerminate(WebView&) {
  --webViewLoads_;
  if (location_) thumbnailFailed("the browser went away while loading the page");
}

void WebThumbGetter::webViewWillPerformClientRedirect(WebView&, const std::string& url,
                                                      double delaySeconds) {
  platform_.log->always(strf("*** web thumb getter redirecting from %s to %s, delay is %.2f",
                             thisUrl_.c_str(), url.c_str(), delaySeconds));
  if (owner_ && delaySeconds < kKeepAliveRedirectSeconds &&
      url.find("KeepAlive") != std::string::npos)
    owner_->WTGWillPerformRedirectToURL(url);
}

void WebThumbGetter::webViewDidFinishNavigation(WebView&) {
  if (location_) {
    writeThumbnail();
    return;
  }
  std::weak_ptr<bool> alive = alive_;
  timers_.push_back(platform_.runLoop->postAfter(kSettleSeconds, [this, alive] {
    if (alive.lock()) webViewActuallyFinished();
  }));
}

void WebThumbGetter::writeThumbnail() {
  std::weak_ptr<bool> alive = alive_;
  webview_->takeSnapshot([this, alive](const Status& s, std::string png) {
    if (!alive.lock()) return;
    if (!s.ok()) return thumbnailFailed("no picture of the page: " + s.message());
    std::optional<Picture> picture = scaledPicture(png, kThumbWidth, kThumbHeight);
    if (!picture) return thumbnailFailed("the browser's picture could not be read");
    // PNG unless the name asks for TIFF: PNG is what people and browsers open.
    const std::string bytes = encodePictureForFile(*picture, *location_);
    status_ = bytes.empty() ? Status::Error("the picture could not be encoded")
                            : platform_.fileSystem->writeFileAtomically(*location_, bytes);
    if (thumbnailOwner_) thumbnailOwner_->reloadData();
  });
}

void WebThumbGetter::outerHTML(std::function<void(std::string)> then) {
  if (!webview_) return then("");
  std::weak_ptr<bool> alive = alive_;
  webview_->evaluateJavaScript(
      PageRenderer::kOuterHTMLScript,
      [alive, then = std::move(then)](const Status& s, std::optional<std::string> html) {
        if (alive.lock()) then(s.ok() && html ? *html : "");
      });
}

void WebThumbGetter::deliver(const std::string& html) {
  std::weak_ptr<bool> alive = alive_;
  if (!html.empty()) owner_->connection(nullptr, html);
  if (alive.lock()) owner_->connectionDidFinishLoading(nullptr);
}

void WebThumbGetter::webViewActuallyFinished() {
  --webViewLoads_;
  if (webViewLoads_ >= 1 || (webview_ && webview_->isLoading()) || hasResponded_) return;
  hasResponded_ = true;
  // Read on a later turn: a time-out meanwhile must not answer a second time.
  outerHTML([this](std::string html) { deliver(html); });
}

void WebThumbGetter::haveWeTimedOut() {
  if (hasResponded_) {
    std::weak_ptr<bool> alive = alive_;
    ZelRendererOwner* owner = owner_;
    platform_.runLoop->post([owner, alive] {
      if (alive.lock()) owner->clearWTG();
    });
    return;
  }
  ZEL_LOG(*platform_.log, 1, thisUrl_ + " has timed out");
  hasResponded_ = true;
  outerHTML([this](std::string html) {
    if (!html.empty()) ZEL_LOG(*platform_.log, 1, "** but we do have some html. Returning it");
    deliver(html);
  });
}

void WebThumbGetter::stopLoading() {
  if (!webview_) return;
  webview_->loadHTMLString("");  // the page's memory goes before the view waits in the pool
  webview_->stopLoading();
  webview_->setNavigationDelegate(nullptr);
  webview_->removeCachedData();
  WebViewRecycler::sharedWebViewRecycler().recycle(std::move(webview_));
}

}  // namespace zel
