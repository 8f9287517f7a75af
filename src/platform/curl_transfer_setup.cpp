#include "platform/curl_transfer_setup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "platform/text_format.h"
#include "platform/url.h"

namespace zel::curlsupport {

// ---- response heads ----

void ResponseHead::reset() {
  started_ = complete_ = false;
  status_ = 0;
  headers_.clear();
  authenticate_.clear();
}

bool ResponseHead::feed(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  if (startsWith(line, "HTTP/")) {
    reset();
    headers_.reserve(16);  // a usual head, without regrowing
    started_ = true;
    size_t sp = line.find(' ');
    status_ = sp == std::string_view::npos ? 0 : static_cast<int>(leadingInteger(line.substr(sp)));
    return false;
  }
  if (!started_ || complete_) return false;
  if (line.empty()) {
    if (status_ >= 100 && status_ < 200) {  // interim head: the real one follows
      reset();
      return false;
    }
    complete_ = true;
    return true;
  }
  if (line.front() == ' ' || line.front() == '\t') {  // obsolete line folding
    if (!headers_.empty()) {
      std::string_view more = trimWhitespace(line);
      if (!more.empty()) {
        headers_.back().second += ' ';
        headers_.back().second += more;
      }
    }
    return false;
  }
  size_t colon = line.find(':');
  if (colon == std::string_view::npos || colon == 0) return false;
  std::string name(trimWhitespace(line.substr(0, colon)));
  std::string value(trimWhitespace(line.substr(colon + 1)));
  if (equalsIgnoreCase(name, "WWW-Authenticate")) authenticate_.push_back(value);
  for (auto& [k, v] : headers_) {
    if (k == name) {  // a repeated field keeps its last value
      v = std::move(value);
      return false;
    }
  }
  headers_.emplace_back(std::move(name), std::move(value));
  return false;
}

UrlResponse ResponseHead::toResponse(const std::string& url) const {
  UrlResponse r;
  r.isHttp = true;
  r.statusCode = status_;
  r.headers = headers_;
  r.url = url;
  if (auto ct = r.header("Content-Type")) splitContentType(*ct, &r.mimeType, &r.textEncodingName);
  if (auto cl = r.header("Content-Length")) {
    std::string_view v = trimWhitespace(*cl);
    if (!v.empty() && v.find_first_not_of("0123456789") == std::string_view::npos)
      r.expectedContentLength = leadingInteger(v);
  }
  return r;
}

void splitContentType(std::string_view contentType, std::string* mime, std::string* charset) {
  auto parts = split(contentType, ";");
  mime->clear();
  charset->clear();
  if (parts.empty()) return;
  *mime = asciiLower(trimWhitespace(parts[0]));
  for (size_t i = 1; i < parts.size(); ++i) {
    std::string_view p = trimWhitespace(parts[i]);
    if (startsWithIgnoreCase(p, "charset=")) {
      *charset = std::string(trimChars(trimWhitespace(p.substr(8)), "\"' "));
      break;
    }
  }
}

std::string mimeTypeForExtension(std::string_view extension) {
  static const std::pair<const char*, const char*> kTypes[] = {
      {"html", "text/html"},         {"htm", "text/html"},
      {"shtml", "text/html"},        {"xhtml", "application/xhtml+xml"},
      {"css", "text/css"},           {"js", "text/javascript"},
      {"mjs", "text/javascript"},    {"json", "application/json"},
      {"xml", "application/xml"},    {"rss", "application/rss+xml"},
      {"txt", "text/plain"},         {"csv", "text/csv"},
      {"png", "image/png"},          {"jpg", "image/jpeg"},
      {"jpeg", "image/jpeg"},        {"gif", "image/gif"},
      {"svg", "image/svg+xml"},      {"webp", "image/webp"},
      {"ico", "image/x-icon"},       {"bmp", "image/bmp"},
      {"pdf", "application/pdf"},    {"zip", "application/zip"},
      {"mp3", "audio/mpeg"},         {"wav", "audio/wav"},
      {"mp4", "video/mp4"},          {"webm", "video/webm"},
      {"mov", "video/quicktime"},    {"woff", "font/woff"},
      {"woff2", "font/woff2"},
  };
  std::string ext = asciiLower(extension);
  for (const auto& [e, t] : kTypes)
    if (ext == e) return t;
  return "application/octet-stream";
}

// ---- authentication ----

namespace {

std::string realmOf(std::string_view challenge) {
  size_t at = findIgnoreCase(challenge, "realm=");
  if (at == std::string_view::npos) return {};
  std::string_view rest = challenge.substr(at + 6);
  if (!rest.empty() && rest.front() == '"') {
    std::string out;
    for (size_t i = 1; i < rest.size(); ++i) {
      if (rest[i] == '\\' && i + 1 < rest.size()) {
        out += rest[++i];
      } else if (rest[i] == '"') {
        break;
      } else {
        out += rest[i];
      }
    }
    return out;
  }
  size_t end = rest.find_first_of(", \t");
  return std::string(rest.substr(0, end));
}

}  // namespace

AuthMethod authMethodFor(const std::vector<std::string>& values, std::string* realm) {
  AuthMethod best = AuthMethod::Other;
  int bestRank = -1;
  for (const auto& v : values) {
    std::string_view t = trimWhitespace(v);
    std::string scheme = asciiLower(t.substr(0, t.find_first_of(" \t,")));
    AuthMethod m = AuthMethod::Other;
    int rank = 0;
    if (scheme == "digest") {
      m = AuthMethod::HttpDigest, rank = 3;
    } else if (scheme == "basic") {
      m = AuthMethod::HttpBasic, rank = 2;
    } else if (scheme == "negotiate" || scheme == "ntlm") {
      m = AuthMethod::Negotiate, rank = 1;
    }
    if (rank > bestRank) {
      bestRank = rank;
      best = m;
      if (realm) *realm = realmOf(t);
    }
  }
  return best;
}

long curlAuthFor(AuthMethod method) {
  switch (method) {
    case AuthMethod::HttpBasic: return CURLAUTH_BASIC;
    case AuthMethod::HttpDigest: return CURLAUTH_DIGEST;
    default: return static_cast<long>(CURLAUTH_ANY);
  }
}

// ---- redirects ----

std::optional<std::string> resolveLocation(std::string_view location, std::string_view base) {
  std::string_view loc = trimWhitespace(location);
  if (loc.empty()) return std::nullopt;
  if (auto u = Url::resolve(loc, base)) return u->absoluteString();
  // Servers send raw spaces and non-ASCII bytes; escape them as a browser would.
  std::string escaped;
  static const char* kHex = "0123456789ABCDEF";
  for (unsigned char c : loc) {
    if (c <= 0x20 || c >= 0x7f || std::strchr("\"<>\\^`{|}", c)) {
      escaped += '%';
      escaped += kHex[c >> 4];
      escaped += kHex[c & 15];
    } else {
      escaped += static_cast<char>(c);
    }
  }
  if (auto u = Url::resolve(escaped, base)) return u->absoluteString();
  return std::nullopt;
}

UrlRequest redirectedRequest(const UrlRequest& current, const std::string& target, int status) {
  UrlRequest next = current;
  next.url = target;
  const bool post = current.method == "POST";
  const bool getOrHead = current.method == "GET" || current.method == "HEAD";
  if (((status == 301 || status == 302) && post) || (status == 303 && !getOrHead)) {
    next.method = "GET";
    next.body.clear();
    HeaderList kept;
    for (auto& h : next.headers)
      if (!equalsIgnoreCase(h.first, "Content-Type") && !equalsIgnoreCase(h.first, "Content-Length"))
        kept.push_back(std::move(h));
    next.headers = std::move(kept);
  }
  return next;
}

std::string originOf(std::string_view url) {
  auto u = Url::parse(url);
  if (!u) return {};
  int port = u->port().value_or(u->scheme() == "https" ? 443 : 80);
  return asciiLower(u->host()) + ":" + std::to_string(port);
}

std::string schemeOf(std::string_view url) {
  size_t colon = url.find(':');
  if (colon == std::string_view::npos || colon == 0) return {};
  std::string_view s = url.substr(0, colon);
  for (char c : s)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.'))
      return {};
  return asciiLower(s);
}

// ---- errors ----

bool isCertificateError(CURLcode rc) {
  switch (rc) {
    case CURLE_PEER_FAILED_VERIFICATION:  // also CURLE_SSL_CACERT
    case CURLE_SSL_CACERT_BADFILE:        // no usable trust store: nothing is trusted
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
      return true;
    default:
      return false;
  }
}

UrlError errorForCurl(CURLcode rc, const char* errbuf) {
  int code = UrlError::kUnknown;
  const char* text = "The request failed.";
  switch (rc) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      code = UrlError::kCannotFindHost;
      text = "A server with the specified hostname could not be found.";
      break;
    case CURLE_COULDNT_CONNECT:
      code = UrlError::kCannotConnect;
      text = "Could not connect to the server.";
      break;
    case CURLE_OPERATION_TIMEDOUT:
      code = UrlError::kTimedOut;
      text = "The request timed out.";
      break;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
    case CURLE_HTTP3:
      code = UrlError::kConnectionLost;
      text = "The network connection was lost.";
      break;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_UNSUPPORTED_PROTOCOL:  // only http(s) reaches curl: this is an HTTP/0.9 answer
    case CURLE_RANGE_ERROR:
      code = UrlError::kBadServerResponse;
      text = "The server returned a bad response.";
      break;
    case CURLE_BAD_CONTENT_ENCODING:
      code = UrlError::kCannotDecodeContentData;
      text = "The response body could not be decoded.";
      break;
    case CURLE_URL_MALFORMAT:
      code = UrlError::kBadURL;
      text = "The URL is not valid.";
      break;
    case CURLE_TOO_MANY_REDIRECTS:
      code = UrlError::kHTTPTooManyRedirects;
      text = "Too many redirects.";
      break;
    case CURLE_FILESIZE_EXCEEDED:
      code = UrlError::kDataLengthExceedsMaximum;
      text = "The response is too large.";
      break;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_SSL_CRL_BADFILE:
      code = UrlError::kSecureConnectionFailed;
      text = "A secure connection to the server could not be made.";
      break;
    default:
      break;
  }
  std::string detail = errbuf && errbuf[0] ? std::string(errbuf) : curl_easy_strerror(rc);
  while (!detail.empty() && (detail.back() == '\n' || detail.back() == ' ')) detail.pop_back();
  return UrlError{code, strf("%s (%s)", text, detail.c_str())};
}

