#pragma once
// A web view whose page the test plays: it records what it was asked to do,
// and the test says when the page finishes, fails or dies and what a script
// gives. Script results come back on a later turn of the run loop, as they do
// from a browser.
#include <optional>
#include <string>
#include <vector>

#include "platform/run_loop.h"
#include "platform/web_view.h"

namespace zel::test {

class ScriptedProcessPool;

class ScriptedWebView : public WebView {
 public:
  ScriptedWebView(ScriptedProcessPool& pool, WebViewConfiguration configuration);
  ~ScriptedWebView() override;

  const WebViewConfiguration& configuration() const override { return configuration_; }
  void setNavigationDelegate(WebViewNavigationDelegate* d) override { delegate = d; }
  void load(const UrlRequest& request) override;
  void setCookies(const std::vector<HttpCookie>& cookies) override { jar = cookies; }
  void getCookies(CookiesDone done) override;
  bool isLoading() const override { return loading; }
  void stopLoading() override;
  void loadHTMLString(const std::string& html) override { htmlLoads.push_back(html); }
  void evaluateJavaScript(const std::string& script, ScriptDone done) override;
  void takeSnapshot(PictureDone done) override;
  void removeCachedData() override { ++cacheClears; }
  // Scripts that await and the served body answer as scripts do.
  void evaluateAsyncJavaScript(const std::string& script, ScriptDone done) override {
    evaluateJavaScript(script, std::move(done));
  }
  void addScriptOnNewDocument(const std::string& script) override {
    newDocumentScripts.push_back(script);
  }
  // A world's scripts are recorded as "[world] script".
  void addScriptInWorldOnNewDocument(const std::string& world, const std::string& script) override {
    newDocumentScripts.push_back("[" + world + "] " + script);
  }
  void evaluateAsyncJavaScriptInWorld(const std::string& world, const std::string& script,
                                      ScriptDone done) override {
    evaluateJavaScript("[" + world + "] " + script, std::move(done));
  }
  void watchActivity(bool on) override { watching = on; }
  WebViewActivity activity() const override { return pageActivity; }
  void getMainResponseBody(ScriptDone done) override { evaluateJavaScript("body", std::move(done)); }
  void setThrottling(double, double, double, double) override { ++throttled; }

  // The page: these call the delegate as a browser would.
  void finish();
  void failProvisional(const std::string& error);
  void crash();

  WebViewNavigationDelegate* delegate = nullptr;
  bool loading = false;
  std::vector<std::string> loaded;   // addresses, in order
  std::vector<std::string> scripts;  // evaluated, in order
  std::vector<std::string> htmlLoads;
  std::vector<HttpCookie> jar;  // what setCookies put there; getCookies gives it
  int stops = 0, cacheClears = 0, throttled = 0;
  std::vector<std::string> newDocumentScripts;
  bool watching = false;
  WebViewActivity pageActivity;
  // What the next scripts give: a value, nothing, or (when scriptError is set) an error;
  // the answers queued in scriptResults go first, one a script.
  std::vector<std::string> scriptResults;
  std::optional<std::string> scriptResult;
  std::optional<std::string> scriptError;
  int id = 0;  // order of making, from 1

 private:
  ScriptedProcessPool& pool_;
  WebViewConfiguration configuration_;
};

class ScriptedProcessPool : public WebProcessPool,
                            public std::enable_shared_from_this<ScriptedProcessPool> {
 public:
  explicit ScriptedProcessPool(RunLoop& loop) : loop(loop) {}
  std::unique_ptr<WebView> makeWebView(const WebViewConfiguration& configuration) override;
  Status status() const override { return broken ? Status::Error("no browser here") : Status(); }
  void close() override { broken = true; }

  RunLoop& loop;
  bool broken = false;
  int made = 0;
  std::vector<int> closed;  // ids of the views that ended, in order
  std::vector<ScriptedWebView*> live;
};

}  // namespace zel::test
