#include "platform/settings_vocabulary.h"

#include "platform/text_format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <tuple>

namespace zel {

namespace {

using T = SettingType;

// Sorted by name; the tests hold it to that.
constexpr SettingInfo kVocabulary[] = {
    {"SEOEnabled", T::Bool, "true", "seo", "collect SEO facts about each page"},
    {"WebKitCacheModelPreferenceKey", T::Integer, "", "render",
     "cache model of the rendering web view; set to 0 by the renderer"},
    {"aggressiveSRCSearch", T::Bool, "", "check",
     "look for src= links in every tag, even inside comments"},
    {"alwaysUseGET", T::Bool, "", "requests", "always ask with GET, never with a HEAD request"},
    {"archiveAsWebarchive", T::Bool, "", "archive",
     "archive each page under a time-stamped name and keep an index"},
    {"archiveDirectory", T::String, "", "archive",
     "folder the archived pages are saved to at the end of the crawl"},
    {"attemptAuthenticate", T::Bool, "", "requests",
     "log in by posting the user name and password to the starting page"},
    {"authenticationPassword", T::String, "", "requests", "password used to log in"},
    {"authenticationPasswordFieldName", T::String, "", "requests",
     "name of the login form's password field"},
    {"authenticationUserName", T::String, "", "requests", "user name used to log in"},
    {"authenticationUserNameFieldName", T::String, "", "requests",
     "name of the login form's user name field"},
    {"blacklistByRobotsTxt", T::Bool, "true", "crawl",
     "do not fetch addresses that robots.txt disallows"},
    {"blacklistShouldCheckContent", T::Bool, "", "crawl",
     "match the follow lists against each page's content as well as its address"},
    {"caseSensitiveFileURLs", T::Bool, "", "check",
     "flag local files whose name matches only when case is ignored"},
    {"checkBlacklistArray", T::StringArray, "", "crawl",
     "terms: links whose address contains one are listed but not checked"},
    {"checkErrorPages", T::Bool, "", "crawl", "read links on error pages too"},
    {"checkGrammar", T::Bool, "", "check", "check the grammar of each page"},
    {"checkImages", T::Bool, "true", "check", "check images as well as pages and files"},
    {"checkSpelling", T::Bool, "", "check", "check the spelling of each page"},
    {"convertArchivedPages", T::Bool, "", "archive",
     "save the archive as browsable pages with rewritten links, not a plain copy"},
    {"countKeywords", T::Bool, "", "seo",
     "flag pages whose words are repeated too often (keyword stuffing)"},
    {"crawlAboveStartingDirectory", T::Bool, "", "crawl",
     "do not limit the crawl to the starting page's folder"},
    {"customHeaderAcceptLanguage", T::String, "\"*\"", "requests",
     "the Accept-Language header sent with every request"},
    {"customHeaderKey1", T::String, "", "requests",
     "name of an extra header sent with every request"},
    {"customHeaderKey2", T::String, "", "requests", "name of a second extra header"},
    {"customHeaderKey3", T::String, "", "requests", "name of a third extra header"},
    {"customHeaderValue1", T::String, "", "requests",
     "value of the header named by customHeaderKey1"},
    {"customHeaderValue2", T::String, "", "requests",
     "value of the header named by customHeaderKey2"},
    {"customHeaderValue3", T::String, "", "requests",
     "value of the header named by customHeaderKey3"},
    {"customPostKey1", T::String, "", "requests",
     "name of an extra form field posted when logging in"},
    {"customPostKey2", T::String, "", "requests", "name of a second extra login form field"},
    {"customPostKey3", T::String, "", "requests", "name of a third extra login form field"},
    {"customPostValue1", T::String, "", "requests",
     "value of the login form field named by customPostKey1"},
    {"customPostValue2", T::String, "", "requests",
     "value of the login form field named by customPostKey2"},
    {"customPostValue3", T::String, "", "requests",
     "value of the login form field named by customPostKey3"},
    {"defaultLocalFileName", T::String, "\"index.html\"", "requests",
     "file name read when a local address is a folder"},
    {"delay", T::Double, "", "requests", "seconds to pause before each request"},
    {"displayPageTitle", T::Bool, "", "output",
     "show the linking page's title instead of its address as where a link was found"},
    {"dontBotherWithLinksOnStartingPage", T::Bool, "", "crawl",
     "in single-page mode, do not read the starting page's links"},
    {"dontDisplayArchiveDialog", T::Bool, "", "archive",
     "remember the folder a plain-copy archive was saved to in archiveDirectory"},
    {"dontFollowNofollowLinks", T::Bool, "", "crawl",
     "do not read links on pages that are linked only with rel=nofollow"},
    {"dontReportRedirects", T::Bool, "", "output",
     "report a redirected link's final status without its redirects"},
    {"dontTrimHash", T::Bool, "", "check", "keep #fragments, so links to anchors are checked"},
    {"fileType", T::Bool, "", "advanced",
     "a page the parser fetches by itself is read as a plain list of URLs, not as HTML"},
    {"filterSitemapByTerm", T::String, "", "seo",
     "only pages containing this text go to the SEO results and the sitemap"},
    {"followBlacklistArray", T::StringArray, "", "crawl",
     "terms: pages whose address contains one are checked but their links not read"},
    {"followSubdomains", T::Bool, "", "crawl", "count subdomains of the site as part of the site"},
    {"followWhitelistArray", T::StringArray, "", "crawl",
     "terms: only pages whose address contains one have their links read"},
    {"formActions", T::Bool, "", "check", "check the addresses forms are sent to"},
    {"handleCookies", T::Bool, "true", "requests", "keep cookies the site sets and send them back"},
    {"hashIsBad", T::Bool, "", "check",
     "report links to \"#\" or to nothing as missing instead of skipping them"},
    {"headingLevelMax", T::Integer, "6", "seo", "deepest heading level collected (0: none)"},
    {"htmlValidationEnabled", T::Bool, "", "check", "report HTML mistakes found on each page"},
    {"httpIsExternal", T::Bool, "", "crawl",
     "on an https site, count plain http addresses as external"},
    {"ignoreArray", T::StringArray, "", "crawl",
     "terms: links whose address contains one are left out entirely"},
    {"includePdfsInSitemap", T::Bool, "", "output", "list PDF documents in the sitemap"},
    {"includeimagesinsitemap", T::Bool, "", "output",
     "list images in the sitemap (turns checkImages on)"},
    {"internalOnly", T::Bool, "", "crawl",
     "check only links within the site; external links are left out"},
    {"jsRenderingTime", T::Double, "", "render",
     "seconds to let scripts run after a rendered page has loaded"},
    {"legacyWebView", T::Bool, "", "render", "render pages with the older web view"},
    {"levelsLimit", T::Integer, "1000", "crawl",
     "read links only on pages fewer than this many clicks from the start"},
    {"limitOccurrences", T::Bool, "", "output",
     "record at most occurrencesLimit places where one link was found"},
    {"linkedFiles", T::Bool, "true", "check",
     "check files named by link tags (stylesheets, icons) and URLs in meta tags"},
    {"linkedFilesAreInternal", T::Bool, "", "crawl",
     "count linked files and images as internal wherever they are"},
    {"linksLimit", T::Integer, "2000000", "crawl",
     "stop collecting new links once this many URLs are known"},
    {"loadImages", T::Bool, "", "check", "download images, not just ask for their status"},
    {"lookForLazyLoadImageURLs", T::Bool, "", "check",
     "find lazy-loaded images (data-src); drop image links without an image extension"},
    {"maxBodyBytes", T::Integer, "52428800", "requests",
     "bodies longer than this many bytes are cut (0: no limit)"},
    {"maxKeywordDensity", T::Double, "4.0", "seo",
     "percentage of a page's words above which one word counts as keyword stuffing"},
    {"maxRequestsPerHost", T::Integer, "", "requests",
     "most requests in flight to one host (0: no per-host limit)"},
    {"maxThinContent", T::Integer, "250", "seo",
     "pages with fewer words than this are reported as thin content"},
    {"metaDescriptionMax", T::Integer, "155", "seo",
     "meta descriptions longer than this many characters are reported"},
    {"metaDescriptionMin", T::Integer, "70", "seo",
     "meta descriptions shorter than this many characters are reported"},
    {"metaTitleMax", T::Integer, "60", "seo",
     "titles longer than this many characters are reported"},
    {"mipContains", T::String, "", "advanced", "text or pattern of the filter rule being edited"},
    {"mipContainsAndOr", T::Integer, "", "output",
     "how filter rules combine: 0 all must pass, 1 any may pass"},
    {"mipContainsMethod", T::Integer, "", "advanced",
     "match of the filter rule being edited: 0 plain text, 1 regular expression"},
    {"mipContainsOrNot", T::Integer, "", "advanced",
     "the filter rule being edited passes when its text is 1 found, 0 not found"},
    {"mipContainsScope", T::Integer, "", "advanced",
     "what the filter rule being edited tests: 0 the address, 1 the content"},
    {"mipFilter", T::Bool, "", "output", "apply the filter rules; when off every address passes"},
    {"mipFilterRules", T::Array, "", "output", "the filter rules kept by the rule editor"},
    {"mipIsDeadEnd", T::Bool, "", "crawl",
     "do not read links on pages that pass the super-whitelist rules"},
    {"multipleSearchTerms", T::Bool, "", "seo", "filterSitemapByTerm holds one term per line"},
    {"notifyAllResourcesRegardlessOfFileType", T::Bool, "", "advanced",
     "never ask with HEAD; fetch the body of every internal file, whatever its type"},
    {"numberOfThreads", T::Integer, "8", "requests", "most requests in flight at once"},
    {"observeRobotsTxt", T::Bool, "true", "crawl", "obey robots.txt and robots meta tags"},
    {"occurrencesLimit", T::Integer, "", "output",
     "the most places recorded for one link when limitOccurrences is on"},
    {"parserContentConsolidateWhitespace", T::Bool, "", "seo",
     "collapse runs of white space in page text to one space"},
    {"parserContentIgnoreHeader", T::Bool, "", "seo",
     "leave header and footer text out of page text"},
    {"parserContentIgnoreNav", T::Bool, "", "seo", "leave navigation text out of page text"},
    {"parserContentIncludeAltText", T::Bool, "", "seo", "add image alt text to page text"},
    {"parserContentOnlyParas", T::Bool, "", "seo",
     "page text comes only from paragraphs and headings"},
    {"plainTextMode", T::Integer, "", "advanced",
     "set by the crawl: the start is 0 a page, 1 a PDF, 2 a CSV file, 3 a URL list"},
    {"precomposedStringWithCompatibilityMapping", T::Bool, "", "advanced",
     "normalise addresses to Unicode compatibility form (NFKC) first"},
    {"proxyCrawlEndpoint", T::String, "", "render", "address of the rendering proxy service"},
    {"proxyCrawlToken", T::String, "", "render", "access token for the rendering proxy service"},
    {"redirectChain", T::Integer, "2", "check",
     "warn when a link is redirected more times than this"},
    {"reverseSearch", T::Bool, "", "seo",
     "pages that do not contain filterSitemapByTerm are the ones kept"},
    {"runAllToCompletion", T::Bool, "", "advanced",
     "fetch the body of every internal address, whatever its type"},
    {"runJS", T::Bool, "", "render", "render pages with their scripts before reading links"},
    {"scopeDescriptive", T::String, "", "advanced",
     "set by the crawl: a note of the folder the crawl is limited to"},
    {"searchEntireSource", T::Integer, "", "seo",
     "where filterSitemapByTerm is sought: 0 the page source, other: visible text"},
    {"searchMetaDataForURLs", T::Bool, "", "check", "check absolute URLs found in meta tags"},
    {"sessidParam", T::String, "\"sid\"", "crawl",
     "name of the session-id query parameter removed from addresses"},
    {"shouldArchive", T::Bool, "", "archive", "keep a copy of every page of the site"},
    {"shouldCheckForSoft404", T::Bool, "", "check", "find error pages that answer 200 (soft 404s)"},
    {"shouldFlagBlacklisted", T::Bool, "", "output",
     "report links left unchecked by a blacklist or whitelist rule as bad"},
    {"shouldIgnoreSlash", T::Bool, "", "crawl",
     "treat addresses that differ only by a trailing / as the same"},
    {"shouldLoadJS", T::Bool, "", "check", "read scripts for image links"},
    {"shouldParseCSS", T::Bool, "", "check", "check the links inside stylesheets"},
    {"shouldParsePDFs", T::Bool, "", "check", "check the links inside PDF documents"},
    {"singlePage", T::Bool, "", "crawl", "check the links of the starting page only"},
    {"skipArchiveBasedOnBlackAndWhitelists", T::Bool, "", "archive",
     "archive only pages the follow lists allow"},
    {"soft404Terms", T::String, "", "check", "texts, one per line, that mark a page as a soft 404"},
    {"startingUrl", T::String, "", "crawl", "the address the crawl starts from"},
    {"superWhitelistArray", T::Array, "", "crawl",
     "filter rules: pages that pass have their links read despite the follow lists"},
    {"suppressArchiveSaveDialog", T::Bool, "", "archive",
     "do not save the archive when the crawl ends"},
    {"timeout", T::Double, "30.0", "requests", "seconds to wait for a response before giving up"},
    {"tolerateUpADirectory", T::Bool, "", "crawl",
     "drop ../ steps that climb above the site's root"},
    {"tooManyLinks", T::Integer, "100", "seo", "pages with more links than this are reported"},
    {"trimQuery", T::Bool, "", "crawl", "ignore the ?query of internal addresses"},
    {"trimWhitespace", T::Bool, "true", "advanced",
     "strip quotes and spaces from both ends of link addresses"},
    {"useProxyCrawl", T::Bool, "", "render", "send requests through the rendering proxy service"},
    {"userAgentString", T::String, "", "requests", "the User-Agent header"},
    {"verbosity", T::Integer, "", "output", "how much diagnostic detail is logged (0: none)"},
    {"wixSite", T::Bool, "", "advanced",
     "set by the crawl for site-builder sites: ask for pages' pre-rendered form"},
    {"wordpressUrls", T::Bool, "", "crawl",
     "the start's last path segment is a page, not a folder"},
};


}  // namespace

std::span<const SettingInfo> settingVocabulary() { return kVocabulary; }

const SettingInfo* findSetting(std::string_view name) {
  auto it = std::lower_bound(std::begin(kVocabulary), std::end(kVocabulary), name,
                             [](const SettingInfo& s, std::string_view n) { return s.name < n; });
  return it != std::end(kVocabulary) && it->name == name ? &*it : nullptr;
}

namespace {

// Read on every use of a setting, so it mixes the length and the first and last
// eight bytes only (no loop); names that share those only make a probe longer.
uint32_t nameHash(std::string_view name) {
  if (name.empty()) return 0;
  const size_t n = std::min<size_t>(name.size(), 8);
  uint64_t head = 0;
  uint64_t tail = 0;
  std::memcpy(&head, name.data(), n);
  std::memcpy(&tail, name.data() + name.size() - n, n);
  const uint64_t h = (head * 0x9E3779B97F4A7C15ull) ^ (tail * 0xC2B2AE3D27D4EB4Full) ^ name.size();
  return static_cast<uint32_t>(h ^ (h >> 29));
}

// Open addressing over the table's indices (+1; 0 is an empty slot), at most a
// quarter full so a probe sequence is short.
struct IndexTable {
  static constexpr uint32_t kSize = 1024;
  static_assert(std::size(kVocabulary) * 4 <= kSize);
  uint16_t slots[kSize] = {};
  IndexTable() {
    for (size_t i = 0; i < std::size(kVocabulary); ++i) {
      uint32_t at = nameHash(kVocabulary[i].name) & (kSize - 1);
      while (slots[at]) at = (at + 1) & (kSize - 1);
      slots[at] = static_cast<uint16_t>(i + 1);
    }
  }
};

}  // namespace

int settingIndex(std::string_view name) {
  static const IndexTable table;
  for (uint32_t at = nameHash(name) & (IndexTable::kSize - 1);; at = (at + 1) & (IndexTable::kSize - 1)) {
    const uint16_t slot = table.slots[at];
    if (!slot) return -1;
    if (kVocabulary[slot - 1].name == name) return slot - 1;
  }
}

std::vector<std::string_view> nearestSettingNames(std::string_view name, size_t max) {
  // Scores in half steps: a case-only difference 0, one typo 2, a prefix 3, two typos 4...
  const size_t allowed = std::max<size_t>(2, name.size() / 3);
  std::vector<std::tuple<size_t, size_t, std::string_view>> found;
  for (const SettingInfo& s : kVocabulary) {
    const size_t d = editDistanceIgnoringCase(name, s.name);
    const bool prefix = (name.size() >= 3 && startsWithIgnoreCase(s.name, name)) ||
                        (s.name.size() >= 4 && startsWithIgnoreCase(name, s.name));
    if (d > allowed && !prefix) continue;
    size_t score = 2 * d;
    if (prefix) score = std::min<size_t>(score, 3);
    found.emplace_back(score, d, s.name);
  }
  // Stable: equal scores keep the table's order.
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
  });
  std::vector<std::string_view> out;
  for (size_t i = 0; i < found.size() && i < max; ++i) out.push_back(std::get<2>(found[i]));
  return out;
}

}  // namespace zel
