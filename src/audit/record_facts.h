#pragma once
// Small readings of records and link instances that the audit's checks (and the
// program's sitemap check) share.
#include <string>
#include <string_view>
#include <vector>

#include "parser/markup_facts.h"

namespace zel {
class ZelUrl;
class ZelLinkInstance;
}  // namespace zel

namespace zel::audit {

// The HTTP status code of the record's final answer; 0 when it has none (no
// answer, or a status of the crawl's own such as "Not checked"). A local file
// that cannot be read counts as 404.
int statusCode(const ZelUrl& r);
bool isSoft404(const ZelUrl& r);
// The crawl counts it bad and it never got an HTTP answer.
bool hasNoResponse(const ZelUrl& r);
// Its redirects came back to an address already in the chain, or never ended.
bool isRedirectLoop(const ZelUrl& r);
// "301 moved permanently -> https://..." for each hop.
std::string redirectChainText(const ZelUrl& r);

// What a link instance is: a link to a page (an anchor, area, frame, canonical,
// alternate) or a file the page loads (image, stylesheet, script, media).
bool isResourceLink(const ZelLinkInstance& i);
bool isCanonicalLink(const ZelLinkInstance& i);
// A link a visitor or crawler follows to another page: neither a resource nor
// the page's canonical.
bool isPageLink(const ZelLinkInstance& i);

// An internal HTML address that is a page, not a file a page loads: the start,
// or reached by at least one link to a page.
bool isSitePage(const ZelUrl& r);
// The part of isSitePage that reads the record alone: Yes, No, or ByInlinks when
// the answer is whether any inbound link is not a resource's.
enum class SitePageByRecord { No, Yes, ByInlinks };
SitePageByRecord sitePageByRecord(const ZelUrl& r);

// The words of robots directives ("noindex, nofollow", "googlebot: none"), in
// lower case, the crawler names dropped.
std::vector<std::string> robotsWords(std::string_view text);
bool hasRobotsWord(std::string_view text, std::string_view word);

// "a, b and 3 more" from the first few of a list.
std::string firstFew(const std::vector<std::string>& items, size_t total, size_t shown = 3);
// Distinct texts for a detail: the first few kept, all counted.
struct FewOf {
  std::vector<std::string> shown;
  size_t total = 0;
  void note(std::string text);
  std::string text() const { return firstFew(shown, total); }
};

// How many spots of a kind the page's markup has (0 without facts), and the
// first few as a detail: "h2 at line 12, ...".
uint32_t spotCount(const MarkupFacts* markup, MarkupFacts::SpotKind kind);
std::string spotsText(const MarkupFacts& markup, MarkupFacts::SpotKind kind);

}  // namespace zel::audit
