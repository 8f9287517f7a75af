#include "urltext/url_parts.h"

#include <utility>

#include "platform/defaults.h"
#include "urltext/code_points.h"
#include "urltext/idna.h"
#include "urltext/percent_encoding.h"

namespace zel {

namespace {

constexpr SettingKey kCompatibilityKey = "precomposedStringWithCompatibilityMapping";

// A minimal text scanner: every scan first skips white space and line breaks,
// and a scan that finds nothing leaves the position where it was.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool atEnd() const { return skipWhitespaceAndNewlines(text_, pos_) >= text_.size(); }
  size_t position() const { return pos_; }
  std::string_view rest() const { return text_.substr(pos_); }
  char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  void advance(size_t n) { pos_ += n; }

  // Up to (not including) the first of the ASCII stop characters, or the end.
  bool scanUpTo(std::string_view stops, std::string_view& out) {
    size_t start = skipWhitespaceAndNewlines(text_, pos_);
    size_t end = text_.find_first_of(stops, start);
    if (end == std::string_view::npos) end = text_.size();
    if (end == start) return false;
    out = text_.substr(start, end - start);
    pos_ = end;
    return true;
  }
  // A run of the ASCII characters given.
  bool scanRun(std::string_view chars, std::string_view& out) {
    size_t start = skipWhitespaceAndNewlines(text_, pos_);
    size_t end = text_.find_first_not_of(chars, start);
    if (end == std::string_view::npos) end = text_.size();
    if (end == start) return false;
    out = text_.substr(start, end - start);
    pos_ = end;
    return true;
  }
  // Up to the first line break, or the end.
  bool scanUpToNewline(std::string_view& out) {
    size_t start = skipWhitespaceAndNewlines(text_, pos_);
    size_t end = start;
    while (end < text_.size()) {
      size_t len;
      if (isNewline(decodeUtf8At(text_, end, len))) break;
      end += len;
    }
    if (end == start) return false;
    out = text_.substr(start, end - start);
    pos_ = end;
    return true;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

UrlParts splitAddress(std::string_view address) {
  UrlParts parts;
  Scanner s(address);
  std::string_view item;
  if (s.scanUpTo(":/", item)) {
    if (s.peek() == ':') {
      parts.scheme.assign(item);
      if (!s.atEnd() && s.scanRun(":/", item)) parts.delim.assign(item);
      // The authority also ends at "#": an address with a fragment and no
      // path would otherwise carry its fragment in the host name.
      if (!s.atEnd() && s.scanUpTo("/?#", item)) parts.host.assign(item);
    } else {
      parts.host.assign(item);  // no scheme: the text up to "/" names the host
    }
  }
  if (!s.atEnd() && s.scanUpTo("#", item)) parts.path.assign(item);
  if (!s.atEnd()) {
    // The remaining text starts with "#" (possibly after white space).
    s.advance(skipWhitespaceAndNewlines(s.rest(), 0) + 1);
    parts.fragment.emplace();
    if (s.scanUpToNewline(item)) parts.fragment->assign(item);
  }
  const size_t at = parts.host.find('@');
  if (at != std::string::npos) {
    // The first piece is the user information, the second the host; a third
    // piece (a second "@") is not part of either.
    std::string_view host = parts.host;
    std::string_view userInfo = host.substr(0, at);
    std::string_view hostPiece = host.substr(at + 1);
    hostPiece = hostPiece.substr(0, hostPiece.find('@'));
    const size_t colon = userInfo.find(':');
    parts.username.emplace(userInfo.substr(0, colon));
    if (colon != std::string_view::npos) {
      std::string_view pass = userInfo.substr(colon + 1);
      parts.password.emplace(pass.substr(0, pass.find(':')));
    }
    parts.host = std::string(hostPiece);
  }
  return parts;
}

// The host text without a trailing ":port", and that suffix. The port is kept
// out of the label conversion: with a non-ASCII last label it would otherwise be
// encoded into that label, and an "xn--" label followed by a port would not
// decode at all.
std::pair<std::string_view, std::string_view> splitPort(std::string_view host) {
  const size_t colon = host.rfind(':');
  if (colon == std::string_view::npos) return {host, {}};
  for (size_t i = colon + 1; i < host.size(); ++i)
    if (host[i] < '0' || host[i] > '9') return {host, {}};
  return {host.substr(0, colon), host.substr(colon)};
}

std::string decodedOr(std::string_view text, std::string_view fallback) {
  auto decoded = kxStringByRemovingPercentEncoding(text);
  return decoded ? std::move(*decoded) : std::string(fallback);
}

}  // namespace

UrlParts URLParts(std::string_view address, bool compatibilityMapping) {
  if (!compatibilityMapping) return splitAddress(address);
  const std::string composed = precomposedStringWithCompatibilityMapping(address);
  return splitAddress(composed);
}

UrlParts URLParts(std::string_view address, const Defaults& defaults) {
  return URLParts(address, defaults.boolForKey(kCompatibilityKey));
}

std::string encodedPath(std::string_view text) {
  static const CharSet set = []() {
    CharSet s = kxURLPathAllowedCharacterSet();
    s.addAll("%?#");
    return s;
  }();
  return kxStringByAddingPercentEncodingWithAllowedCharacters(text, set);
}

std::string encodedURLString(std::string_view address, bool compatibilityMapping) {
  const UrlParts parts = URLParts(address, compatibilityMapping);
  std::string out;
  out.reserve(address.size() + 16);
  out += parts.scheme;
  out += parts.delim;
  if (parts.username) {
    out += kxStringByAddingPercentEncodingWithAllowedCharacters(*parts.username,
                                                                URLUserAllowedCharacterSet());
    if (parts.password) {
      out += ':';
      out += kxStringByAddingPercentEncodingWithAllowedCharacters(
          *parts.password, URLPasswordAllowedCharacterSet());
    }
    out += '@';
  }
  const auto [hostName, port] = splitPort(parts.host);
  out += IDNAEncodedString(hostName, compatibilityMapping);
  out += port;
  out += encodedPath(parts.path);
  if (parts.fragment) {
    static const CharSet fragmentSet = []() {
      CharSet s = URLFragmentAllowedCharacterSet();
      s.add('%');
      return s;
    }();
    out += '#';
    out += kxStringByAddingPercentEncodingWithAllowedCharacters(*parts.fragment, fragmentSet);
  }
  return out;
}

std::string encodedURLString(std::string_view address, const Defaults& defaults) {
  return encodedURLString(address, defaults.boolForKey(kCompatibilityKey));
}

std::string decodedURLString(std::string_view address, bool compatibilityMapping) {
  const UrlParts parts = URLParts(address, compatibilityMapping);
  std::string out;
  out.reserve(address.size());
  out += parts.scheme;
  out += parts.delim;
  if (parts.username) {
    out += decodedOr(*parts.username, *parts.username);
    if (parts.password) {
      out += ':';
      out += decodedOr(*parts.password, *parts.password);
    }
    out += '@';
  }
  const std::string host = decodedOr(parts.host, parts.host);
  const auto [hostName, port] = splitPort(host);
  out += IDNADecodedString(hostName);
  out += port;
  out += decodedOr(parts.path, "");
  if (parts.fragment) {
    out += '#';
    out += decodedOr(*parts.fragment, *parts.fragment);
  }
  return out;
}

std::string decodedURLString(std::string_view address, const Defaults& defaults) {
  return decodedURLString(address, defaults.boolForKey(kCompatibilityKey));
}

std::string decodedURLString(const Url& url, bool compatibilityMapping) {
  return decodedURLString(url.absoluteString(), compatibilityMapping);
}

std::optional<Url> URLWithUnicodeString(std::string_view address, bool compatibilityMapping) {
  return Url::parse(encodedURLString(address, compatibilityMapping));
}

}  // namespace zel
