// Turning a record into its HTTP request: address, method, headers, cookies,
// the login form and the time-out.
#include "engine/service_hosts.h"
#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "urltext/address_kinds.h"
#include "urltext/code_points.h"
#include "urltext/path_text.h"
#include "urltext/url_parts.h"

namespace zel {

namespace {

constexpr const char* kBrowserUserAgent =
    "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_13_2) AppleWebKit/604.4.5 (KHTML, like Gecko) "
    "Version/11.0.2 Safari/604.4.5";
constexpr int kMostSelfRedirects = 24;
constexpr const char* kAccept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";

// Extension of the last path component, query included ("js?v=2" for /a.js?v=2).
std::string extensionWithQuery(std::string_view address) {
  size_t start = address.find("://");
  start = start == std::string_view::npos ? 0 : start + 3;
  size_t slash = address.rfind('/');
  if (slash == std::string_view::npos || slash < start) return "";
  std::string_view last = address.substr(slash + 1);
  size_t dot = last.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return "";
  return std::string(last.substr(dot + 1));
}

bool isOneOf(std::string_view v, std::initializer_list<std::string_view> list) {
  for (auto e : list)
    if (v == e) return true;
  return false;
}

// 7-bit ASCII, lossy: each character that does not fit becomes one "?".
std::string asciiLossy(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    size_t len = 1;
    const char32_t cp = decodeUtf8At(text, i, len);
    out += cp < 0x80 ? static_cast<char>(cp) : '?';
    i += len;
  }
  return out;
}

}  // namespace

bool ZelHub::shouldLoadImages() const {
  return defaults().boolForKey("checkImages") && defaults().boolForKey("loadImages");
}

bool ZelHub::shouldCacheData() const {
  return defaults().boolForKey("checkSpelling") || defaults().boolForKey("checkGrammar");
}

double ZelHub::requestTimeout() const {
  const double t = defaults().doubleForKey("timeout");
  return t > 0 ? t : kDefaultTimeoutSeconds;
}

std::string ZelHub::hostKey(std::string_view address) {
  auto u = Url::parse(address);
  if (!u || (u->scheme() != "http" && u->scheme() != "https")) return std::string();
  return asciiLower(u->host()) + ":" +
         std::to_string(u->port().value_or(u->scheme() == "https" ? 443 : 80));
}

void ZelHub::learnHostFailure(const std::string& address, const UrlError& error) {
  if (error.code != UrlError::kCannotFindHost && error.code != UrlError::kCannotConnect) return;
  const std::string key = hostKey(address);
  if (key.empty() || !unreachableHosts_.emplace(key, error.description).second) return;
  ZEL_LOG(log(), 1, "host " + key + " cannot be reached (" + error.description +
                     "); its other addresses will not be requested");
}

int64_t ZelHub::maxBodyBytes() const {
  return defaults().peek("maxBodyBytes") ? defaults().integerForKey("maxBodyBytes")
                                          : kDefaultMaxBodyBytes;
}

void ZelHub::settleWithoutRequest(ZelUrl* r, const std::string& status,
                                  const std::string& warning) {
  r->setStatus(status);
  if (!warning.empty()) r->addWarning(warning);
  statusHasChangedFordO(r);
  incNumberDone(r);
  // On the next turn, so that a run of such records does not recurse.
  platform_.runLoop->post([this, r] { threadHasFinished(r); });
}

