// The record's address normalisation and comparison, and URL making from link
// texts: every record key passes through setLinkUrl, so these rules decide
// which addresses count as one page.
#include <cerrno>

#include "platform/defaults.h"
#include "platform/file_system.h"
#include "platform/log.h"
#include "platform/platform.h"
#include "platform/text_format.h"
#include "url/zel_record_owner.h"
#include "url/zel_url.h"
#include "urltext/code_points.h"
#include "urltext/percent_encoding.h"
#include "urltext/url_parts.h"

namespace zel {

namespace {

// Result links of the search engine that wraps its results as
// "<host>/url?q=<target>&...": the host fragment that marks them.
constexpr std::string_view kWrappedLinkHost = "google.";
constexpr std::string_view kWrappedLinkMarker = "/url?q=";

// The stored spelling of a path made from a folder listing per component is
// limited like the platform's path buffer.
constexpr size_t kPathBufferSize = 250;

std::optional<Url> makeUrlFromString(std::string_view text, std::string_view base,
                                     bool compatibilityMapping) {
  if (auto parsedBase = Url::parse(base)) {
    if (auto url = Url::resolve(text, *parsedBase)) return url;
  }
  const auto encodedBase = Url::parse(encodedURLString(base, compatibilityMapping));
  const CharSet& pathSet = kxURLPathAllowedCharacterSet();
  const std::string escapedText = kxStringByAddingPercentEncodingWithAllowedCharacters(text, pathSet);
  if (encodedBase) {
    // A text without ":/" is a relative reference: its first segment is a
    // path, not a host name for the IDNA conversion ("café.html" must not
    // become "xn--caf-dma.html").
    const std::string encodedText = text.find(":/") == std::string_view::npos
                                        ? encodedPath(text)
                                        : encodedURLString(text, compatibilityMapping);
    if (auto url = Url::resolve(encodedText, *encodedBase)) return url;
    if (auto url = Url::resolve(escapedText, *encodedBase)) return url;
  }
  const std::string escapedBase = kxStringByAddingPercentEncodingWithAllowedCharacters(base, pathSet);
  return Url::resolve(escapedText, escapedBase);
}

std::string withoutOneTrailingSlash(std::string s) {
  if (!s.empty() && s.back() == '/') s.pop_back();
  return s;
}

}  // namespace

// ---- Normalisation ------------------------------------------------------------------

void ZelUrl::setLinkUrl(std::optional<std::string_view> address, bool trimQuery) {
  if (!address) return;
  std::string a(*address);

  // A search engine's wrapped result link is stored as the address it wraps.
  if (containsIgnoreCase(a, kWrappedLinkHost)) {
    const size_t marker = a.find(kWrappedLinkMarker);
    if (marker != std::string::npos) {
      const size_t start = marker + kWrappedLinkMarker.size();
      const size_t end = a.find('&', start);
      const std::string wrapped =
          a.substr(start, end == std::string::npos ? std::string::npos : end - start);
      // Escapes that do not decode leave the target as written.
      auto decoded = kxStringByRemovingPercentEncoding(wrapped);
      a = decoded ? std::move(*decoded) : wrapped;
    }
  }

  a = trimHash(a, trimQuery);
  if (defaults().boolForKey("shouldIgnoreSlash") && endsWith(a, "/")) {
    a.pop_back();
    setHasHadSlashTrimmed(true);
  }
  if (owner_ && nsslinkUrl_ != a) owner_->linkUrlWillChange(this);
  nsslinkUrl_ = std::move(a);
  // The record's own address: the look-up reads the key from here, not a copy.
  if (owner_) owner_->addToLookup(this, nsslinkUrl_);
  setActualLinkUrl();
}

std::string ZelUrl::trimHash(std::string_view address, bool trimQuery) {
  if (utf8Length(address) < 2 || address.find("#!") != std::string_view::npos)
    return std::string(address);
  const Defaults& d = defaults();
  if (d.boolForKey("dontTrimHash") && !d.boolForKey("trimQuery")) return std::string(address);
  std::string a = forceTrimHash(address);
  if (isInternal() && trimQuery) {
    const size_t q = a.find('?');
    if (q != std::string::npos) a.resize(q);
  }
  return a;
}

std::string ZelUrl::forceTrimHash(std::string_view address) {
  const size_t anyHash = address.find('#');
  if (anyHash == std::string_view::npos) return std::string(address);
  // "&#" begins a numeric character reference, not a fragment.
  size_t cut = anyHash;
  while (cut != std::string_view::npos && cut > 0 && address[cut - 1] == '&')
    cut = address.find('#', cut + 1);
  std::string a(address.substr(0, cut));
  if (defaults().boolForKey("shouldIgnoreSlash") && endsWith(a, "/")) {
    a.pop_back();
    setHasHadSlashTrimmed(true);
  }
  return a;
}

std::string ZelUrl::removeSessionIdFrom(std::string_view address) const {
  const std::string p = owner_ ? owner_->getSessidParam() : std::string("sid");
  if (p.empty()) return std::string(address);  // an empty name would match every query
  size_t start;
  size_t searchFrom;
  const size_t q = address.find("?" + p);
  if (q != std::string_view::npos) {
    start = q + 1;
    searchFrom = start;
  } else {
    const size_t amp = address.find("&" + p);
    if (amp == std::string_view::npos) return std::string(address);
    start = amp;
    searchFrom = amp + 1;
  }
  const size_t next = address.find('&', searchFrom);
  if (next != std::string_view::npos)
    return std::string(address.substr(0, start)) + std::string(address.substr(next));
  return std::string(trimChars(address.substr(0, start), "&?"));
}

// ---- Comparison -----------------------------------------------------------------------

bool ZelUrl::isEqualToUrl(std::string_view address, bool trimmed, bool ignoreTrailingSlash) {
  return isEqualToUrl(address, trimmed, ignoreTrailingSlash, false);
}

bool ZelUrl::isEqualToUrl(std::string_view address, bool trimmed, bool ignoreTrailingSlash,
                          bool forceTrim) {
  if (address.empty()) return false;
  std::string a = forceTrimHash(trimHash(address, trimmed));
  if (ignoreTrailingSlash) a = withoutOneTrailingSlash(std::move(a));
  bool collapsedSlashes = false;
  if (a.find("///") != std::string::npos) {
    a = replaceAll(a, "///", "//");
    collapsedSlashes = true;
  }
  const std::string link = forceTrim ? forceTrimHash(nsslinkUrl_) : nsslinkUrl_;
  const std::string redir = forceTrim ? forceTrimHash(getRedir()) : getRedir();
  const bool hasRedir = !getRedir().empty();
  bool equal = a == link || (hasRedir && a == redir);
  if (!equal) {
    const std::string decoded = decodedURLString(a, defaults());
    equal = caseInsensitiveEquals(decoded, link) || (hasRedir && caseInsensitiveEquals(decoded, redir));
  }
  if (equal && collapsedSlashes) setRecursion(true);
  return equal;
}

// ---- Making URLs ------------------------------------------------------------------------

std::string ZelUrl::myStringByAddingPercentEscapes(std::string_view address) const {
  if (Url::parse(address)) return std::string(address);
  // The first "/" past the scheme and "//" ends the part that is kept as is.
  const size_t slash = address.size() > 8 ? address.find('/', 8) : std::string_view::npos;
  if (slash == std::string_view::npos) return std::string(address);
  return std::string(address.substr(0, slash + 1)) +
         stringByAddingLegacyPercentEscapes(address.substr(slash + 1));
}

std::optional<Url> ZelUrl::makeNSURLFromString(std::string_view text, std::string_view base) const {
  return makeNSURLFromString(text, base, defaults());
}

std::optional<Url> ZelUrl::makeNSURLFromString(std::string_view text, std::string_view base,
                                               const Defaults& d) {
  return makeUrlFromString(text, base, d.boolForKey("precomposedStringWithCompatibilityMapping"));
}

// ---- File-name case --------------------------------------------------------------------

bool ZelUrl::actualPathMatchesCase(std::string_view address) const {
  if (utf8Length(address) >= 251) return false;
  std::string path;
  if (address.find("://") != std::string_view::npos) {
    if (address.find("file://") == std::string_view::npos) return true;
    const std::string decoded = decodedURLString(address, defaults());
    path = decoded.size() > 7 ? decoded.substr(7) : std::string();
  } else {
    path = std::string(address);
  }

  // The stored spelling: each component as its folder lists it, taking an
  // exact match first and otherwise one that differs only in letter case.
  const FileSystem* fs = owner_ ? owner_->platform().fileSystem : nullptr;
  if (!fs || path.empty() || path[0] != '/') {
    log().always(strf("Error #%d making ref.", ENOENT));
    return true;
  }
  std::string stored;
  for (const std::string& component : split(path, "/")) {
    if (component.empty()) continue;
    std::string found;
    if (component == "." || component == "..") {
      found = component;
    } else {
      const std::vector<std::string> entries = fs->listDirectory(stored.empty() ? "/" : stored);
      for (const std::string& entry : entries) {
        if (entry == component) {
          found = entry;
          break;
        }
        if (found.empty() && caseInsensitiveEquals(entry, component)) found = entry;
      }
      if (found.empty()) {
        log().always(strf("Error #%d making ref.", ENOENT));
        return true;
      }
    }
    stored += "/";
    stored += found;
  }
  if (stored.empty()) stored = "/";
  if (path.size() > 1 && path.back() == '/') stored += "/";
  if (stored.size() + 1 > kPathBufferSize) {
    log().always(strf("Error #%d making path.", ENAMETOOLONG));
    return true;
  }
  ZEL_LOG(log(), 3, strf("case sensitivity - comparing %s and %s", path.c_str(), stored.c_str()));
  return !(utf8Length(stored) == utf8Length(path) && stored != path);
}

}  // namespace zel
