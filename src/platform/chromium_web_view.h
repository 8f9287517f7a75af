#pragma once
// Web views on one headless Chromium driven over the DevTools protocol: the
// pool is the browser process, each view is one page target attached through a
// flat session. The page target is closed when its view ends; the browser ends
// with the pool.
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "platform/devtools_client.h"
#include "platform/web_view.h"

namespace zel {

class ChromiumWebView;

class ChromiumProcessPool : public WebProcessPool,
                            public std::enable_shared_from_this<ChromiumProcessPool> {
 public:
  // Starts the browser. A browser that is not installed or cannot be run gives
  // nullptr and the reason in *why; one that starts but does not answer is
  // found out by the views' first commands, which then fail.
  static std::shared_ptr<ChromiumProcessPool> start(RunLoop& loop, Status* why,
                                                    const BrowserOptions& options = {});
  ~ChromiumProcessPool() override;

  std::unique_ptr<WebView> makeWebView(const WebViewConfiguration& configuration) override;
  Status status() const override;
  void close() override { client_.close(1.0); }

  DevToolsClient& client() { return client_; }
  RunLoop& loop() { return loop_; }
  // The browser's own user agent, once it has answered ("" before).
  const std::string& userAgent() const { return userAgent_; }

 private:
  friend class ChromiumWebView;
  explicit ChromiumProcessPool(RunLoop& loop);

  RunLoop& loop_;
  DevToolsClient client_;
  std::string userAgent_;
  Status closedWith_;
  std::set<ChromiumWebView*> views_;
};

class ChromiumWebView : public WebView {
 public:
  ChromiumWebView(std::shared_ptr<ChromiumProcessPool> pool, WebViewConfiguration configuration);
  ~ChromiumWebView() override;

  const WebViewConfiguration& configuration() const override { return configuration_; }
  void setNavigationDelegate(WebViewNavigationDelegate* delegate) override { delegate_ = delegate; }
  void load(const UrlRequest& request) override;
  void setCookies(const std::vector<HttpCookie>& cookies) override;
  void getCookies(CookiesDone done) override;
  bool isLoading() const override { return loading_; }
  void stopLoading() override;
  void loadHTMLString(const std::string& html) override;
  void evaluateJavaScript(const std::string& script, ScriptDone done) override;
  void takeSnapshot(PictureDone done) override;
  void removeCachedData() override;
  void evaluateAsyncJavaScript(const std::string& script, ScriptDone done) override;
  void addScriptOnNewDocument(const std::string& script) override;
  void addScriptInWorldOnNewDocument(const std::string& world, const std::string& script) override;
  void evaluateAsyncJavaScriptInWorld(const std::string& world, const std::string& script,
                                      ScriptDone done) override;
  void watchActivity(bool on) override;
  WebViewActivity activity() const override { return activity_; }
  void getMainResponseBody(ScriptDone done) override;
  void setThrottling(double latencyMs, double downloadKbps, double uploadKbps,
                     double cpuSlowdown) override;
  bool clearForReuse() override;

 private:
  friend class ChromiumProcessPool;
  enum class Phase { Opening, Open, Broken };

  void openPage();
  void opened(const Status& s, const std::string& session, const std::string& target);
  void listen();
  // Runs `work` on a later turn, unless the view has ended by then.
  void later(std::function<void()> work);
  void navigate(const UrlRequest& request);
  // The load itself: the crawl's cookies into the jar, then the navigation.
  void startLoad(const UrlRequest& request);
  // A command that must be answered before the next load starts.
  void sendPreparation(const std::string& method, Json params);
  void prepared();
  // In the page's own world, or in the execution context `context` when it is set.
  void evaluate(const std::string& script, bool awaitPromise, std::shared_ptr<ScriptDone> done,
                std::optional<int64_t> context = std::nullopt);
  // The activity's events, counted while watching.
  void listenToActivity();
  void noteFailed(const std::string& requestId, const std::string& fallbackUrl);
  // The main frame's load is over: progress 1, then the finish.
  void finished();
  static double redirectDelay(const std::string& reason, double measuredSeconds);
  void clientRedirect(const std::string& url, double delaySeconds);
  // The page is gone (crash, detach, browser closed): stop loading and say so once.
  void terminated(const std::string& why);
  void failLater(std::function<void(const Status&)> fail);
  // Sends a page command, or fails it on a later turn when there is no page.
  void sendToPage(const std::string& method, Json params, DevToolsClient::Reply done,
                  double timeoutSeconds = DevToolsClient::kDefaultTimeout);
  // The same for a command to the browser itself, about this view.
  void sendToBrowser(const std::string& method, Json params, DevToolsClient::Reply done);
  void send(const std::string& session, const std::string& method, Json params,
            DevToolsClient::Reply done, double timeoutSeconds);
  // Runs `work` once the page is attached (at once when it is); fails it when it never is.
  void whenOpen(std::function<void()> work, std::function<void(const Status&)> fail);

  // Kept alive by configuration_.processPool; cleared if the pool ends first.
  ChromiumProcessPool* pool_ = nullptr;
  WebViewConfiguration configuration_;
  WebViewNavigationDelegate* delegate_ = nullptr;
  Phase phase_ = Phase::Opening;
  std::string session_, target_, mainFrame_, brokenWhy_;
  std::string context_;  // the browser context of a view with a cookie jar of its own
  bool loading_ = false;
  bool navigationSent_ = false;  // the load's own navigation has been asked for
  bool terminated_ = false;
  // Counts loads, so that the answer of an old navigation does not touch a newer one.
  uint64_t navigation_ = 0;
  // The method and body of a load that is not a GET, until its request goes out.
  std::optional<std::pair<std::string, std::string>> pendingPost_;
  // Cookies to put in the jar before the next navigation.
  std::vector<HttpCookie> pendingCookies_;
  // Client redirects told in this load; when its page last moved on; whether
  // the view's own navigation has yet to start.
  std::set<std::string> reportedRedirects_;
  std::optional<std::chrono::steady_clock::time_point> lastProgress_;
  bool ownNavigationPending_ = false;
  std::vector<DevToolsClient::HandlerId> handlers_;
  bool watching_ = false;
  int preparing_ = 0;  // preparations not yet answered; the load waits for them
  std::function<void()> afterPreparing_;
  WebViewActivity activity_;
  // By request id, while the load lasts (bounded: a page may ask for very many).
  std::map<std::string, std::pair<std::string, std::string>> requests_;  // type, address
  std::string mainRequestId_;
  // The origins the view's main frame has shown since it was last cleared.
  std::set<std::string> origins_;
  // Scripts already run in every new document: a view used again adds each once.
  std::set<std::string> newDocumentScripts_;
  std::set<std::string> worldsWithScripts_;  // the worlds given a script for every document
  std::vector<std::pair<std::function<void()>, std::function<void(const Status&)>>> waiting_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace zel
