// Titles, descriptions and headings. The checks the SEO summary has a line for
// go over its collection with its own rules, so that both count the same pages.
#include <map>
#include <unordered_map>

#include "audit/audit_run.h"
#include "audit/record_facts.h"
#include "platform/defaults.h"
#include "platform/text_format.h"
#include "seo/zel_seo_manager.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

// Asked of most pages of a site: no format string to read.
std::string lengthText(size_t n) { return std::to_string(n) + " characters"; }

// "also on <address>" for a record of a group of two or more.
std::string alsoOn(const std::vector<ZelUrl*>& group, const ZelUrl* r) {
  for (const ZelUrl* other : group)
    if (other != r) return "also on " + other->getActualLinkUrl();
  return std::string();
}

std::vector<std::string> h1sOf(const ZelUrl& r) {
  std::vector<std::string> out;
  if (r.h1Count() == 0) return out;  // counted once, when the page was read
  if (auto headings = r.getHeadings())
    for (const std::string& h : *headings)
      if (ZelUrl::thisIsAnH1(h)) out.push_back(h);
  return out;
}

void summaryTitleChecks(AuditRun& run) {
  ZelSEOManager& seo = *run.in.seo;
  const bool counted = run.in.settings->boolForKey("SEOEnabled");
  const RecordGroups& titles = seo.getDuplicateTitles();
  const RecordGroups& descriptions = seo.getDuplicateDescriptions();
  for (ZelUrl* r : seo.getCollection()) {
    const std::string title = r->getLinkPageTitle();
    const std::string description = r->getMetaDescription();
    if (counted) {
      const size_t t = utf8Length(title), d = utf8Length(description);
      if (title.empty())
        run.add(Issue::TitleMissing, r);
      else if (static_cast<int64_t>(t) > run.limits.titleMax)
        run.add(Issue::TitleTooLong, r, lengthText(t));
      if (description.empty())
        run.add(Issue::DescriptionMissing, r);
      else if (static_cast<int64_t>(d) > run.limits.descriptionMax)
        run.add(Issue::DescriptionTooLong, r, lengthText(d));
      else if (static_cast<int64_t>(d) < run.limits.descriptionMin)
        run.add(Issue::DescriptionTooShort, r, lengthText(d));
    }
    if (auto g = titles.find(title); g != titles.end() && g->second.size() > 1)
      run.add(Issue::TitleDuplicate, r, alsoOn(g->second, r));
    if (auto g = descriptions.find(description); g != descriptions.end() && g->second.size() > 1)
      run.add(Issue::DescriptionDuplicate, r, alsoOn(g->second, r));
  }
}

void pageTitleChecks(AuditRun& run) {
  for (const ZelUrl* page : run.pages) {
    const std::string title = page->getLinkPageTitle();
    const size_t length = utf8Length(title);
    if (!title.empty() && static_cast<int64_t>(length) < run.limits.titleMin)
      run.add(Issue::TitleTooShort, page, lengthText(length));
    const AuditRun::MarkupBrief* b = run.brief(page);
    const bool several = !b || b->titleTags > 1 || b->descriptionTags > 1;
    if (const MarkupFacts* m = several ? run.markup(page) : nullptr) {
      if (m->titleTags > 1)
        run.add(Issue::TitleMultiple, page, strf("%d title tags", m->titleTags));
      if (m->descriptionTags > 1)
        run.add(Issue::DescriptionMultiple, page, strf("%d description tags", m->descriptionTags));
    }
    const std::vector<std::string> h1s = h1sOf(*page);
    if (!title.empty() && !h1s.empty() &&
        equalsIgnoreCase(trimWhitespace(title), trimWhitespace(h1s.front())))
      run.add(Issue::TitleSameAsH1, page);
  }
}

}  // namespace

void checkTitlesAndDescriptions(AuditRun& run) {
  if (run.in.seo && run.in.settings) summaryTitleChecks(run);
  pageTitleChecks(run);
}

void checkHeadings(AuditRun& run) {
  if (run.in.seo && run.in.settings && run.in.settings->boolForKey("SEOEnabled")) {
    for (ZelUrl* r : run.in.seo->getCollection()) {
      if (!r->getIsHTML()) continue;
      if (r->h1Count() == 0) run.add(Issue::HeadingMissingH1, r);
      if (r->h1Count() > 1)
        run.add(Issue::HeadingMultipleH1, r, std::to_string(r->h1Count()) + " h1");
    }
  }
  // Pages by a hash of their first h1 (and their place, so that each group keeps
  // the pages' order): a site's worth of h1 texts is not kept.
  std::vector<std::pair<size_t, uint32_t>> byH1;
  byH1.reserve(run.pages.size());
  const auto keyOf = [](const std::string& h1) { return asciiLower(trimWhitespace(h1)); };
  for (size_t at = 0; at < run.pages.size(); ++at) {
    ZelUrl* page = run.pages[at];
    const std::vector<std::string> h1s = h1sOf(*page);
    if (!h1s.empty())
      byH1.emplace_back(std::hash<std::string>()(keyOf(h1s.front())), static_cast<uint32_t>(at));
    for (const std::string& h1 : h1s)
      if (static_cast<int64_t>(utf8Length(h1)) > run.limits.h1Max) {
        run.add(Issue::HeadingH1TooLong, page, lengthText(utf8Length(h1)));
        break;
      }
    if (const MarkupFacts* m = run.markupWithSpots(page, MarkupFacts::EmptyHeading))
      run.add(Issue::HeadingEmpty, page, spotsText(*m, MarkupFacts::EmptyHeading));
    if (const MarkupFacts* m = run.markupWithSpots(page, MarkupFacts::SkippedHeadingLevel))
      run.add(Issue::HeadingSkippedLevel, page, spotsText(*m, MarkupFacts::SkippedHeadingLevel));
  }
  std::sort(byH1.begin(), byH1.end());
  for (size_t i = 0; i < byH1.size();) {
    size_t end = i + 1;
    while (end < byH1.size() && byH1[end].first == byH1[i].first) ++end;
    if (end - i > 1) {  // the same hash: the texts themselves decide
      std::map<std::string, std::vector<ZelUrl*>> group;
      for (size_t k = i; k < end; ++k) {
        ZelUrl* page = run.pages[byH1[k].second];
        group[keyOf(h1sOf(*page).front())].push_back(page);
      }
      for (const auto& [text, pages] : group)
        if (pages.size() > 1)
          for (ZelUrl* page : pages) run.add(Issue::HeadingDuplicateH1, page, alsoOn(pages, page));
    }
    i = end;
  }
}

}  // namespace zel::audit
