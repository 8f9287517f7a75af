// Response handling: the head, the body, the end of loading and failures of
// one record's fetch.
#include "parser/meta_refresh.h"
#include "parser/zel_parser.h"
#include "platform/platform.h"
#include "platform/text_format.h"
#include "url/zel_record_owner.h"
#include "url/zel_url.h"
#include "url/zel_url_page_facts.h"
#include "urltext/address_kinds.h"

namespace zel {

namespace {

bool inList(std::string_view ext, std::initializer_list<std::string_view> list) {
  for (auto e : list)
    if (ext == e) return true;
  return false;
}

// The body as UTF-8 text, or "" when it is not valid UTF-8.
std::string bodyAsUtf8(const std::string* data) {
  if (!data) return "";
  const auto& s = *data;
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return "";
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return "";
    i += n;
  }
  return s;
}

}  // namespace

void ZelUrl::startConnection(UrlRequest request) {
  connection_.reset();
  connection_ = owner_->platform().loader->start(std::move(request), this);
}

void ZelUrl::cancelConnection() {
  if (connection_) connection_->cancel();
}

bool ZelUrl::droppedWhileStopped() {
  if (!owner_->stopPressed()) return false;
  // Only a record with a status (its head read, or a meta refresh followed)
  // counts: without one, the walk after continuing fetches it anyway.
  if (!getFinalStatus().empty()) setFlag(kAnswerCutByStop, true);
  return true;
}

void ZelUrl::forgetCutAnswer() {
  setFlag(kAnswerCutByStop, false);
  cancelConnection();
  connection_.reset();
  clearData();
  setStatus(std::string());
  clearRedir();
  setActualLinkUrl();
  setIsInBadCollection(false);
}

void ZelUrl::finishFetch(bool extract, bool dropBodyAfter) {
  ZelRecordOwner* hub = owner_;
  hub->incNumberDone(this);
  // The request slot is given back only once the links are extracted, so the
  // crawl never looks idle while a page waits for its turn.
  auto release = [hub, self = this, done = connection_.get(), dropBodyAfter] {
    if (dropBodyAfter && self->isInternal() && !hub->shouldCacheData()) self->clearData();
    hub->platform().runLoop->post([hub, self, done] {
      // The finished connection holds transfer buffers; a crawl keeps many records.
      if (self->connection_.get() == done) self->connection_.reset();
      self->clearWTG();
      hub->threadHasFinished(self);
    });
  };
  if (extract)
    hub->extractLinksInTurn(this, std::move(release));
  else
    release();
}

void ZelUrl::queueRemedial(double afterSeconds) {
  ZelRecordOwner* hub = owner_;
  auto task = [hub, self = this] { hub->addToRemedialQueue(self); };
  if (afterSeconds > 0)
    hub->platform().runLoop->postAfter(afterSeconds, task);
  else
    hub->platform().runLoop->post(task);
}

void ZelUrl::refuseLocalFileTarget(std::string_view target, std::optional<std::string> status,
                                   int32_t reason) {
  addRedir(target, std::move(status), reason);
  setStatus(localized("Not checked"));
  addWarning(kLocalFileFromTheWebWarning);
  clearData();
}

