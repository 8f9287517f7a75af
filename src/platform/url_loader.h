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
  double timeoutSeconds = 60;
  bool handleCookies = true;  // send and store cookies in the loader's shared store
  // Local caches are never used; kept so the request states it.
  bool ignoreLocalCache = true;

  void setHeader(std::string_view name, std::string_view value);
  // Case-insensitive look-up.
  std::optional<std::string> header(std::string_view name) const;
};

struct UrlResponse {
  bool isHttp = true;      // false for file:// responses
  int statusCode = 0;      // HTTP only
  HeaderList headers;      // as received, in order; for a repeated name the last one wins
  std::string mimeType;    // Content-Type without parameters, lower case; "" when unknown
  std::string textEncodingName;  // charset parameter, "" when none
  std::string url;         // the URL this response is for
  int64_t expectedContentLength = -1;

  // Look-up by exact key, as the engine reads header dictionaries.
  std::optional<std::string> headerExact(std::string_view name) const;
  // Case-insensitive look-up.
  std::optional<std::string> header(std::string_view name) const;
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
};

enum class AuthMethod { ServerTrust, HttpBasic, HttpDigest, Negotiate, Other };

struct AuthChallenge {
  AuthMethod method = AuthMethod::Other;
  std::string host;
  int port = 0;
  std::string realm;
  int previousFailureCount = 0;           // answers already sent for this request
  std::optional<UrlResponse> failureResponse;  // the 401 that caused it
  std::string errorDescription;           // why the server's certificate failed, for trust
};

enum class ChallengeDisposition { UseCredential, ContinueWithoutCredential, Cancel };

struct ChallengeAnswer {
  ChallengeDisposition disposition = ChallengeDisposition::Cancel;
  std::string user, password;  // for UseCredential with a password method
};

class UrlConnection;

class UrlConnectionDelegate {
 public:
  virtual ~UrlConnectionDelegate() = default;
  // A redirect proposal: return the request to send (possibly changed) or nullopt
  // to stop. The fetch then ends with no further callback unless the delegate
  // stops it some other way. Also called once before the first request is sent
  // with no redirect response; returning the request unchanged sends it.
  virtual std::optional<UrlRequest> willSendRequest(UrlConnection& connection,
                                                    const UrlRequest& proposed,
                                                    const UrlResponse* redirectResponse) = 0;
  // Whether the delegate wants to answer challenges of this method; when false the
  // loader handles it itself (trust: refuse an untrusted certificate; password:
  // continue without credential).
  virtual bool canAuthenticateAgainst(UrlConnection& connection, AuthMethod method) = 0;
  virtual ChallengeAnswer didReceiveChallenge(UrlConnection& connection,
                                              const AuthChallenge& challenge) = 0;
  virtual void didReceiveResponse(UrlConnection& connection, const UrlResponse& response) = 0;
  virtual void didReceiveData(UrlConnection& connection, std::string_view bytes) = 0;
  virtual void didFinishLoading(UrlConnection& connection) = 0;
  virtual void didFailWithError(UrlConnection& connection, const UrlError& error) = 0;
};

class UrlConnection {
 public:
  virtual ~UrlConnection() = default;
  // The request as first given to the loader.
  virtual const UrlRequest& originalRequest() const = 0;
  // The request currently being sent (after redirects).
  virtual const UrlRequest& currentRequest() const = 0;
  // Stops the transfer; no callback arrives after cancel() returns. Safe to call
  // from inside a callback and more than once.
  virtual void cancel() = 0;
  virtual bool isCancelled() const = 0;
};

struct SyncResult {
  std::optional<UrlResponse> response;  // absent on failure
  std::string body;
  std::optional<UrlError> error;
};

class UrlLoader {
 public:
  virtual ~UrlLoader() = default;
  // Starts loading; callbacks arrive on later run-loop turns, never inside start().
  // The delegate must outlive the connection or cancel it first. Destroying the
  // connection cancels it.
  virtual std::unique_ptr<UrlConnection> start(const UrlRequest& request,
                                               UrlConnectionDelegate* delegate) = 0;
  // Loads a URL and waits for it, following up to `maxRedirects` redirects itself.
  virtual SyncResult sendSynchronous(const UrlRequest& request, int maxRedirects = 5) = 0;
  // Drops every stored cookie (one store per loader; one loader per crawl).
  virtual void clearCookies() = 0;
};

// The standard reason phrase for an HTTP status code, lower case as the platform
// gives it ("not found" for 404); "unknown" for codes without one.
std::string reasonPhraseForStatusCode(int code);

}  // namespace zel
