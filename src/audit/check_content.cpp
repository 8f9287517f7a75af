// Content and images: thin, placeholder and duplicate text, soft 404s, spelling
// and grammar, language and viewport; alt texts, heavy images, image sizes.
#include <algorithm>
#include <unordered_map>

#include "audit/audit_run.h"
#include "audit/record_facts.h"
#include "platform/defaults.h"
#include "platform/text_format.h"
#include "seo/zel_seo_manager.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

void thinContent(AuditRun& run) {
  if (!run.in.seo || !run.in.settings || !run.in.settings->boolForKey("SEOEnabled")) return;
  for (ZelUrl* r : run.in.seo->getCollection())
    if (r->getWordCount() < run.limits.thinContent)
      run.add(Issue::ContentThin, r, std::to_string(r->getWordCount()) + " words");
}

void duplicateText(AuditRun& run) {
  // Pages by text hash, each page's facts read once; a group names its first page
  // (its second, for the first) and its size.
  std::vector<std::pair<uint64_t, uint32_t>> byHash;  // (hash, page number)
  for (uint32_t k = 0; k < run.pages.size(); ++k)
    if (const AuditRun::MarkupBrief* b = run.brief(run.pages[k]); b && b->textHash)
      byHash.emplace_back(b->textHash, k);
  std::sort(byHash.begin(), byHash.end());
  struct Group {
    uint32_t first, second, size;
  };
  std::vector<Group> groups;
  std::vector<uint32_t> groupOf(run.pages.size(), UINT32_MAX);
  for (size_t i = 0; i < byHash.size();) {
    size_t end = i + 1;
    while (end < byHash.size() && byHash[end].first == byHash[i].first) ++end;
    if (end - i > 1) {
      for (size_t k = i; k < end; ++k)
        groupOf[byHash[k].second] = static_cast<uint32_t>(groups.size());
      groups.push_back(
          Group{byHash[i].second, byHash[i + 1].second, static_cast<uint32_t>(end - i)});
    }
    i = end;
  }
  for (uint32_t k = 0; k < run.pages.size(); ++k) {
    if (groupOf[k] == UINT32_MAX) continue;
    const Group& g = groups[groupOf[k]];
    const ZelUrl* other = run.pages[g.first == k ? g.second : g.first];
    run.add(Issue::ContentDuplicate, run.pages[k],
            strf("same text as %s%s", other->getActualLinkUrl().c_str(),
                 g.size > 2 ? strf(" and %u more", g.size - 2).c_str() : ""));
  }
}

void spellingAndGrammar(AuditRun& run) {
  const Defaults& d = *run.in.settings;
  if (!d.boolForKey("checkSpelling") && !d.boolForKey("checkGrammar")) return;
  std::unordered_map<const ZelUrl*, std::vector<std::string>> words;
  if (run.in.seo)
    for (const auto& [word, records] : run.in.seo->getMisspelledWordDictionary())
      for (const ZelUrl* r : records) words[r].push_back(word);
  for (const ZelUrl* page : run.pages) {
    if (d.boolForKey("checkSpelling") && page->getSpellingCount() > 0) {
      std::vector<std::string>& w = words[page];
      std::sort(w.begin(), w.end());
      run.add(Issue::ContentMisspellings, page, firstFew(w, w.size(), 5));
    }
    if (d.boolForKey("checkGrammar") && page->getGrammarCount() > 0)
      run.add(Issue::ContentGrammar, page,
              strf("%lld findings", static_cast<long long>(page->getGrammarCount())));
  }
}

}  // namespace

void checkContent(AuditRun& run) {
  thinContent(run);
  duplicateText(run);
  spellingAndGrammar(run);
  for (const ZelUrl* r : *run.in.records)
    if (r->isInternal() && isSoft404(*r)) run.add(Issue::ContentSoft404, r);
  for (const ZelUrl* page : run.pages) {
    const AuditRun::MarkupBrief* b = run.brief(page);
    if (!b) continue;
    if (b->has & b->kLorem) run.add(Issue::ContentLoremIpsum, page);
    if (!(b->has & b->kLang)) run.add(Issue::ContentMissingLang, page);
    if (!(b->has & b->kViewport)) run.add(Issue::ContentMissingViewport, page);
  }
}

void checkImages(AuditRun& run) {
  const int64_t heavyBytes = run.limits.imageMaxKB * 1024;
  for (const ZelUrl* page : run.pages) {
    std::vector<std::string> noAlt, longAlt;
    size_t noAltTotal = 0, longAltTotal = 0;
    // The page's images, as getLinkedImagesArray lists them, without making that
    // list: most links are to pages, which their kind byte tells.
    for (const ZelLinkInstance* i : page->getOutboundInstances()) {
      if (!(run.targetKind(*i) & AuditRun::kMediaTarget) || !i->target()->getIsImage()) continue;
      const std::string& text = i->linkText();
      const size_t mark = text.find("[alt]:");
      auto target = [i] { return i->target() ? i->target()->getLinkUrl() : std::string(); };
      if (mark == std::string::npos) {
        if (noAltTotal++ < 3) noAlt.push_back(target());
        continue;
      }
      const std::string_view alt = std::string_view(text).substr(mark + 6);
      if (static_cast<int64_t>(alt.size()) <= run.limits.altMax) continue;  // bytes >= characters
      const size_t length = utf8Length(trimWhitespace(alt));
      if (static_cast<int64_t>(length) > run.limits.altMax && longAltTotal++ < 3)
        longAlt.push_back(strf("%s (%zu characters)", target().c_str(), length));
    }
    if (noAltTotal) run.add(Issue::ImageMissingAlt, page, firstFew(noAlt, noAltTotal));
    if (longAltTotal) run.add(Issue::ImageAltTooLong, page, firstFew(longAlt, longAltTotal));
    if (const MarkupFacts* m = run.markupWithSpots(page, MarkupFacts::ImageWithoutSize))
      run.add(Issue::ImageMissingSize, page, spotsText(*m, MarkupFacts::ImageWithoutSize));
  }
  for (const ZelUrl* r : *run.in.records) {
    if (!r->getIsImage()) continue;
    const int64_t bytes = std::max(r->getFileSizeInBytes(), r->getFileSizeCompressedInBytes());
    if (bytes > heavyBytes)
      run.add(Issue::ImageHeavy, r, strf("%lld KB", static_cast<long long>(bytes / 1024)));
  }
}

}  // namespace zel::audit
