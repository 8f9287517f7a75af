// Every link found on a page becomes an absolute URL, a new or known target
// record and a link instance; targets that must not be fetched are settled.
#include "engine/zel_hub.h"
#include "parser/zel_parser.h"
#include "platform/text_codec.h"
#include "platform/text_format.h"
#include "urltext/address_kinds.h"
#include "urltext/percent_encoding.h"
#include "urltext/url_parts.h"
#include "urltext/zel_pattern_matcher.h"

namespace zel {

namespace {

bool isOneOf(std::string_view v, std::initializer_list<std::string_view> list) {
  for (auto e : list)
    if (v == e) return true;
  return false;
}

}  // namespace

ZelUrl* ZelHub::settledRecord(ZelUrl* page, std::string_view address, const std::string& linkText,
                              const LinkSource& parser, const std::string& status) {
  ZelUrl* t = createRecord();
  addInstanceWithParent(page, t, linkText, parser.getRel(), parser.getTargetAttr(),
                        parser.getHreflang(), std::nullopt);
  t->setDistanceFromHome(page->getDistanceFromHome() + 1);
  t->setStatus(status);
  t->setIsInternal(true);
  t->setLinkUrl(address, false);
  incNumberDone(t);
  add(t);
  return t;
}

void ZelHub::processLink(std::string& href, const std::string& linkText, const LinkSource& parser,
                         ZelUrl* page, const std::optional<Url>& base, int fileType,
                         bool pageHeadNoFollow) {
  const Defaults& d = defaults();
  ZEL_LOG(log(), 3, "start of loop with " + href);
  if (href.size() > 1 && startsWith(href, "./")) href = href == "./" ? "/" : href.substr(2);

  const bool hashIsBad = d.boolForKey("hashIsBad");
  if ((href == "#" || href.empty()) && !hashIsBad) return;
  if (!(href == "#" || href.empty()) && !d.boolForKey("dontTrimHash") && href.size() > 1 &&
      href[0] == '#')
    return;
  if (href == "#!") return;

  // The look-ups at the end wait on memory: ask for it now, while resolving.
  graph_.prefetchText(linkText, 0);

  // Resolve against the page's base, falling back to encoded forms of the link.
  // The result goes into one reused Url, so a known link costs few allocations.
  Url& target = resolvedLink_;
  auto resolveAgainstBase = [&](std::string_view text) {
    if (base) return Url::resolveInto(text, *base, target);
    std::optional<Url> u = Url::parse(text);
    if (u) target = std::move(*u);
    return u.has_value();
  };
  bool resolved = resolveAgainstBase(href);
  if (!resolved) {
    resolved = resolveAgainstBase(href.find(":/") == std::string::npos ? encodedPath(href)
                                                                        : encodedURLString(href, d));
  }
  if (!resolved)
    resolved = resolveAgainstBase(
        kxStringByAddingPercentEncodingWithAllowedCharacters(href, kxURLPathAllowedCharacterSet()));
  if (!resolved) {
    settledRecord(page, href, linkText, parser, localized("Unable to make a valid URL"));
    return;
  }

  if (d.boolForKey("lookForLazyLoadImageURLs") && startsWith(linkText, "[alt]:")) {
    const std::string ext = target.pathExtension();
    if (ext.empty()) {
      ZEL_LOG(log(), 1, "throwing out " + target.absoluteString() +
                         " as an image because we can't find the extension");
      return;
    }
    if (!isOneOf(ext, {"png", "PNG", "jpg", "JPG", "jpeg", "JPEG", "gif", "GIF", "svg", "SVG",
                       "bmp", "BMP", "webp", "WEBP", "htm", "HTM", "html", "HTML"})) {
      ZEL_LOG(log(), 1, "throwing out " + target.absoluteString() +
                         " as an image because we don't like the extension");
      return;
    }
  }
  if (href == "#" || href.empty()) {
    settledRecord(page, href == "#" ? "#" : "empty quotes", linkText, parser,
                  localized("missing link url"));
    return;
  }

  // Classify.
  if (target.absoluteString().find("/../") != std::string::npos)
    target = dealWithUpADirectory(target);
  const uint32_t addressHash = RecordAddressTable::hashOf(target.absoluteString());
  lookupDictionary_.prefetch(addressHash, 0);
  graph_.prefetchText(linkText, 1);
  // A web page's link to the user's disk is external and never opened (the Part
  // would fetch it as a new target): no site may probe the user's files.
  const bool localFromWeb = isLocalFile(target.absoluteString()) && page->isFromTheWeb();
  bool internal = !localFromWeb &&
                  (compareHost(target.host(), domains_) || fileUrlIsInternal(target, domains_));
  const bool linkedFilesInternal = d.boolForKey("linkedFilesAreInternal");
  if (linkedFilesInternal && linkText == "[linked file]" && !localFromWeb) internal = true;
  if (linkedFilesInternal && linkText.find("[alt]:") != std::string::npos && !localFromWeb)
    internal = true;
  if (internal && scanningHttpsSite_ && d.boolForKey("httpIsExternal") &&
      isLinkHttpOnHttpsSite(target.absoluteString(), page->getActualLinkUrl()))
    internal = false;

  if (!internal && d.boolForKey("internalOnly") && fileType <= 0) return;
  const std::string& absolute = target.absoluteString();
  if (shouldBeIgnored(absolute) && !urlIsInformationPage(absolute)) return;
  lookupDictionary_.prefetch(addressHash, 1);
  const std::string rel = parser.getRel();
  if (containsIgnoreCase(rel, "dns-prefetch") || containsIgnoreCase(rel, "preconnect")) return;

  auto lineNumber = parser.getLineNumber();
  std::optional<int32_t> line = lineNumber ? std::optional<int32_t>(*lineNumber) : std::nullopt;
  ZelUrl* known = weHaveThisOneAlready(absolute, nullptr, internal, addressHash);
  if (known) {
    if (d.boolForKey("limitOccurrences") &&
        known->getOnpagecount() > d.integerForKey("occurrencesLimit"))
      return;
    addInstanceWithParent(page, known, linkText, rel, parser.getTargetAttr(), parser.getHreflang(),
                          line);
    return;
  }

  if ((fileType > 0 || page->isXML()) && page->isStartingPoint() && !d.boolForKey("singlePage")) {
    log().always("adding " + target.host() + " to domains list");
    if (!target.host().empty()) addToDomainsList(target.host());
    internal = true;
    getpathFromUrl(target, true);
  }
  if (isMailtoEtc(href) || absolute.empty()) return;

  ZelUrl* t = createRecord();
  t->setIsInternal(internal);
  t->setLinkUrl(absolute, d.boolForKey("trimQuery"));
  addInstanceWithParent(page, t, linkText, rel, parser.getTargetAttr(), parser.getHreflang(), line);
  t->setDistanceFromHome(page->getDistanceFromHome() + 1);
  if (t->directoryTooHigh()) {
    ZEL_LOG(log(), 2, "directory too high - " + t->getActualurlDecoded());
    t->addWarning(
        "The link url is a relative link with too many '../' which take the url above the root "
        "domain. It may work in a browser but is technically incorrect.");
  }
  if (ZelPatternMatcher::stringContainsOneOfTheseTerms(absolute, checkBlacklistArray_)) {
    t->setStatus(localized("Not checked"));
    t->setIsBlacklisted(true);
    incNumberDone(t);
  } else if (localFromWeb) {
    t->setStatus(localized("Not checked"));
    t->addWarning(ZelUrl::kLocalFileFromTheWebWarning);
    incNumberDone(t);
  }
  const bool haveRobots = (robotsBlacklistArray_ && !robotsBlacklistArray_->empty()) ||
                          (robotsWhitelistArray_ && !robotsWhitelistArray_->empty());
  if (internal && haveRobots) {
    const bool disallowed =
        robotsBlacklistArray_ &&
        ZelPatternMatcher::stringContainsOneOfTheseTerms(absolute, *robotsBlacklistArray_);
    const bool allowed = robotsWhitelistArray_ && ZelPatternMatcher::stringContainsOneOfTheseTerms(
                                                      absolute, *robotsWhitelistArray_);
    if (disallowed && allowed)
      ZEL_LOG(log(), 2, "url " + absolute + " is disallowed by robots.txt but also allowed");
    if (disallowed && !allowed) {
      t->setIsDisallowed(true);
      t->addWarning("The link url is disallowed by robots.txt");
      if (d.boolForKey("blacklistByRobotsTxt")) {
        t->setStatus(localized("Disallowed by robots.txt"));
        t->setIsBlacklisted(true);
        incNumberDone(t);
      }
    }
  } else if (target.scheme() == "ftp") {
    t->setStatus(localized("Not checked"));
    incNumberDone(t);
  }
  if (t->directoryTooHigh()) {
    t->setStatus(localized("badly formed url"));
    incNumberDone(t);
  }
  t->setHeadContainsNoFollow(pageHeadNoFollow);
  add(t);
}

void ZelHub::processCanonical(std::string canonical, const LinkSource&, ZelUrl* page) {
  const Defaults& d = defaults();
  if (canonical.empty()) return;
  if (canonical == "http://" || canonical == "https://") {
    canonical = "./";
    auto pageUrl = Url::parse(page->getActualLinkUrl());
    if (!pageUrl) pageUrl = Url::parse(encodedURLString(page->getActualLinkUrl(), d));
    auto self = pageUrl ? Url::resolve("./", *pageUrl) : std::nullopt;
    if (self && endsWith(self->absoluteString(), "./")) canonical.clear();
  }
  std::optional<Url> resolved;
  if (auto base = Url::parse(encodedURLString(page->getActualLinkUrl(), d))) {
    resolved = Url::resolve(canonical, *base);
    if (!resolved) resolved = Url::resolve(encodedURLString(canonical, d), *base);
    if (!resolved) {
      // Escaped as bytes of the site's own encoding.
      const auto bytes = TextCodec::encode(canonical, getDetectedEncoding());
      resolved = Url::resolve(stringByAddingLegacyPercentEscapes(bytes ? *bytes : canonical), *base);
    }
  }
  if (!resolved) return;
  const std::string absolute = resolved->absoluteString();
  page->setCanonical(absolute);

  if (!(page->getDistanceFromHome() < d.integerForKey("levelsLimit") &&
        static_cast<int64_t>(collection_.size()) < d.integerForKey("linksLimit")))
    return;
  // As for links: a web page's canonical on the user's disk is never opened.
  const bool localFromWeb = isLocalFile(absolute) && page->isFromTheWeb();
  const bool internal = !localFromWeb && (compareHost(resolved->host(), domains_) ||
                                          fileUrlIsInternal(*resolved, domains_));
  ZelUrl* t = weHaveThisOneAlready(absolute, nullptr, internal);
  if (!t) {
    t = createRecord();
    t->setIsInternal(internal);
    t->setLinkUrl(absolute, d.boolForKey("trimQuery"));
    t->setDistanceFromHome(page->getDistanceFromHome() + 1);
    const bool disallowed =
        robotsBlacklistArray_ &&
        ZelPatternMatcher::stringContainsOneOfTheseTerms(absolute, *robotsBlacklistArray_);
    const bool allowed = robotsWhitelistArray_ && ZelPatternMatcher::stringContainsOneOfTheseTerms(
                                                      absolute, *robotsWhitelistArray_);
    if (ZelPatternMatcher::stringContainsOneOfTheseTerms(absolute, checkBlacklistArray_)) {
      t->setStatus(localized("Not checked"));
      t->setIsBlacklisted(true);
      incNumberDone(t);
    } else if (localFromWeb) {
      t->setStatus(localized("Not checked"));
      t->addWarning(ZelUrl::kLocalFileFromTheWebWarning);
      incNumberDone(t);
    } else {
      if (disallowed && allowed)
        ZEL_LOG(log(), 2, "Canonical " + absolute + " is disallowed by Robots.txt but also allowed");
      if (disallowed && !allowed) {
        t->setIsDisallowed(true);
        t->addWarning("The page has a canonical url " + absolute +
                      " which is disallowed by robots.txt");
        if (d.boolForKey("blacklistByRobotsTxt")) {
          t->setStatus(localized("Disallowed by robots.txt"));
          t->setIsBlacklisted(true);
          incNumberDone(t);
        }
      } else if (resolved->scheme() == "ftp") {
        t->setStatus(localized("Not checked"));
        incNumberDone(t);
      } else if (!internal && d.boolForKey("internalOnly")) {
        t->setStatus(localized("Not checked"));
        incNumberDone(t);
      }
    }
    add(t);
  }
  if (t != page) addInstanceWithParent(page, t, std::string("canonical"), "", "", "", std::nullopt);
}

}  // namespace zel
