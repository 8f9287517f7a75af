#include "archive/link_relativizer.h"

#include "parser/meta_refresh.h"
#include "parser/text_encoding.h"
#include "platform/log.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "urltext/path_text.h"

namespace zel {

namespace {

constexpr bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

constexpr char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Whether `word` (lower case) stands at data[i], ignoring case.
bool matchesAt(std::string_view data, size_t i, std::string_view word) {
  if (i > data.size() || data.size() - i < word.size()) return false;
  for (size_t k = 0; k < word.size(); ++k)
    if (lower(data[i + k]) != word[k]) return false;
  return true;
}

// A tag name ends at white space, '/' or '>' (or the end of the page).
bool nameEndsAt(std::string_view data, size_t i) {
  return i >= data.size() || isSpace(data[i]) || data[i] == '/' || data[i] == '>';
}

// The ending rule of archived link paths: a folder gets "index.html", a last
// segment without extension becomes a folder with "index.html", and (for links
// that must match archived file names) another extension becomes "html".
std::string withArchiveEnding(std::string path, bool forceHtml) {
  if (path.empty()) return path;
  if (path.back() == '/') return path + "index.html";
  const std::string_view ext = textPathExtension(path);
  if (ext.empty()) return path + "/index.html";
  if (forceHtml && ext != "html") path.replace(path.size() - ext.size(), ext.size(), "html");
  return path;
}

// Splits "path#fragment" so the ending rule applies to the path alone.
std::pair<std::string, std::string> splitFragment(std::string_view v) {
  const size_t hash = v.find('#');
  if (hash == std::string_view::npos) return {std::string(v), std::string()};
  return {std::string(v.substr(0, hash)), std::string(v.substr(hash))};
}

}  // namespace

bool hasOpaqueScheme(std::string_view v) {
  // RFC 3986 scheme: a letter, then letters, digits, "+", "-", "."; then ':'.
  if (v.empty() || !((v[0] >= 'a' && v[0] <= 'z') || (v[0] >= 'A' && v[0] <= 'Z'))) return false;
  for (size_t i = 1; i < v.size(); ++i) {
    const char c = v[i];
    if (c == ':') return v.substr(i + 1, 2) != "//";
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '+' || c == '-' || c == '.';
    if (!ok) return false;
  }
  return false;
}

std::unique_ptr<LinkRelativizer> LinkRelativizer::initWithData(std::string_view data,
                                                               std::optional<std::string> domain,
                                                               int32_t depth, Log* log) {
  if (data.empty()) {
    if (log) log->write(1, "parser initiated with nil or no data");
    return nullptr;
  }
  const bool hasLinks = data.find("href") != std::string_view::npos ||
                        data.find("HREF") != std::string_view::npos ||
                        data.find("frameset") != std::string_view::npos ||
                        data.find("FRAMESET") != std::string_view::npos;
  if (!hasLinks && !pageIsMetaRefresh(data, log)) return nullptr;
  return std::unique_ptr<LinkRelativizer>(new LinkRelativizer(data, std::move(domain), depth, log));
}

LinkRelativizer::LinkRelativizer(std::string_view data, std::optional<std::string> domain,
                                 int32_t depth, Log* log)
    : data_(data), domain_(std::move(domain)), depth_(depth), log_(log) {
  if (auto charset = extractCharsetFromHTML(data)) {
    const TextEncoding enc = encodingForCharset(*charset);
    if (enc != encoding::kNone) useEncoding_ = enc;
  }
  output_.reserve(data.size() + data.size() / 8 + 64);
  bigKahunaPass();
  data_ = {};  // the page's bytes belong to the caller
}

// ---- The pass --------------------------------------------------------------------------

void LinkRelativizer::bigKahunaPass() {
  const std::string_view d = data_;
  const size_t n = d.size();
  size_t i = 0;
  while (i < n) {
    const char c = d[i];
    if (c != '<') {
      output_ += c;
      ++i;
      continue;
    }
    // Comments, scripts and style elements are copied untouched up to their end.
    if (d.compare(i, 4, "<!--") == 0) {
      size_t end = d.find("-->", i + 4);
      end = end == std::string_view::npos ? n : end + 3;
      output_.append(d.substr(i, end - i));
      i = end;
      continue;
    }
    if (matchesAt(d, i + 1, "script")) {
      size_t k = i + 7;
      for (; k < n; ++k)
        if (d[k] == '/' && d[k - 1] != '\\' && matchesAt(d, k + 1, "script")) break;
      const size_t end = k < n ? k + 7 : n;
      output_.append(d.substr(i, end - i));
      i = end;
      continue;
    }
    if (matchesAt(d, i + 1, "style")) {
      // Ends at "/style" inside a tag, so a "/style" in the CSS text does not.
      size_t k = i + 6;
      bool inTag = true;
      for (; k < n; ++k) {
        if (d[k] == '<') inTag = true;
        else if (d[k] == '>') inTag = false;
        else if (inTag && d[k] == '/' && matchesAt(d, k + 1, "style")) break;
      }
      const size_t end = k < n ? k + 6 : n;
      output_.append(d.substr(i, end - i));
      i = end;
      continue;
    }

    // A tag: white space may stand between '<' and the element name.
    size_t j = i + 1;
    while (j < n && isSpace(d[j])) ++j;
    bool hrefElement = false, isFrame = false, isBase = false, isLink = false, isImg = false;
    size_t nameEnd = j;
    if (matchesAt(d, j, "a") && j + 1 < n && isSpace(d[j + 1])) {
      hrefElement = true;
      nameEnd = j + 1;
    } else if (matchesAt(d, j, "base") && nameEndsAt(d, j + 4)) {
      hrefElement = isBase = true;
      nameEnd = j + 4;
    } else if (matchesAt(d, j, "link") && nameEndsAt(d, j + 4)) {
      hrefElement = isLink = true;
      nameEnd = j + 4;
    } else if (matchesAt(d, j, "img") && nameEndsAt(d, j + 3)) {
      isImg = true;
      nameEnd = j + 3;
    } else if (matchesAt(d, j, "frame") && j + 5 < n && isSpace(d[j + 5])) {
      isFrame = true;
      nameEnd = j + 5;
    }
    if (!hrefElement && !isImg && !isFrame) {
      // Any other tag is copied to its '>'.
      size_t end = d.find('>', i + 1);
      end = end == std::string_view::npos ? n : end + 1;
      output_.append(d.substr(i, end - i));
      i = end;
      continue;
    }
    output_.append(d.substr(i, nameEnd - i));
    i = nameEnd;
    scanRecognisedTag(i, hrefElement, isFrame, isBase, isLink);
  }
}

void LinkRelativizer::scanRecognisedTag(size_t& i, bool hrefElement, bool isFrame, bool isBase,
                                        bool isLink) {
  const std::string_view d = data_;
  const size_t n = d.size();
  while (i < n) {
    const char c = d[i];
    if (c == '>') {
      output_ += c;
      ++i;
      return;
    }
    if (isSpace(c) || c == '/') {
      output_ += c;
      ++i;
      continue;
    }
    // An attribute name runs to white space, '=', '/' or '>'.
    const size_t nameStart = i;
    while (i < n && !isSpace(d[i]) && d[i] != '=' && d[i] != '>' && d[i] != '/') ++i;
    const std::string_view name = d.substr(nameStart, i - nameStart);
    output_.append(name);
    size_t k = i;
    while (k < n && isSpace(d[k])) ++k;
    if (k >= n || d[k] != '=') continue;  // an attribute without a value
    output_.append(d.substr(i, k + 1 - i));
    i = k + 1;
    while (i < n && isSpace(d[i])) output_ += d[i++];
    if (i >= n) return;

    std::optional<Handler> handler;
    if (hrefElement && equalsIgnoreCase(name, "href")) {
      handler = isBase ? Handler::Base : isLink ? Handler::MetaLink : Handler::Link;
    } else if (!hrefElement && equalsIgnoreCase(name, "src")) {
      handler = isFrame ? Handler::Link : Handler::Img;
    } else if (!hrefElement && equalsIgnoreCase(name, "srcset")) {
      handler = Handler::ImgSet;
    }
    const bool tagEnded = handler ? rewriteValue(i, *handler) : copyValue(i);
    if (tagEnded) return;
  }
}

bool LinkRelativizer::copyValue(size_t& i) {
  const std::string_view d = data_;
  const size_t n = d.size();
  if (d[i] == '"' || d[i] == '\'') {
    const char quote = d[i];
    output_ += d[i++];
    while (i < n) {
      const char c = d[i++];
      output_ += c;
      if (c == quote) return false;
      if (c == '>') return true;
    }
    return false;
  }
  while (i < n) {
    const char c = d[i++];
    output_ += c;
    if (c == '>') return true;
    if (isSpace(c)) return false;
  }
  return false;
}

bool LinkRelativizer::rewriteValue(size_t& i, Handler handler) {
  const std::string_view d = data_;
  const size_t n = d.size();
  std::optional<char> quote;
  if (d[i] == '"' || d[i] == '\'') {
    quote = d[i];
    output_ += d[i++];
  }
  const size_t start = i;
  while (i < n) {
    const char c = d[i];
    if (c == '>' || (quote ? c == *quote : isSpace(c))) break;
    ++i;
  }
  // Bytes past the limit are dropped with the value.
  std::string_view raw = d.substr(start, i - start);
  if (raw.size() > kMaxValueBytes) raw = raw.substr(0, kMaxValueBytes);

  const bool isSet = handler == Handler::ImgSet;
  const std::string text = unescapedStringFromBuffer(raw, useEncoding_, isSet, log_);
  std::string replacement;
  switch (handler) {
    case Handler::Link: replacement = processLinkUrl(text); break;
    case Handler::MetaLink: replacement = processMetaLinkUrl(text); break;
    case Handler::Img: replacement = processImgUrl(text); break;
    case Handler::ImgSet: replacement = processImgSet(text); break;
    case Handler::Base: replacement = processBaseUrl(text); break;
  }
  // A value left as it was keeps its original bytes (entities, encoding, spacing).
  if (replacement == text)
    output_.append(raw);
  else
    output_.append(encodeForPage(replacement));

  if (i >= n) return false;  // the page ends inside the value
  const char end = d[i++];
  output_ += end;
  return end == '>';
}

std::string LinkRelativizer::encodeForPage(std::string_view text) const {
  std::string bytes;
  bool ascii = true;
  for (unsigned char c : text)
    if (c >= 0x80) ascii = false;
  if (ascii || useEncoding_ == encoding::kUTF8) {
    bytes.assign(text);
  } else if (auto enc = TextCodec::encode(text, useEncoding_);
             enc && TextCodec::isAsciiCompatible(useEncoding_)) {
    bytes = std::move(*enc);
  } else {
    // No byte form in the page's encoding: percent-encoded UTF-8 works in any page.
    for (unsigned char c : text) {
      if (c < 0x80) bytes += static_cast<char>(c);
      else bytes += strf("%%%02X", c);
    }
  }
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
  }
  return out;
}

