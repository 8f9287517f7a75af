#include "platform/url.h"

#include <uriparser/Uri.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <new>

namespace zel {

namespace {

bool rangeSet(const UriTextRangeA& r) { return r.first != nullptr; }

// uriparser allocates every path segment and every resolved part. The parses
// of one call live only until it returns, so they take their memory from a
// per-thread scratch area that the call gives back as a whole: resolving a link
// then costs no heap allocation. A request the area cannot hold goes to malloc.
class ScratchArea {
 public:
  static ScratchArea& ofThisThread() {
    thread_local ScratchArea area;
    return area;
  }
  UriMemoryManager* manager() { return &manager_; }
  size_t mark() const { return used_; }
  void release(size_t mark) { used_ = mark; }

 private:
  struct Header {
    size_t size;
    bool onHeap;
  };
  static constexpr size_t kBytes = 32 * 1024;
  static constexpr size_t kAlign = alignof(std::max_align_t);
  static constexpr size_t kHeader = (sizeof(Header) + kAlign - 1) / kAlign * kAlign;

  ScratchArea() {
    manager_.malloc = &allocate;
    manager_.calloc = &allocateZeroed;
    manager_.realloc = &reallocate;
    manager_.reallocarray = &reallocateArray;
    manager_.free = &release;
    manager_.userData = this;
  }
  static ScratchArea& of(UriMemoryManager* m) { return *static_cast<ScratchArea*>(m->userData); }
  static Header* headerOf(void* p) {
    return reinterpret_cast<Header*>(static_cast<char*>(p) - kHeader);
  }
  static void* allocate(UriMemoryManager* m, size_t size) {
    ScratchArea& a = of(m);
    const size_t need = kHeader + (size + kAlign - 1) / kAlign * kAlign;
    char* block;
    bool onHeap = false;
    if (need <= kBytes - a.used_) {
      block = a.bytes_ + a.used_;
      a.used_ += need;
    } else {
      block = static_cast<char*>(std::malloc(kHeader + size));
      if (!block) return nullptr;
      onHeap = true;
    }
    new (block) Header{size, onHeap};
    return block + kHeader;
  }
  static void* allocateZeroed(UriMemoryManager* m, size_t count, size_t size) {
    if (size != 0 && count > SIZE_MAX / size) return nullptr;
    void* p = allocate(m, count * size);
    if (p) std::memset(p, 0, count * size);
    return p;
  }
  static void* reallocate(UriMemoryManager* m, void* p, size_t size) {
    if (!p) return allocate(m, size);
    void* fresh = allocate(m, size);
    if (!fresh) return nullptr;
    std::memcpy(fresh, p, std::min(size, headerOf(p)->size));
    release(m, p);
    return fresh;
  }
  static void* reallocateArray(UriMemoryManager* m, void* p, size_t count, size_t size) {
    if (size != 0 && count > SIZE_MAX / size) return nullptr;
    return reallocate(m, p, count * size);
  }
  // Scratch blocks come back all at once when the call ends.
  static void release(UriMemoryManager*, void* p) {
    if (p && headerOf(p)->onHeap) std::free(headerOf(p));
  }

  alignas(std::max_align_t) char bytes_[kBytes];
  size_t used_ = 0;
  UriMemoryManager manager_{};
};

// Gives the scratch memory of one call back when the call returns; declared
// before the parses that use it, so that they are freed first.
class ScratchScope {
 public:
  ScratchScope() : area_(ScratchArea::ofThisThread()), mark_(area_.mark()) {}
  ~ScratchScope() { area_.release(mark_); }
  UriMemoryManager* manager() { return area_.manager(); }

