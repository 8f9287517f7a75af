#include "platform/url.h"

#include <uriparser/Uri.h>

#include <memory>

namespace zel {

namespace {

std::string rangeText(const UriTextRangeA& r) {
  if (!r.first || !r.afterLast || r.afterLast < r.first) return {};
  return std::string(r.first, r.afterLast);
}

bool rangeSet(const UriTextRangeA& r) { return r.first != nullptr; }

struct UriHolder {
  UriUriA uri{};
  bool live = false;
  ~UriHolder() {
    if (live) uriFreeUriMembersA(&uri);
  }
};

bool parseInto(std::string_view text, UriHolder& h) {
  if (text.empty()) return false;
  const char* err = nullptr;
  if (uriParseSingleUriExA(&h.uri, text.data(), text.data() + text.size(), &err) != URI_SUCCESS)
    return false;
  h.live = true;
  return true;
}

std::optional<std::string> toText(const UriUriA& uri) {
  int chars = 0;
  if (uriToStringCharsRequiredA(&uri, &chars) != URI_SUCCESS) return std::nullopt;
  std::string out(static_cast<size_t>(chars) + 1, '\0');
  if (uriToStringA(out.data(), &uri, chars + 1, nullptr) != URI_SUCCESS) return std::nullopt;
  out.resize(static_cast<size_t>(chars));
  return out;
}

}  // namespace

std::string percentDecode(std::string_view s) {
  auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size()) {
      int a = hex(s[i + 1]), b = hex(s[i + 2]);
      if (a >= 0 && b >= 0) {
        out.push_back(static_cast<char>(a * 16 + b));
        i += 2;
        continue;
      }
    }
    out.push_back(s[i]);
  }
  return out;
}

std::optional<Url> Url::parse(std::string_view text) {
  UriHolder h;
  if (!parseInto(text, h)) return std::nullopt;
  if (!rangeSet(h.uri.scheme)) return std::nullopt;
  Url u;
  u.text_.assign(text);
  u.scheme_ = rangeText(h.uri.scheme);
  for (char& c : u.scheme_)
    if (c >= 'A' && c <= 'Z') c = char(c + 32);
  u.host_ = rangeText(h.uri.hostText);
  if (rangeSet(h.uri.portText)) {
    std::string p = rangeText(h.uri.portText);
    if (!p.empty()) {
      if (p.size() > 5) return std::nullopt;
      int port = 0;
      for (char c : p) port = port * 10 + (c - '0');
      if (port > 65535) return std::nullopt;
      u.port_ = port;
    }
  }
  if (rangeSet(h.uri.userInfo)) {
    std::string ui = rangeText(h.uri.userInfo);
    size_t colon = ui.find(':');
    u.user_ = ui.substr(0, colon);
    if (colon != std::string::npos) u.password_ = ui.substr(colon + 1);
  }
  // Path: the text after the scheme and authority, up to the query or fragment.
  {
    size_t pos = u.scheme_.size() + 1;
    if (text.substr(pos, 2) == "//") {
      pos = text.find_first_of("/?#", pos + 2);
      if (pos == std::string_view::npos) pos = text.size();
    }
    size_t pathEnd = text.find_first_of("?#", pos);
    if (pathEnd == std::string_view::npos) pathEnd = text.size();
    u.path_.assign(text.substr(pos, pathEnd - pos));
  }
  if (rangeSet(h.uri.query)) u.query_ = rangeText(h.uri.query);
  if (rangeSet(h.uri.fragment)) u.fragment_ = rangeText(h.uri.fragment);
  return u;
}

std::optional<Url> Url::resolve(std::string_view reference, const Url& base) {
  UriHolder b, r, out;
  if (!parseInto(base.absoluteString(), b)) return std::nullopt;
  if (reference.empty()) {
    // An empty reference is the base without its fragment.
    std::string t = base.absoluteString();
    size_t hash = t.find('#');
    if (hash != std::string::npos) t.resize(hash);
    return parse(t);
  }
  if (!parseInto(reference, r)) return std::nullopt;
  if (uriAddBaseUriExA(&out.uri, &r.uri, &b.uri, URI_RESOLVE_STRICTLY) != URI_SUCCESS)
    return std::nullopt;
  out.live = true;
  auto text = toText(out.uri);
  if (!text) return std::nullopt;
  return parse(*text);
}

std::optional<Url> Url::resolve(std::string_view reference, std::string_view base) {
  auto b = parse(base);
  if (!b) return std::nullopt;
  return resolve(reference, *b);
}

std::optional<Url> Url::fromFilePath(std::string_view path) {
  if (path.empty() || path[0] != '/') return std::nullopt;
  std::string buf(path.size() * 3 + 8, '\0');
  if (uriUnixFilenameToUriStringA(std::string(path).c_str(), buf.data()) != URI_SUCCESS)
    return std::nullopt;
  buf.resize(std::char_traits<char>::length(buf.c_str()));
  return parse(buf);
}

std::string Url::decodedPath() const { return percentDecode(path_); }

std::string Url::lastPathComponent() const {
  std::string p = decodedPath();
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  if (p == "/") return p;
  size_t slash = p.rfind('/');
  return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string Url::pathExtension() const {
  std::string last = lastPathComponent();
  if (last == "/") return {};
  size_t dot = last.rfind('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == last.size()) return {};
  return last.substr(dot + 1);
}

std::vector<std::string> Url::pathComponents() const {
  std::vector<std::string> out;
  std::string p = decodedPath();
  if (p.empty()) return out;
  size_t i = 0;
  if (p[0] == '/') {
    out.push_back("/");
    i = 1;
  }
  while (i < p.size()) {
    size_t slash = p.find('/', i);
    if (slash == std::string::npos) slash = p.size();
    if (slash > i) out.push_back(p.substr(i, slash - i));
    i = slash + 1;
  }
  return out;
}

}  // namespace zel
