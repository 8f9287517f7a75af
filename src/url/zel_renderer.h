#pragma once
// A page renderer as its record sees it. Records sit below the renderers, so a
// record gets its renderer from a factory its hub hands it, and the renderer
// talks back to the record through ZelRendererOwner.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/status.h"
#include "platform/url_loader.h"

namespace zel {

class ZelRenderer {
 public:
  virtual ~ZelRenderer() = default;
  // Ends the load and clears the view's caches; the record drops the renderer after.
  virtual void stopLoading() = 0;
};

class ZelRendererOwner {
 public:
  // The rendered HTML, delivered as a connection delivers a body (there is no connection).
  virtual void connection(UrlConnection* connection, std::string_view data) = 0;
  virtual void connectionDidFinishLoading(UrlConnection* connection) = 0;
  // Stops and drops the renderer. Renderers ask for it on a later turn, never
  // from inside their own calls.
  virtual void clearWTG() = 0;
  // The rendered page moves on by itself (a script or a refresh).
  virtual void WTGWillPerformRedirectToURL(const std::string& url) = 0;

 protected:
  ~ZelRendererOwner() = default;
};

// Makes a renderer for a record's rendering request, or gives nullptr and the
// reason in *why when no page can be rendered (no browser).
using ZelRendererFactory = std::function<std::unique_ptr<ZelRenderer>(
    const UrlRequest& request, ZelRendererOwner* owner, Status* why)>;

}  // namespace zel