// ---- one transfer ----

curl_slist* configureEasy(CURL* e, const UrlRequest& r, const EasySetup& s) {
  curl_easy_setopt(e, CURLOPT_URL, r.url.c_str());
  curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 0L);  // every hop goes through the delegate
  curl_easy_setopt(e, CURLOPT_ACCEPT_ENCODING, "");  // offer and decode all supported codings
  curl_easy_setopt(e, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
  curl_easy_setopt(e, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
  // On purpose: HTTP/2 wherever a TLS server offers it. One connection then
  // carries all of a host's requests, which spares the site a handshake per
  // request and the user a round trip or two; such a connection cannot carry
  // the request's "Connection: close", and drops it. Plain http stays
  // HTTP/1.1, with the request's own headers and never an upgrade offer.
  curl_easy_setopt(e, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_2TLS));
  if (s.pipeWait) curl_easy_setopt(e, CURLOPT_PIPEWAIT, 1L);
  if (s.errorBuffer) {
    s.errorBuffer[0] = '\0';
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, s.errorBuffer);
  }
  curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, s.headerFunction);
  curl_easy_setopt(e, CURLOPT_HEADERDATA, s.userData);
  curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, s.writeFunction);
  curl_easy_setopt(e, CURLOPT_WRITEDATA, s.userData);
  if (s.progressFunction) {
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, s.progressFunction);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, s.userData);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
  }
  if (r.timeoutSeconds > 0) {
    double ms = std::ceil(r.timeoutSeconds * 1000.0);
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, ms >= double(LONG_MAX) ? LONG_MAX : long(ms));
  }

  const std::string& m = r.method;
  if (m.empty() || m == "GET") {
    curl_easy_setopt(e, CURLOPT_HTTPGET, 1L);
  } else if (m == "HEAD") {
    curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
  } else {
    if (m == "POST" || !r.body.empty()) {
      curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(r.body.size()));
      curl_easy_setopt(e, CURLOPT_COPYPOSTFIELDS, r.body.data());
    }
    if (m != "POST") curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, m.c_str());
  }

  curl_slist* list = nullptr;
  bool hasExpect = false;
  for (const auto& [name, value] : r.headers) {
    if (!UrlRequest::isSendable(name, value)) continue;
    if (equalsIgnoreCase(name, "Expect")) hasExpect = true;
    std::string line = value.empty() ? name + ";" : name + ": " + value;
    if (curl_slist* next = curl_slist_append(list, line.c_str())) list = next;
  }
  if (!hasExpect) {  // no "100-continue" round trip before a body
    if (curl_slist* next = curl_slist_append(list, "Expect:")) list = next;
  }
  curl_easy_setopt(e, CURLOPT_HTTPHEADER, list);

  if (!s.verifyPeer) {
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 0L);
  }
  if (s.user && s.password) {
    curl_easy_setopt(e, CURLOPT_USERNAME, s.user->c_str());
    curl_easy_setopt(e, CURLOPT_PASSWORD, s.password->c_str());
    curl_easy_setopt(e, CURLOPT_HTTPAUTH, s.authScheme);
  }
  if (s.cookieShare) {
    // Sharing cookies does not switch the engine on by itself; an empty cookie-file
    // name does, reading no file.
    curl_easy_setopt(e, CURLOPT_SHARE, s.cookieShare);
    curl_easy_setopt(e, CURLOPT_COOKIEFILE, "");
  }
  return list;
}

