// Pages read after their scripts have run: the renderers the records get.
#include "engine/zel_hub.h"
#include "render/page_renderer.h"
#include "render/rendering.h"
#include "render/web_thumb_getter.h"
#include "render/web_view_recycler.h"

namespace zel {

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
  return std::make_unique<PageRenderer>(platform(), request, owner);
}

}  // namespace zel
