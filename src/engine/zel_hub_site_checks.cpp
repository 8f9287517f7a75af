// Soft 404s and sitemap membership.
#include "engine/zel_hub.h"
#include "parser/zel_parser.h"
#include "platform/text_format.h"
#include "urltext/path_text.h"
#include "urltext/zel_pattern_matcher.h"

namespace zel {

namespace {

bool containsATerm(std::string_view text, const std::vector<std::string>& terms) {
  for (const auto& t : terms)
    if (t.size() >= 2 && ZelPatternMatcher::stringMatchesPattern(text, t)) return true;
  return false;
}

}  // namespace

bool ZelHub::performSoft404CheckOnThisUrl(ZelUrl* r) {
  if (!defaults().boolForKey("shouldCheckForSoft404")) return false;
  if (containsATerm(r->getLinkUrlForTesting(), soft404Array_)) return true;
  if (r->getIsCSS() || r->getIsImage() || r->getIsAudio() || r->getIsVideo() || r->getIsPDF())
    return false;
  const std::string* data = r->getData();
  if (!data || data->empty()) return false;
  // For a page, what a reader sees: its title and text, not its markup.
  if (r->getIsHTML()) {
    const Defaults& d = defaults();
    auto parser = ZelParser::initWithData(*data, d.boolForKey("SEOEnabled"),
                                          d.boolForKey("observeRobotsTxt"), getDetectedEncoding(),
                                          static_cast<int>(d.integerForKey("plainTextMode")), true,
                                          d, &log());
    if (parser)
      return containsATerm(parser->getTitle() + " " + parser->getTextContent(), soft404Array_);
  }
  return containsATerm(*data, soft404Array_);
}

bool ZelHub::shouldBeInSitemapCollection(ZelUrl* r) {
  if (r->getIsImage()) return false;
  // Asked only of what is not HTML: it parses the address.
  auto pdfAllowed = [&] {
    return containsIgnoreCase(textPathExtension(r->getActualLinkUrl()), "pdf") &&
           defaults().boolForKey("includePdfsInSitemap");
  };
  const std::string s = r->getStatus();
  if (s.size() >= 2) {
    const int digit = (s[0] >= '0' && s[0] <= '9') ? s[0] - '0' : 0;
    if (digit == 0 || digit == 4 || digit == 5 || digit == 9 ||
        r->isLocalized(s, "missing link url")) {
      ZEL_LOG(log(), 1, r->getActualLinkUrl() + " excluded from SEO/sitemap because of status " + s);
      return false;
    }
  }
  if ((!r->getIsHTML() && !pdfAllowed()) || !r->isInternal()) return false;
  if (defaults().boolForKey("observeRobotsTxt") && robotsBlacklistArray_ &&
      containsATerm(r->getLinkUrlForTesting(), *robotsBlacklistArray_))
    return false;
  return true;
}

uint64_t ZelHub::getFreeDiskspacePrivate() const {
  if (!platform_.fileSystem) return 0;
  return platform_.fileSystem->freeSpace("/").value_or(0);
}

}  // namespace zel