void resetEasy(CURL* e) {
  // Frees the cookie-file list, which curl_easy_reset leaves behind; the shared
  // store itself is untouched and the next configureEasy attaches it again.
  curl_easy_setopt(e, CURLOPT_COOKIEFILE, static_cast<char*>(nullptr));
  curl_easy_reset(e);
}

// ---- cookie store ----

CookieStore::CookieStore() {
  share_ = curl_share_init();
  if (!share_) return;
  curl_share_setopt(share_, CURLSHOPT_LOCKFUNC, &CookieStore::lock);
  curl_share_setopt(share_, CURLSHOPT_UNLOCKFUNC, &CookieStore::unlock);
  curl_share_setopt(share_, CURLSHOPT_USERDATA, this);
  curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
  curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
  control_ = curl_easy_init();
  if (control_) curl_easy_setopt(control_, CURLOPT_SHARE, share_);
}

CookieStore::~CookieStore() {
  if (control_) curl_easy_cleanup(control_);
  if (share_) curl_share_cleanup(share_);
}

void CookieStore::clear() {
  std::lock_guard<std::mutex> lock(controlMutex_);
  if (control_) curl_easy_setopt(control_, CURLOPT_COOKIELIST, "ALL");
  holds_ = false;
}

bool CookieStore::holdsCookies() const {
  std::lock_guard<std::mutex> lock(controlMutex_);
  if (holds_ || !control_) return true;
  curl_slist* list = nullptr;
  if (curl_easy_getinfo(control_, CURLINFO_COOKIELIST, &list) != CURLE_OK) return true;
  holds_ = list != nullptr;
  curl_slist_free_all(list);
  return holds_;
}