// A "Refresh" header: recorded as a redirect and, for a short delay, repeated.
// Returns true when the fetch ends here.
bool ZelUrl::handleHeaderRefresh(UrlConnection& connection, const UrlResponse& response) {
  auto refresh = response.headerExact("Refresh");
  if (!refresh) refresh = response.header("Refresh");
  if (!refresh) return false;
  const std::string& value = *refresh;
  long long delay = 0;
  size_t semi = value.find(';');
  if (semi != std::string::npos && semi > 0) delay = leadingInteger(value.substr(0, semi));
  size_t at = findIgnoreCase(value, "URL=");
  if (at == std::string::npos) return false;
  std::string target(trimChars(std::string_view(value).substr(at + 4), "'\"; "));
  if (target.empty()) return false;
  auto url = makeNSURLFromString(target, getActualLinkUrl());
  if (!url) return false;
  const std::string resolved = url->absoluteString();
  // Deliberately not followed, unlike other refreshes: a web site must not make us read the disk.
  if (isLocalFile(resolved) && isFromTheWeb()) {
    refuseLocalFileTarget(resolved, strf("%i", response.statusCode), 2);
    connection.cancel();
    finishFetch(false);
    return true;
  }
  addRedir(resolved, strf("%i", response.statusCode), 2);
  if (isStartingPoint())
    owner_->resetDomain(this);
  else if (isInternal() && owner_->redirectUrlIsExternal(resolved, getLinkUrl()))
    setIsInternal(false);
  setStatus(strf("%i %s", response.statusCode, "header field refresh"));
  clearData();
  if (getRedirectCount() >= 11) {
    setStatus(std::string("recurring refresh"));
    ZEL_LOG(log(), 1, getActualLinkUrl() + " Recurring 'Refresh' type redirect, abandoning");
    connection.cancel();
    finishFetch(false);
    return true;
  }
  if (delay >= 1 && delay <= 29) {
    ZEL_LOG(log(), 1, strf("sending another request for %s with a delay of %i after response header "
                        "Refresh redirection",
                        getActualLinkUrl().c_str(), static_cast<int>(delay)));
    connection.cancel();
    queueRemedial(static_cast<double>(delay));
    return true;
  }
  return false;
}

void ZelUrl::typeByExtension(const UrlResponse& response) {
  const std::string ext = extensionOfActualUrl();
  if (inList(ext, {"png", "PNG", "jpg", "JPG", "jpeg", "JPEG", "gif", "GIF", "svg", "SVG", "ico",
                   "ICO"})) {
    setIsHTML(false);
    setIsImage(true);
    setIsAudio(false);
    setIsVideo(false);
  } else if (inList(ext, {"3g2", "3G2", "3gp2", "3GP2", "3gp", "3GP", "3gpp", "3GPP", "asf", "ASF",
                          "avi", "AVI", "divx", "DIVX", "f4v", "F4V", "flv", "FLV", "m2v", "M2V",
                          "m3u8", "M3U8", "mpeg", "MPEG", "mpg", "MPG", "webm", "WEBM", "m4v",
                          "M4V", "mkv", "MKV", "mov", "MOV", "mp4", "MP4", "ogv", "OGV", "qvt",
                          "QVT", "ram", "RAM", "rm", "RM", "vob", "VOB", "wmv", "WMV", "xap",
                          "XAP"})) {
    setIsHTML(false);
    setIsVideo(true);
    setIsImage(false);
    setIsAudio(false);
  } else if (inList(ext, {"mp3", "MP3", "aac", "AAC", "mid", "MID", "midi", "MIDI", "oga", "OGA",
                          "wav", "WAV", "m4r", "M4R", "weba", "WEBA"})) {
    setIsHTML(false);
    setIsAudio(true);
    setIsImage(false);
    setIsVideo(false);
  } else if (startsWithIgnoreCase(ext, "gpx") || startsWithIgnoreCase(ext, "dmg") ||
             startsWithIgnoreCase(ext, "pdf")) {
    setIsHTML(false);
    setIsImage(false);
    setIsAudio(false);
    setIsVideo(false);
  } else {
    setIsHTML(false);
    auto length = response.headerExact("content-length");
    if (!length) length = response.headerExact("Content-Length");
    if (length && leadingInteger(*length) > 4194304)
      ZEL_LOG(log(), 1, "content length of " + getActualLinkUrl() + " is said to be " + *length);
  }
}