 private:
  ScratchArea& area_;
  size_t mark_;
};

struct UriHolder {
  explicit UriHolder(UriMemoryManager* m = nullptr) : memory(m) {}
  UriHolder(const UriHolder&) = delete;
  UriHolder& operator=(const UriHolder&) = delete;
  UriUriA uri{};
  UriMemoryManager* memory;  // nullptr: malloc
  bool live = false;
  void reset() {
    if (live) uriFreeUriMembersMmA(&uri, memory);
    live = false;
    uri = UriUriA{};
  }
  ~UriHolder() { reset(); }
};

bool parseInto(std::string_view text, UriHolder& h) {
  if (text.empty()) return false;
  const char* err = nullptr;
  if (uriParseSingleUriExMmA(&h.uri, text.data(), text.data() + text.size(), &err, h.memory) !=
      URI_SUCCESS)
    return false;
  h.live = true;
  return true;
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

bool Url::assign(const UriUriA& uri, std::string_view text) {
  if (!rangeSet(uri.scheme)) return false;
  std::optional<int> port;
  if (rangeSet(uri.portText) && uri.portText.afterLast > uri.portText.first) {
    const std::string_view p(uri.portText.first,
                             static_cast<size_t>(uri.portText.afterLast - uri.portText.first));
    if (p.size() > 5) return false;
    int n = 0;
    for (char c : p) n = n * 10 + (c - '0');
    if (n > 65535) return false;
    port = n;
  }
  auto take = [](std::string& to, const UriTextRangeA& r) {
    if (r.first && r.afterLast && r.afterLast >= r.first)
      to.assign(r.first, r.afterLast);
    else
      to.clear();
  };
  auto takeOptional = [&](std::optional<std::string>& to, const UriTextRangeA& r) {
    if (!rangeSet(r)) return to.reset();
    if (!to) to.emplace();
    take(*to, r);
  };
  text_.assign(text);
  take(scheme_, uri.scheme);
  for (char& c : scheme_)
    if (c >= 'A' && c <= 'Z') c = char(c + 32);
  take(host_, uri.hostText);
  port_ = port;
  user_.clear();
  password_.clear();
  if (rangeSet(uri.userInfo)) {
    const std::string_view ui(uri.userInfo.first,
                              static_cast<size_t>(uri.userInfo.afterLast - uri.userInfo.first));
    const size_t colon = ui.find(':');
    user_.assign(ui.substr(0, colon));
    if (colon != std::string_view::npos) password_.assign(ui.substr(colon + 1));
  }
  // Path: the text after the scheme and authority, up to the query or fragment.
  size_t pos = scheme_.size() + 1;
  if (text.substr(pos, 2) == "//") {
    pos = text.find_first_of("/?#", pos + 2);
    if (pos == std::string_view::npos) pos = text.size();
  }
  size_t pathEnd = text.find_first_of("?#", pos);
  if (pathEnd == std::string_view::npos) pathEnd = text.size();
  path_.assign(text.substr(std::min(pos, text.size()), pathEnd - std::min(pos, pathEnd)));
  takeOptional(query_, uri.query);
  takeOptional(fragment_, uri.fragment);
  return true;
}

std::optional<Url> Url::parse(std::string_view text) {
  ScratchScope scratch;
  UriHolder h(scratch.manager());
  if (!parseInto(text, h)) return std::nullopt;
  Url u;
  if (!u.assign(h.uri, text)) return std::nullopt;
  return u;
}

namespace {

// The last base a thread resolved against, parsed: the links of one page share it.
struct ParsedBase {
  std::string text;
  UriHolder h;
  bool filled = false, ok = false;

  const UriUriA* of(const std::string& base) {
    if (!filled || text != base) {
      filled = true;
      h.reset();
      text = base;
      ok = parseInto(text, h);
    }
    return ok ? &h.uri : nullptr;
  }
};

}  // namespace

namespace {

constexpr bool isHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Characters of a path segment, query or fragment that need no escaping; ':'
// only where it cannot be read as a scheme.
constexpr bool isPlainChar(char c, bool colonToo) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  switch (c) {
    case '-': case '.': case '_': case '~': case '!': case '$': case '&': case '\'':
    case '(': case ')': case '*': case '+': case ',': case ';': case '=': case '@': case '/':
      return true;
    case ':':
      return colonToo;
    default:
      return false;
  }
}

// isPlainChar by table (asked of every byte of nearly every link): 1 plain
// anywhere, 2 plain in a query or fragment (':' and '?').
constexpr std::array<uint8_t, 256> kPlainBytes = [] {
  std::array<uint8_t, 256> t{};
  for (int c = 0; c < 256; ++c)
    if (isPlainChar(static_cast<char>(c), false)) t[c] = 1;
  t[static_cast<unsigned char>(':')] = t[static_cast<unsigned char>('?')] = 2;
  return t;
}();

// Every byte plain or a whole %XX escape; a query or fragment may also hold ':' and '?'.
bool isPlainText(std::string_view s, bool queryText) {
  const uint8_t plain = queryText ? 3 : 1;
  for (size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (kPlainBytes[c] & plain) continue;
    if (c != '%' || i + 2 >= s.size() || !isHex(s[i + 1]) || !isHex(s[i + 2])) return false;
    i += 2;
  }
  return true;
}

// RFC 3986 section 5.2.4 on an absolute path, in place.
void removeDotSegments(std::string& path) {
  std::string out;
  out.reserve(path.size());
  std::string_view in = path;
  auto dropLastSegment = [&out] {
    const size_t slash = out.rfind('/');
    out.erase(slash == std::string::npos ? 0 : slash);
  };
  while (!in.empty()) {
    if (in.starts_with("../")) {
      in.remove_prefix(3);
    } else if (in.starts_with("./") || in.starts_with("/./")) {
      in.remove_prefix(2);
    } else if (in == "/.") {
      in = "/";
    } else if (in.starts_with("/../")) {
      in.remove_prefix(3);
      dropLastSegment();
    } else if (in == "/..") {
      in = "/";
      dropLastSegment();
    } else if (in == "." || in == "..") {
      in = {};
    } else {
      const size_t end = in.find('/', 1);
      const size_t n = end == std::string_view::npos ? in.size() : end;
      out.append(in.substr(0, n));
      in.remove_prefix(n);
    }
  }
  path = std::move(out);
}

}  // namespace

bool Url::resolvePlainPath(std::string_view reference, const Url& base) {
  // Most links are a plain path or a fragment against an http(s) page: joined here,
  // they come out as the general resolution writes them, without parsing anything.
  if (reference.empty() || reference[0] == '?' || reference.substr(0, 2) == "//" ||
      this == &base)
    return false;
  if (base.scheme_ != "http" && base.scheme_ != "https") return false;
  if (base.host_.empty()) return false;
  // The reference must not live in the buffer about to be rewritten.
  const std::less<const char*> before;
  if (!before(reference.data(), text_.data()) &&
      before(reference.data(), text_.data() + text_.capacity()))
    return false;
  const std::string& bt = base.text_;
  const size_t authority = base.scheme_.size() + 3;
  if (bt.compare(base.scheme_.size(), 3, "://") != 0) return false;
  // The first of '/', '?' and '#' by memchr (find_first_of searches its set once a
  // byte).
  auto firstOf = [](std::string_view s, size_t from) {
    size_t end = s.size();
    for (const char c : {'/', '?', '#'})
      if (const void* at = std::memchr(s.data() + from, c, end - from))
        end = static_cast<size_t>(static_cast<const char*>(at) - s.data());
    return end;
  };
  const size_t pathStart = firstOf(bt, authority);
  if (std::string_view(bt).substr(authority, pathStart - authority).find('[') !=
      std::string_view::npos)
    return false;  // an IPv6 host is written in its full form

  if (reference[0] == '#') {
    const std::string_view fragment = reference.substr(1);
    if (fragment.empty() || !isPlainText(fragment, true)) return false;
    joinFragment(fragment, base);
    return true;
  }

  size_t pathEnd = reference.size();
  for (const char c : {'?', '#'})
    if (const void* at = std::memchr(reference.data(), c, pathEnd))
      pathEnd = static_cast<size_t>(static_cast<const char*>(at) - reference.data());
  const std::string_view refPath = reference.substr(0, pathEnd);
  std::string_view query, fragment;
  bool hasQuery = false, hasFragment = false;
  if (pathEnd < reference.size()) {
    std::string_view rest = reference.substr(pathEnd);
    if (rest[0] == '?') {
      const size_t hash = std::min(rest.find('#'), rest.size());
      query = rest.substr(1, hash - 1);
      hasQuery = true;
      rest = rest.substr(hash);
    }
    if (!rest.empty()) {
      fragment = rest.substr(1);
      hasFragment = true;
    }
  }
  if (!isPlainText(refPath, false)) return false;
  if (hasQuery && (query.empty() || !isPlainText(query, true))) return false;
  if (hasFragment && (fragment.empty() || !isPlainText(fragment, true))) return false;

  std::string_view dir;  // the base's folder, kept before a relative path
  if (refPath[0] != '/') {
    if (base.path_.empty()) {
      dir = "/";
    } else {
      const size_t slash = base.path_.rfind('/');
      if (slash == std::string::npos) return false;  // a path with an authority starts with '/'
      dir = std::string_view(base.path_).substr(0, slash + 1);
    }
  }
  // Dot segments are removed aside, so that a decline leaves this Url as it was.
  std::string withoutDots;
  const bool dots = hasDotSegment(dir) || hasDotSegment(refPath);
  if (dots) {
    withoutDots.assign(dir).append(refPath);
    removeDotSegments(withoutDots);
    // The parser writes a path of empty segments its own way ("/.//").
    if (withoutDots.starts_with("//")) return false;
    dir = {};
  }
  const std::string_view path = dots ? std::string_view(withoutDots) : refPath;
  text_.assign(bt, 0, pathStart);
  text_.append(dir);
  text_.append(path);
  path_.assign(text_, pathStart, std::string::npos);
  auto appendPart = [this](bool present, char mark, std::string_view part,
                           std::optional<std::string>& field) {
    if (!present) return field.reset();
    text_.push_back(mark);
    text_.append(part);
    field.emplace(part);
  };
  appendPart(hasQuery, '?', query, query_);
  appendPart(hasFragment, '#', fragment, fragment_);
  scheme_ = base.scheme_;
  host_ = base.host_;
  port_ = base.port_;
  user_ = base.user_;
  password_ = base.password_;
  return true;
}

void Url::joinFragment(std::string_view fragment, const Url& base) {
  const std::string& bt = base.text_;
  text_.assign(bt, 0, std::min(bt.find('#'), bt.size()));
  text_.push_back('#');
  text_.append(fragment);
  scheme_ = base.scheme_;
  host_ = base.host_;
  port_ = base.port_;
  user_ = base.user_;
  password_ = base.password_;
  path_ = base.path_;
  query_ = base.query_;
  fragment_.emplace(fragment);
}

bool Url::resolveInto(std::string_view reference, const Url& base, Url& out) {
  return out.resolvePlainPath(reference, base) || resolveThroughParser(reference, base, out);
}

bool Url::resolveThroughParser(std::string_view reference, const Url& base, Url& out) {
  if (reference.empty()) {
    // An empty reference is the base without its fragment.
    const std::string& t = base.absoluteString();
    auto u = parse(std::string_view(t).substr(0, std::min(t.find('#'), t.size())));
    if (!u) return false;
    out = std::move(*u);
    return true;
  }
  thread_local ParsedBase cached;
  const UriUriA* b = cached.of(base.absoluteString());
  if (!b) return false;
  ScratchScope scratch;
  UriHolder r(scratch.manager()), resolved(scratch.manager());
  if (!parseInto(reference, r)) return false;
  if (uriAddBaseUriExMmA(&resolved.uri, &r.uri, b, URI_RESOLVE_STRICTLY, scratch.manager()) !=
      URI_SUCCESS)
    return false;
  resolved.live = true;
  thread_local std::string text;
  int chars = 0;
  if (uriToStringCharsRequiredA(&resolved.uri, &chars) != URI_SUCCESS) return false;
  text.resize(static_cast<size_t>(chars) + 1);
  if (uriToStringA(text.data(), &resolved.uri, chars + 1, nullptr) != URI_SUCCESS) return false;
  text.resize(static_cast<size_t>(chars));
  // The text writes an IP host in its own form (IPv6 in full); its parts are read
  // from the text then.
  if (resolved.uri.hostData.ip4 || resolved.uri.hostData.ip6 ||
      resolved.uri.hostData.ipFuture.first) {
    UriHolder again(scratch.manager());
    return parseInto(text, again) && out.assign(again.uri, text);
  }
  return out.assign(resolved.uri, text);
}

std::optional<Url> Url::resolve(std::string_view reference, const Url& base) {
  Url out;
  if (!resolveInto(reference, base, out)) return std::nullopt;
  return out;
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

bool hasDotSegment(std::string_view path) {
  // A segment "." or "..": a dot that starts a segment, perhaps one more, then
  // the segment's end.
  for (size_t dot = path.find('.'); dot != std::string_view::npos; dot = path.find('.', dot + 1)) {
    if (dot > 0 && path[dot - 1] != '/') continue;
    size_t end = dot + 1;
    if (end < path.size() && path[end] == '.') ++end;
    if (end == path.size() || path[end] == '/') return true;
  }
  return false;
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
