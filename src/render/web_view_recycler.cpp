#include "render/web_view_recycler.h"

#include "platform/log.h"
#include "platform/text_format.h"

namespace zel {

WebViewRecycler& WebViewRecycler::sharedWebViewRecycler() {
  // A function-local static: its construction is serialised by the language.
  static WebViewRecycler* shared = [] {
    auto* r = new WebViewRecycler();
    r->collection.reserve(40);
    return r;
  }();
  return *shared;
}

void WebViewRecycler::recycle(std::unique_ptr<WebView> webView) {
  if (!webView) return;
  collection.push_back(std::move(webView));
  // Bounded for safety: the legacy loader hands back a view per page and never
  // takes one, so a long crawl would otherwise keep a browser page for each.
  while (collection.size() > kMostKept) collection.erase(collection.begin());
}

std::shared_ptr<WebProcessPool> WebViewRecycler::poolForNewView(Status* why) {
  if (thePool && thePool->status().ok()) return thePool;
  if (thePool) {
    // The browser died: that is not retried, the run goes on without one.
    *why = thePool->status();
    return nullptr;
  }
  if (!failed_.ok()) {
    *why = failed_;
    return nullptr;
  }
  if (!maker_) {
    *why = Status::Error("no browser is set up for rendering pages");
    return nullptr;
  }
  Status s;
  std::shared_ptr<WebProcessPool> pool = maker_(&s);
  if (pool && !pool->status().ok()) s = pool->status();
  if (!pool || !s.ok()) {
    failed_ = s.ok() ? Status::Error("the browser could not be started") : s;
    *why = failed_;
    return nullptr;
  }
  thePool = pool;
  return pool;
}

Status WebViewRecycler::status() {
  Status why;
  return poolForNewView(&why) ? Status::Ok() : why;
}

std::unique_ptr<WebView> WebViewRecycler::makeWebView(WebViewConfiguration configuration) {
  Status why;
  std::shared_ptr<WebProcessPool> pool = poolForNewView(&why);
  if (!pool) return nullptr;
  configuration.processPool = pool;
  return pool->makeWebView(configuration);
}

std::unique_ptr<WebView> WebViewRecycler::reusableWebView(const WebViewConfiguration& configuration,
                                                          int* uses) {
  const auto same = [&](const WebViewConfiguration& c) {
    return c.width == configuration.width && c.height == configuration.height &&
           c.ownCookieJar == configuration.ownCookieJar &&
           c.applicationNameForUserAgent == configuration.applicationNameForUserAgent;
  };
  Status why;
  if (!poolForNewView(&why)) {
    reusable_.clear();
    return nullptr;
  }
  for (auto it = reusable_.begin(); it != reusable_.end(); ++it) {
    if (!same(it->view->configuration()) || it->view->configuration().processPool != thePool)
      continue;
    std::unique_ptr<WebView> view = std::move(it->view);
    *uses = it->uses;
    reusable_.erase(it);
    return view;
  }
  *uses = 0;
  return makeWebView(configuration);
}

void WebViewRecycler::keepForReuse(std::unique_ptr<WebView> webView, int uses) {
  // A view of a browser that has since been replaced is no use.
  if (!webView || ++uses >= kMostUses || !thePool ||
      webView->configuration().processPool != thePool || !webView->clearForReuse())
    return;
  reusable_.push_back({std::move(webView), uses});
  while (reusable_.size() > kMostKept) reusable_.erase(reusable_.begin());
}

std::unique_ptr<WebView> WebViewRecycler::recycledObject() {
  if (collection.size() > 7) {
    if (log_)
      ZEL_LOG(*log_, 4,
              strf("housekeeping - clearing out %ld surplus webviews",
                   static_cast<long>(collection.size() - 7)));
    // Each view dropped here closes its page in the browser.
    for (size_t removed = 0; removed < collection.size() - 5; ++removed)
      collection.erase(collection.begin());
  }
  if (!collection.empty()) {
    if (log_)
      ZEL_LOG(*log_, 4,
              strf("*** recycler has %ld in collection. ", static_cast<long>(collection.size())));
    std::unique_ptr<WebView> view = std::move(collection.front());
    collection.erase(collection.begin());
    return view;
  }
  WebViewConfiguration fresh;
  fresh.width = 500;
  fresh.height = 350;
  fresh.applicationNameForUserAgent = kApplicationName;
  return makeWebView(std::move(fresh));
}

void WebViewRecycler::shutDown() {
  collection.clear();
  reusable_.clear();
  // Renderers that were never dropped may still hold views; the browser ends anyway.
  if (thePool) thePool->close();
  thePool.reset();
  failed_ = Status::Ok();
}

}  // namespace zel