// A page whose body refreshes to another address: recorded as a redirect and
// fetched again at the new address. Returns true when the fetch ends here.
bool ZelUrl::followMetaRefresh() {
  if (!pageIsMetaRefresh(*data_, &log())) return false;
  ZEL_LOG(log(), 2, "we have a meta refresh having loaded " + getActualLinkUrl() + " (original url " +
                     getLinkUrl() + ") ");
  // Two pages refreshing to each other would otherwise be fetched without end.
  if (getRedirectCount() >= kMaxMetaRefreshes) {
    ZEL_LOG(log(), 1, getActualLinkUrl() + " Recurring meta refresh, abandoning");
    return false;
  }
  auto parser = ZelParser::initWithData(*data_, false, false, owner_->getDetectedEncoding(), 0,
                                        true, defaults(), &log());
  if (!parser) {
    log().always("meta refresh encountered on " + getActualLinkUrl() +
                 " but unable to create parser.");
    return false;
  }
  auto href = parser->getNextHref();
  std::optional<Url> resolved;
  if (href) resolved = makeNSURLFromString(*href, getActualLinkUrl());
  if (!resolved) {
    log().always("meta refresh encountered but unable to extract redirect url or this url (" +
                 getActualLinkUrl() + ") cannot be understood.");
    return false;
  }
  const std::string target = resolved->absoluteString();
  if (target == getActualLinkUrl()) {
    log().always("meta redirect to identical url, ignoring");
    return false;
  }
  if (target.find("%3Bamp%3Bamp") != std::string::npos) return false;
  // Deliberately not followed, unlike other refreshes: a web site must not make us read the disk.
  if (isLocalFile(target) && isFromTheWeb()) {
    refuseLocalFileTarget(target, getFinalStatus(), 1);
    finishFetch(false);
    return true;  // the caller ends the connection
  }
  addRedir(target, getFinalStatus(), 1);
  clearData();
  ZEL_LOG(log(), 2, "sending another request for " + getActualLinkUrl() + " after meta redirection");
  queueRemedial();
  return true;
}

