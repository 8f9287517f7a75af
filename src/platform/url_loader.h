#pragma once
// Asynchronous URL loading with delegate callbacks, delivered on the run-loop
// thread. The loader never follows redirects by itself: it proposes each one to
// the delegate and sends what the delegate returns.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zel {

using HeaderList = std::vector<std::pair<std::string, std::string>>;

struct UrlRequest {
  std::string url;
  std::string method = "GET";
  HeaderList headers;  // in the order set; setHeader replaces an earlier value
  std::string body;
  // Limit for each transfer as a whole (connect, head and body); 0 or less: none.
  double timeoutSeconds = 60;
  bool handleCookies = true;  // send and store cookies in the loader's shared store
  // The most body bytes delivered, before and after decoding; a longer body is
  // cut there and the fetch finishes with what was read (bodyWasCut). 0 or
  // less: no limit.
  int64_t maxBodyBytes = 0;
  // Local caches are never used; kept so the request states it.
  bool ignoreLocalCache = true;
  // sendSynchronous only: take the server's certificate without checking it, as
  // the crawl's own fetches do once a record accepts the server's trust.
  bool acceptAnyCertificate = false;
  // How many times in a row the delegate may send the request back to the very
  // address that has just redirected it; one more and the fetch fails with
  // kHTTPTooManyRedirects ("too many redirects"). 0: no bound but the loader's own.
  int selfRedirectLimit = 0;

  void setHeader(std::string_view name, std::string_view value);
  // Drops the header if set (case-insensitive name).
  void removeHeader(std::string_view name);
  // Case-insensitive look-up.
  std::optional<std::string> header(std::string_view name) const;
  // Whether a header field may be sent: a line break in it would let a value
  // inject further fields, so such fields are dropped.
  static bool isSendable(std::string_view name, std::string_view value);
};

struct UrlResponse {
  bool isHttp = true;      // false for file:// responses
  int statusCode = 0;      // HTTP only; 0 for files
  HeaderList headers;      // as received, in order; for a repeated name the last one wins
  std::string mimeType;    // Content-Type without parameters, lower case; "" when unknown
  std::string textEncodingName;  // charset parameter, "" when none
  std::string url;         // the URL this response is for
  int64_t expectedContentLength = -1;  // Content-Length as sent (compressed size); -1 unknown

  // Look-up by exact key, as the engine reads header dictionaries.
  std::optional<std::string> headerExact(std::string_view name) const;
  // Case-insensitive look-up.
  std::optional<std::string> header(std::string_view name) const;
};

// A cookie from the loader's store, as a browser takes it.
struct HttpCookie {
  std::string name, value;
  std::string domain;  // without a leading dot
  std::string path = "/";
  bool hostOnly = true;  // sent to `domain` alone, not to its subdomains
  bool secure = false, httpOnly = false;
  int64_t expires = 0;  // seconds since 1970; 0: ends with the session
};

struct UrlError {
  int code = 0;             // negative: loader error classes (see below); never 0
  std::string description;  // human-readable
  // Error classes (the platform's own numbering).
  static constexpr int kTimedOut = -1001;
  static constexpr int kCannotFindHost = -1003;
  static constexpr int kCannotConnect = -1004;
  static constexpr int kConnectionLost = -1005;
  static constexpr int kBadServerResponse = -1011;
  static constexpr int kCancelled = -999;
  static constexpr int kFileDoesNotExist = -1100;
  static constexpr int kSecureConnectionFailed = -1200;
  static constexpr int kUnknown = -1;
  static constexpr int kBadURL = -1000;                  // the URL text cannot be used
  static constexpr int kUnsupportedURL = -1002;          // a scheme other than http, https, file
  static constexpr int kHTTPTooManyRedirects = -1007;    // loader's own bound on hops per fetch
  static constexpr int kCannotDecodeContentData = -1016; // bad gzip/deflate/br body
  static constexpr int kFileIsDirectory = -1101;
  static constexpr int kNoPermissionsToReadFile = -1102;
  static constexpr int kDataLengthExceedsMaximum = -1103;
};

enum class AuthMethod { ServerTrust, HttpBasic, HttpDigest, Negotiate, Other };

struct AuthChallenge {
  AuthMethod method = AuthMethod::Other;
  std::string host;
  int port = 0;
  std::string realm;
  int previousFailureCount = 0;           // credential answers already sent for this connection
  std::optional<UrlResponse> failureResponse;  // the 401 that caused it
  std::string errorDescription;           // why the server's certificate failed, for trust
};

enum class ChallengeDisposition { UseCredential, ContinueWithoutCredential, Cancel };

struct ChallengeAnswer {
  ChallengeDisposition disposition = ChallengeDisposition::Cancel;
  std::string user, password;  // for UseCredential with a password method
};

class UrlConnection;

