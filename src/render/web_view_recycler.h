#pragma once
// The process-wide pool of web views, and owner of the browser behind them:
// every web view of the program comes from here, so one browser serves a whole
// run. The browser is started on first use and ends with shutDown().
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/web_view.h"

namespace zel {

class Log;

class WebViewRecycler {
 public:
  // Starts a browser, or gives nullptr and the reason in *why.
  using ProcessPoolMaker = std::function<std::shared_ptr<WebProcessPool>(Status* why)>;
  static constexpr const char* kApplicationName = "Tarvest 9";

  // The one pool; its creation is serialised, so there is only ever one.
  static WebViewRecycler& sharedWebViewRecycler();
  WebViewRecycler(const WebViewRecycler&) = delete;
  WebViewRecycler& operator=(const WebViewRecycler&) = delete;

  // How the browser is started (the host and tests choose); the browser in use,
  // if any, is kept. Not owned: the log, which may be null.
  void setProcessPoolMaker(ProcessPoolMaker maker) { maker_ = std::move(maker); }
  void setLog(Log* log) { log_ = log; }
  bool hasProcessPoolMaker() const { return static_cast<bool>(maker_); }

  // The most views the pool keeps: each one holds a page in the browser.
  static constexpr size_t kMostKept = 8;

  // Keeps a view that is no longer needed; the oldest go beyond kMostKept.
  void recycle(std::unique_ptr<WebView> webView);
  // A view from the pool (trimming it first when it holds more than 7), or a
  // new one named "Tarvest 9" in its user agent; nullptr when there is no browser.
  std::unique_ptr<WebView> recycledObject();
  // A new view on a fresh configuration in the pool's browser (started now
  // when needed); nullptr when there is no browser.
  std::unique_ptr<WebView> makeWebView(WebViewConfiguration configuration);
  // Views of audited pages are used again, each for at most kMostUses pages: a
  // new page then finds the audit scripts compiled in its renderer. A kept view
  // whose configuration matches, else a new one; nullptr when there is no browser.
  // *uses: the pages it has shown, to give back with it.
  static constexpr int kMostUses = 100;
  std::unique_ptr<WebView> reusableWebView(const WebViewConfiguration& configuration, int* uses);
  // Keeps a view whose page has finished, cleared for its next page, or drops it.
  void keepForReuse(std::unique_ptr<WebView> webView, int uses);
  // Ok when views can be made, starting the browser when needed; else why not.
  Status status();

  size_t count() const { return collection.size(); }
  const std::shared_ptr<WebProcessPool>& processPool() const { return thePool; }
  // Drops the kept views and the browser (which ends with its last view);
  // the next use starts a new one. Called by the host at exit.
  void shutDown();

 private:
  WebViewRecycler() = default;
  // The pool to make views in: thePool, or a new browser.
  std::shared_ptr<WebProcessPool> poolForNewView(Status* why);

  std::vector<std::unique_ptr<WebView>> collection;
  struct Reusable {
    std::unique_ptr<WebView> view;
    int uses = 0;
  };
  std::vector<Reusable> reusable_;
  std::shared_ptr<WebProcessPool> thePool;
  ProcessPoolMaker maker_;
  // Why the browser could not be started: not tried again in this run.
  Status failed_;
  Log* log_ = nullptr;
};

}  // namespace zel