void ZelUrl::didReceiveResponse(UrlConnection& connection, const UrlResponse& response) {
  if (!hasSentRequest()) {
    log().always("panic!");
    return;
  }
  if (droppedWhileStopped()) return;
  ZEL_LOG(log(), 4, "received response from " + getActualLinkUrl() + " - response now " +
                     response.url);
  if (response.isHttp && handleHeaderRefresh(connection, response)) return;

  setResponseTimeInterval(getTimeSinceSent());
  if (const KeptHeaderRule* rule = response.isHttp ? owner_->keptResponseHeaders() : nullptr) {
    KeptResponseHeaders kept = KeptResponseHeaders::from(response.headers, *rule);
    if (rule->noListOnPlainHttp && kept.headers.empty() && !kept.truncated &&
        !startsWith(response.url, "https://")) {
      if (getResponseHeaders()) dropResponseHeaders();  // an earlier response's
    } else {
      setResponseHeaders(std::move(kept));
    }
  }
  auto length = response.headerExact("Content-Length");
  if (!length) length = response.header("Content-Length");
  setFileSizeCompressed(length ? leadingInteger(*length) : 0);
  setContentLengthUnavailable(!length);
  if (isInternal() && response.isHttp) {
    auto modified = response.headerExact("Last-Modified");
    if (!modified) modified = response.header("Last-Modified");
    setTargetLastModified(modified);
  }

  if (!response.isHttp) {
    setStatus(std::string("200 no error (not http)"));
    setIsHTML(containsIgnoreCase(response.mimeType, "html"));
    if (defaults().boolForKey("caseSensitiveFileURLs") &&
        startsWith(getActualLinkUrl(), "file://") && !actualPathMatchesCase(response.url))
      setStatus(std::string("File exists, but case may not match"));
  } else {
    const int code = response.statusCode;
    auto contentType = response.headerExact("Content-Type");
    if (!contentType) contentType = response.header("Content-Type");
    if (!contentType || code > 399) {
      typeByExtension(response);
    } else {
      const std::string& ct = *contentType;
      setMimeType(std::string(trimWhitespace(ct.substr(0, ct.find(';')))));
      if (ct.find("html") != std::string::npos) {
        setIsHTML(true);
        setIsImage(false);
      } else {
        setIsHTML(false);
      }
      if (ct.find("image/") != std::string::npos) setIsImage(true);
      if (ct.find("video/") != std::string::npos) setIsVideo(true);
      if (ct.find("audio/") != std::string::npos) setIsAudio(true);
      if (ct.find("application/") != std::string::npos) {
        setIsHTML(false);
        setIsImage(false);
      }
    }

    auto server = response.header("Server");
    if (code == 999 && containsIgnoreCase(getActualLinkUrl(), "linkedin")) {
      setStatus(localized("blocked by LinkedIn"));
      setRetryCount(1);
    } else if (code > 399 && (response.header("CF_RAY") || response.header("CF-RAY") ||
                              (server && *server == "cloudflare"))) {
      setStatus(localized("blocked by Cloudflare"));
      setRetryCount(1);
    } else {
      setStatus(std::to_string(code) + " " + reasonPhraseForStatusCode(code));
    }
    const bool head = connection.originalRequest().method == "HEAD";
    if (code == 429) {
      auto retry = response.header("Retry-After");
      const long long seconds = retry ? leadingInteger(*retry) : 0;
      if (seconds >= 1 && seconds <= 119) {
        setRetryAfter(static_cast<int32_t>(seconds));
        log().always(strf("%s has returned 429. and asked us to retry after a delay of %i seconds",
                          getActualLinkUrl().c_str(), static_cast<int>(seconds)));
        addWarning(strf("The server has returned 429 and asked us to retry after a delay of %i "
                        "seconds",
                        static_cast<int>(seconds)));
      }
    } else if (code == 403 && getRetryCount() == 0) {
      setRetryCount(1);
      ZEL_LOG(log(), 2, getActualLinkUrl() +
                         " 403 received, will retry with GET, cookies and browser querystring");
      connection.cancel();
      queueRemedial();
      return;
    } else if (head && code > 399 && code != 999 &&
               !isLocalized(getFinalStatus(), "blocked by LinkedIn") &&
               !isLocalized(getFinalStatus(), "blocked by Cloudflare") && getRetryCount() == 0) {
      ZEL_LOG(log(), 2, getActualLinkUrl() + " 400 or higher received using HEAD, trying again with GET");
      connection.cancel();
      queueRemedial();
      return;
    }
  }

  owner_->statusHasChangedFordO(this);
  if (connection.originalRequest().method == "HEAD") return;
  // A rate-limited answer is read to its end, where the repeat is decided.
  const bool rateLimited = response.isHttp && response.statusCode == 429;

  const bool everything = (defaults().boolForKey("runAllToCompletion") ||
                           defaults().boolForKey("notifyAllResourcesRegardlessOfFileType")) &&
                          isInternal();
  if (!everything && !rateLimited) {
    bool wanted = getIsHTML() || isStartingPoint() ||
                  (getIsImage() && owner_->shouldLoadImages()) ||
                  (getIsPDF() && defaults().boolForKey("shouldParsePDFs")) ||
                  (getIsCSS() && defaults().boolForKey("shouldParseCSS")) ||
                  (getIsJS() && defaults().boolForKey("shouldLoadJS")) ||
                  (containsIgnoreCase(getActualLinkUrl(), ".xml") && isInternal());
    const bool soft404 = defaults().boolForKey("shouldCheckForSoft404");
    if (!isInternal() && !(soft404 || getIsImage())) wanted = false;
    if (!wanted) {
      ZEL_LOG(log(), 2, "old-style cancellation - have status but won't collect data for " +
                         getActualLinkUrl());
      if (soft404) ZEL_LOG(log(), 2, "connection method is " + connection.originalRequest().method);
      connection.cancel();
      finishFetch(false);
      return;
    }
  }
  if (isSonOfXML()) {
    connection.cancel();
    finishFetch(false);
    return;
  }
  ZEL_LOG(log(), 4, strf("thread %i collecting data for %s. %f seconds since response sent. ",
                      thread(), getActualLinkUrl().c_str(), getTimeSinceSent()));
  if (getRunJS() && getIsHTML()) renderInstead(connection);
}

bool ZelUrl::renderInstead(UrlConnection& connection) {
  ZEL_LOG(log(), 2, "have status for " + getActualLinkUrl() + " but will collect data via PageRenderer");
  Status why;
  std::unique_ptr<ZelRenderer> renderer = owner_->makeRenderer(*getRunJS(), this, &why);
  if (!renderer) {
    // No browser: the page is read as the server sent it, and the record says why.
    addWarning(localized("The page was read as served, not rendered") + ": " + why.message());
    return false;
  }
  facts().more().WTG = std::move(renderer);
  facts().more().awaitingRender = true;
  connection.cancel();
  return true;
}

