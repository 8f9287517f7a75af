#pragma once
// The loader's own client for the commonest transfer: a GET or HEAD over plain
// http, with no body, credentials, cookies to send or proxy. It costs a small part of
// what a general-purpose transfer does per request, and a site of many small
// pages is bounded by that. It takes only answers it reads exactly as the
// general path would; anything else (an interim head, folded or odd header
// lines, an unknown coding, a head it cannot read) it declines before a byte
// is reported, and the general path fetches the address again.
#include <curl/curl.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_format.h"
#include "platform/url_loader.h"

namespace zel::curlsupport {

// Where the reader sends what it takes from a response.
class PlainHttpSink {
 public:
  virtual ~PlainHttpSink() = default;
  // One head line with its CRLF, the status line first and the empty line last.
  virtual void headLine(std::string_view line) = 0;
  // Decoded body bytes; false stops the transfer there.
  virtual bool body(std::string_view bytes) = 0;
};

// Reads one response from the bytes of a connection: the head, then the body by
// its framing (length, chunks or the end of the stream), decoded by its coding.
class PlainHttpReader {
 public:
  enum class State {
    Reading,   // wants more bytes
    Done,      // the response is complete
    Declined,  // not one this reader takes; nothing was reported
    Stopped,   // the sink asked to stop
    Failed,    // broken after the head: failure() says how
  };
  // `declineSetCookie`: a response that sets a cookie is left to the general
  // path, which keeps cookies.
  PlainHttpReader(bool headRequest, bool declineSetCookie);
  ~PlainHttpReader();
  PlainHttpReader(const PlainHttpReader&) = delete;
  PlainHttpReader& operator=(const PlainHttpReader&) = delete;

  State feed(std::string_view bytes, PlainHttpSink& sink);
  // The connection has ended.
  State finish(PlainHttpSink& sink);
  // The connection broke (after the head).
  State lost(const char* why);
  State state() const { return state_; }
  bool headRead() const { return headRead_; }
  // The response is complete and its connection may carry the next request: an
  // HTTP/1.1 answer that did not ask to close, framed by length or chunks, with
  // nothing after it.
  bool leavesConnectionOpen() const;
  // Body bytes as sent (before decoding), for the raw size limit.
  int64_t rawBodyBytes() const { return rawBody_; }
  CURLcode failureCode() const { return failCode_; }
  const std::string& failureText() const { return failText_; }

  // The most head bytes read before the reader declines.
  static constexpr size_t kMaxHeadBytes = 64 * 1024;

 private:
  enum class Framing { None, Length, Chunked, UntilClose };
  enum class ChunkStep { Size, Data, DataEnd, Trailer };
  struct Decoder;

  // head: the bytes up to and including the empty line.
  State readHead(std::string_view head, PlainHttpSink& sink);
  State readBody(std::string_view bytes, PlainHttpSink& sink);
  State readChunked(std::string_view bytes, PlainHttpSink& sink);
  bool emit(std::string_view raw, PlainHttpSink& sink);
  State fail(CURLcode code, std::string text);

  bool headRequest_;
  bool declineSetCookie_;
  State state_ = State::Reading;
  bool headRead_ = false;
  std::string buffer_;  // head bytes, then a partial chunk line
  Framing framing_ = Framing::None;
  int64_t remaining_ = 0;  // Length: body bytes to come; Chunked: of this chunk
  ChunkStep chunkStep_ = ChunkStep::Size;
  size_t trailerBytes_ = 0;
  int64_t rawBody_ = 0;
  bool http11_ = false, closes_ = false;
  bool surplus_ = false;  // bytes came after the end of the response
  std::unique_ptr<Decoder> decoder_;
  CURLcode failCode_ = CURLE_OK;
  std::string failText_;
};

// Where and what a plain transfer asks: worked out from the request, or nullopt
// when the general path must take it.
struct PlainHttpTarget {
  std::string hostKey;  // "host:port", lower case, for the address cache
  sockaddr_storage address{};
  socklen_t addressLength = 0;
  std::string request;  // the whole request head
  bool keepAlive = false;  // the request does not ask to close its connection
};

// The host's numeric address, or the cached one for a name (from `cached`,
// which gives nullopt when it has none).
template <typename Lookup>
std::optional<PlainHttpTarget> plainHttpTarget(const UrlRequest& r, Lookup cached);

// The request head as the general path would send it.
std::string plainHttpRequestHead(const UrlRequest& r, std::string_view target,
                                 std::string_view hostHeader);

// The pieces of an http address a plain transfer needs, or nullopt.
struct PlainHttpAddress {
  std::string host;  // lower case, without brackets
  int port = 80;
  std::string target;  // path and query
};
std::optional<PlainHttpAddress> plainHttpAddress(const UrlRequest& r);
// "host:port" (host in lower case), the key of the address cache.
inline std::string plainHttpHostKey(std::string_view host, int port) {
  std::string key(host);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key + ":" + std::to_string(port);
}
// A numeric IPv4 or IPv6 host as a socket address.
bool numericAddress(const std::string& host, int port, sockaddr_storage* out, socklen_t* length);

// Connections kept open between requests, by "host:port", shared by the
// loader's network threads. Bounded in number and in how long one is kept.
class PlainHttpIdleConnections {
 public:
  static constexpr size_t kMostKept = 256;
  static constexpr std::chrono::seconds kLifetime{5};

