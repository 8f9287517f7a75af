#pragma once
// Pieces of CurlUrlLoader shared by its asynchronous and blocking paths: reading
// response heads from curl's header lines, setting up one transfer, translating
// curl's errors, the cookie store, and file:// reading. Private to the loader.
#include <curl/curl.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/url_loader.h"

namespace zel::curlsupport {

// One response head, collected from the header lines curl passes on. An interim
// 1xx head, or a head curl answers itself (an authentication round trip), is
// replaced by the next status line.
class ResponseHead {
 public:
  // Feeds one line as curl gives it (line end included). Returns true when this
  // line completed a final (non-1xx) head; lines after that (trailers) are ignored.
  bool feed(std::string_view line);
  void reset();
  bool complete() const { return complete_; }
  int status() const { return status_; }
  const HeaderList& headers() const { return headers_; }
  // Every WWW-Authenticate value of the head, in order.
  const std::vector<std::string>& authenticateValues() const { return authenticate_; }
  // The head as a response for `url`.
  UrlResponse toResponse(const std::string& url) const;

 private:
  bool started_ = false, complete_ = false;
  int status_ = 0;
  HeaderList headers_;
  std::vector<std::string> authenticate_;
};

// Content-Type "Text/HTML; charset=UTF-8" -> mime "text/html", charset "UTF-8".
void splitContentType(std::string_view contentType, std::string* mime, std::string* charset);
// MIME type of a local file by its extension; application/octet-stream when unknown.
std::string mimeTypeForExtension(std::string_view extension);

// The strongest scheme among WWW-Authenticate values and its realm.
AuthMethod authMethodFor(const std::vector<std::string>& values, std::string* realm);
// The curl CURLAUTH_* bit to answer a challenge of `method` with.
long curlAuthFor(AuthMethod method);

// A Location value resolved against the URL it came from; nullopt when unusable.
std::optional<std::string> resolveLocation(std::string_view location, std::string_view base);
// The request proposed for a redirect of `current` to `target` with `status`.
UrlRequest redirectedRequest(const UrlRequest& current, const std::string& target, int status);
// True for a redirect status that carries a target (3xx other than 304).
inline bool isRedirectStatus(int status) { return status >= 300 && status < 400 && status != 304; }
// "host:port" of an http(s) URL, for keeping credentials to their server.
std::string originOf(std::string_view url);

UrlError errorForCurl(CURLcode rc, const char* errbuf);
// Failures that mean "the server's certificate is not trusted".
bool isCertificateError(CURLcode rc);

// How to set up one transfer besides the request itself.
struct EasySetup {
  bool verifyPeer = true;
  // Over TLS: wait for a connection being opened to the same server rather than
  // open another, in case it carries many requests at once (HTTP/2).
  bool pipeWait = false;
  const std::string* user = nullptr;  // with password: credentials to send
  const std::string* password = nullptr;
  long authScheme = CURLAUTH_BASIC;
  CURLSH* cookieShare = nullptr;  // the cookie store, when the request handles cookies
  char* errorBuffer = nullptr;    // CURL_ERROR_SIZE bytes
  curl_write_callback headerFunction = nullptr;
  curl_write_callback writeFunction = nullptr;
  curl_xferinfo_callback progressFunction = nullptr;  // set to watch the raw bytes received
  void* userData = nullptr;
};
// Sets every option of one transfer on a fresh (or reset) easy handle. Returns the
// header list, which the caller frees after the transfer.
curl_slist* configureEasy(CURL* easy, const UrlRequest& request, const EasySetup& setup);
// Returns a handle to its defaults for the next transfer (curl_easy_reset alone
// would lose the cookie-file list set by configureEasy).
void resetEasy(CURL* easy);

// The cookie store of one loader: a curl share with locks, used at once by the
// loader's network thread and by blocking requests on any thread.
class CookieStore {
 public:
  // What a browser keeps: at most this many cookies a domain and in all, the
  // store trimmed after every few hundred a site sets.
  static constexpr size_t kPerDomain = 180;
  static constexpr size_t kInAll = 3000;
  static constexpr size_t kBetweenTrims = 500;

  CookieStore();
  ~CookieStore();
  CookieStore(const CookieStore&) = delete;
  CookieStore& operator=(const CookieStore&) = delete;
  CURLSH* share() const { return share_; }
  void clear();
  // Whether the store may hold a cookie: true from the first one seen until clear().
  bool holdsCookies() const;
  std::vector<HttpCookie> cookies() const;
  // Takes cookies in as if their sites had set them, then trims the store.
  // Cookies whose fields would not fit a line of the store are left out.
  void add(const std::vector<HttpCookie>& cookies);
  // Drops the oldest cookies of a domain past `perDomain`, then the oldest past
  // `total` in all, as browsers do: a site setting cookie after cookie cannot
  // grow the store, nor the look-ups curl makes in it for every cookie and
  // request, without bound. Returns how many were dropped.
  size_t trim(size_t perDomain, size_t total);
  // Counts a Set-Cookie field curl has taken in; trimIfDue trims once `every`
  // have come since the last trim. Not from curl's callbacks, which may hold
  // the store's lock.
  void noteSetCookie() { setSinceTrim_.fetch_add(1, std::memory_order_relaxed); }
  void trimIfDue(size_t perDomain, size_t total, size_t every);

 private:
  static void lock(CURL*, curl_lock_data data, curl_lock_access, void* userp);
  static void unlock(CURL*, curl_lock_data data, void* userp);
  CURLSH* share_ = nullptr;
  CURL* control_ = nullptr;  // an idle handle attached to the share, for clearing it
  mutable std::mutex controlMutex_;  // clear() may come from any thread
  mutable bool holds_ = false;  // under controlMutex_
  std::atomic<size_t> setSinceTrim_{0};
  std::array<std::mutex, CURL_LOCK_DATA_LAST> locks_;
};

// One line of curl's cookie list (its cookie-file format), or nullopt when malformed.
std::optional<HttpCookie> parseCookieLine(std::string_view line);

// A local file opened for reading.
struct OpenedFile {
  int fd = -1;
  std::string path;
  int64_t size = -1;
};
// Opens the file of a file:// URL; a missing file, a folder or an unreadable
// file gives the matching error.
std::optional<UrlError> openFileUrl(const std::string& url, OpenedFile* file);
// The non-HTTP response for an opened file.
UrlResponse fileResponse(const std::string& url, const OpenedFile& file);
// The read size for file:// bodies.
constexpr size_t kFileChunk = 256 * 1024;
// Reads up to `max` bytes; returns false on a read error (with `error` set).
bool readFileChunk(OpenedFile& file, size_t max, std::string* out, UrlError* error);
void closeFile(OpenedFile& file);

// Lower-case scheme of a URL text ("" when there is none).
std::string schemeOf(std::string_view url);

}  // namespace zel::curlsupport