void ZelHub::sendAsyncServerRequest(ZelUrl* r) {
  const Defaults& d = defaults();
  const double timeout = requestTimeout();
  bool forceGet = false, forceCookies = false, afterMeta = false;
  if (!r->getStatus().empty()) {
    if (!r->shouldBeMemberOfBadCollection()) {
      ZEL_LOG(log(), 2, r->getActualLinkUrl() +
                         " is error after using HEAD method, retrying, forcing GET and cookies on");
      forceGet = forceCookies = true;
    } else if (r->lastRedirectWasMeta()) {
      ZEL_LOG(log(), 2, "trying " + r->getActualLinkUrl() + " after meta redirect");
      afterMeta = true;
    }
    if (!afterMeta) {
      r->setStatus(std::string());
      r->clearRedir();
      r->setActualLinkUrl();
    }
  }
  std::string a = r->getLinkUrlForTesting();
  if (!r->getStatus().empty() && !afterMeta) a = r->getLinkUrl();
  if (a.size() > 7 && startsWith(a, "feed://")) a = "http://" + a.substr(7);

  if (d.boolForKey("wixSite") && !r->getIsImage() && !r->getIsPDF() && r->isInternal() &&
      !a.empty()) {
    const std::string_view ext = textPathExtension(a);
    if (ext != "css" && ext != "js") a += endsWith(a, "/") ? "?_escaped_fragment_=" : "/?_escaped_fragment_=";
  }
  // "&" before the query would read as a parameter separator.
  {
    size_t q = a.find('?');
    a = replaceAll(std::string_view(a).substr(0, q), "&", "%26") +
        (q == std::string::npos ? std::string() : a.substr(q));
  }

  auto u = Url::parse(a);
  if (u && a == r->getActualLinkUrl()) r->noteParsedActualUrl(*u);
  if (!u) u = Url::parse(encodedURLString(r->getLinkUrlForTesting(), d));
  // The rendering proxy's address is the user's setting; without one nothing is proxied.
  const bool proxy = u && d.boolForKey("useProxyCrawl");
  const std::string token = proxy ? d.stringOrEmpty("proxyCrawlToken") : std::string();
  const std::string endpoint = proxy ? d.stringOrEmpty("proxyCrawlEndpoint") : std::string();
  if (proxy && !token.empty() && !endpoint.empty() && !startsWith(u->absoluteString(), "file:")) {
    auto proxied = Url::parse(endpoint + strf("?token=%s&url=%s", token.c_str(), a.c_str()));
    if (!proxied)
      proxied = Url::parse(endpoint + "?token=" + token + "&url=" +
                           encodedURLString(r->getLinkUrlForTesting(), d));
    if (proxied) u = proxied;
  }
  if (u && u->isFileUrl() && platform_.fileSystem->isDirectory(u->decodedPath())) {
    const std::string name(trimWhitespace(d.stringOrEmpty("defaultLocalFileName")));
    ZEL_LOG(log(), 3, u->absoluteString() + " is directory, adding filename " + name);
    std::string text = u->absoluteString();
    if (!endsWith(text, "/")) text += "/";
    if (auto withName = Url::parse(text + encodedPath(name))) u = withName;
  }

  UrlRequest req;
  req.headers.reserve(12);  // the usual headers and the custom ones, without regrowing
  req.url = u ? u->absoluteString() : a;
  // A host already found unreachable is not asked again.
  if (!unreachableHosts_.empty()) {
    auto failed = unreachableHosts_.find(hostKey(req.url));
    if (failed != unreachableHosts_.end()) {
      ++hostFailureSettled_;
      settleWithoutRequest(r, failed->second,
                           "Not requested: " + failed->first +
                               " could not be reached earlier in this crawl");
      return;
    }
  }
  // Whatever path led here, a local file that a web page links to is never opened.
  if (isLocalFile(req.url)) {
    bool fromWeb = r->isFromTheWeb();
    for (ZelLinkInstance* i : r->getInboundInstances())
      fromWeb = fromWeb || (i->parent() && i->parent()->isFromTheWeb());
    if (fromWeb) {
      settleWithoutRequest(r, localized("Not checked"), ZelUrl::kLocalFileFromTheWebWarning);
      return;
    }
  }
  req.ignoreLocalCache = true;
  req.timeoutSeconds = timeout;
  req.maxBodyBytes = maxBodyBytes();
  req.handleCookies = false;
  // A page that redirects to itself costs at most 25 requests a fetch (it is
  // fetched at most twice): the loader gives up after 24 such hops in a row.
  req.selfRedirectLimit = kMostSelfRedirects;

  // No agent setting: no User-Agent header of ours (never an empty one).
  const std::optional<std::string> agentSetting = d.stringForKey("userAgentString");
  const std::string agent = agentSetting.value_or(std::string());
  if (agentSetting) req.setHeader("User-Agent", agent);
  if (isDocumentOrFileStorageService(a))
    req.setHeader("User-Agent", kBrowserUserAgent);
  if (forceCookies && (containsIgnoreCase(agent, "Zelmora") || containsIgnoreCase(agent, "Googlebot"))) {
    req.setHeader("User-Agent", kBrowserUserAgent);
    ZEL_LOG(log(), 1, "link " + a + " gave error, retrying with cookies, also using querystring of a "
                "real browser");
  }
  // Deliberately without user and password (the Part sends the address as it
  // is): credentials in a start address must not travel to other hosts.
  if (ZelUrl* from = r->getLastOnPageUrl())
    req.setHeader("Referer", withoutUserInfo(from->getLinkUrlForTesting()));
  if (!r->getRedir().empty()) req.setHeader("Referer", withoutUserInfo(r->getRedir()));
  if (r->getRedir() == a) req.setHeader("Referer", withoutUserInfo(r->getLinkUrl()));
  if (u) {
    req.setHeader("Host", u->port() ? u->host() + ":" + std::to_string(*u->port()) : u->host());
  }
  const std::string language = d.stringOrEmpty("customHeaderAcceptLanguage");
  req.setHeader("Accept-Language", language.empty() ? "*" : language);
  req.setHeader("Cache-Control", "no-cache");
  req.setHeader("Accept-Encoding", "gzip, deflate, br");
  req.setHeader("Accept", kAccept);
  // By default every request asks for its connection to be closed after it. With
  // keepAlive, deliberately not: the connection stays open and the site's next
  // request goes over it, which saves the site and us a handshake per request and,
  // on a distant server, a round trip or two each. HTTP/2 connections are kept
  // either way (they cannot carry this header).
  if (!d.boolForKey("keepAlive")) req.setHeader("Connection", "close");

  if (d.boolForKey("handleCookies") || forceCookies) {
    ZEL_LOG(log(), 2, "** setting cookies");
    req.handleCookies = true;
  }

  const bool noHead = d.boolForKey("alwaysUseGET") ||
                      d.boolForKey("notifyAllResourcesRegardlessOfFileType") || forceGet ||
                      r->isStartingPoint();
  if (!noHead) {
    const std::string e = extensionWithQuery(a);
    bool head = false;
    if (!(e.empty() && r->isInternal())) {
      const bool imageExt = isOneOf(e, {"jpg", "JPG", "jpeg", "JPEG", "gif", "GIF", "png", "PNG"});
      if (r->getIsPDF() && !d.boolForKey("shouldParsePDFs")) head = true;
      else if (r->getIsCSS() && !d.boolForKey("shouldParseCSS")) head = true;
      else if (r->getIsJS() && !d.boolForKey("shouldLoadJS")) head = true;
      else if (imageExt && !shouldLoadImages()) head = true;
      else if (e == "js") head = true;
      else if (startsWithIgnoreCase(e, "ttf") || startsWithIgnoreCase(e, "flv") ||
               startsWithIgnoreCase(e, "woff") || startsWithIgnoreCase(e, "svg") ||
               startsWithIgnoreCase(e, "vtt") || startsWithIgnoreCase(e, "vcf") ||
               startsWithIgnoreCase(e, "gpx") || startsWithIgnoreCase(e, "dmg"))
        head = true;
      else if (!d.boolForKey("shouldCheckForSoft404") && !r->isInternal() &&
               !(imageExt || r->getIsImage()))
        head = true;
      else if (!r->isXML() && r->isSonOfXML())
        head = true;
    }
    if (head) {
      ZEL_LOG(log(), 2, "using HEAD request for " + a);
      req.method = "HEAD";
    }
  }

  // The settings' names as constants: this runs for every request.
  static constexpr std::pair<const char*, const char*> kCustomHeaders[] = {
      {"customHeaderKey1", "customHeaderValue1"},
      {"customHeaderKey2", "customHeaderValue2"},
      {"customHeaderKey3", "customHeaderValue3"}};
  for (const auto& [keyName, valueName] : kCustomHeaders) {
    const std::string key = d.stringOrEmpty(keyName);
    if (key.empty()) continue;
    // A key without a value takes that header off the request.
    if (auto value = d.stringForKey(valueName)) req.setHeader(key, *value);
    else req.removeHeader(key);
  }

  if (d.boolForKey("attemptAuthenticate") && r->isStartingPoint()) {
    const std::string userField = d.stringOrEmpty("authenticationUserNameFieldName");
    const std::string user = d.stringOrEmpty("authenticationUserName");
    const std::string passField = d.stringOrEmpty("authenticationPasswordFieldName");
    const std::string pass = d.stringOrEmpty("authenticationPassword");
    if (!userField.empty() && !user.empty() && !passField.empty() && !pass.empty()) {
      std::string body = userField + "=" + user + "&" + passField + "=" + pass;
      for (int i = 1; i <= 3; ++i) {
        const std::string key = d.stringOrEmpty(strf("customPostKey%i", i));
        if (!key.empty()) body += "&" + key + "=" + d.stringOrEmpty(strf("customPostValue%i", i));
      }
      // The password as "***": logs are shared and kept, passwords must not be.
      ZEL_LOG(log(), 1, "sending post request with " +
                         replaceAll(body, passField + "=" + pass, passField + "=***"));
      body = asciiLossy(body);
      req.method = "POST";
      req.setHeader("Content-Length", strf("%i", static_cast<int>(body.size())));
      req.setHeader("Content-Type", "application/x-www-form-urlencoded");
      req.setHeader("Accept", kAccept);
      req.setHeader("Accept-Language", "en-US,en;q=0.5");
      req.setHeader("Accept-Encoding", "gzip, deflate");
      req.body = std::move(body);
    }
  }
  if (d.boolForKey("runJS")) {
    ZEL_LOG(log(), 3, "setting runJS feature for " + a);
    r->setRunJS(req);
  }
  r->setSentRequest();
  std::string headers;  // for the log, read before the request is handed over
  if (log().enabled(4))
    for (const auto& [k, v] : req.headers) headers += k + ": " + v + "; ";
  r->startConnection(std::move(req));
  if (!r->hasConnection())
    ZEL_LOG(log(), 1, "connection can't be created to " + r->getLinkUrlForTesting());
  ZEL_LOG(log(), 4, "request: " + a + " headers: " + headers);
}

}  // namespace zel
