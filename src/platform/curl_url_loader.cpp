// Temporary placeholder until the libcurl loader lands: every request fails.
#include "platform/curl_url_loader.h"

namespace zel {

struct CurlUrlLoader::Impl {};

CurlUrlLoader::CurlUrlLoader(RunLoop&) : impl_(std::make_unique<Impl>()) {}
CurlUrlLoader::~CurlUrlLoader() = default;

std::unique_ptr<UrlConnection> CurlUrlLoader::start(const UrlRequest&, UrlConnectionDelegate*) {
  return nullptr;
}

SyncResult CurlUrlLoader::sendSynchronous(const UrlRequest&, int) {
  SyncResult r;
  r.error = UrlError{UrlError::kUnknown, "URL loading is not available yet"};
  return r;
}

void CurlUrlLoader::clearCookies() {}

}  // namespace zel
