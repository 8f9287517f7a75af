// Starting a crawl: the starting address and what kind of start it is, the
// scope lists, robots.txt, the starting directory and domains, the start's
// encoding, record 0 and its request.
#include <mutex>

#include "engine/robots_txt.h"
#include "urltext/path_text.h"
#include "engine/zel_hub.h"
#include "parser/entities.h"
#include "parser/text_encoding.h"
#include "platform/regex.h"
#include "platform/text_codec.h"
#include "platform/text_format.h"
#include "seo/output_filter_manager.h"
#include "urltext/percent_encoding.h"
#include "urltext/url_parts.h"

namespace zel {

namespace {

// The path of the XFN 1.1 profile, never worth checking.
constexpr const char* kXfnProfileTerm = "gmpg.org/xfn/11";
// A meta generator naming the hosted site builder whose pages need special care.
constexpr const char* kSiteBuilderGeneratorPattern = "<meta.*?generator.*?(wix\\.com.*?)\"";

// Result codes of a local read, in the platform's file-error numbering.
constexpr int kFileReadUnknown = 256;
constexpr int kFileReadNoSuchFile = 260;
constexpr int kFileReadUnknownEncoding = 264;
// The part of a robots.txt that is read.
constexpr size_t kMostRobotsTxtBytes = 500 * 1024;

std::string describeList(const std::vector<std::string>& items) {
  return "(" + join(items, ", ") + ")";
}

std::string describeList(const std::optional<std::vector<std::string>>& items) {
  return items ? describeList(*items) : "(null)";
}

struct DecodedText {
  std::string text;
  TextEncoding encoding = encoding::kNone;
};

// Reads bytes as text the way a "contents of URL" read detects its encoding: a
// byte-order mark decides, then a charset the server named, then UTF-8.
// nullopt when none of these fits.
std::optional<DecodedText> decodeDetectingEncoding(std::string_view bytes,
                                                   std::string_view declaredCharset) {
  auto take = [&](std::string_view b, TextEncoding enc) -> std::optional<DecodedText> {
    auto text = TextCodec::decode(b, enc);
    if (!text) return std::nullopt;
    return DecodedText{std::move(*text), enc};
  };
  if (startsWith(bytes, "\xEF\xBB\xBF")) return take(bytes.substr(3), encoding::kUTF8);
  if (startsWith(bytes, "\xFE\xFF") || startsWith(bytes, "\xFF\xFE"))
    return take(bytes, encoding::kUTF16);
  if (!declaredCharset.empty()) {
    const TextEncoding enc = TextCodec::encodingForIanaName(declaredCharset);
    if (enc != encoding::kNone)
      if (auto d = take(bytes, enc)) return d;
  }
  if (TextCodec::isValidUtf8(bytes)) return DecodedText{std::string(bytes), encoding::kUTF8};
  return std::nullopt;
}

// The folder of a local start as a domain entry: the address less its last
// path component, read as a file path ("/" runs collapse, a trailing "/" is
// ignored), with the local roots written back as "file:///".
std::string localFolderPrefix(std::string_view absolute) {
  std::string s;
  s.reserve(absolute.size());
  for (char c : absolute) {
    if (c == '/' && !s.empty() && s.back() == '/') continue;
    s.push_back(c);
  }
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  const size_t slash = s.rfind('/');
  if (slash != std::string::npos) s.resize(slash);
  if (startsWith(s, "file:/Users") || startsWith(s, "file:/users")) {
    s = replaceAll(s, "file:/Users", "file:///Users");
    s = replaceAll(s, "file:/users", "file:///Users");
  }
  if (startsWith(s, "file:/Volumes") || startsWith(s, "file:/volumes")) {
    s = replaceAll(s, "file:/Volumes", "file:///Volumes");
    s = replaceAll(s, "file:/volumes", "file:///Volumes");
  }
  // Deliberately every other root too (the Part keeps them "file:/"): file
  // addresses met during the crawl are always written "file:///" here.
  if (startsWith(s, "file:/") && !startsWith(s, "file:///")) s.insert(5, "//");
  return s;
}

std::string fileErrorDescription(int code, std::string_view name) {
  const std::string quoted = "The file \"" + std::string(name) + "\" couldn't be opened";
  switch (code) {
    case kFileReadNoSuchFile: return quoted + " because there is no such file.";
    case kFileReadUnknownEncoding:
      return quoted + " because the text encoding of its contents can't be determined.";
    default: return quoted + ".";
  }
}

}  // namespace

// ---- Text helpers ---------------------------------------------------------------------------

std::string ZelHub::normalisedStartingAddress(std::string_view typed) {
  const std::string s(trimUnicodeWhitespace(typed));
  const size_t length = utf8Length(s);
  if (length < 7) return "http://" + s;
  if (s.find("://") != std::string::npos) return s;
  if (length < 9) return "http://" + s;
  const bool localRoot = startsWith(s, "/Volum") || startsWith(s, "/Users") ||
                         startsWith(s, "/Library") || startsWith(s, "/private") ||
                         startsWith(s, "/tmp");
  if (localRoot) return "file://" + replaceAll(unescapeEntities(s), " ", "%20");
  return "http://" + s;
}

std::vector<std::string> ZelHub::trimEachItemInArray(
    const std::optional<std::vector<std::string>>& items) {
  std::vector<std::string> out;
  if (!items) return out;
  for (const std::string& item : *items) {
    const std::string_view t = trimUnicodeWhitespace(item);
    if (!t.empty()) out.emplace_back(t);
  }
  return out;
}

std::vector<std::string> ZelHub::makeEachItemInArray(const std::vector<std::string>& items,
                                                     std::string_view base) {
  if (!base.empty() && base.back() == '/') base.remove_suffix(1);
  std::vector<std::string> out;
  for (const std::string& item : items) {
    const std::string_view t = trimUnicodeWhitespace(item);
    if (t.empty()) continue;
    out.push_back(t[0] == '/' ? std::string(base) + std::string(t) : std::string(t));
  }
  return out;
}

uint16_t ZelHub::firstCharOf(std::optional<std::string_view> text) {
  if (!text || text->empty()) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(text->data());
  const size_t n = text->size();
  const unsigned char c = p[0];
  if (c < 0x80) return c;
  auto cont = [&](size_t i) { return i < n && (p[i] & 0xC0) == 0x80; };
  uint32_t cp;
  if (c >= 0xC2 && c <= 0xDF && cont(1)) {
    cp = ((c & 0x1Fu) << 6) | (p[1] & 0x3Fu);
  } else if (c >= 0xE0 && c <= 0xEF && cont(1) && cont(2)) {
    cp = ((c & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
  } else if (c >= 0xF0 && c <= 0xF4 && cont(1) && cont(2) && cont(3)) {
    cp = ((c & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
  } else {
    return 0xFFFD;  // not UTF-8: the replacement character
  }
  if (cp > 0xFFFF) return static_cast<uint16_t>(0xD800 + ((cp - 0x10000) >> 10));
  return static_cast<uint16_t>(cp);
}

// ---- go ------------------------------------------------------------------------------------

bool ZelHub::go() {
  Defaults& d = defaults();
  numberOfThreadsDetached_ = 0;
  stopPressed_ = false;
  remedialQueue_.reset();
  nextThreadNumber_ = 1;
  if (d.boolForKey("includeimagesinsitemap")) d.setBool("checkImages", true);
  {
    std::lock_guard<std::mutex> lock(collectionLock_);
    collection_ = std::vector<ZelUrl*>();
    collection_.reserve(200000);
  }
  retainArray_ = std::vector<ZelUrl*>();
  retainArray_.reserve(11);
  const auto soft404 = d.stringForKey("soft404Terms");
  soft404Array_ = trimEachItemInArray(soft404 ? std::optional(split(*soft404, "\n"))
                                              : std::nullopt);

  if (startingUrl_.empty()) return false;
  startingUrl_ = normalisedStartingAddress(startingUrl_);

  // The test URL: what is read to learn about the start.
  std::optional<Url> testUrl = Url::parse(startingUrl_);
  if (!testUrl) testUrl = Url::parse(encodedURLString(startingUrl_, d));
  scanningHttpsSite_ = startsWith(startingUrl_, "https://");

  int64_t plainTextMode = 0;
  if (testUrl && testUrl->isFileUrl() && !readLocalStart(*testUrl, plainTextMode)) return false;

  // Scope lists.
  checkBlacklistArray_ = d.stringArrayForKey("checkBlacklistArray").value_or(
      std::vector<std::string>());
  for (const char* term : {"xmlrpc.php", "wlwmanifest.xml", kXfnProfileTerm, "admin-ajax.php",
                           "about:blank", "/trackback"})
    checkBlacklistArray_.emplace_back(term);
  followBlacklistArray_ = trimEachItemInArray(d.stringArrayForKey("followBlacklistArray"));
  followWhitelistArray_ = trimEachItemInArray(d.stringArrayForKey("followWhitelistArray"));
  outputFilterManager_.reset();
  if (auto rules = d.objectForKey("superWhitelistArray")) {
    outputFilterManager_ = std::make_unique<OutputFilterManager>(platform_);
    outputFilterManager_->implementRules(*rules);
  }
  robotsBlacklistArray_.reset();
  robotsWhitelistArray_.reset();

  // Record 0.
  const bool trimQuery = d.boolForKey("trimQuery");
  ZelUrl* start = createRecord();
  start->setLinkUrl(startingUrl_, trimQuery);
  start->setIsStartingPoint(true);
  start->setDistanceFromHome(0);
  add(start);
  scanningXMLFile_ = start->isXML();
  reloadData();
  clearArchiveFolder();

  // The start URL; startingUrl becomes its encoded form when only that parses.
  std::optional<Url> startUrl = Url::parse(startingUrl_);
  if (!startUrl) {
    ZEL_LOG(log(), 2, "unusual characters in the url, trying IDNA encoding");
    startUrl = Url::parse(encodedURLString(startingUrl_, d));
    if (startUrl) {
      ZEL_LOG(log(), 2, "Have translated unicode to: " + startUrl->absoluteString());
      startingUrl_ = startUrl->absoluteString();
    }
  }
  if (!startUrl) {
    if (!startingUrl_.empty() && platform_.alerts) {
      Alert alert;
      alert.title = localized("Unsupported url");
      alert.message = localized("Zelmora can not make a valid url from:") + "\n" + startingUrl_;
      alert.buttons = {"OK"};
      platform_.alerts->runModal(alert);
    }
    return false;
  }

  if (plainTextMode != 0)
    ZEL_LOG(log(), 1, "Plain text mode is ON");
  else
    limitToStartingDirectory(startUrl);

  setDomainsFromStart(*startUrl);
  if (!startsWith(start->getLinkUrlForTesting(), "file://")) readRobotsTxt(*startUrl);
  detectEncodingOfStart(testUrl);

  d.setInteger("plainTextMode", plainTextMode);
  if (trimQuery) d.setBool("dontTrimHash", false);
  rechecking_ = false;
  crawlFinished_ = false;
  inProgressArray_.reset();
  ZEL_LOG(log(), 1, "checkBlacklistArray:" + describeList(checkBlacklistArray_) +
                     ", followBlacklistArray:" + describeList(followBlacklistArray_) +
                     ", followWhitelistArray:" + describeList(followWhitelistArray_));

  sendAsyncServerRequest(start);
  numberOfThreadsDetached_ += 1;
  nextUrlToCrawl_ += 1;
  return true;
}

// ---- Steps of go -----------------------------------------------------------------------------

bool ZelHub::readLocalStart(Url& testUrl, int64_t& plainTextMode) {
  Defaults& d = defaults();
  const std::string ext = testUrl.pathExtension();
  if (ext == "txt" || ext == "TXT") plainTextMode = 3;
  if (ext == "csv" || ext == "CSV") plainTextMode = 2;
  if (ext == "pdf" || ext == "PDF") plainTextMode = 1;

  const FileSystem* fs = platform_.fileSystem;
  std::string path = testUrl.decodedPath();
  if (path.empty() || !fs) {
    ZEL_LOG(log(), 1, "error testing " + testUrl.absoluteString() + " for directory");
  } else if (fs->isDirectory(path)) {
    const std::string name(trimUnicodeWhitespace(d.stringOrEmpty("defaultLocalFileName")));
    ZEL_LOG(log(), 1, testUrl.absoluteString() + " is directory, adding filename " + name);
    std::string text = testUrl.absoluteString();
    const size_t end = std::min(text.find_first_of("?#"), text.size());
    std::string withName = text.substr(0, end);
    if (!name.empty()) {
      if (withName.back() != '/') withName += '/';
      withName += kxStringByAddingPercentEncodingWithAllowedCharacters(
          name, kxURLPathAllowedCharacterSet());
    }
    if (auto appended = Url::parse(withName + text.substr(end))) testUrl = std::move(*appended);
    path = testUrl.decodedPath();
  }

  log().always("calling stirngWithContents");
  std::optional<std::string> bytes;
  if (fs && !path.empty()) bytes = fs->readFile(path);
  std::optional<DecodedText> text;
  if (bytes) text = decodeDetectingEncoding(*bytes, "");
  int code = 0;
  if (!text)
    code = bytes ? kFileReadUnknownEncoding
                 : (fs && !path.empty() && !fs->exists(path) ? kFileReadNoSuchFile
                                                             : kFileReadUnknown);
  const std::string description =
      code ? fileErrorDescription(code, lastComponentOf(path)) : std::string("(null)");
  log().always(strf("testing local file - error is: %i %s", code, description.c_str()));

  if (text) {
    size_t angles = 0;
    for (char c : text->text)
      if (c == '<') ++angles;
    if (angles < 3 && plainTextMode == 0) {
      ZEL_LOG(log(), 1, "Setting plain text mode");
      plainTextMode = 3;
    }
    return true;
  }

  ZEL_LOG(log(), 1, "Error opening file with stringWithContentsOfURL - " + description +
                     ". Trying other methods");
  if (bytes) {
    for (TextEncoding enc : {encoding::kUTF8, encoding::kISOLatin1, encoding::kISOLatin2,
                             encoding::kUTF16, encoding::kASCII})
      if (TextCodec::decode(*bytes, enc)) return true;
  }
  if (platform_.alerts) {
    Alert alert;
    alert.title = "Error opening file";
    alert.message =
        "Zelmora encountered the following error when trying to open the selected file: " +
        description;
    alert.buttons = {"OK"};
    platform_.alerts->runModal(alert);
  }
  return false;
}

void ZelHub::limitToStartingDirectory(std::optional<Url>& startUrl) {
  Defaults& d = defaults();
  const Url& url = *startUrl;

  // Where the path starts: after the host (and port) as written in startingUrl.
  size_t offset = 7;
  if (!url.host().empty()) {
    const size_t at = startingUrl_.find(url.host());
    if (at == std::string::npos) {
      // A host the parser reports in another form: no directory limit.
      ZEL_LOG(log(), 1, "starting url host " + url.host() + " not found in " + startingUrl_);
      return;
    }
    offset = at + url.host().size();
    if (offset < startingUrl_.size() && startingUrl_[offset] == ']') ++offset;  // IPv6
    if (url.port()) offset += std::to_string(*url.port()).size() + 1;
  }
  if (offset + 2 > startingUrl_.size()) return;
  std::string path = startingUrl_.substr(offset);
  std::string last(lastComponentOf(path));
  if (last.find('.') != std::string::npos && last.size() + 1 == path.size()) return;

  if (last.find('.') != std::string::npos) {
    path.resize(path.find(last));
  } else if (endsWith(path, "/") && path.find('?') == std::string::npos) {
    // A directory as it stands.
  } else if (path.find('?') != std::string::npos) {
    d.setBool("wordpressUrls", true);
  } else if (!d.boolForKey("wordpressUrls") && !d.boolForKey("singlePage")) {
    Alert alert;
    alert.title = localized("Ambiguous starting url");
    alert.message =
        last + " " +
        localized("could be a directory, or it may be a page without a file extension "
                  "(.html)\n\nThis has an effect on the scope of the scan (Zelmora limits its "
                  "crawl to the directory you start in).");
    alert.buttons = {localized("is a page"), localized("is a directory")};
    const int answer = platform_.alerts ? platform_.alerts->runModal(alert) : 0;
    if (answer == 0) {
      d.setBool("wordpressUrls", true);
    } else {
      startingUrl_ += "/";
      if (auto rebuilt = Url::parse(startingUrl_)) startUrl = std::move(rebuilt);
      d.setString("startingUrl", startingUrl_);
    }
  }
  if (d.boolForKey("wordpressUrls")) {
    const std::string_view name = lastComponentOf(path);
    const size_t at = path.find(name);
    if (at == std::string::npos || at <= 1)
      path.clear();
    else
      path = std::string(withoutLastComponent(path));
  }
  if (!path.empty() && path.back() == '/') path.pop_back();

  std::string scope;
  if (!path.empty() && !d.boolForKey("crawlAboveStartingDirectory")) {
    ZEL_LOG(log(), 1, "limiting crawl to directory: " + path);
    if (!d.boolForKey("singlePage")) scope = "limiting crawl to directory: " + path;
    const Url& now = *startUrl;
    ZEL_LOG(log(), 1, "startingurl host is " + now.host() + ", dir is " + path);
    if (startingUrl_.empty() || now.host().empty())
      followBlacklistArray_.push_back("!" + path);
    else if (!now.port() || *now.port() == 0)
      followBlacklistArray_.push_back("!" + now.host() + path);
    else
      followBlacklistArray_.push_back("!" + now.host() + ":" + std::to_string(*now.port()) + path);
  }
  d.setString("scopeDescriptive", scope);
}

void ZelHub::setDomainsFromStart(const Url& startUrl) {
  domains_.clear();
  if (!startUrl.host().empty()) {
    const std::string& host = startUrl.host();
    domains_.push_back(host);
    if (defaults().boolForKey("followSubdomains") && startsWith(host, "www.") && host.size() > 4)
      domains_.push_back(host.substr(4));
    ZEL_LOG(log(), 2, "domains (by host) is " + describeList(domains_));
  } else if (startUrl.absoluteString().find("file://") != std::string::npos) {
    domains_.push_back(localFolderPrefix(startUrl.absoluteString()));
  }
  if (domains_.empty()) domains_.emplace_back();
  ZEL_LOG(log(), 1, "domains is " + describeList(domains_));
}

void ZelHub::readRobotsTxt(const Url& startUrl) {
  const Defaults& d = defaults();
  // Deliberately with the start's port (the Part uses the host alone): a site on a
  // port has its own robots.txt, and its rules apply to that site.
  std::string authority = domains_.front();
  if (startUrl.port() && authority == startUrl.host())
    authority += ":" + std::to_string(*startUrl.port());
  const std::string location =
      std::string(scanningHttpsSite_ ? "https://" : "http://") + authority + "/robots.txt";
  ZEL_LOG(log(), 1, "robots's location is " + location);

  SyncResult result;
  if (platform_.loader) {
    UrlRequest request;
    request.url = location;
    request.timeoutSeconds = startupRequestTimeout();
    request.ignoreLocalCache = true;
    if (auto agent = d.stringForKey("userAgentString")) request.setHeader("User-Agent", *agent);
    request.setHeader("Host", authority);
    // The crawl takes any certificate for the site's pages (a record accepts the
    // server's trust), so its robots.txt is read on the same terms.
    request.acceptAnyCertificate = true;
    result = platform_.loader->sendSynchronous(request);
  }
  const long status = result.response ? result.response->statusCode : 0;
  if (!result.response || status >= 400 || result.body.empty()) {
    log().always(strf("no data returned for robots.txt at location %s, status code %ld",
                      location.c_str(), status));
    return;
  }
  if (!TextCodec::isValidUtf8(result.body)) {
    log().always(strf("Unable to make string from %ld bytes of data returned at %s",
                      static_cast<long>(result.body.size()), location.c_str()));
    return;
  }
  // Read up to 500 KiB, to the end of the last whole line, as search engines
  // read it: a hostile robots.txt of millions of rules would otherwise be
  // matched against every link of the crawl.
  if (result.body.size() > kMostRobotsTxtBytes) {
    const size_t lineEnd = result.body.rfind('\n', kMostRobotsTxtBytes - 1);
    result.body.resize(lineEnd == std::string::npos ? 0 : lineEnd + 1);
    log().always(strf("robots.txt at %s is longer than %zu bytes; the rest is ignored",
                      location.c_str(), kMostRobotsTxtBytes));
  }
  ZEL_LOG(log(), 1, "robots.txt contains:" + result.body);
  const RobotsRules rules = parseRobotsTxt(result.body, &log());
  robotsBlacklistArray_ = makeEachItemInArray(rules.disallow, authority);
  robotsWhitelistArray_ = makeEachItemInArray(rules.allow, authority);
  ZEL_LOG(log(), 1, "robots.txt disallows: " + describeList(robotsBlacklistArray_));
  ZEL_LOG(log(), 1, "robots.txt allows: " + describeList(robotsWhitelistArray_));
}

void ZelHub::detectEncodingOfStart(const std::optional<Url>& testUrl) {
  Defaults& d = defaults();
  detectedEncoding_ = 0;
  d.setBool("wixSite", false);

  TextEncoding found = encoding::kNone;
  if (testUrl && platform_.loader) {
    UrlRequest request;
    request.url = testUrl->absoluteString();
    request.timeoutSeconds = startupRequestTimeout();
    if (auto agent = d.stringForKey("userAgentString")) request.setHeader("User-Agent", *agent);
    request.acceptAnyCertificate = true;  // as for robots.txt
    const SyncResult result = platform_.loader->sendSynchronous(request);
    if (result.response) {
      if (auto text = decodeDetectingEncoding(result.body, result.response->textEncodingName)) {
        found = text->encoding;
        auto generator = applyRegex(kSiteBuilderGeneratorPattern, text->text, &log());
        if (generator && !generator->empty()) {
          ZEL_LOG(log(), 3, "we have a Wix generator: " + describeList(*generator));
          d.setBool("wixSite", true);
          d.setBool("wordpressUrls", true);
        }
      } else if (!result.body.empty()) {
        if (auto charset = extractCharsetFromHTML(result.body)) {
          const TextEncoding enc = encodingForCharset(*charset);
          if (enc != encoding::kNone) found = enc;
        }
      }
    }
  }
  if (found != encoding::kNone) {
    detectedEncoding_ = found;
    ZEL_LOG(log(), 1, strf("encoding detected as %ld", static_cast<long>(found)));
  } else {
    ZEL_LOG(log(), 1, "unable to detect encoding");
  }
}

}  // namespace zel
