#pragma once
// UrlLoader on the libcurl multi interface. The network work (sockets, transfers,
// decoding, reading files) runs on one thread of the loader's own; its results
// are handed to the RunLoop with postFromAnyThread, and every delegate call and
// decision (redirects, challenges, trust) happens on the run-loop thread. Each
// hop of a fetch is one transfer: the next is started only once the delegate
// has answered for the last.
#include <memory>

#include "platform/run_loop.h"
#include "platform/url_loader.h"

namespace zel {

class CurlUrlLoader : public UrlLoader {
 public:
  // `loop` must outlive the loader.
  explicit CurlUrlLoader(RunLoop& loop);
  ~CurlUrlLoader() override;
  CurlUrlLoader(const CurlUrlLoader&) = delete;
  CurlUrlLoader& operator=(const CurlUrlLoader&) = delete;

  std::unique_ptr<UrlConnection> start(UrlRequest request,
                                       UrlConnectionDelegate* delegate) override;
  SyncResult sendSynchronous(const UrlRequest& request, int maxRedirects = 5) override;
  void clearCookies() override;
  std::vector<HttpCookie> storedCookies() const override;
  void addCookies(const std::vector<HttpCookie>& cookies) override;

  struct Impl;

 private:
  // Shared so that tasks already handed to the run loop can tell the loader is gone.
  std::shared_ptr<Impl> impl_;
};

}  // namespace zel
