#include "report/seo_pages.h"

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "report/report_context.h"

namespace zel::cli {

namespace {

// Image addresses named for one page without alt text.
constexpr size_t kImagesPerPage = 20;

}  // namespace

std::vector<SeoPageGroup> seoPageGroups(const ReportContext& report) {
  const MemoryDefaults& settings = report.settings();
  if (!settings.boolForKey("SEOEnabled")) return {};
  const ZelSEOManager::Counters& c = report.hub().seoManager().counters();
  const int64_t thin =
      settings.objectForKey("maxThinContent") ? settings.integerForKey("maxThinContent") : 250;
  const int64_t titleMax = settings.integerForKey("metaTitleMax");
  const int64_t descMax = settings.integerForKey("metaDescriptionMax");
  const int64_t descMin = settings.integerForKey("metaDescriptionMin");
  const int64_t tooMany = settings.integerForKey("tooManyLinks");
  const bool images = settings.boolForKey("checkImages");
  SeoPageGroup noTitle{"Pages without title", c.notitle, {}},
      longTitle{strf("Titles longer than %lld characters", static_cast<long long>(titleMax)),
                c.titlelength,
                {}},
      noDesc{"Pages without description", c.nodesc, {}},
      longDesc{strf("Descriptions longer than %lld characters", static_cast<long long>(descMax)),
               -1,
               {}},
      shortDesc{strf("Descriptions shorter than %lld characters", static_cast<long long>(descMin)),
                -1,
                {}},
      thinContent{strf("Thin content: fewer than %lld words", static_cast<long long>(thin)),
                  c.thincontent,
                  {}},
      manyLinks{strf("More than %lld links", static_cast<long long>(tooMany)), c.toomanylinks, {}},
      noH1{"Pages with no h1", c.pagesWithoutH1, {}},
      manyH1{"Pages with several h1", c.pagesWithMultipleH1, {}},
      stuffed{"High keyword density", c.keywordstuffed, {}},
      noIndex{"Pages with robots noindex", c.pagesExcludedNoIndex, {}},
      noAlt{"Images without alt text", images ? c.noalt : -1, {}};
  for (const ZelUrl* r : report.hub().seoManager().getCollection()) {
    const std::string title = r->getLinkPageTitle();
    const auto titleLength = static_cast<int64_t>(utf8Length(title));
    if (title.empty())
      noTitle.pages.emplace_back(r, "");
    else if (titleLength > titleMax)
      longTitle.pages.emplace_back(r, strf("%lld: ", static_cast<long long>(titleLength)) + title);
    const std::string desc = r->getMetaDescription();
    const auto descLength = static_cast<int64_t>(utf8Length(desc));
    if (desc.empty())
      noDesc.pages.emplace_back(r, "");
    else if (descLength > descMax)
      longDesc.pages.emplace_back(r, strf("%lld: ", static_cast<long long>(descLength)) + desc);
    else if (descLength < descMin)
      shortDesc.pages.emplace_back(r, strf("%lld: ", static_cast<long long>(descLength)) + desc);
    if (r->getWordCount() < thin)
      thinContent.pages.emplace_back(
          r, r->getWordCount() < 0 ? std::string("not counted")
                                   : strf("%lld words", static_cast<long long>(r->getWordCount())));
    if (r->getLinkCount() > tooMany)
      manyLinks.pages.emplace_back(r, strf("%d links", r->getLinkCount()));
    if (r->getIsHTML() && r->h1Count() == 0) noH1.pages.emplace_back(r, "");
    if (r->getIsHTML() && r->h1Count() > 1)
      manyH1.pages.emplace_back(r, strf("%d h1: ", r->h1Count()) + r->getH1s());
    if (r->isKeywordStuffed()) stuffed.pages.emplace_back(r, "");
    if (r->getHeadContainsNoIndex()) noIndex.pages.emplace_back(r, "");
    if (images) {
      std::vector<std::string> missing;
      size_t count = 0;
      for (const ZelLinkInstance* i : r->getLinkedImagesArray()) {
        if (i->linkText().find("[alt]:") != std::string::npos || !i->target()) continue;
        if (++count <= kImagesPerPage) missing.push_back(i->target()->getLinkUrl());
      }
      if (count > 0) {
        std::string detail = join(missing, " ");
        if (count > missing.size()) detail += strf(" and %zu more", count - missing.size());
        noAlt.pages.emplace_back(r, detail);
      }
    }
  }
  return {std::move(noTitle),   std::move(longTitle),   std::move(noDesc),    std::move(longDesc),
          std::move(shortDesc), std::move(thinContent), std::move(manyLinks), std::move(noH1),
          std::move(manyH1),    std::move(stuffed),     std::move(noIndex),   std::move(noAlt)};
}

}  // namespace zel::cli