  PlainHttpIdleConnections() = default;
  ~PlainHttpIdleConnections();  // closes them
  PlainHttpIdleConnections(const PlainHttpIdleConnections&) = delete;
  PlainHttpIdleConnections& operator=(const PlainHttpIdleConnections&) = delete;

  // Keeps (owns) a connected socket; the oldest one goes beyond kMostKept.
  void put(const std::string& hostKey, int fd);
  // The newest live socket to the host (the caller owns it), or -1. Sockets
  // that the server has closed or written to meanwhile, and old ones, are closed.
  int take(const std::string& hostKey);

 private:
  struct Idle {
    std::string hostKey;
    int fd;
    std::chrono::steady_clock::time_point since;
  };
  std::mutex mutex_;
  std::deque<Idle> idle_;  // oldest first
};

// One connection: connects, sends the request and reads the answer, without blocking.
class PlainHttpConnection {
 public:
  enum class Outcome { Running, Done, Declined, Stopped, Failed, ConnectFailed };
  PlainHttpConnection(const PlainHttpTarget& target, bool headRequest, bool declineSetCookie);
  // The same over a kept connection (owned from now on).
  PlainHttpConnection(int connectedFd, const PlainHttpTarget& target, bool headRequest,
                      bool declineSetCookie);
  ~PlainHttpConnection();
  PlainHttpConnection(const PlainHttpConnection&) = delete;
  PlainHttpConnection& operator=(const PlainHttpConnection&) = delete;

  // -1 when the socket could not be made (Outcome ConnectFailed).
  int fd() const { return fd_; }
  short events() const;  // what to wait for
  // Does what the socket allows; revents from the poll.
  Outcome onReady(short revents, PlainHttpSink& sink);
  const PlainHttpReader& reader() const { return reader_; }
  int64_t bytesReceived() const { return received_; }
  // Came from the kept connections: one that fails before a byte of its answer
  // was closed by the server meanwhile, and the request may go on a new one.
  bool reused() const { return reused_; }
  // After Done: the socket, for the next request to the host, when both sides
  // leave it open; -1 otherwise. The connection no longer owns it.
  int release();

 private:
  Outcome outcomeOf(PlainHttpReader::State s);
  int fd_ = -1;
  bool connected_ = false;
  bool reused_ = false, keepAlive_ = false;
  std::string request_;
  size_t sent_ = 0;
  int64_t received_ = 0;
  PlainHttpReader reader_;
};

template <typename Lookup>
std::optional<PlainHttpTarget> plainHttpTarget(const UrlRequest& r, Lookup cached) {
  auto a = plainHttpAddress(r);
  if (!a) return std::nullopt;
  PlainHttpTarget t;
  t.hostKey = plainHttpHostKey(a->host, a->port);
  if (!numericAddress(a->host, a->port, &t.address, &t.addressLength)) {
    const sockaddr_storage* known = cached(t.hostKey);
    if (!known) return std::nullopt;
    t.address = *known;
    t.addressLength = known->ss_family == AF_INET6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
  }
  const bool bracket = a->host.find(':') != std::string::npos;
  std::string host = bracket ? "[" + a->host + "]" : a->host;
  if (a->port != 80) host += ":" + std::to_string(a->port);
  t.request = plainHttpRequestHead(r, a->target, host);
  const auto connection = r.header("Connection");
  t.keepAlive = !connection || equalsIgnoreCase(*connection, "keep-alive");
  return t;
}

}  // namespace zel::curlsupport
