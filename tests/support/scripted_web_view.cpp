#include "support/scripted_web_view.h"

#include <algorithm>

namespace zel::test {

ScriptedWebView::ScriptedWebView(ScriptedProcessPool& pool, WebViewConfiguration configuration)
    : id(++pool.made), pool_(pool), configuration_(std::move(configuration)) {
  pool_.live.push_back(this);
}

ScriptedWebView::~ScriptedWebView() {
  pool_.closed.push_back(id);
  pool_.live.erase(std::find(pool_.live.begin(), pool_.live.end(), this));
}

void ScriptedWebView::load(const UrlRequest& request) {
  loaded.push_back(request.url);
  loading = true;
}

void ScriptedWebView::stopLoading() {
  ++stops;
  loading = false;
}

void ScriptedWebView::finish() {
  loading = false;
  if (delegate) delegate->webViewDidFinishNavigation(*this);
}

void ScriptedWebView::failProvisional(const std::string& error) {
  loading = false;
  if (delegate) delegate->webViewDidFailProvisionalNavigation(*this, error);
}

void ScriptedWebView::crash() {
  loading = false;
  if (delegate) delegate->webViewWebContentProcessDidTerminate(*this);
}

void ScriptedWebView::evaluateJavaScript(const std::string& script, ScriptDone done) {
  scripts.push_back(script);
  const Status s = scriptError ? Status::Error(*scriptError) : Status::Ok();
  std::optional<std::string> result = scriptResult;
  if (!scriptResults.empty()) {
    result = scriptResults.front();
    scriptResults.erase(scriptResults.begin());
  }
  pool_.loop.post([done = std::move(done), s, result] { done(s, result); });
}

void ScriptedWebView::getCookies(CookiesDone done) {
  pool_.loop.post([done = std::move(done), jar = jar] { done(Status::Ok(), jar); });
}

void ScriptedWebView::takeSnapshot(PictureDone done) {
  pool_.loop.post([done = std::move(done)] { done(Status::Error("no pictures here"), ""); });
}

std::unique_ptr<WebView> ScriptedProcessPool::makeWebView(const WebViewConfiguration& c) {
  if (broken) return nullptr;
  WebViewConfiguration mine = c;
  mine.processPool = shared_from_this();
  return std::make_unique<ScriptedWebView>(*this, std::move(mine));
}

}  // namespace zel::test
