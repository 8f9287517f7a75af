// Soft 404s and sitemap membership.
#include "engine/zel_hub.h"
#include "engine/zel_pattern_matcher.h"
#include "platform/text_format.h"

namespace zel {

namespace {

bool containsATerm(std::string_view text, const std::vector<std::string>& terms) {
  for (const auto& t : terms)
    if (t.size() >= 2 && ZelPatternMatcher::stringMatchesPattern(text, t)) return true;
  return false;
}

// The visible text of a page: markup, scripts and styles removed. Soft-404 terms
// are looked for in what a reader sees, not in attributes.
std::string visibleText(std::string_view html) {
  std::string out;
  out.reserve(html.size() / 2);
  size_t i = 0;
  while (i < html.size()) {
    if (html[i] != '<') {
      out.push_back(html[i++]);
      continue;
    }
    auto skipTo = [&](std::string_view end) {
      size_t e = findIgnoreCase(html, end, i);
      i = e == std::string_view::npos ? html.size() : e + end.size();
    };
    if (html.compare(i, 4, "<!--") == 0) {
      skipTo("-->");
    } else if (startsWithIgnoreCase(html.substr(i), "<script")) {
      skipTo("</script>");
    } else if (startsWithIgnoreCase(html.substr(i), "<style")) {
      skipTo("</style>");
    } else {
      skipTo(">");
      out.push_back(' ');
    }
  }
  return out;
}

}  // namespace

bool ZelHub::performSoft404CheckOnThisUrl(ZelUrl* r) {
  if (!defaults().boolForKey("shouldCheckForSoft404")) return false;
  if (containsATerm(r->getLinkUrlForTesting(), soft404Array_)) return true;
  if (r->getIsCSS() || r->getIsImage() || r->getIsAudio() || r->getIsVideo() || r->getIsPDF())
    return false;
  const std::string* data = r->getData();
  if (!data || data->empty()) return false;
  const std::string text = r->getIsHTML() ? visibleText(*data) : *data;
  return containsATerm(text, soft404Array_);
}

bool ZelHub::shouldBeInSitemapCollection(ZelUrl* r) {
  if (r->getIsImage()) return false;
  const bool pdfAllowed = containsIgnoreCase(textPathExtension(r->getActualLinkUrl()), "pdf") &&
                          defaults().boolForKey("includePdfsInSitemap");
  const std::string s = r->getStatus();
  if (s.size() >= 2) {
    const int digit = (s[0] >= '0' && s[0] <= '9') ? s[0] - '0' : 0;
    if (digit == 0 || digit == 4 || digit == 5 || digit == 9 || s == localized("missing link url")) {
      log().write(1, r->getActualLinkUrl() + " excluded from SEO/sitemap because of status " + s);
      return false;
    }
  }
  if ((!r->getIsHTML() && !pdfAllowed) || !r->isInternal()) return false;
  if (defaults().boolForKey("observeRobotsTxt") && robotsBlacklistArray_ &&
      containsATerm(r->getLinkUrlForTesting(), *robotsBlacklistArray_))
    return false;
  return true;
}

}  // namespace zel
