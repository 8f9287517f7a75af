#pragma once
// Loads a page in a web view of the wider legacy frame (1024 x 700), for two
// uses: as a record's renderer, standing in for PageRenderer, and as the
// thumbnail maker, which writes a 392 x 256 picture of the rendered page.
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/web_view.h"
#include "url/zel_renderer.h"

namespace zel {

// Told when a thumbnail has been written (or could not be: see WebThumbGetter::status()).
class ThumbnailOwner {
 public:
  virtual void reloadData() = 0;

 protected:
  ~ThumbnailOwner() = default;
};

class WebThumbGetter : public ZelRenderer, private WebViewNavigationDelegate {
 public:
  static constexpr int kFrameWidth = 1024, kFrameHeight = 700;
  static constexpr int kThumbWidth = 392, kThumbHeight = 256;
  // A client redirect sooner than this to a "KeepAlive" address is the owner's redirect.
  static constexpr double kKeepAliveRedirectSeconds = 0.125;
  // How long a rendered page is left to settle after it has loaded.
  static constexpr double kSettleSeconds = 3.0;

  // `initWithRequest:owner:`: renderer use; starts loading at once.
  WebThumbGetter(const Platform& platform, const UrlRequest& request, ZelRendererOwner* owner);
  // `initWithURL:saveTo:owner:`: thumbnail use; getImage() starts the load.
  WebThumbGetter(const Platform& platform, const std::string& address, std::string location,
                 ThumbnailOwner* owner);
  ~WebThumbGetter() override;

  void getImage();
  void stopLoading() override;
  void haveWeTimedOut();
  void webViewActuallyFinished();

  const std::string& thisUrl() const { return thisUrl_; }
  bool hasResponded() const { return hasResponded_; }
  // Thumbnail use: ok once the picture is written, else why it is not (yet).
  const Status& status() const { return status_; }

 private:
  void webViewDidFinishNavigation(WebView&) override;
  void webViewDidFailNavigation(WebView&, const std::string& error) override;
  void webViewDidFailProvisionalNavigation(WebView&, const std::string& error) override;
  void webViewDecidePolicyForNavigationResponse(WebView&, const std::string& url,
                                                bool isHTTP) override;
  void webViewWebContentProcessDidTerminate(WebView&) override;
  void webViewWillPerformClientRedirect(WebView&, const std::string& url,
                                        double delaySeconds) override;

  std::unique_ptr<WebView> newFrame();
  // Thumbnail use: the load ended without a picture.
  void thumbnailFailed(const std::string& why);
  void writeThumbnail();
  // Reads the document's outer HTML and calls `then` with it ("" when there is none).
  void outerHTML(std::function<void(std::string)> then);
  void deliver(const std::string& html);

  Platform platform_;
  std::unique_ptr<WebView> webview_;
  std::string thisUrl_;
  std::optional<std::string> location_;
  ZelRendererOwner* owner_ = nullptr;
  ThumbnailOwner* thumbnailOwner_ = nullptr;
  int32_t webViewLoads_ = 0;
  bool hasResponded_ = false;
  Status status_ = Status::Error("the page has not been loaded yet");
  std::vector<RunLoop::TimerId> timers_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace zel