// Receives the events of one connection. Every callback runs on the run-loop thread,
// on a later turn than the start() that created the connection, with the very
// UrlConnection object start() returned. For one connection the order is:
//   willSendRequest (no redirect response) before the first request is sent;
//   then, per hop, willSendRequest with the redirect response, or a challenge
//   (canAuthenticateAgainst, then didReceiveChallenge when it returned true);
//   didReceiveResponse once, for the final head;
//   didReceiveData zero or more times (the decoded body);
//   exactly one of didFinishLoading and didFailWithError.
// A fetch that willSendRequest stops (nullopt) ends there with no further callback.
// cancel() or destroying the connection inside any callback stops all further
// callbacks at once; so does destroying the loader outside a callback.
class UrlConnectionDelegate {
 public:
  virtual ~UrlConnectionDelegate() = default;
  // Before the first request (redirectResponse null): return the request to send,
  // usually `proposed` unchanged. For a redirect (a 3xx with a usable Location):
  // `proposed` is the current request with the Location resolved against its URL
  // (a POST answered by 301/302/303, and anything but GET/HEAD answered by 303,
  // becomes a GET without body) and redirectResponse is the 3xx head. Return the
  // request to send next (possibly changed), or nullopt to stop the fetch silently.
  virtual std::optional<UrlRequest> willSendRequest(UrlConnection& connection,
                                                    const UrlRequest& proposed,
                                                    const UrlResponse* redirectResponse) = 0;
  // Whether the delegate wants to answer challenges of this method. When false the
  // loader decides itself: an untrusted certificate fails the fetch
  // (kSecureConnectionFailed); a 401 is delivered as an ordinary response.
  virtual bool canAuthenticateAgainst(UrlConnection& connection, AuthMethod method) = 0;
  // A 401 with WWW-Authenticate, or a certificate the loader does not trust.
  // Password methods: UseCredential repeats the request with the user and password;
  // ContinueWithoutCredential delivers the 401 as the response; Cancel ends the fetch
  // with kCancelled. Server trust: UseCredential or ContinueWithoutCredential repeat
  // the request without certificate checks for the rest of this connection; Cancel
  // ends it with kSecureConnectionFailed.
  virtual ChallengeAnswer didReceiveChallenge(UrlConnection& connection,
                                              const AuthChallenge& challenge) = 0;
  // The final response head: status, header fields, content type, URL.
  virtual void didReceiveResponse(UrlConnection& connection, const UrlResponse& response) = 0;
  // Bytes of the body, content coding already removed; valid during the call only.
  virtual void didReceiveData(UrlConnection& connection, std::string_view bytes) = 0;
  // The same, with bytes the delegate may keep (moved from); by default handed
  // to didReceiveData. Spares a copy of each page for a delegate that keeps it.
  virtual void didReceiveOwnedData(UrlConnection& connection, std::string&& bytes) {
    didReceiveData(connection, bytes);
  }
  virtual void didFinishLoading(UrlConnection& connection) = 0;
  // The fetch failed; error.code is one of the UrlError classes, never 0.
  virtual void didFailWithError(UrlConnection& connection, const UrlError& error) = 0;
};

// One fetch in progress. Owned by whoever called start(); run-loop thread only.
class UrlConnection {
 public:
  // Cancels the fetch.
  virtual ~UrlConnection() = default;
  // The request as first given to the loader.
  virtual const UrlRequest& originalRequest() const = 0;
  // The request currently being sent (after redirects).
  virtual const UrlRequest& currentRequest() const = 0;
  // Stops the transfer; no callback arrives after cancel() returns. Safe to call
  // from inside a callback, after the fetch ended, and more than once.
  virtual void cancel() = 0;
  // True once cancel() was called (or the loader went away).
  virtual bool isCancelled() const = 0;
  // The body passed the request's maxBodyBytes and was cut there.
  virtual bool bodyWasCut() const { return false; }
};

struct SyncResult {
  std::optional<UrlResponse> response;  // absent on failure
  std::string body;                     // decoded
  std::optional<UrlError> error;        // set exactly when response is absent
};

class UrlLoader {
 public:
  // Connections still running become inert: no further callback, and their
  // UrlConnection objects may still be destroyed later. Do not destroy a loader
  // from inside one of its own callbacks.
  virtual ~UrlLoader() = default;
  // Starts loading `request` (http, https or file URLs) and returns at once; never
  // null, never fails here: every outcome, including a bad URL, arrives through the
  // delegate on later run-loop turns. The delegate is not owned; it must outlive
  // the connection or cancel it first. Run-loop thread only.
  virtual std::unique_ptr<UrlConnection> start(UrlRequest request,
                                               UrlConnectionDelegate* delegate) = 0;
  // Loads a URL and waits for it, following up to `maxRedirects` redirects itself
  // (the last response is returned when the limit is reached). Uses the loader's
  // cookie store when the request handles cookies, and accepts an untrusted
  // certificate only when the request says so (it notes one for the fetches,
  // above). Any thread; does not turn the run loop.
  virtual SyncResult sendSynchronous(const UrlRequest& request, int maxRedirects = 5) = 0;
  // Drops every stored cookie (one store per loader, shared by all its connections).
  virtual void clearCookies() = 0;
  // Every cookie in the store, with the host or domain and the path it is sent to. Any thread.
  virtual std::vector<HttpCookie> storedCookies() const = 0;
  // Takes cookies into the store as if their site had set them (one of the same
  // name, domain and path is replaced), within the store's limits. Any thread.
  virtual void addCookies(const std::vector<HttpCookie>& cookies) = 0;
};

// The standard reason phrase for an HTTP status code, lower case as the platform
// gives it ("not found" for 404); "unknown" for codes without one.
std::string reasonPhraseForStatusCode(int code);

}  // namespace zel