// ---- Handlers ----------------------------------------------------------------------------

std::string LinkRelativizer::depthPrefix() const {
  std::string p;
  for (int32_t k = 1; k < depth_; ++k) p += "../";
  if (depth_ > 0) p += "..";
  return p;
}

std::string LinkRelativizer::processLinkUrl(std::string_view v) const {
  if (v.empty()) return std::string();
  if (!domain_) return std::string(v);
  const size_t sep = v.find("://");
  if (sep == std::string_view::npos) {
    // In-page anchors and links of other schemes (mailto:, tel:, javascript:)
    // are not paths into the archive.
    if (v[0] == '#' || hasOpaqueScheme(v)) return std::string(v);
    auto [path, fragment] = splitFragment(v);
    if (depth_ <= 0) {
      if (path == "/") return fragment;
      if (!path.empty() && path[0] == '/') path.erase(0, 1);
    } else if (!path.empty() && path[0] == '/') {
      path = depthPrefix() + path;
    }
    return withArchiveEnding(std::move(path), false) + fragment;
  }

  // Only a link whose host is the domain itself points into the archive.
  const size_t hostStart = sep + 3;
  const std::string& domain = *domain_;
  if (domain.empty() || v.size() < hostStart + domain.size() ||
      !equalsIgnoreCase(v.substr(hostStart, domain.size()), domain))
    return std::string(v);
  const size_t rest = hostStart + domain.size();
  if (rest < v.size() && v[rest] != '/' && v[rest] != '?' && v[rest] != '#')
    return std::string(v);  // a longer host, or another port

  auto [path, fragment] = splitFragment(v.substr(rest));
  if (path.empty()) path = depth_ > 0 ? "/" : "./";
  if (depth_ <= 0) {
    if (path.size() > 1 && path[0] == '/') path.erase(0, 1);
  } else if (path[0] == '/') {
    path = depthPrefix() + path;
  }
  return withArchiveEnding(std::move(path), true) + fragment;
}

