// The redirect callback and authentication challenges of one record's fetch.
#include "platform/platform.h"
#include "platform/text_codec.h"
#include "platform/text_format.h"
#include "url/zel_record_owner.h"
#include "url/zel_url.h"
#include "urltext/address_kinds.h"
#include "urltext/percent_encoding.h"

namespace zel {

std::optional<UrlRequest> ZelUrl::willSendRequest(UrlConnection& connection,
                                                  const UrlRequest& proposed,
                                                  const UrlResponse* redirect) {
  if (log().enabled(2))
    ZEL_LOG(log(), 2, strf("received redirect notification - %s to %s status code: %i %s",
                        getActualLinkUrl().c_str(), proposed.url.c_str(),
                        redirect ? redirect->statusCode : 0,
                        redirect ? reasonPhraseForStatusCode(redirect->statusCode).c_str() : ""));
  if (!redirect) {
    ZEL_LOG(log(), 2, "redirectResponse is nil");
    return proposed;
  }
  ZelRecordOwner* hub = owner_;
  auto endFetch = [this, hub, &connection] {
    hub->platform().runLoop->post([hub, self = this, done = &connection] {
      if (self->connection_.get() == done) self->connection_.reset();
      hub->incNumberDone(self);
      hub->threadHasFinished(self);
    });
    connection.cancel();
  };
  const bool hadPercent = proposed.url.find('%') != std::string::npos;
  if (getRedirectCount() >= 26) {
    ZEL_LOG(log(), 1, "recurring redirect");
    setStatus(std::string("recurring redirect"));
    endFetch();
    return std::nullopt;
  }

  UrlRequest next = proposed;
  auto target = Url::parse(proposed.url);
  if (defaults().boolForKey("wixSite") && isInternal() && !getIsImage() && !getIsPDF() && target &&
      target->pathExtension() != "css" && target->pathExtension() != "js") {
    std::string wix = proposed.url;
    wix += endsWith(wix, "/") ? "?_escaped_fragment_=" : "/?_escaped_fragment_=";
    if (auto u = Url::parse(wix)) {
      next.url = u->absoluteString();
      target = u;
    }
  }
  if (target) {
    std::string host = target->host();
    if (target->port() && *target->port() != 80 && *target->port() != 0)
      host = strf("%s:%i", host.c_str(), *target->port());
    next.setHeader("Host", host);
    ZEL_LOG(log(), 2, "Host header field of new request is set to " + host);
  }
  next.method = proposed.method;

  if (proposed.url.empty()) {
    setStatus(std::string("redirection to nowhere"));
    endFetch();
    return std::nullopt;
  }
  std::string compared = proposed.url;
  if (hadPercent) {
    // Escapes stand for bytes of the site's own encoding.
    if (auto decoded = TextCodec::decode(percentDecode(compared), owner_->getDetectedEncoding()))
      compared = *decoded;
  }
  if (compared == getActualLinkUrl()) {
    if (getRunJS()) setRunJS(next);
    return next;
  }

  const bool trimQuery = defaults().boolForKey("trimQuery");
  const bool ignoreSlash = defaults().boolForKey("shouldIgnoreSlash");
  const std::string statusText =
      strf("%i %s", redirect->statusCode, reasonPhraseForStatusCode(redirect->statusCode).c_str());
  if (getRedir().empty()) {
    if (isEqualToUrl(proposed.url, trimQuery, ignoreSlash, true)) {
      setLinkUrl(std::string_view(proposed.url), trimQuery);
    } else {
      addRedir(proposed.url, statusText, 0);
      if (!defaults().boolForKey("dontReportRedirects") && redirect->statusCode > 0)
        setStatus(statusText);
    }
  } else {
    addRedir(proposed.url, statusText, 0);
  }
  // Deliberately not followed (other schemes are): a web server must not make us read the disk.
  if (isLocalFile(proposed.url)) {
    setStatus(localized("Not checked"));
    addWarning(kLocalFileFromTheWebWarning);
    endFetch();
    return std::nullopt;
  }
  if (isStartingPoint())
    hub->resetDomain(this);
  else if (isInternal() && hub->redirectUrlIsExternal(proposed.url, getLinkUrl()))
    setIsInternal(false);

  if (isMailtoEtc(getRedir())) {
    setStatus(localized("Not checked"));
    if (isStartingPoint()) hub->addStringToDiagnosticTrace("redirection to tel: mailto: etc");
    endFetch();
    return std::nullopt;
  }
  if (getRunJS()) setRunJS(next);
  return next;
}

bool ZelUrl::canAuthenticateAgainst(UrlConnection&, AuthMethod method) {
  const bool trust = method == AuthMethod::ServerTrust;
  ZEL_LOG(log(), 2, getActualurl() + " : can we authenticate against protection space: " +
                     (trust ? "NSURLAuthenticationMethodServerTrust" : "password"));
  if (trust) return true;
  const bool yes = isInternal() && defaults().boolForKey("attemptAuthenticate");
  ZEL_LOG(log(), 2, yes ? "returning YES (b)" : "returning NO (c)");
  return yes;
}

ChallengeAnswer ZelUrl::didReceiveChallenge(UrlConnection&, const AuthChallenge& challenge) {
  ZEL_LOG(log(), 2, "received authentication challenge from " + getActualLinkUrl() + ", error:" +
                     challenge.errorDescription + ", proposedCredential user:" +
                     defaults().stringOrEmpty("authenticationUserName"));
  ChallengeAnswer answer;
  if (owner_->stopPressed()) {
    answer.disposition = ChallengeDisposition::Cancel;
    return answer;
  }
  if (challenge.method == AuthMethod::ServerTrust) {
    // Any certificate is accepted: a link checker reports the page, not the TLS set-up.
    answer.disposition = ChallengeDisposition::UseCredential;
    return answer;
  }
  const std::string user = defaults().stringOrEmpty("authenticationUserName");
  const std::string password = defaults().stringOrEmpty("authenticationPassword");
  if (defaults().boolForKey("attemptAuthenticate") && getPreviousFailureCount() == 0) {
    setPreviousFailureCount(getPreviousFailureCount() + 1);
    // "***" for the password: logs are shared and kept, passwords must not be.
    ZEL_LOG(log(), 1, "attempting to send: " + user + " and ***");
    answer.disposition = ChallengeDisposition::UseCredential;
    answer.user = user;
    answer.password = password;
    return answer;
  }
  ZEL_LOG(log(), 1, "authentication is switched off or already tried once");
  ZEL_LOG(log(), 1, "Username:" + user + " and password:*** were sent for url: " +
                     getActualLinkUrl() + " but rejected");
  setStatus(std::string("requires authentication"));
  answer.disposition = ChallengeDisposition::Cancel;
  // The loader ends a cancelled challenge with a failure; we have settled the
  // record already, so count it and free the slot now.
  cancelConnection();
  finishFetch(false);
  return answer;
}

}  // namespace zel