std::vector<HttpCookie> CookieStore::cookies() const {
  std::vector<HttpCookie> out;
  std::lock_guard<std::mutex> lock(controlMutex_);
  curl_slist* list = nullptr;
  if (!control_ || curl_easy_getinfo(control_, CURLINFO_COOKIELIST, &list) != CURLE_OK) return out;
  for (curl_slist* l = list; l; l = l->next)
    if (auto c = parseCookieLine(l->data)) out.push_back(std::move(*c));
  curl_slist_free_all(list);
  return out;
}

void CookieStore::add(const std::vector<HttpCookie>& cookies) {
  auto fits = [](std::string_view text) {
    for (unsigned char c : text)
      if (c < 0x20 || c == 0x7f) return false;  // a tab or line end would split the line
    return true;
  };
  size_t added = 0;
  {
    std::lock_guard<std::mutex> lock(controlMutex_);
    if (!control_) return;
    for (const HttpCookie& c : cookies) {
      if (c.name.empty() || c.domain.empty() || !fits(c.name) || !fits(c.value) ||
          !fits(c.domain) || !fits(c.path))
        continue;
      // The store's own line: domain, tail match, path, secure, expiry, name, value.
      std::string line = c.httpOnly ? "#HttpOnly_" : "";
      line += (c.hostOnly ? "" : ".") + c.domain;
      line += c.hostOnly ? "\tFALSE\t" : "\tTRUE\t";
      line += (c.path.empty() ? "/" : c.path) + (c.secure ? "\tTRUE\t" : "\tFALSE\t");
      line += std::to_string(c.expires) + "\t" + c.name + "\t" + c.value;
      curl_easy_setopt(control_, CURLOPT_COOKIELIST, line.c_str());
      ++added;
    }
    if (added) holds_ = true;
  }
  if (added) trim(kPerDomain, kInAll);
}

