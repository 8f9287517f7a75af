// From a fetched page to new work: whether the page is parsed, its facts, the
// sitemap hand-off, meta refresh, the base URL, and every link to classification.
#include <chrono>

#include "engine/zel_hub.h"
#include "parser/markup_facts_gatherer.h"
#include "parser/resource_link_parser.h"
#include "parser/zel_parser.h"
#include "platform/text_format.h"
#include "seo/output_filter_manager.h"
#include "urltext/address_kinds.h"
#include "urltext/path_text.h"
#include "urltext/percent_encoding.h"
#include "urltext/url_parts.h"
#include "urltext/zel_pattern_matcher.h"

namespace zel {

namespace {

std::optional<Url> urlFromText(std::string_view text, const Defaults& d) {
  if (auto u = Url::parse(text)) return u;
  if (auto u = Url::parse(encodedURLString(text, d))) return u;
  return Url::parse(stringByAddingLegacyPercentEscapes(text));
}

}  // namespace

std::optional<Url> ZelHub::makeNSURLFromString(std::string_view text, std::string_view base) const {
  return ZelUrl::makeNSURLFromString(text, base, defaults());
}

void ZelHub::extractLinks(ZelUrl* r) {
  const auto started = std::chrono::steady_clock::now();
  ZEL_LOG(log(), 3, "extracting links from " + r->getActualLinkUrl());
  auto finish = [&] { finishExtraction(r, started); };

  if (!isSitePageToExtract(r)) return finish();
  if (!singlePageModeAllows(r)) return finish();
  if (!isFollowedForExtraction(r)) return finish();
  const std::optional<ExtractionKind> kind = extractionKindOf(r);
  if (!kind) return finish();

  // Step 11: the parser for the record's type; all are read through LinkSource.
  std::unique_ptr<ZelParser> html;
  struct Retire {  // on every way out
    ZelHub* hub;
    std::unique_ptr<ZelParser>& parser;
    ~Retire() {
      if (parser) hub->retireParser(std::move(parser));
    }
  } retire{this, html};
  std::unique_ptr<ResourceLinkParser> resource;
  switch (parsePageForExtraction(r, *kind, html, resource)) {
    case ExtractionStep::Next: break;
    case ExtractionStep::Finish: return finish();
    case ExtractionStep::Stop: return;
  }
  LinkSource& parser = html ? static_cast<LinkSource&>(*html) : *resource;

  addToSitemapCollectionIfWanted(r, html.get());
  if (kind->xml && html) html->setXMLMode();
  if (html && html->isMetaRefresh() && followMetaRefreshOfPage(r, *html)) return;
  const std::optional<Url> base = baseUrlOfPage(r, parser);

  if (parser.getLength() < 1) {
    ZEL_LOG(log(), 1, "parser has no data for " + r->getActualLinkUrl() + " (returned length as 0)");
    return finish();
  }
  platform_.notifications->post("ZelUrlHasData", r);
  processCanonical(parser.getCanonical(), parser, r);
  processLinksOfPage(r, parser, firstHrefToFollow(r, parser), base, kind->fileType);
  recordPageCounts(r, parser, html.get(), *kind);
  finish();
}

// The end every finished extraction shares: the body is dropped unless a later
// check needs it, the time is logged and the host's views are reloaded.
void ZelHub::finishExtraction(ZelUrl* r, std::chrono::steady_clock::time_point started) {
  if (!shouldCacheData()) r->clearData();
  const double secs =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  ZEL_LOG(log(), 3, strf("finished extracting links from %s in %.5f", r->getActualLinkUrl().c_str(),
                      secs));
  reloadData();
}

// The record's address makes a URL, it is not a redirect to a record already
// known, and it lies inside the site.
bool ZelHub::isSitePageToExtract(ZelUrl* r) {
  const Defaults& d = defaults();
  const std::string address = r->getLinkUrlForTesting();
  auto url = urlFromText(address, d);
  if (!url) {
    ZEL_LOG(log(), 1, "unable to make NSURL from " + address);
    ZEL_LOG(log(), 1, "badly formed url: " + r->getLinkUrl());
    return false;
  }
  if (!r->getRedir().empty() && weHaveThisOneAlready(r->getRedir(), r, r->isInternal()))
    return false;

  // Only pages of the site are parsed; the address after redirects decides. It is
  // nearly always the address just read: parsed once.
  const std::string& actualText = r->getActualLinkUrl();
  auto actual = actualText == address ? std::nullopt : urlFromText(actualText, d);
  const Url& page = actual ? *actual : *url;
  return compareHost(page.host(), domains_) || fileUrlIsInternal(page, domains_);
}

// In single-page mode only the start is parsed, and the stylesheets and scripts
// the settings ask to be parsed.
bool ZelHub::singlePageModeAllows(ZelUrl* r) {
  const Defaults& d = defaults();
  const bool css = r->getIsCSS(), js = r->getIsJS();
  return !(d.boolForKey("singlePage") && r != getFirstItem() &&
           !(css && d.boolForKey("shouldParseCSS")) && !(js && d.boolForKey("shouldLoadJS")));
}

// Follow lists (on the address, or also on the content), the information-page
// rules that override them, and nofollow. Marks the record blacklisted as the
// lists decide.
bool ZelHub::isFollowedForExtraction(ZelUrl* r) {
  const Defaults& d = defaults();
  // Follow lists.
  const bool checkContent = d.boolForKey("blacklistShouldCheckContent");
  if (r->linkContainsOneOfTheseTerms(followBlacklistArray_)) r->setIsBlacklisted(true);
  if (!checkContent && !followWhitelistArray_.empty() &&
      !r->linkContainsOneOfTheseTerms(followWhitelistArray_) && !r->isStartingPoint())
    r->setIsBlacklisted(true);
  if (checkContent) {
    if (r->dataContainsOneOfTheseTerms(followBlacklistArray_)) r->setIsBlacklisted(true);
    if (!followWhitelistArray_.empty() && !r->dataContainsOneOfTheseTerms(followWhitelistArray_) &&
        !r->linkContainsOneOfTheseTerms(followWhitelistArray_) && !r->isStartingPoint())
      r->setIsBlacklisted(true);
  }
  if (outputFilterManager_ &&
      outputFilterManager_->shouldWeScrapeThisUrlBasedOnCurrentRules(r))
    r->setIsBlacklisted(false);
  if (r->isBlacklisted() && !r->isStartingPoint()) return false;
  ZEL_LOG(log(), 3, r->getLinkUrl() + " is not blacklisted");

  if (d.boolForKey("dontFollowNofollowLinks") && r->isNofollow()) return false;
  ZEL_LOG(log(), 3, "we're following");
  return true;
}

// The record's type when the settings let it be parsed (a page of a sitemap
// start only when it is a sitemap itself), with the parser's file type.
std::optional<ZelHub::ExtractionKind> ZelHub::extractionKindOf(ZelUrl* r) {
  const Defaults& d = defaults();
  ExtractionKind kind;
  kind.css = r->getIsCSS();
  kind.js = r->getIsJS();
  const int64_t plainTextMode = d.integerForKey("plainTextMode");
  kind.pdf = r->getIsPDF();
  kind.xml = r->isXML();
  const bool parseable = r->getIsHTML() || (kind.pdf && d.boolForKey("shouldParsePDFs")) ||
                         (kind.css && d.boolForKey("shouldParseCSS")) ||
                         (kind.js && d.boolForKey("shouldLoadJS")) ||
                         (r->isStartingPoint() && plainTextMode > 0) || kind.xml;
  if (!parseable) return std::nullopt;
  if (!kind.xml && r->isSonOfXML()) return std::nullopt;
  ZEL_LOG(log(), 3, r->getLinkUrl() + " is not blacklisted");

  kind.fileType = r->isStartingPoint() ? static_cast<int>(plainTextMode) : 0;
  if (kind.xml) kind.fileType = kFileTypeXML;
  return kind;
}

// Step 11: the parser for the record's type and the facts it gives. A record
// taken for HTML whose body does not parse stops being HTML and is dropped
// without the shared end; a resource with no data has no parser.
ZelHub::ExtractionStep ZelHub::parsePageForExtraction(
    ZelUrl* r, const ExtractionKind& kind, std::unique_ptr<ZelParser>& html,
    std::unique_ptr<ResourceLinkParser>& resource) {
  const Defaults& d = defaults();
  const std::string* body = r->getData();
  const std::string_view bytes = body ? std::string_view(*body) : std::string_view();
  if (kind.pdf)
    resource = ZelPDFParser::initWithData(bytes, &log());
  else if (kind.css)
    resource = ZelCSSParser::initWithData(bytes, &log());
  else if (kind.js)
    resource = ZelJSParser::initWithData(bytes, &log());
  const bool wantsMarkup = markupFactsReceiver_ && kind.fileType == kFileTypeHTML && !kind.xml;
  gathererInHand_.reset();
  textInHand_.reset();
  if (!resource && !kind.pdf && !kind.css && !kind.js && !(html = takeScannedParser(kind.fileType))) {
    if (wantsMarkup) gathererInHand_ = std::make_unique<MarkupFactsGatherer>();
    if (gathererInHand_ && contentReader_ && contentReader_->wantsMainText())
      gathererInHand_->keepMainText();
    html = ZelParser::initWithData(bytes, d.boolForKey("SEOEnabled"), d.boolForKey("observeRobotsTxt"),
                                   getDetectedEncoding(), kind.fileType, true, d, &log(),
                                   gathererInHand_.get());
  }
  if (resource) {
    extractPageFacts(r, *resource, nullptr);
  } else if (html) {
    extractHtmlFacts(r, *html, kind.fileType);
    // Taken before the gatherer gives up its facts (the page's lang is one).
    const bool readsContent = wantsMarkup && gathererInHand_ && contentReceiver_;
    if (readsContent && !textInHand_)
      textInHand_ = copyPageText(*contentReader_, r->sharedData(), *html, *gathererInHand_);
    if (wantsMarkup && gathererInHand_) markupFactsReceiver_(r, gathererInHand_->takeEncoded());
    if (readsContent && textInHand_) readPageContentLater(r, std::move(*textInHand_));
    textInHand_.reset();
    gathererInHand_.reset();
    extractPageFacts(r, *html, html.get());
  } else if (!kind.pdf && !kind.css && !kind.js) {
    ZEL_LOG(log(), 1, r->getLinkUrl() + " does not appear to be html (or html but no hyperlinks)");
    r->setIsHTML(false);
    r->clearData();
    return ExtractionStep::Stop;
  } else {
    return ExtractionStep::Finish;  // a resource with no data has no parser
  }
  return ExtractionStep::Next;
}

// The sitemap hand-off: a page that belongs in the sitemap collection joins the
// SEO pages, when it passes the sitemap term filter (on the source, or on the
// visible text).
void ZelHub::addToSitemapCollectionIfWanted(ZelUrl* r, const ZelParser* html) {
  if (rechecking_ || !shouldBeInSitemapCollection(r)) return;
  const Defaults& d = defaults();
  const std::string filter = d.stringOrEmpty("filterSitemapByTerm");
  if (filter.empty()) {
    if (!containsIgnoreCase(textPathExtension(r->getActualLinkUrl()), "pdf")) seoManager_->add(r);
    return;
  }
  std::vector<std::string> terms;
  if (d.boolForKey("multipleSearchTerms")) {
    for (auto& line : split(replaceAll(filter, "\r", "\n"), "\n"))
      if (!line.empty()) terms.push_back(line);
  } else {
    terms.push_back(filter);
  }
  bool matches;
  if (d.integerForKey("searchEntireSource") == 0)
    matches = r->dataContainsOneOfTheseTerms(terms).has_value();
  else  // the visible text, not the markup
    matches = ZelPatternMatcher::stringContainsOneOfTheseTerms(
        html ? html->getTextContent() : std::string(), terms);
  if (matches != d.boolForKey("reverseSearch")) seoManager_->add(r);
}

// A meta refresh to another address is followed like a redirect with a new
// request. True when the page was handed on (followed, or refused as a local
// file named by a web page) and extraction ends here; a refresh to the page
// itself, or one that cannot be resolved, changes nothing.
bool ZelHub::followMetaRefreshOfPage(ZelUrl* r, ZelParser& html) {
  const Defaults& d = defaults();
  auto target = html.getNextHref();
  std::optional<Url> resolved;
  if (target) resolved = makeNSURLFromString(*target, r->getActualLinkUrl());
  // Deliberately not followed, unlike other refreshes: a web page must not make us read the disk.
  if (resolved && isLocalFile(resolved->absoluteString()) && r->isFromTheWeb()) {
    r->refuseLocalFileTarget(resolved->absoluteString(), r->getFinalStatus(), 1);
    statusHasChangedFordO(r);
    return true;
  }
  if (resolved && resolved->absoluteString() != encodedURLString(r->getActualLinkUrl(), d)) {
    r->addRedir(resolved->absoluteString(), r->getFinalStatus(), 1);
    r->setStatus(std::string());
    r->clearData();
    if (r->getRedirectCount() < 11) {
      ZEL_LOG(log(), 1, "sending another request for " + r->getActualLinkUrl() +
                         " after meta redirection");
      sendAsyncServerRequest(r);
    } else {
      r->setStatus(std::string("recurring redirect"));
    }
    return true;
  }
  return false;
}

// Base URL of the page's relative links: the page's own address, its site root
// for a base of "/", or the base link resolved against the page.
std::optional<Url> ZelHub::baseUrlOfPage(ZelUrl* r, const LinkSource& parser) const {
  const Defaults& d = defaults();
  std::optional<Url> base;
  const auto baseHref = parser.getBaseHref();
  if (!baseHref) {
    base = Url::parse(r->getActualLinkUrl());
    if (!base) base = Url::parse(encodedURLString(r->getActualLinkUrl(), d));
  } else if (*baseHref == "/") {
    auto actualUrl = Url::parse(encodedURLString(r->getActualLinkUrl(), d));
    if (!actualUrl) {
      log().always("unable to make a base URL while parsing page " + r->getActualLinkUrl());
    } else {
      std::string text = actualUrl->scheme() + "://" + actualUrl->host();
      if (actualUrl->port() && *actualUrl->port() != 80 && *actualUrl->port() != 0)
        text += strf(":%i", *actualUrl->port());
      base = Url::parse(text);
    }
  } else {
    if (auto actualUrl = Url::parse(r->getActualLinkUrl()))
      base = Url::resolve(*baseHref, *actualUrl);
    auto encodedActual = Url::parse(encodedURLString(r->getActualLinkUrl(), d));
    if (!base && encodedActual) base = Url::resolve(encodedURLString(*baseHref, d), *encodedActual);
    if (!base && encodedActual)
      base = Url::resolve(
          kxStringByAddingPercentEncodingWithAllowedCharacters(*baseHref,
                                                               kxURLPathAllowedCharacterSet()),
          *encodedActual);
  }
  return base;
}

// The page's first link, or none when its links are not followed: an error
// page (unless error pages are checked), an information page that is a dead
// end, or the start of a single-page check that skips the start's links.
std::optional<std::string> ZelHub::firstHrefToFollow(ZelUrl* r, LinkSource& parser) const {
  const Defaults& d = defaults();
  auto href = parser.getNextHref();
  if (r->isErrorPage() && !d.boolForKey("checkErrorPages")) {
    ZEL_LOG(log(), 1, "not crawling " + r->getActualLinkUrl() + " because it's an error page");
    href.reset();
  } else if (d.boolForKey("mipIsDeadEnd") && urlIsInformationPage(r->getActualLinkUrl())) {
    href.reset();
  } else if (r->isStartingPoint() && d.boolForKey("singlePage") &&
             d.boolForKey("dontBotherWithLinksOnStartingPage")) {
    href.reset();
  }
  return href;
}

// Every link of the page from `href` on goes to processLink, unless the crawl
// has reached its link limit or the page its depth limit.
void ZelHub::processLinksOfPage(ZelUrl* r, LinkSource& parser, std::optional<std::string> href,
                                const std::optional<Url>& base, int fileType) {
  const Defaults& d = defaults();
  const int64_t linksLimit = d.integerForKey("linksLimit");
  const int64_t levelsLimit = d.integerForKey("levelsLimit");
  if (static_cast<int64_t>(collection_.size()) >= linksLimit)
    ZEL_LOG(log(), 1, strf("hub extractLinks isn't collecting any more links because the linksLimit "
                        "(%ld) is exceeded",
                        static_cast<long>(linksLimit)));
  if (r->getDistanceFromHome() >= levelsLimit)
    ZEL_LOG(log(), 1, strf("hub extractLinks isn't collecting any more links because the levelsLimit "
                        "(%ld) is exceeded",
                        static_cast<long>(levelsLimit)));
  if (r->getDistanceFromHome() < levelsLimit &&
      static_cast<int64_t>(collection_.size()) < linksLimit) {
    ZEL_LOG(log(), 4, strf("%s is %i clicks from home, we are crawling it. Our limit is %i",
                        r->getActualLinkUrl().c_str(), r->getDistanceFromHome(),
                        static_cast<int>(levelsLimit)));
    const bool headNoFollow = parser.getHeadContainsNofollow();
    // One buffer for every address of the page.
    for (bool more = href.has_value(); more; more = parser.nextHrefInto(*href))
      processLink(*href, parser.getLinkText(), parser, r, base, fileType, headNoFollow);
  }
}

// The page's word count, and its spelling and grammar counts when those checks
// are on (a PDF keeps the counts its facts gave).
void ZelHub::recordPageCounts(ZelUrl* r, const LinkSource& parser, ZelParser* html,
                              const ExtractionKind& kind) {
  if (kind.pdf) return;
  const Defaults& d = defaults();
  r->setWordCount(parser.getWordCount());
  if (html && d.boolForKey("checkSpelling")) {
    r->setSpellingCount(html->getSpellingCount());
    seoManager_->addWords(html->getAllSpelling(), r);
  }
  if (html && d.boolForKey("checkGrammar")) r->setGrammarCount(html->getGrammarCount());
}

// Step 11 for an HTML page: robots directives, validation warnings and anchors.
void ZelHub::extractHtmlFacts(ZelUrl* r, ZelParser& parser, int fileType) {
  const Defaults& d = defaults();
  r->setHeadContainsNoFollow(parser.getHeadContainsNofollow());
  r->setHeadContainsNoIndex(parser.getHeadContainsNoindex());
  // A rendered page's warnings come from its source as served.
  const std::string* source = r->getSourceData();
  if (d.boolForKey("runJS") && source && !source->empty() &&
      d.boolForKey("htmlValidationEnabled")) {
    ZEL_LOG(log(), 2, "because js rendering is on, we are running separate pass of source (collected "
                   "separately and unrendered) for html warnings");
    auto sourceParser = ZelParser::initWithData(*source, d.boolForKey("SEOEnabled"),
                                                d.boolForKey("observeRobotsTxt"),
                                                getDetectedEncoding(), fileType, true, d, &log());
    if (sourceParser && sourceParser->getWarnings()) r->addWarnings(*sourceParser->getWarnings());
  } else if (const auto& warnings = parser.getWarnings()) {
    r->addWarnings(*warnings);
  }
  if (d.boolForKey("dontTrimHash") && parser.getNames() && !parser.getNames()->empty())
    r->setNamesOnThisPage(*parser.getNames());
}

// Step 12: the page facts every parser answers (a resource's are empty; only a
// page has meta tags and words to weigh).
void ZelHub::extractPageFacts(ZelUrl* r, const LinkSource& parser, const ZelParser* html) {
  if (parser.getLength() <= 0) return;
  r->setLinkPageTitle(parser.getTitle());
  r->setHeadings(parser.getHeadings());
  r->setFileSize(parser.getFileSize());
  r->setWordCount(parser.getWordCount());
  if (!html) return;
  r->setMetaData(html->getMetaData());
  if (defaults().boolForKey("countKeywords")) r->setKeywordStuffed(html->isKeywordStuffed());
}

}  // namespace zel