void ZelUrl::connection(UrlConnection*, std::string_view data) {
  if (droppedWhileStopped()) return;
  ensureData().append(data);
}

void ZelUrl::connectionDidFinishLoading(UrlConnection*) {
  if (!facts_ || !facts_->extra || !facts_->extra->awaitingRender) return;
  facts_->extra->awaitingRender = false;
  owner_->handleInTurn([this, sinceSent = getTimeSinceSent()] { finishLoading(nullptr, sinceSent); });
}

void ZelUrl::WTGWillPerformRedirectToURL(const std::string& url) {
  log().always("WTGWillPerformRedirectToURL");
  addRedir(url, std::string("n/a"), 0);
}

void ZelUrl::didReceiveOwnedData(UrlConnection& connection, std::string&& bytes) {
  // The first bytes of a body become the body itself.
  if (data_ || owner_->stopPressed() || log().enabled(4) ||
      connection.originalRequest().method == "HEAD")
    return didReceiveData(connection, bytes);
  // A body grown chunk by chunk may hold twice its size; a record can keep it long.
  if (bytes.capacity() - bytes.size() > bytes.size() / 4) bytes.shrink_to_fit();
  data_ = std::make_shared<std::string>(std::move(bytes));
}

void ZelUrl::didReceiveData(UrlConnection& connection, std::string_view bytes) {
  if (droppedWhileStopped()) return;
  ZEL_LOG(log(), 4, strf("thread %i receiving data %s. %f seconds since response sent. %ld bytes "
                      "received",
                      thread(), getActualLinkUrl().c_str(), getTimeSinceSent(),
                      static_cast<long>(bytes.size())));
  if (connection.originalRequest().method == "HEAD") {
    ZEL_LOG(log(), 1, "HEAD request is sending data!!!  " + getActualLinkUrl());
    return;
  }
  try {
    ensureData().append(bytes);
  } catch (const std::bad_alloc&) {
    log().always("**** failed to add data for " + getActualLinkUrl());
    connection.cancel();
    owner_->stop();
  }
}

void ZelUrl::didFinishLoading(UrlConnection& connection) {
  // The page comes from the renderer instead.
  if (getWTG()) return;
  owner_->pageHasArrived(this);
  // Handled after the extractions of pages that finished before, as if each had
  // been extracted the moment it arrived; the times are those of the arrival.
  owner_->handleInTurn([this, &connection, sent = sentRequestMono_, sinceSent = getTimeSinceSent()] {
    // A record sent again meanwhile (a crawl stopped and continued while this page
    // waited its turn) has another connection, maybe at the freed one's address:
    // this one is gone and its end forgotten.
    if (connection_.get() != &connection || sentRequestMono_ != sent) return;
    finishLoading(&connection, sinceSent);
  });
}

