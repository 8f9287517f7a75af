#pragma once
// A stand-alone recheck of one record: a single GET whose status line is
// taken from the response without reading the body, with redirects followed
// up to a cap. "ZelUrlStatusUpdated" (object: the rechecker) tells the host
// that the record has a new status. Nothing else of the record or the hub is
// touched, so many can run at once beside each other.
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/progress_indicator.h"
#include "platform/url_loader.h"

namespace zel {

class ZelUrl;

class ZelRechecker : public UrlConnectionDelegate {
 public:
  // Redirects followed before the next one is refused.
  static constexpr int32_t kMaxRedirects = 101;

  // `initWithZelUrl:progIndicator:`; the indicator (may be null) is the host's.
  ZelRechecker(ZelUrl* record, ProgressIndicator* progIndicator);
  ~ZelRechecker() override;
  ZelRechecker(const ZelRechecker&) = delete;
  ZelRechecker& operator=(const ZelRechecker&) = delete;

  // Clears the record's status, sends the request, starts the indicator.
  void go();
  void sendAsyncServerRequest();
  // The host's window went away: the indicator is no longer touched.
  void forgetProgIndicator() { progIndicator_ = nullptr; }

  ZelUrl* record() const { return lcurl_; }
  int32_t numberOfRedirects() const { return numberOfRedirects_; }
  // A request is in flight (none was sent for an address above its root).
  bool isRunning() const { return running_; }

  std::optional<UrlRequest> willSendRequest(UrlConnection& connection, const UrlRequest& proposed,
                                            const UrlResponse* redirectResponse) override;
  bool canAuthenticateAgainst(UrlConnection&, AuthMethod) override { return false; }
  ChallengeAnswer didReceiveChallenge(UrlConnection& connection,
                                      const AuthChallenge& challenge) override;
  void didReceiveResponse(UrlConnection& connection, const UrlResponse& response) override;
  void didReceiveData(UrlConnection&, std::string_view) override {}
  void didFinishLoading(UrlConnection&) override { end(); }
  void didFailWithError(UrlConnection& connection, const UrlError& error) override;

 private:
  void end();

  int32_t numberOfRedirects_ = 0;
  ZelUrl* lcurl_;
  ProgressIndicator* progIndicator_;
  std::unique_ptr<UrlConnection> connection_;
  bool running_ = false;
};

}  // namespace zel
