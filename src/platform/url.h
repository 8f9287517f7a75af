#pragma once
// An absolute URL parsed strictly by RFC 3986 (uriparser). A text with spaces or
// raw non-ASCII bytes does not parse; callers fall back to an encoded form.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct UriUriStructA;  // uriparser's parsed form

namespace zel {

class Url {
 public:
  // An absolute URL (with a scheme), or nullopt.
  static std::optional<Url> parse(std::string_view text);
  // The reference resolved against base (RFC 3986 section 5, dot segments removed).
  static std::optional<Url> resolve(std::string_view reference, const Url& base);
  static std::optional<Url> resolve(std::string_view reference, std::string_view base);
  // resolve() into `out`, reusing its buffers: a page's links are resolved against
  // one base, which is parsed once (per thread) however many links it has.
  static bool resolveInto(std::string_view reference, const Url& base, Url& out);
  // The general resolution through the URI parser, which resolveInto() takes when
  // its plain joins do not apply; they must agree with it wherever they do.
  static bool resolveThroughParser(std::string_view reference, const Url& base, Url& out);
  // file:// URL for an absolute local path (percent-encoding what must be).
  static std::optional<Url> fromFilePath(std::string_view absolutePath);

  const std::string& absoluteString() const { return text_; }
  const std::string& scheme() const { return scheme_; }  // lower case
  const std::string& host() const { return host_; }      // as written, no brackets
  std::optional<int> port() const { return port_; }
  const std::string& user() const { return user_; }
  const std::string& password() const { return password_; }
  // The path as written, percent escapes kept ("" when none).
  const std::string& path() const { return path_; }
  // The path with percent escapes decoded.
  std::string decodedPath() const;
  std::optional<std::string> query() const { return query_; }
  std::optional<std::string> fragment() const { return fragment_; }
  // Extension of the last path component ("html" for /a/b.html), decoded; "" when none.
  std::string pathExtension() const;
  std::string lastPathComponent() const;
  // Decoded components; "/" first for an absolute path (as the platform lists them).
  std::vector<std::string> pathComponents() const;
  bool isFileUrl() const { return scheme_ == "file"; }

 private:
  // Takes the parts of `uri`, whose text is `text`; false (and unchanged) when
  // it has no scheme or a port out of range.
  bool assign(const UriUriStructA& uri, std::string_view text);
  // resolveInto() for a plain path or fragment reference against an http(s) base;
  // false (and unchanged) when the general resolution is needed.
  bool resolvePlainPath(std::string_view reference, const Url& base);
  // The base's own address with `fragment` in place of its own.
  void joinFragment(std::string_view fragment, const Url& base);

  std::string text_, scheme_, host_, user_, password_, path_;
  std::optional<int> port_;
  std::optional<std::string> query_, fragment_;
};

// Whether a path has a "." or ".." segment.
bool hasDotSegment(std::string_view path);

// Decodes %XX escapes; invalid escapes are kept as they are.
std::string percentDecode(std::string_view s);

}  // namespace zel
