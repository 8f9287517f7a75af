#pragma once
// UrlLoader on the libcurl multi interface, driven by a RunLoop: curl's sockets
// are watched with watchFd and its timer is a postAfter timer, so all transfers
// run on the run-loop thread without threads or polling of our own.
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

  std::unique_ptr<UrlConnection> start(const UrlRequest& request,
                                       UrlConnectionDelegate* delegate) override;
  SyncResult sendSynchronous(const UrlRequest& request, int maxRedirects = 5) override;
  void clearCookies() override;

  struct Impl;

 private:
  // Shared so that tasks already posted to the run loop can tell the loader is gone.
  std::shared_ptr<Impl> impl_;
};

}  // namespace zel