std::optional<std::string> LinkRelativizer::absolutizeUrl(std::string_view v) const {
  if (startsWith(v, "//")) return "http:" + std::string(v);
  if (!domain_ || v.find("://") != std::string_view::npos) return std::nullopt;
  const std::string siteBase = "http://" + *domain_;
  std::optional<Url> resolved;
  if (baseUrl_) {
    std::string b = *baseUrl_;
    if (startsWith(b, "//")) b = "https:" + b;
    std::optional<Url> base = Url::parse(b);
    if (!base) base = Url::resolve(b, siteBase);
    if (base) resolved = Url::resolve(v, *base);
  }
  if (!resolved) resolved = Url::resolve(v, siteBase);
  if (!resolved) {
    if (log_)
      log_->write(1, "unable to make a base url for relative image locations, baseUrl is " +
                         baseUrl_.value_or("(null)") + ", domain is " + *domain_ +
                         ", this url " + std::string(v));
    return std::nullopt;
  }
  return resolved->absoluteString();
}

std::string LinkRelativizer::processImgUrl(std::string_view v) const {
  if (auto abs = absolutizeUrl(v)) return std::move(*abs);
  return std::string(v);
}

std::string LinkRelativizer::processImgSet(std::string_view v) const {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t k = 0; k <= v.size(); ++k) {
    if (k == v.size() || v[k] == ' ' || v[k] == '\t') {
      // Runs of separators make no empty parts, so pairs stay aligned.
      if (k > start) parts.push_back(v.substr(start, k - start));
      start = k + 1;
    }
  }
  if (parts.size() < 2) return processLinkUrl(v);
  std::string out;
  for (size_t p = 0; p + 1 < parts.size(); p += 2) {
    if (p > 0) out += ' ';
    out += processImgUrl(parts[p]);
    out += ' ';
    out.append(parts[p + 1]);
  }
  return out;
}

std::string LinkRelativizer::processBaseUrl(std::string_view v) {
  baseUrl_ = std::string(v);
  return "./";
}

}  // namespace zel
