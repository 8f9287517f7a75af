#pragma once
// An off-screen web view: it loads a page, runs its scripts, reports the
// navigation to its delegate, evaluates scripts and takes pictures of itself.
// Everything happens on the engine's run loop: calls are made there, and every
// delegate call and completion arrives there on a later turn, never from
// another thread and never from inside the call that caused it. Each
// completion is called exactly once, also when the browser behind the view
// has gone away (then with an error), so nobody waits for an answer forever.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/status.h"
#include "platform/url_loader.h"  // UrlRequest

namespace zel {

class WebView;
class WebProcessPool;

struct WebViewConfiguration {
  // The view's frame, in CSS pixels: the page is laid out for this viewport.
  int width = 500, height = 350;
  // Appended to the browser's user agent, after a space; empty: none.
  std::string applicationNameForUserAgent;
  // Where the view's page lives; views of one pool share one browser.
  std::shared_ptr<WebProcessPool> processPool;
  // The page keeps its cookies in a jar of its own, which ends with the view;
  // otherwise in the jar the browser's other such views share.
  bool ownCookieJar = false;
};

// What a page did while it loaded, counted from the load after watchActivity(true).
struct WebViewActivity {
  struct Requests {
    uint32_t count = 0;
    uint64_t bytes = 0;  // as transferred
  };
  std::map<std::string, Requests> byType;  // the browser's resource types, lower case
  // Console errors and uncaught exceptions; requests that failed or were answered 4xx/5xx.
  uint32_t consoleErrors = 0, failedRequests = 0;
  std::vector<std::string> errors, failed;  // the first kFewKept messages and addresses
  static constexpr size_t kFewKept = 5;
};

// The navigation of the main frame, as it happens.
class WebViewNavigationDelegate {
 public:
  virtual ~WebViewNavigationDelegate() = default;
  // The load event of the main frame: the page and its resources are in.
  virtual void webViewDidFinishNavigation(WebView&) {}
  // The page was committed and then could not finish loading.
  virtual void webViewDidFailNavigation(WebView&, const std::string& /*error*/) {}
  // Nothing was committed: the address could not be reached or loaded.
  virtual void webViewDidFailProvisionalNavigation(WebView&, const std::string& /*error*/) {}
  // The server answered the main frame's request with a redirect; the view follows it.
  virtual void webViewDidReceiveServerRedirectForProvisionalNavigation(WebView&) {}
  // The page asked to go elsewhere by itself (a meta refresh or a script), after
  // `delaySeconds`; the view follows unless the page is left first.
  virtual void webViewWillPerformClientRedirect(WebView&, const std::string& /*url*/,
                                                double /*delaySeconds*/) {}
  // How far the main frame's load has come, from 0 to 1, as it moves on.
  virtual void webViewDidChangeEstimatedProgress(WebView&, double /*progress*/) {}
  // The main frame's response arrived (the view always lets it through).
  virtual void webViewDecidePolicyForNavigationResponse(WebView&, const std::string& /*url*/,
                                                        bool /*isHTTP*/) {}
  // The process showing the page died (it crashed, or the browser went away).
  virtual void webViewWebContentProcessDidTerminate(WebView&) {}
};

class WebView {
 public:
  // Ok with the script's result as a string (nullopt when it gave no value), or an error.
  using ScriptDone = std::function<void(const Status&, std::optional<std::string> result)>;
  // Ok with the PNG bytes of the view's frame, or an error.
  using PictureDone = std::function<void(const Status&, std::string png)>;
  // Ok with every cookie of the view's jar, or an error.
  using CookiesDone = std::function<void(const Status&, std::vector<HttpCookie> cookies)>;

  // Closes the view's page in the browser. Pending completions are still called, with an error.
  virtual ~WebView() = default;

  virtual const WebViewConfiguration& configuration() const = 0;
  // Not owned; nullptr: no delegate. Must outlive the view or be cleared first.
  virtual void setNavigationDelegate(WebViewNavigationDelegate* delegate) = 0;
  // Starts loading the request in the main frame (its address, method, body and headers; the
  // view always fetches afresh). Ends any load in progress.
  virtual void load(const UrlRequest& request) = 0;
  // Puts cookies into the browser's jar before the next load, each for its own
  // domain and path only, so they reach no other host.
  virtual void setCookies(const std::vector<HttpCookie>& cookies) = 0;
  // The cookies in the view's jar now, those its page set included.
  virtual void getCookies(CookiesDone done) = 0;
  // A page in the main frame is loading: from load() until it finishes, fails or is stopped.
  virtual bool isLoading() const = 0;
  // Shows `html` in the main frame, with no base address, ending any load in
  // progress; it tells the delegate nothing. "" leaves an empty page.
  virtual void loadHTMLString(const std::string& html) = 0;
  virtual void stopLoading() = 0;
  virtual void evaluateJavaScript(const std::string& script, ScriptDone done) = 0;
  virtual void takeSnapshot(PictureDone done) = 0;
  // Forgets the disk and memory caches of the pages, so the next load fetches afresh.
  virtual void removeCachedData() = 0;

  // A script that returns a promise: its settled value, as evaluateJavaScript gives one.
  virtual void evaluateAsyncJavaScript(const std::string& script, ScriptDone done) = 0;
  // Runs `script` in every document the view loads from now on, before the page's own.
  virtual void addScriptOnNewDocument(const std::string& script) = 0;
  // Runs `script` in the isolated world named `world` of every document the view loads
  // from now on, before the page's own scripts. The world shares the page's DOM but not
  // its globals: the page's scripts neither see nor change what the world's define. A
  // view takes one script a world: the later ones for a world it has are ignored.
  virtual void addScriptInWorldOnNewDocument(const std::string& world, const std::string& script) = 0;
  // evaluateAsyncJavaScript in the world `world` of the main frame's document (made
  // there, empty, when no script of the world's has run in it).
  virtual void evaluateAsyncJavaScriptInWorld(const std::string& world, const std::string& script,
                                              ScriptDone done) = 0;
  // Counts what the pages loaded from the next load() on do (requests, errors).
  virtual void watchActivity(bool on) = 0;
  virtual WebViewActivity activity() const = 0;
  // The main frame's response body as the browser received it: no request is
  // sent again. An error when the browser no longer keeps it.
  virtual void getMainResponseBody(ScriptDone done) = 0;
  // Slows the network (latency in ms, throughput in kilobits a second) and the
  // processor (a factor) of the pages loaded from now on; 0 leaves each as it is.
  virtual void setThrottling(double latencyMs, double downloadKbps, double uploadKbps,
                             double cpuSlowdown) = 0;
  // Makes a view whose page has finished ready to show another: the cookies and
  // site data its pages left are cleared, its renderer (with the scripts it has
  // compiled) is kept. False when the view cannot be used again (its page loads,
  // crashed or was closed); such a view is dropped.
  virtual bool clearForReuse() { return false; }
};

// The browser behind a set of web views.
class WebProcessPool {
 public:
  virtual ~WebProcessPool() = default;
  // A new view on `configuration` (whose processPool is this pool), or nullptr
  // when the pool has no working browser (see status()).
  virtual std::unique_ptr<WebView> makeWebView(const WebViewConfiguration& configuration) = 0;
  // Ok while the browser can make views; else why not (not installed, died, ...).
  virtual Status status() const = 0;
  // Ends the browser now; views still open report their page gone and fail what is asked of them.
  virtual void close() = 0;
};

}  // namespace zel
