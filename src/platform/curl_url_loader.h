#pragma once
// UrlLoader on the libcurl multi interface, driven by a RunLoop.
#include <memory>

#include "platform/run_loop.h"
#include "platform/url_loader.h"

namespace zel {

class CurlUrlLoader : public UrlLoader {
 public:
  explicit CurlUrlLoader(RunLoop& loop);
  ~CurlUrlLoader() override;

  std::unique_ptr<UrlConnection> start(const UrlRequest& request,
                                       UrlConnectionDelegate* delegate) override;
  SyncResult sendSynchronous(const UrlRequest& request, int maxRedirects = 5) override;
  void clearCookies() override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zel