void CookieStore::trimIfDue(size_t perDomain, size_t total, size_t every) {
  if (setSinceTrim_.load(std::memory_order_relaxed) < every) return;
  setSinceTrim_.store(0, std::memory_order_relaxed);
  trim(perDomain, total);
}

size_t CookieStore::trim(size_t perDomain, size_t total) {
  std::lock_guard<std::mutex> lock(controlMutex_);
  curl_slist* list = nullptr;
  if (!control_ || curl_easy_getinfo(control_, CURLINFO_COOKIELIST, &list) != CURLE_OK) return 0;
  // curl lists a domain's cookies oldest first.
  std::vector<std::string_view> lines;
  std::unordered_map<std::string_view, size_t> left;  // cookies of each domain still to keep
  auto domainOf = [](std::string_view line) {
    if (line.substr(0, 10) == "#HttpOnly_") line.remove_prefix(10);
    return line.substr(0, line.find('\t'));
  };
  for (curl_slist* l = list; l; l = l->next) {
    lines.emplace_back(l->data);
    ++left[domainOf(lines.back())];
  }
  size_t kept = lines.size(), dropped = 0;
  for (std::string_view line : lines) {
    size_t& ofDomain = left[domainOf(line)];
    if (ofDomain <= perDomain && kept <= total) {
      --ofDomain;
      continue;
    }
    --ofDomain;
    --kept;
    // The same cookie with an expiry in the past replaces it, and curl then drops it.
    size_t at = std::string_view::npos;  // the tab before the expiry, the fifth field
    for (size_t tab = 0, from = 0; tab < 4; ++tab, from = at + 1)
      if ((at = line.find('\t', from)) == std::string_view::npos) break;
    const size_t end = at == std::string_view::npos ? at : line.find('\t', at + 1);
    if (end == std::string_view::npos) continue;
    std::string expired(line.substr(0, at + 1));
    expired.append("1").append(line.substr(end));
    curl_easy_setopt(control_, CURLOPT_COOKIELIST, expired.c_str());
    ++dropped;
  }
  curl_slist_free_all(list);
  return dropped;
}

