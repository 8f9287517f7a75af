// Pages read after their scripts have run: the renderers the records get.
#include "engine/zel_hub.h"
#include "render/page_renderer.h"
#include "render/rendering.h"
#include "render/web_thumb_getter.h"
#include "render/web_view_recycler.h"

namespace zel {

namespace {

// The audits a rendered page gets and the throttling it renders under, from the settings.
RenderAuditRequest auditsOf(const Defaults& d, int64_t renderedBefore) {
  RenderAuditRequest r;
  r.audits.accessibility = d.boolForKey("renderAccessibility");
  r.audits.scriptChanges = d.boolForKey("renderScriptChanges");
  // The start page, then every Nth page rendered after it.
  const int64_t every = std::max<int64_t>(1, d.integerForKey("pageSpeedSample"));
  r.audits.pageSpeed = d.boolForKey("renderPageSpeed") && renderedBefore % every == 0;
  r.throttling.latencyMs = d.doubleForKey("renderThrottleLatency");
  r.throttling.downloadKbps = d.doubleForKey("renderThrottleDownloadKbps");
  r.throttling.uploadKbps = d.doubleForKey("renderThrottleUploadKbps");
  r.throttling.cpuSlowdown = d.doubleForKey("renderThrottleCpu");
  return r;
}

}  // namespace

std::unique_ptr<ZelRenderer> ZelHub::makeRenderer(const UrlRequest& request, ZelRendererOwner* owner,
                                                  Status* why) {
  WebViewRecycler& recycler = WebViewRecycler::sharedWebViewRecycler();
  // A host that chose no browser gets headless Chromium on the crawl's run loop.
  if (!recycler.hasProcessPoolMaker()) useChromiumForWebViews(*platform().runLoop, &log());
  if (Status s = recycler.status(); !s.ok()) {
    if (unrenderedPages_++ == 0) unrenderedReason_ = s.message();
    *why = s;
    return nullptr;
  }
  if (defaults().boolForKey("legacyWebView"))
    return std::make_unique<WebThumbGetter>(platform(), request, owner);
  RenderAuditRequest audits = auditsOf(defaults(), renderersMade_++);
  if (ZelUrl* record = dynamic_cast<ZelUrl*>(owner); record && audits.audits.any())
    audits.done = [this, record](RenderedFacts facts) {
      if (facts.timedOut) {
        record->addWarning(localized("not measured: the render timed out"));
        return;
      }
      if (renderedFactsReceiver_) renderedFactsReceiver_(record, std::move(facts));
    };
  return std::make_unique<PageRenderer>(platform(), request, owner, std::move(audits));
}

}  // namespace zel