void ZelUrl::finishLoading(UrlConnection* connection, double sinceSent) {
  if (!hasSentRequest() || droppedWhileStopped()) return;
  // Deliberately unlike the Part (no size limit): what was read before the cut is used.
  if (connection && connection->bodyWasCut()) {
    const double mb = static_cast<double>(connection->currentRequest().maxBodyBytes) / (1 << 20);
    addWarning(strf("page cut at %g MB", mb));
  }
  const size_t received = data_ ? data_->size() : 0;
  ZEL_LOG(log(), 4, strf("thread %i finished loading %s. %f seconds since response sent. %ld bytes "
                      "received",
                      thread(), getActualLinkUrl().c_str(), sinceSent,
                      static_cast<long>(received)));
  if (isStartingPoint() && log().enabled(4)) {
    const auto charset = data_ ? ZelParser::extractCharsetFromHTML(*data_) : std::nullopt;
    if (!charset)
      ZEL_LOG(log(), 4, "no charset found, assuming utf-8");
    else
      ZEL_LOG(log(), 4, strf("charset appears to be: %s, using NSStringEncoding %ld", charset->c_str(),
                          static_cast<long>(ZelParser::encodingForCharset(*charset))));
    ZEL_LOG(log(), 4, "Final source of starting URL: " + bodyAsUtf8(data_.get()));
  }
  NotificationCenter& nc = *owner_->platform().notifications;
  const bool good = isGoodLink();
  if (getIsImage() && good)
    nc.post("ZelUrlHasImageData", this);
  else if (getIsPDF() && good)
    nc.post("ZelUrlHasPDFData", this);
  else if ((getIsCSS() || getIsJS()) && good)
    nc.post("ZelUrlHasResourceData", this);
  else if (isInternal() && good && defaults().boolForKey("notifyAllResourcesRegardlessOfFileType") &&
           isAnotherFileType())
    nc.post("ZelUrlHasResourceData", this);
  if (getIsPDF() && good) nc.post("ZelUrlHasResourceData", this);

  if (getFinalStatus().find("429") != std::string::npos) {
    const std::string details = bodyAsUtf8(data_.get());
    log().always("429 encountered - details are: " + details);
    addWarning("The server returned 429 - details are: " + details);
    if (getRetryCount() == 0) {
      setRetryCount(1);
      if (connection) connection->cancel();
      queueRemedial(getRetryAfter() > 0 ? getRetryAfter() : 1);
      return;
    }
    if (!isInternal()) {
      log().always("*** the 429 was an external link");
    } else {
      log().always("posting ZelRateLimitingEncountered notification");
      nc.post("ZelRateLimitingEncountered", this);
    }
  }

  setLoadTimeInterval(sinceSent - getResponseTimeInterval());
  setFileSize(static_cast<int64_t>(received));
  if (contentLengthUnavailable()) setFileSizeCompressed(static_cast<int64_t>(received));

  if (!getIsImage() && !getIsPDF() && !isInBadCollection() && data_ && followMetaRefresh()) {
    if (connection) connection->cancel();
    return;
  }

  if (((isInternal() && getIsHTML()) || isStartingPoint()) && defaults().boolForKey("shouldArchive"))
    owner_->archivePage(this);

  if (!isStartingPoint() && !getIsImage() && !getIsPDF()) {
    if (getFinalStatus().empty()) {
      ZEL_LOG(log(), 1, getActualLinkUrl() + " connectionDidFinishLoading called but no status");
    } else {
      const char c = getFinalStatus()[0];
      const int digit = (c >= '0' && c <= '9') ? c - '0' : 0;
      if (digit < 4 && owner_->performSoft404CheckOnThisUrl(this))
        setStatus(std::string("404 'soft 404'"));
    }
  }
  if (data_ && !data_->empty() && data_->size() < 250 &&
      bodyAsUtf8(data_.get()).find("_Incapsula_Resource") != std::string::npos) {
    setStatus(localized("blocked by Incapsula"));
    setRetryCount(1);
  }
  if (isStartingPoint() && log().enabled(4))
    ZEL_LOG(log(), 4, "finished loading starting url " + getActualLinkUrl() +
                       " and we have: " + bodyAsUtf8(data_.get()));
  finishFetch(!getIsImage(), true);
}

void ZelUrl::didFailWithError(UrlConnection& connection, const UrlError& error) {
  if (!getFinalStatus().empty())
    ZEL_LOG(log(), 1, "*** " + getLinkUrl() + " connection failed: " + error.description +
                       "  but it already had status " + getFinalStatus());
  if (droppedWhileStopped()) return;
  setStatus(error.description);
  if (hasSentRequest()) setResponseTimeInterval(getTimeSinceSent());
  if ((error.code == UrlError::kTimedOut || error.code == UrlError::kCannotConnect ||
       error.code == UrlError::kHTTPTooManyRedirects) &&
      getRetryCount() == 0) {
    setRetryCount(1);
    ZEL_LOG(log(), 1, getLinkUrl() + ": " + error.description + " - retrying once");
    connection.cancel();
    queueRemedial();
    return;
  }
  owner_->learnHostFailure(connection.currentRequest().url, error);
  owner_->statusHasChangedFordO(this);
  finishFetch(false);
}

}  // namespace zel
