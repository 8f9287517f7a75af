#pragma once
// Renders one record's page in a web view: loads its rendering request, lets
// the scripts run, reads back the document's outer HTML and hands it to the
// record as its body. All of it on the run loop: timers, view events and the
// calls back into the record.
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/web_view.h"
#include "render/page_auditor.h"
#include "url/zel_renderer.h"

namespace zel {

class PageRenderer : public ZelRenderer, private WebViewNavigationDelegate {
 public:
  // The script whose value is the rendered page.
  static constexpr const char* kOuterHTMLScript = "document.documentElement.outerHTML.toString()";

  // `initWithRequest:owner:`: starts loading at once. The owner must outlive
  // the renderer or drop it first. With audits asked for, they run once the
  // page has settled, before its HTML goes to the owner.
  PageRenderer(const Platform& platform, const UrlRequest& request, ZelRendererOwner* owner,
               RenderAuditRequest audits = {});
  // `loadURL:owner:`: a load from a bare address, normalised first.
  static std::unique_ptr<PageRenderer> loadURL(const Platform& platform, const std::string& address,
                                               ZelRendererOwner* owner);
  ~PageRenderer() override;

  void stopLoading() override;

  void haveWeTimedOut();
  void webViewActuallyFinished();
  void returnWhatHTMLWeHave();
  // Twice the time-out: a page that is still loading is stopped and its owner
  // asked to clear the renderer, so that no record waits for ever.
  void giveUp();

  const std::string& identifier() const { return identifier_; }
  void setIdentifier(std::string identifier) { identifier_ = std::move(identifier); }
  bool hasResponded() const { return hasResponded_; }
  const std::string& thisUrl() const { return thisUrl_; }
  WebView* webview() const { return webview_.get(); }

 private:
  PageRenderer(const Platform& platform, ZelRendererOwner* owner);
  void startLoading(const UrlRequest& request);
  void askOwnerToClear();
  // Hands the rendered page to the owner; false when the renderer went away meanwhile.
  bool deliver(const std::string& html, const std::weak_ptr<bool>& alive);
  // The cookies the page set or changed go to the crawl's store.
  void keepCookiesOfThePage(const std::vector<HttpCookie>& jar);
  // The audits' answer, once: what they found, or that the render timed out
  // (then nothing), or nothing at all when the page failed.
  void reportAudits(std::optional<RenderedFacts> facts);

  void webViewDidFinishNavigation(WebView&) override;
  void webViewDidFailNavigation(WebView&, const std::string& error) override;
  void webViewDidFailProvisionalNavigation(WebView&, const std::string& error) override;
  void webViewDidReceiveServerRedirectForProvisionalNavigation(WebView&) override;
  void webViewDecidePolicyForNavigationResponse(WebView&, const std::string& url,
                                                bool isHTTP) override;
  void webViewWebContentProcessDidTerminate(WebView&) override;
  void webViewDidChangeEstimatedProgress(WebView&, double progress) override;

  Platform platform_;
  std::unique_ptr<WebView> webview_;
  std::string thisUrl_;
  ZelRendererOwner* owner_ = nullptr;
  bool hasResponded_ = false;
  // A load from a bare address watches its progress (and only logs it).
  bool observesProgress_ = false;
  // The request handles cookies: the view got the crawl's, and what the page
  // sets goes back to them.
  bool keepsCookies_ = false;
  std::vector<HttpCookie> given_;
  std::string identifier_;
  std::vector<RunLoop::TimerId> timers_;
  // The audits: asked for, running, answered; how the page ended its load.
  RenderAuditRequest auditRequest_;
  std::unique_ptr<PageAuditor> auditor_;  // after webview_: it ends first
  bool auditing_ = false, auditsReported_ = true, reading_ = false;
  bool settled_ = false, timedOut_ = false;
  // An audited page's view is used again once its page has ended cleanly: the
  // pages it has shown.
  bool reusesView_ = false;
  int viewUses_ = 0;
  // Completions and posted calls check it, so none runs after the renderer is gone.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The address rules of a load from a bare address: "http://" in front of
// addresses without a scheme, "file://" in front of local paths.
std::string normalizedLoadAddress(const std::string& address);

}  // namespace zel
