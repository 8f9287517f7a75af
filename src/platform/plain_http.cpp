#include "platform/plain_http.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <unistd.h>

#include <brotli/decode.h>
#include <zlib.h>

#include <cerrno>
#include <cstring>

#include "platform/text_format.h"
#include "platform/url.h"

namespace zel::curlsupport {

namespace {

constexpr size_t kMaxChunkLine = 4 * 1024;  // a size line and its extensions
constexpr size_t kMaxTrailer = 16 * 1024;
constexpr size_t kOutChunk = 16 * 1024;

bool isTokenChar(unsigned char c) {
  switch (c) {
    case '"': case '(': case ')': case ',': case '/': case ':': case ';': case '<': case '=':
    case '>': case '?': case '@': case '[': case '\\': case ']': case '{': case '}':
      return false;
    default:
      return c > 0x20 && c < 0x7f;
  }
}

// Bytes a header value may hold: visible ASCII, space, tab and any byte of 0x80 up.
bool isValueText(std::string_view v) {
  for (unsigned char c : v)
    if ((c < 0x20 && c != '\t') || c == 0x7f) return false;
  return true;
}

bool allDigits(std::string_view v) {
  return !v.empty() && v.size() <= 18 && v.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

// ---- decoding ----

struct PlainHttpReader::Decoder {
  enum class Kind { Gzip, Deflate, Brotli } kind;
  z_stream z{};
  bool zReady = false;
  bool zEnded = false;
  std::string pending;  // the first bytes of a zlib body, until its kind shows
  BrotliDecoderState* brotli = nullptr;
  std::string out;

  explicit Decoder(Kind k) : kind(k) {
    if (kind == Kind::Brotli) brotli = BrotliDecoderCreateInstance(nullptr, nullptr, nullptr);
    out.resize(kOutChunk);
  }
  ~Decoder() {
    if (zReady) inflateEnd(&z);
    if (brotli) BrotliDecoderDestroyInstance(brotli);
  }

  // Decodes `in`, handing each piece to `emit` (false from it stops quietly);
  // false on a coding error.
  template <typename Emit>
  bool decode(std::string_view in, Emit&& emit) {
    if (kind == Kind::Brotli) return decodeBrotli(in, emit);
    if (zReady) return inflateAll(in, emit);
    pending.append(in);
    // A "deflate" body is a zlib stream, or (as some servers send) a bare one.
    if (kind == Kind::Deflate && pending.size() < 2) return true;
    int bits = 16 + MAX_WBITS;
    if (kind == Kind::Deflate) {
      const auto b0 = static_cast<unsigned char>(pending[0]);
      const auto b1 = static_cast<unsigned char>(pending[1]);
      bits = (b0 & 0x0f) == 8 && ((b0 << 8) | b1) % 31 == 0 ? MAX_WBITS : -MAX_WBITS;
    }
    if (inflateInit2(&z, bits) != Z_OK) return false;
    zReady = true;
    const std::string first = std::move(pending);
    pending.clear();
    return inflateAll(first, emit);
  }

  template <typename Emit>
  bool inflateAll(std::string_view in, Emit& emit) {
    if (zEnded) return true;  // what follows the end of the stream is ignored
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    for (;;) {
      z.next_out = reinterpret_cast<Bytef*>(out.data());
      z.avail_out = static_cast<uInt>(out.size());
      const int rc = inflate(&z, Z_NO_FLUSH);
      const size_t n = out.size() - z.avail_out;
      if (n && !emit(std::string_view(out.data(), n))) return true;
      if (rc == Z_STREAM_END) {
        zEnded = true;
        return true;
      }
      if (rc == Z_BUF_ERROR) return true;  // wants more input
      if (rc != Z_OK) return false;
      if (z.avail_in == 0 && z.avail_out != 0) return true;
    }
  }

  template <typename Emit>
  bool decodeBrotli(std::string_view in, Emit& emit) {
    if (!brotli) return false;
    const auto* next = reinterpret_cast<const uint8_t*>(in.data());
    size_t available = in.size();
    for (;;) {
      auto* o = reinterpret_cast<uint8_t*>(out.data());
      size_t room = out.size();
      const auto rc = BrotliDecoderDecompressStream(brotli, &available, &next, &room, &o, nullptr);
      const size_t n = out.size() - room;
      if (n && !emit(std::string_view(out.data(), n))) return true;
      if (rc == BROTLI_DECODER_RESULT_ERROR) return false;
      if (rc != BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT) return true;  // wants input, or ended
    }
  }

  // At the end of the body: a stream cut short is a coding error.
  bool complete() const {
    if (kind == Kind::Brotli) return brotli && BrotliDecoderIsFinished(brotli);
    return zEnded || (!zReady && pending.empty());
  }
};

// ---- the reader ----

PlainHttpReader::PlainHttpReader(bool headRequest, bool declineSetCookie)
    : headRequest_(headRequest), declineSetCookie_(declineSetCookie) {}
PlainHttpReader::~PlainHttpReader() = default;

PlainHttpReader::State PlainHttpReader::fail(CURLcode code, std::string text) {
  failCode_ = code;
  failText_ = std::move(text);
  return state_ = State::Failed;
}

PlainHttpReader::State PlainHttpReader::feed(std::string_view bytes, PlainHttpSink& sink) {
  if (state_ != State::Reading) {
    surplus_ = surplus_ || !bytes.empty();
    return state_;
  }
  if (!headRead_) {
    const size_t before = buffer_.size();
    buffer_.append(bytes);
    // Search only where the end of the head can newly be.
    const size_t end = buffer_.find("\r\n\r\n", before >= 3 ? before - 3 : 0);
    if (end == std::string::npos || end + 4 > kMaxHeadBytes) {
      if (buffer_.size() > kMaxHeadBytes) return state_ = State::Declined;
      return state_;
    }
    // The body bytes that came with the head are read where they stand.
    std::string held;
    held.swap(buffer_);
    if (readHead(std::string_view(held).substr(0, end + 4), sink) != State::Reading) return state_;
    if (framing_ == Framing::None) {
      surplus_ = held.size() > end + 4;
      return state_ = State::Done;
    }
    return readBody(std::string_view(held).substr(end + 4), sink);
  }
  return readBody(bytes, sink);
}

// Checks the whole head before any of it is reported, so that declining stays silent.
PlainHttpReader::State PlainHttpReader::readHead(std::string_view head, PlainHttpSink& sink) {
  head.remove_suffix(2);  // the empty line's CRLF
  std::vector<std::string_view> lines;
  lines.reserve(24);
  for (size_t at = 0; at < head.size();) {
    const size_t eol = head.find("\r\n", at);
    std::string_view line = head.substr(at, eol - at);
    for (char c : line)  // a bare CR or LF inside a line
      if (c == '\r' || c == '\n') return state_ = State::Declined;
    lines.push_back(line);
    at = eol + 2;
  }
  if (lines.empty()) return state_ = State::Declined;

  // "HTTP/1.x NNN reason"
  const std::string_view status = lines[0];
  if (status.size() < 12 || !(startsWith(status, "HTTP/1.1 ") || startsWith(status, "HTTP/1.0 ")) ||
      !allDigits(status.substr(9, 3)) || (status.size() > 12 && status[12] != ' ') ||
      !isValueText(status))
    return state_ = State::Declined;
  const int code = static_cast<int>(leadingInteger(status.substr(9, 3)));
  if (code < 200) return state_ = State::Declined;
  http11_ = startsWith(status, "HTTP/1.1 ");

  std::optional<std::string_view> length, transfer, coding;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos) return state_ = State::Declined;
    const std::string_view name = line.substr(0, colon);
    for (unsigned char c : name)
      if (!isTokenChar(c)) return state_ = State::Declined;
    const std::string_view value = trimWhitespace(line.substr(colon + 1));
    if (!isValueText(value)) return state_ = State::Declined;
    if (declineSetCookie_ && (equalsIgnoreCase(name, "Set-Cookie") || equalsIgnoreCase(name, "Set-Cookie2")))
      return state_ = State::Declined;
    if (equalsIgnoreCase(name, "Connection")) {
      for (const std::string& token : split(value, ","))
        closes_ = closes_ || equalsIgnoreCase(trimWhitespace(token), "close");
      continue;
    }
    std::optional<std::string_view>* slot = nullptr;
    if (equalsIgnoreCase(name, "Content-Length")) {
      slot = &length;
    } else if (equalsIgnoreCase(name, "Transfer-Encoding")) {
      slot = &transfer;
    } else if (equalsIgnoreCase(name, "Content-Encoding")) {
      slot = &coding;
    }
    if (!slot) continue;
    if (*slot && **slot != value) return state_ = State::Declined;  // two that differ
    *slot = value;
  }

