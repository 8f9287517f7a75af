// What is inside the crawl: internal hosts and file prefixes, http links of an
// https site, the starting directory, "../" above the root, the term lists,
// non-web schemes and the look-up of addresses already known.
#include <algorithm>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "seo/output_filter_manager.h"
#include "urltext/idna.h"
#include "urltext/path_text.h"
#include "urltext/percent_encoding.h"
#include "urltext/url_parts.h"
#include "urltext/zel_pattern_matcher.h"

namespace zel {

namespace {

std::string describeList(const std::vector<std::string>& items) {
  return "(" + join(items, ", ") + ")";
}

// Where the path of an absolute text starts: after the first occurrence of the
// host (and its port); 7 (after "file://") for a URL without host; nullopt when
// the host does not occur in the text.
std::optional<size_t> pathOffset(const Url& url, std::string_view text) {
  if (url.host().empty()) return 7;
  size_t at = text.find(url.host());
  if (at == std::string_view::npos) return std::nullopt;
  at += url.host().size();
  if (at < text.size() && text[at] == ']') ++at;  // an IPv6 literal
  if (url.port()) at += std::to_string(*url.port()).size() + 1;
  return at;
}

std::optional<Url> parseLeniently(std::string_view text, const Defaults& d) {
  auto url = Url::parse(text);
  if (!url) url = Url::parse(encodedURLString(text, d));
  return url;
}

// Merges a path that may hold ".." segments the way the older resolution rules
// did: each ".." removes the segment before it, and one with nothing left to
// remove stays, so a path that climbs above the root keeps its "/../".
std::string mergeDotSegments(std::string_view path) {
  std::vector<std::string_view> out;
  size_t i = path.empty() || path[0] != '/' ? 0 : 1;
  bool trailingSlash = false;
  while (i <= path.size()) {
    size_t slash = path.find('/', i);
    if (slash == std::string_view::npos) slash = path.size();
    const std::string_view seg = path.substr(i, slash - i);
    const bool last = slash == path.size();
    if (seg == ".") {
      trailingSlash = last;
    } else if (seg == "..") {
      if (!out.empty() && out.back() != "..")
        out.pop_back();
      else
        out.push_back(seg);
      trailingSlash = last;
    } else {
      out.push_back(seg);
      trailingSlash = false;
    }
    i = slash + 1;
  }
  std::string merged = path.empty() || path[0] != '/' ? "" : "/";
  for (size_t k = 0; k < out.size(); ++k) {
    if (k) merged += '/';
    merged += out[k];
  }
  if (trailingSlash && !merged.empty() && merged.back() != '/') merged += '/';
  return merged;
}

}  // namespace

// ---- Internal hosts and files ----------------------------------------------------------

bool ZelHub::compareHost(std::optional<std::string_view> hostIn,
                         const std::vector<std::string>& domains) const {
  // A link without a host (about:blank, file:) has no host to be inside the site.
  if (!hostIn || hostIn->empty()) return false;
  if (domains.empty()) return true;
  // Asked of every link: most hosts are written as the list's first domain is
  // (only the first: a later one is compared after a "www." may be taken off).
  if (*hostIn == domains.front()) return true;
  const bool subdomains = defaults().boolForKey("followSubdomains");
  // A "www." taken off the host stays off for the later entries of the list.
  std::string host(*hostIn);
  for (const std::string& domain : domains) {
    if (equalsIgnoreCase(host, domain)) return true;
    if (equalsIgnoreCase(IDNAEncodedString(host, defaults()), domain)) return true;
    if (subdomains && host.size() != domain.size()) {
      if (host.size() > 4 && startsWith(host, "www.")) host.erase(0, 4);
      std::string_view d = domain;
      if (d.size() > 4 && startsWith(d, "www.")) d.remove_prefix(4);
      const bool hostShorter = host.size() <= d.size();
      const std::string dotted = "." + std::string(hostShorter ? std::string_view(host) : d);
      if (containsIgnoreCase(hostShorter ? d : std::string_view(host), dotted)) return true;
    }
  }
  return false;
}

bool ZelHub::fileUrlIsInternal(std::string_view absolute, const std::vector<std::string>& domains) {
  if (!startsWith(absolute, "file:")) return false;
  for (const std::string& domain : domains)
    if (startsWithIgnoreCase(absolute, domain)) return true;
  return false;
}

bool ZelHub::fileUrlIsInternal(const Url& url, const std::vector<std::string>& domains) {
  return fileUrlIsInternal(url.absoluteString(), domains);
}

bool ZelHub::isLinkHttpOnHttpsSite(std::string_view link, std::string_view page) {
  return startsWith(page, "https://") && startsWith(link, "http://");
}

bool ZelHub::redirectUrlIsExternal(std::string_view redirect, std::string_view) const {
  if (startingPointWasList()) return false;
  auto url = parseLeniently(redirect, defaults());
  if (!url) return false;
  const bool internal = compareHost(url->host(), domains_);
  if (internal && scanningHttpsSite_ && defaults().boolForKey("httpIsExternal") &&
      url->scheme() == "http")
    return true;
  return !internal;
}

void ZelHub::addToDomainsList(std::optional<std::string_view> host) {
  if (!host || host->empty()) return;
  if (std::find(domains_.begin(), domains_.end(), *host) != domains_.end()) {
    ZEL_LOG(log(), 3, "request to add " + std::string(*host) +
                       " to domains list but already have 'im");
    return;
  }
  ZEL_LOG(log(), 2, "adding " + std::string(*host) + " to domains list");
  domains_.emplace_back(*host);
}

void ZelHub::resetDomain(ZelUrl* record) {
  if (!record) return;
  auto url = parseLeniently(record->getActualLinkUrl(), defaults());
  if (!url || url->host().empty()) return;
  domains_.push_back(url->host());
  ZEL_LOG(log(), 1, "***** added " + url->host() + " to domains!! (reset domains)");
  ZEL_LOG(log(), 2, "redirection on starting url, resetting domains to " + describeList(domains_));
}

// ---- Directories ------------------------------------------------------------------------

std::string ZelHub::getpathFromUrl(const Url& url, bool addToFollowBlacklist) {
  const std::string& text = url.absoluteString();
  std::string path;
  const auto offset = pathOffset(url, text);
  if (offset && *offset + 2 <= text.size()) {
    path = text.substr(*offset);
    const std::string_view last = lastComponentOf(path);
    const bool fileAtRoot = last.find('.') != std::string_view::npos &&
                            path.size() == last.size() + 1 && path[0] == '/';
    if (fileAtRoot) {
      path.clear();
    } else {
      const size_t q = path.find('?');
      if (q != std::string::npos) path.resize(q);
      const std::string_view lastName = lastComponentOf(path);
      if (lastName.find('.') == std::string_view::npos) {
        ZEL_LOG(log(), 3,
                    "we have something after the domain which isn't just a filename, and "
                    "doesn't have a file extension");
        if (path.empty() || path.back() != '/') path = std::string(withoutLastComponent(path));
      } else {
        // Cut where the last component begins.
        std::string_view trimmed = path;
        while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.remove_suffix(1);
        const size_t slash = trimmed.rfind('/');
        path.resize(slash == std::string_view::npos ? 0 : slash + 1);
      }
      if (!path.empty() && path.back() == '/') path.pop_back();
    }
  }
  if (auto decoded = kxStringByRemovingPercentEncoding(path)) path = std::move(*decoded);
  ZEL_LOG(log(), 1, "limiting crawl to directory: " + path);

  if (addToFollowBlacklist) {
    std::string rule;
    if (url.host().empty())
      rule = "!" + path;
    else if (url.port() && *url.port() != 0)
      rule = "!" + url.host() + ":" + std::to_string(*url.port()) + path;
    else
      rule = "!" + url.host() + path;
    followBlacklistArray_.push_back(std::move(rule));
  }
  return path;
}

Url ZelHub::dealWithUpADirectory(const Url& url) const {
  const std::string& text = url.absoluteString();
  const size_t up = text.find("/../");
  if (up == std::string::npos) return url;

  // Head: everything up to and including the "/" before "../"; its authority
  // ends at the first "/" after "scheme://" (or after "scheme:").
  const std::string head = text.substr(0, up + 1);
  const std::string tail = text.substr(up + 1);
  size_t authorityEnd = head.find(':');
  if (authorityEnd == std::string::npos) return url;
  ++authorityEnd;
  if (head.compare(authorityEnd, 2, "//") == 0) {
    authorityEnd = head.find('/', authorityEnd + 2);
    if (authorityEnd == std::string::npos) return url;
  }
  if (!Url::parse(head)) return url;
  const size_t tailPathEnd = std::min(tail.find_first_of("?#"), tail.size());
  const std::string merged = head.substr(0, authorityEnd) +
                             mergeDotSegments(head.substr(authorityEnd) +
                                              tail.substr(0, tailPathEnd)) +
                             tail.substr(tailPathEnd);
  auto resolved = Url::parse(merged);
  if (!resolved) return url;

  if (resolved->absoluteString().find("/../") != std::string::npos &&
      defaults().boolForKey("tolerateUpADirectory")) {
    auto tolerant = Url::parse(replaceAll(resolved->absoluteString(), "../", ""));
    if (!tolerant) return url;
    ZEL_LOG(log(), 2, "we're being tolerant - " + resolved->absoluteString() + " is now " +
                       tolerant->absoluteString());
    return *tolerant;
  }
  return *resolved;
}

// ---- Term lists ----------------------------------------------------------------------------

bool ZelHub::shouldBeIgnored(std::string_view address) const {
  const Defaults& d = defaults();
  // A store that does not count its writes (generation 0) is read every time.
  if (&d != ignoreTermsFrom_ || d.generation() != ignoreTermsGeneration_ || d.generation() == 0) {
    ignoreTerms_ = d.stringArrayForKey("ignoreArray").value_or(std::vector<std::string>());
    ignoreTermsFrom_ = &d;
    ignoreTermsGeneration_ = d.generation();
  }
  return !ignoreTerms_.empty() && ZelPatternMatcher::stringContainsOneOfTheseTerms(address, ignoreTerms_);
}

bool ZelHub::urlIsInformationPage(std::string_view address) const {
  return outputFilterManager_ &&
         outputFilterManager_->shouldWeScrapeThisstrUrlBasedOnCurrentRules(address);
}

// ---- Known addresses ---------------------------------------------------------------------

std::string ZelHub::lookupKeyForAddress(std::string_view address, bool internal) const {
  std::string key(address);
  if (key.size() > 5 && !startsWith(key, "file")) {
    const size_t triple = key.find("///");
    if (triple != std::string::npos) key.replace(triple, 3, "//");
  }
  if (key.find("#!") == std::string::npos && key.find("#/") == std::string::npos &&
      !defaults().boolForKey("dontTrimHash")) {
    const size_t hash = key.find('#');
    if (hash != std::string::npos) key.resize(hash);
  }
  if (internal && defaults().boolForKey("trimQuery")) {
    const size_t q = key.find('?');
    if (q != std::string::npos) key.resize(q);
  }
  if (!key.empty() && key.back() == '/' && defaults().boolForKey("shouldIgnoreSlash"))
    key.pop_back();
  return key;
}

// The look-up key of an address: the address itself when the key rules leave
// it as it is (most links), so that no copy is made; else a copy in `scratch`.
std::string_view ZelHub::lookupKeyView(std::string_view address, bool internal,
                                       std::string& scratch) const {
  const bool tripleSlash = address.size() > 5 && !startsWith(address, "file") &&
                           address.find("///") != std::string_view::npos;
  const bool hash = address.find('#') != std::string_view::npos;
  const bool query = internal && address.find('?') != std::string_view::npos;
  const bool slash = !address.empty() && address.back() == '/';
  if (!tripleSlash && !hash && !query && !slash) return address;
  scratch = lookupKeyForAddress(address, internal);
  return scratch;
}

ZelUrl* ZelHub::doWeHaveThisURL(std::string_view address, const RecordAddressTable& dictionary,
                                bool internal, std::optional<uint32_t> addressHash) const {
  std::string scratch;
  const std::string_view key = lookupKeyView(address, internal, scratch);
  if (key.empty()) return nullptr;
  // Most keys are the address itself, whose hash the caller may have.
  if (addressHash && key.data() == address.data() && key.size() == address.size())
    return dictionary.find(key, *addressHash);
  return dictionary.find(key);
}

const std::vector<ZelUrl*>* ZelHub::doWeHaveThisURL(std::string_view address,
                                                    const AddressGroups& dictionary,
                                                    bool internal) const {
  std::string scratch;
  const std::string_view key = lookupKeyView(address, internal, scratch);
  if (key.empty()) return nullptr;
  auto it = dictionary.find(key);
  return it == dictionary.end() ? nullptr : &it->second;
}

ZelUrl* ZelHub::weHaveThisOneAlready(std::string_view address, const ZelUrl* ignore, bool internal,
                                     std::optional<uint32_t> addressHash) const {
  if (address.empty()) return nullptr;
  if (ZelUrl* known = doWeHaveThisURL(address, lookupDictionary_, internal, addressHash);
      known && known != ignore)
    return known;
  if (!redirLookupReady_) return nullptr;
  const std::vector<ZelUrl*>* redirecting =
      doWeHaveThisURL(address, redirLookupDictionary_, internal);
  if (!redirecting || redirecting->empty()) return nullptr;
  if (std::find(redirecting->begin(), redirecting->end(), ignore) != redirecting->end())
    return nullptr;
  return redirecting->front();
}

// ---- Kind of start -------------------------------------------------------------------------

bool ZelHub::startingPointWasList() const {
  const ZelUrl* first = getFirstItem();
  if (!first) return false;
  if (first->isXML()) return true;
  auto url = parseLeniently(first->getActualLinkUrl(), defaults());
  if (!url) return false;
  const std::string ext = url->pathExtension();
  return ext == "txt" || ext == "csv";
}

}  // namespace zel