// One line of the store's list: domain, tail match, path, secure, expiry, name
// and value, tab-separated; "#HttpOnly_" before the domain marks an http-only cookie.
std::optional<HttpCookie> parseCookieLine(std::string_view line) {
  HttpCookie c;
  constexpr std::string_view kHttpOnly = "#HttpOnly_";
  if (line.substr(0, kHttpOnly.size()) == kHttpOnly) {
    c.httpOnly = true;
    line.remove_prefix(kHttpOnly.size());
  }
  std::string_view field[7];
  for (int i = 0; i < 7; ++i) {
    const size_t tab = i < 6 ? line.find('\t') : line.size();
    if (tab == std::string_view::npos) return std::nullopt;
    field[i] = line.substr(0, tab);
    line.remove_prefix(std::min(line.size(), tab + 1));
  }
  std::string_view domain = field[0];
  if (!domain.empty() && domain[0] == '.') domain.remove_prefix(1);
  if (domain.empty() || field[5].empty()) return std::nullopt;
  c.domain = std::string(domain);
  c.hostOnly = field[1] != "TRUE";
  if (!field[2].empty()) c.path = std::string(field[2]);
  c.secure = field[3] == "TRUE";
  c.expires = std::strtoll(std::string(field[4]).c_str(), nullptr, 10);
  c.name = std::string(field[5]);
  c.value = std::string(field[6]);
  return c;
}

void CookieStore::lock(CURL*, curl_lock_data data, curl_lock_access, void* userp) {
  auto* self = static_cast<CookieStore*>(userp);
  if (data >= 0 && data < CURL_LOCK_DATA_LAST) self->locks_[data].lock();
}

void CookieStore::unlock(CURL*, curl_lock_data data, void* userp) {
  auto* self = static_cast<CookieStore*>(userp);
  if (data >= 0 && data < CURL_LOCK_DATA_LAST) self->locks_[data].unlock();
}

// ---- files ----

std::optional<UrlError> openFileUrl(const std::string& url, OpenedFile* file) {
  auto u = Url::parse(url);
  if (!u || !u->isFileUrl() || u->decodedPath().empty())
    return UrlError{UrlError::kBadURL, strf("The URL is not a usable file URL (%s)", url.c_str())};
  file->path = u->decodedPath();
  const char* p = file->path.c_str();
  struct stat st {};
  if (::stat(p, &st) != 0) {
    int err = errno;
    if (err == ENOENT || err == ENOTDIR)
      return UrlError{UrlError::kFileDoesNotExist, strf("The file \"%s\" does not exist.", p)};
    if (err == EACCES)
      return UrlError{UrlError::kNoPermissionsToReadFile,
                      strf("The file \"%s\" cannot be read (%s).", p, std::strerror(err))};
    return UrlError{UrlError::kUnknown, strf("The file \"%s\" cannot be opened (%s).", p,
                                             std::strerror(err))};
  }
  if (S_ISDIR(st.st_mode))
    return UrlError{UrlError::kFileIsDirectory, strf("\"%s\" is a folder, not a file.", p)};
  int fd = ::open(p, O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    int err = errno;
    int code = err == EACCES ? UrlError::kNoPermissionsToReadFile : UrlError::kUnknown;
    return UrlError{code, strf("The file \"%s\" cannot be read (%s).", p, std::strerror(err))};
  }
  file->fd = fd;
  file->size = S_ISREG(st.st_mode) ? static_cast<int64_t>(st.st_size) : -1;
  return std::nullopt;
}

UrlResponse fileResponse(const std::string& url, const OpenedFile& file) {
  UrlResponse r;
  r.isHttp = false;
  r.url = url;
  std::string ext;
  size_t slash = file.path.rfind('/');
  size_t dot = file.path.rfind('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash + 1))
    ext = file.path.substr(dot + 1);
  r.mimeType = mimeTypeForExtension(ext);
  r.expectedContentLength = file.size;
  return r;
}

bool readFileChunk(OpenedFile& file, size_t max, std::string* out, UrlError* error) {
  out->resize(max);
  ssize_t n;
  do {
    n = ::read(file.fd, out->data(), max);
  } while (n < 0 && errno == EINTR);
  if (n < 0) {
    *error = UrlError{UrlError::kUnknown,
                      strf("Reading \"%s\" failed (%s).", file.path.c_str(), std::strerror(errno))};
    out->clear();
    return false;
  }
  out->resize(static_cast<size_t>(n));
  return true;
}

void closeFile(OpenedFile& file) {
  if (file.fd >= 0) ::close(file.fd);
  file.fd = -1;
}

}  // namespace zel::curlsupport