  if (transfer && (!equalsIgnoreCase(*transfer, "chunked") || length))
    return state_ = State::Declined;
  if (length && !allDigits(*length)) return state_ = State::Declined;
  std::optional<Decoder::Kind> kind;
  if (coding && !coding->empty() && !equalsIgnoreCase(*coding, "identity")) {
    if (equalsIgnoreCase(*coding, "gzip") || equalsIgnoreCase(*coding, "x-gzip")) {
      kind = Decoder::Kind::Gzip;
    } else if (equalsIgnoreCase(*coding, "deflate")) {
      kind = Decoder::Kind::Deflate;
    } else if (equalsIgnoreCase(*coding, "br")) {
      kind = Decoder::Kind::Brotli;
    } else {
      return state_ = State::Declined;
    }
  }

  if (headRequest_ || code == 204 || code == 304) {
    framing_ = Framing::None;
  } else if (transfer) {
    framing_ = Framing::Chunked;
  } else if (length) {
    remaining_ = leadingInteger(*length);
    framing_ = remaining_ == 0 ? Framing::None : Framing::Length;
  } else {
    framing_ = Framing::UntilClose;
  }
  if (kind && framing_ != Framing::None) decoder_ = std::make_unique<Decoder>(*kind);

  headRead_ = true;
  // Every line stands in the buffer with its CRLF after it.
  for (std::string_view line : lines) sink.headLine(std::string_view(line.data(), line.size() + 2));
  sink.headLine("\r\n");
  return state_;
}

bool PlainHttpReader::emit(std::string_view raw, PlainHttpSink& sink) {
  if (raw.empty()) return true;
  if (!decoder_) {
    if (sink.body(raw)) return true;
    state_ = State::Stopped;
    return false;
  }
  bool stopped = false;
  const bool ok = decoder_->decode(raw, [&](std::string_view out) {
    if (!sink.body(out)) stopped = true;
    return !stopped;
  });
  if (stopped) {
    state_ = State::Stopped;
    return false;
  }
  if (!ok) {
    fail(CURLE_BAD_CONTENT_ENCODING, "Error while processing content unencoding");
    return false;
  }
  return true;
}

PlainHttpReader::State PlainHttpReader::readBody(std::string_view bytes, PlainHttpSink& sink) {
  if (bytes.empty()) return state_;
  switch (framing_) {
    case Framing::None:
      surplus_ = true;
      return state_ = State::Done;  // anything after the head is not ours
    case Framing::Chunked:
      return readChunked(bytes, sink);
    case Framing::Length: {
      const auto n = static_cast<size_t>(std::min<int64_t>(remaining_, static_cast<int64_t>(bytes.size())));
      rawBody_ += static_cast<int64_t>(n);
      remaining_ -= static_cast<int64_t>(n);
      if (!emit(bytes.substr(0, n), sink)) return state_;
      if (remaining_ == 0) {
        if (decoder_ && !decoder_->complete())
          return fail(CURLE_BAD_CONTENT_ENCODING, "Error while processing content unencoding");
        surplus_ = bytes.size() > n;
        return state_ = State::Done;
      }
      return state_;
    }
    case Framing::UntilClose:
      rawBody_ += static_cast<int64_t>(bytes.size());
      emit(bytes, sink);
      return state_;
  }
  return state_;
}

PlainHttpReader::State PlainHttpReader::readChunked(std::string_view bytes, PlainHttpSink& sink) {
  while (!bytes.empty() && state_ == State::Reading) {
    switch (chunkStep_) {
      case ChunkStep::Size:
      case ChunkStep::DataEnd:
      case ChunkStep::Trailer: {
        const size_t eol = bytes.find('\n');
        const size_t take = eol == std::string_view::npos ? bytes.size() : eol + 1;
        buffer_.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        const size_t limit = chunkStep_ == ChunkStep::Trailer ? kMaxTrailer : kMaxChunkLine;
        if (eol == std::string_view::npos) {
          if (buffer_.size() > limit)
            return fail(CURLE_RECV_ERROR, "A line of the chunked body is too long");
          continue;
        }
        std::string_view line(buffer_);
        line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (chunkStep_ == ChunkStep::DataEnd) {
          if (!line.empty()) return fail(CURLE_RECV_ERROR, "A chunk does not end where its size says");
          chunkStep_ = ChunkStep::Size;
        } else if (chunkStep_ == ChunkStep::Trailer) {
          trailerBytes_ += buffer_.size();
          if (trailerBytes_ > limit)
            return fail(CURLE_RECV_ERROR, "The trailer of the chunked body is too long");
          if (line.empty()) {
            buffer_.clear();
            if (decoder_ && !decoder_->complete())
              return fail(CURLE_BAD_CONTENT_ENCODING, "Error while processing content unencoding");
            surplus_ = !bytes.empty();
            return state_ = State::Done;
          }
        } else {
          const std::string_view hex = line.substr(0, line.find_first_of("; \t"));
          if (hex.empty() || hex.size() > 15 ||
              hex.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos)
            return fail(CURLE_RECV_ERROR, "Illegal or missing hexadecimal sequence in chunked-encoding");
          remaining_ = static_cast<int64_t>(std::stoull(std::string(hex), nullptr, 16));
          chunkStep_ = remaining_ == 0 ? ChunkStep::Trailer : ChunkStep::Data;
        }
        buffer_.clear();
        break;
      }
      case ChunkStep::Data: {
        const auto n = static_cast<size_t>(std::min<int64_t>(remaining_, static_cast<int64_t>(bytes.size())));
        rawBody_ += static_cast<int64_t>(n);
        remaining_ -= static_cast<int64_t>(n);
        const std::string_view piece = bytes.substr(0, n);
        bytes.remove_prefix(n);
        if (remaining_ == 0) chunkStep_ = ChunkStep::DataEnd;
        if (!emit(piece, sink)) return state_;
        break;
      }
    }
  }
  return state_;
}

bool PlainHttpReader::leavesConnectionOpen() const {
  return state_ == State::Done && http11_ && !closes_ && !surplus_ &&
         framing_ != Framing::UntilClose;
}

PlainHttpReader::State PlainHttpReader::lost(const char* why) {
  if (state_ != State::Reading) return state_;
  return fail(CURLE_RECV_ERROR, strf("Failure when receiving data from the peer (%s)", why));
}

PlainHttpReader::State PlainHttpReader::finish(PlainHttpSink&) {
  if (state_ != State::Reading) return state_;
  if (!headRead_) return state_ = State::Declined;  // no head: the general path says what it was
  switch (framing_) {
    case Framing::None:
      return state_ = State::Done;
    case Framing::UntilClose:
      if (decoder_ && !decoder_->complete())
        return fail(CURLE_BAD_CONTENT_ENCODING, "Error while processing content unencoding");
      return state_ = State::Done;
    case Framing::Length:
      return fail(CURLE_PARTIAL_FILE,
                  strf("transfer closed with %lld bytes remaining to read",
                       static_cast<long long>(remaining_)));
    case Framing::Chunked:
      return fail(CURLE_PARTIAL_FILE, "transfer closed with outstanding read data remaining");
  }
  return state_;
}

// ---- the request ----

std::optional<PlainHttpAddress> plainHttpAddress(const UrlRequest& r) {
  if (r.method != "GET" && r.method != "HEAD") return std::nullopt;
  if (!r.body.empty()) return std::nullopt;
  if (!startsWith(r.url, "http://")) return std::nullopt;  // lower case, as the engine writes it
  auto u = Url::parse(r.url);
  if (!u || u->scheme() != "http" || u->host().empty() || !u->user().empty() ||
      !u->password().empty() || r.url.find('@') != std::string::npos)
    return std::nullopt;
  PlainHttpAddress a;
  a.host = asciiLower(u->host());
  a.port = u->port().value_or(80);
  if (a.port <= 0 || a.port > 65535) return std::nullopt;
  a.target = u->path().empty() ? "/" : u->path();
  if (a.target[0] != '/') return std::nullopt;
  if (auto q = u->query()) a.target += "?" + *q;
  for (unsigned char c : a.target)
    if (c <= 0x20 || c >= 0x7f) return std::nullopt;  // the general path decides what to send
  // curl removes dot segments before it sends a path; such a path is its to send.
  const std::string_view path(a.target.data(), std::min(a.target.find('?'), a.target.size()));
  if (hasDotSegment(path)) return std::nullopt;
  return a;
}

bool numericAddress(const std::string& host, int port, sockaddr_storage* out, socklen_t* length) {
  std::memset(out, 0, sizeof *out);
  auto* v4 = reinterpret_cast<sockaddr_in*>(out);
  if (inet_pton(AF_INET, host.c_str(), &v4->sin_addr) == 1) {
    v4->sin_family = AF_INET;
    v4->sin_port = htons(static_cast<uint16_t>(port));
    *length = sizeof(sockaddr_in);
    return true;
  }
  auto* v6 = reinterpret_cast<sockaddr_in6*>(out);
  if (inet_pton(AF_INET6, host.c_str(), &v6->sin6_addr) == 1) {
    v6->sin6_family = AF_INET6;
    v6->sin6_port = htons(static_cast<uint16_t>(port));
    *length = sizeof(sockaddr_in6);
    return true;
  }
  return false;
}

std::string plainHttpRequestHead(const UrlRequest& r, std::string_view target,
                                 std::string_view hostHeader) {
  std::string head;
  head.reserve(512);
  head.append(r.method).append(" ").append(target).append(" HTTP/1.1\r\n");
  auto sent = [](const std::string& name, const std::string& value) {
    // No body, nothing to expect.
    return UrlRequest::isSendable(name, value) && !equalsIgnoreCase(name, "Expect");
  };
  bool host = false, accept = false, encoding = false;
  for (const auto& [name, value] : r.headers) {
    if (!sent(name, value)) continue;
    host = host || equalsIgnoreCase(name, "Host");
    accept = accept || equalsIgnoreCase(name, "Accept");
    encoding = encoding || equalsIgnoreCase(name, "Accept-Encoding");
  }
  // Defaults for what the request leaves out go before its own fields.
  if (!host) head.append("Host: ").append(hostHeader).append("\r\n");
  if (!accept) head.append("Accept: */*\r\n");
  if (!encoding) head.append("Accept-Encoding: deflate, gzip, br\r\n");
  for (const auto& [name, value] : r.headers)
    if (sent(name, value))
      head.append(name).append(value.empty() ? ":" : ": ").append(value).append("\r\n");
  head.append("\r\n");
  return head;
}

// ---- the connection ----

PlainHttpConnection::PlainHttpConnection(const PlainHttpTarget& target, bool headRequest,
                                         bool declineSetCookie)
    : keepAlive_(target.keepAlive),
      request_(target.request),
      reader_(headRequest, declineSetCookie) {
  fd_ = ::socket(target.address.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd_ < 0) return;
  int one = 1;
  ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  const int rc = ::connect(fd_, reinterpret_cast<const sockaddr*>(&target.address), target.addressLength);
  if (rc == 0) {
    connected_ = true;
  } else if (errno != EINPROGRESS) {
    ::close(fd_);
    fd_ = -1;
  }
}

PlainHttpConnection::PlainHttpConnection(int connectedFd, const PlainHttpTarget& target,
                                         bool headRequest, bool declineSetCookie)
    : fd_(connectedFd),
      connected_(true),
      reused_(true),
      keepAlive_(target.keepAlive),
      request_(target.request),
      reader_(headRequest, declineSetCookie) {}

PlainHttpConnection::~PlainHttpConnection() {
  if (fd_ >= 0) ::close(fd_);
}

int PlainHttpConnection::release() {
  if (!keepAlive_ || !reader_.leavesConnectionOpen()) return -1;
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

// ---- kept connections ----

PlainHttpIdleConnections::~PlainHttpIdleConnections() {
  for (const Idle& i : idle_) ::close(i.fd);
}

void PlainHttpIdleConnections::put(const std::string& hostKey, int fd) {
  if (fd < 0) return;
  std::lock_guard<std::mutex> lock(mutex_);
  if (idle_.size() >= kMostKept) {
    ::close(idle_.front().fd);
    idle_.pop_front();
  }
  idle_.push_back(Idle{hostKey, fd, std::chrono::steady_clock::now()});
}

int PlainHttpIdleConnections::take(const std::string& hostKey) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto now = std::chrono::steady_clock::now();
  while (!idle_.empty() && now - idle_.front().since > kLifetime) {
    ::close(idle_.front().fd);
    idle_.pop_front();
  }
  for (size_t i = idle_.size(); i-- > 0;) {
    if (idle_[i].hostKey != hostKey) continue;
    const int fd = idle_[i].fd;
    idle_.erase(idle_.begin() + static_cast<std::ptrdiff_t>(i));
    // An idle connection has nothing to read: a close, a reset or stray bytes
    // from the server make it unusable.
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 0) == 0) return fd;
    ::close(fd);
  }
  return -1;
}

