#include "support/faulty_loader.h"

#include "platform/url.h"

namespace zel::test {

namespace {

const UrlError kNotFound{UrlError::kCannotFindHost,
                         "A server with the specified hostname could not be found."};

// A connection whose only event is the failed look-up.
class UnresolvedConnection : public UrlConnection {
 public:
  explicit UnresolvedConnection(const UrlRequest& request) : request_(request) {}
  ~UnresolvedConnection() override { *cancelled_ = true; }
  const UrlRequest& originalRequest() const override { return request_; }
  const UrlRequest& currentRequest() const override { return request_; }
  void cancel() override { *cancelled_ = true; }
  bool isCancelled() const override { return *cancelled_; }
  std::shared_ptr<bool> cancelledFlag() const { return cancelled_; }

 private:
  UrlRequest request_;
  std::shared_ptr<bool> cancelled_ = std::make_shared<bool>(false);
};

}  // namespace

bool FaultyLoader::failsToResolve(const std::string& url) const {
  if (unresolvable_.count("*")) return true;
  auto u = Url::parse(url);
  return u && unresolvable_.count(u->host()) > 0;
}

std::unique_ptr<UrlConnection> FaultyLoader::start(UrlRequest request,
                                                   UrlConnectionDelegate* delegate) {
  started.push_back(request);
  if (!failsToResolve(request.url)) return real_.start(request, delegate);
  auto connection = std::make_unique<UnresolvedConnection>(request);
  UrlConnection* raw = connection.get();
  loop_.post([delegate, raw, request, cancelled = connection->cancelledFlag()] {
    if (*cancelled) return;
    if (!delegate->willSendRequest(*raw, request, nullptr) || *cancelled) return;
    delegate->didFailWithError(*raw, kNotFound);
  });
  return connection;
}

SyncResult FaultyLoader::sendSynchronous(const UrlRequest& request, int maxRedirects) {
  synchronous.push_back(request);
  if (!failsToResolve(request.url)) return real_.sendSynchronous(request, maxRedirects);
  SyncResult result;
  result.error = kNotFound;
  return result;
}

}  // namespace zel::test
