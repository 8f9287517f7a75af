#include "engine/zel_rechecker.h"

#include "engine/service_hosts.h"
#include "platform/platform.h"
#include "platform/text_format.h"
#include "url/zel_record_owner.h"
#include "url/zel_url.h"

namespace zel {

namespace {

constexpr const char* kOldBrowserUserAgent =
    "Mozilla/5.0 (Macintosh; Intel Mac OS X 10.6; rv:25.0) Gecko/20100101 Firefox/25.0";

}  // namespace

ZelRechecker::ZelRechecker(ZelUrl* record, ProgressIndicator* progIndicator)
    : lcurl_(record), progIndicator_(progIndicator) {}

ZelRechecker::~ZelRechecker() {
  if (connection_) connection_->cancel();
}

void ZelRechecker::go() {
  lcurl_->setStatus(std::string());
  lcurl_->setSentRequest();
  sendAsyncServerRequest();
  // Nothing sent (an address above its root): nothing would ever stop it.
  if (progIndicator_ && running_) progIndicator_->startAnimation();
}

void ZelRechecker::sendAsyncServerRequest() {
  ZelRecordOwner& owner = *lcurl_->owner();
  const Platform& platform = owner.platform();
  const Defaults& d = owner.defaults();
  Log& log = owner.log();
  if (lcurl_->directoryTooHigh()) {
    lcurl_->setStatus(owner.localized("badly formed url"));
    return;
  }
  std::string a = lcurl_->getLinkUrlForTesting();
  if (a.size() > 7 && startsWith(a, "feed://")) a = "http://" + a.substr(7);

  std::optional<Url> u = Url::parse(a);
  if (!u) u = Url::parse(lcurl_->myStringByAddingPercentEscapes(a));
  if (u && u->isFileUrl() && platform.fileSystem &&
      platform.fileSystem->isDirectory(u->decodedPath())) {
    const std::string name(trimWhitespace(d.stringOrEmpty("defaultLocalFileName")));
    std::string text = u->absoluteString();
    if (!endsWith(text, "/")) text += "/";
    if (auto withName = Url::parse(text + name)) u = withName;
  }

  UrlRequest req;
  req.url = u ? u->absoluteString() : a;
  req.ignoreLocalCache = true;
  req.timeoutSeconds = owner.requestTimeout();
  req.handleCookies = false;
  req.method = "GET";
  req.setHeader("User-Agent", d.stringOrEmpty("userAgentString"));
  if (isDocumentOrFileStorageService(a))
    req.setHeader("User-Agent", kOldBrowserUserAgent);
  // Deliberately not the page's address as it is, but without its user and
  // password: credentials in an address must not travel to other hosts.
  if (ZelUrl* from = lcurl_->getLastOnPageUrl()) {
    const std::string referer = from->getLinkUrlForTesting();
    if (!referer.empty()) req.setHeader("Referer", withoutUserInfo(referer));
  }
  if (!lcurl_->getRedir().empty()) req.setHeader("Referer", withoutUserInfo(lcurl_->getRedir()));
  if (u && !u->host().empty())
    req.setHeader("Host", u->port() ? strf("%s:%i", u->host().c_str(), *u->port()) : u->host());

  lcurl_->setSentRequest();
  numberOfRedirects_ = 0;
  connection_ = platform.loader ? platform.loader->start(req, this) : nullptr;
  if (!connection_) {
    ZEL_LOG(log, 1, "connection can't be created to " + req.url);
    return;
  }
  running_ = true;
  ZEL_LOG(log, 3, "request to " + req.url + " successfully sent");
}

std::optional<UrlRequest> ZelRechecker::willSendRequest(UrlConnection& connection,
                                                        const UrlRequest& proposed,
                                                        const UrlResponse* redirectResponse) {
  if (!redirectResponse) return proposed;
  if (numberOfRedirects_ < kMaxRedirects) {
    ++numberOfRedirects_;
    UrlRequest next = proposed;
    if (auto u = Url::parse(next.url); u && !u->host().empty()) next.setHeader("Host", u->host());
    return next;
  }
  // The status stays as it is and nothing is posted.
  ZEL_LOG(lcurl_->owner()->log(), 1, "recurring redirect");
  connection.cancel();
  end();
  return std::nullopt;
}

ChallengeAnswer ZelRechecker::didReceiveChallenge(UrlConnection&, const AuthChallenge&) {
  ChallengeAnswer answer;
  answer.disposition = ChallengeDisposition::ContinueWithoutCredential;
  return answer;
}

void ZelRechecker::didReceiveResponse(UrlConnection& connection, const UrlResponse& response) {
  lcurl_->setResponseTimeInterval(lcurl_->getTimeSinceSent());
  // A local file has no status line; it answers as the crawl records it.
  lcurl_->setStatus(response.isHttp ? strf("%i %s", response.statusCode,
                                           reasonPhraseForStatusCode(response.statusCode).c_str())
                                    : std::string("200 no error (not http)"));
  connection.cancel();  // the body is not read
  end();
  lcurl_->owner()->platform().notifications->post("ZelUrlStatusUpdated", this);
}

void ZelRechecker::didFailWithError(UrlConnection& connection, const UrlError& error) {
  lcurl_->setResponseTimeInterval(lcurl_->getTimeSinceSent());
  lcurl_->setStatus(error.description);
  connection.cancel();
  end();
  lcurl_->owner()->platform().notifications->post("ZelUrlStatusUpdated", this);
}

void ZelRechecker::end() {
  running_ = false;
  if (progIndicator_) progIndicator_->stopAnimation();
}

}  // namespace zel