short PlainHttpConnection::events() const {
  return (!connected_ || sent_ < request_.size()) ? POLLOUT : POLLIN;
}

PlainHttpConnection::Outcome PlainHttpConnection::outcomeOf(PlainHttpReader::State s) {
  switch (s) {
    case PlainHttpReader::State::Reading: return Outcome::Running;
    case PlainHttpReader::State::Done: return Outcome::Done;
    case PlainHttpReader::State::Declined: return Outcome::Declined;
    case PlainHttpReader::State::Stopped: return Outcome::Stopped;
    case PlainHttpReader::State::Failed: return Outcome::Failed;
  }
  return Outcome::Failed;
}

PlainHttpConnection::Outcome PlainHttpConnection::onReady(short revents, PlainHttpSink& sink) {
  if (fd_ < 0) return Outcome::ConnectFailed;
  if (!connected_ && !(revents & (POLLOUT | POLLERR | POLLHUP))) return Outcome::Running;
  // The send itself says how the connect went: it waits (EAGAIN) while the
  // connect is under way and fails with the connect's error.
  if (sent_ < request_.size()) {
    while (sent_ < request_.size()) {
      const ssize_t n = ::send(fd_, request_.data() + sent_, request_.size() - sent_, MSG_NOSIGNAL);
      if (n > 0) {
        connected_ = true;
        sent_ += static_cast<size_t>(n);
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return Outcome::Running;
      return Outcome::ConnectFailed;  // nothing read yet: the general path tries again
    }
    // Just sent: the answer cannot be there yet, so wait for it rather than ask.
    if (!(revents & POLLIN)) return Outcome::Running;
  }
  char buf[64 * 1024];
  for (int reads = 0; reads < 16; ++reads) {  // then other sockets get their turn
    const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
    if (n > 0) {
      received_ += n;
      const auto s = reader_.feed(std::string_view(buf, static_cast<size_t>(n)), sink);
      if (s != PlainHttpReader::State::Reading) return outcomeOf(s);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return Outcome::Running;
    if (n == 0) return outcomeOf(reader_.finish(sink));
    // A reset: before the head the general path tries again and says what it was.
    if (!reader_.headRead()) return Outcome::Declined;
    return outcomeOf(reader_.lost(std::strerror(errno)));
  }
  return Outcome::Running;
}

}  // namespace zel::curlsupport
