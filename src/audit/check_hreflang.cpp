// Hreflang: the alternates a page names in link tags, Link headers and the
// sitemaps, their codes, their answers, and whether they name the page back.
#include <unordered_map>

#include "audit/audit_run.h"
#include "audit/hreflang_code.h"
#include "audit/link_header.h"
#include "audit/record_facts.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

struct Alternate {
  std::string lang;
  std::string href;
  ZelUrl* target;  // null when the crawl has no record of it
};

class Alternates {
 public:
  explicit Alternates(AuditRun& run) : run_(run) {
    if (const SitemapReading* s = run.in.sitemaps)
      for (const SitemapEntry& e : s->entries)
        if (!e.alternates.empty())
          if (const ZelUrl* r = run.find(e.loc)) fromSitemaps_.emplace(r, &e);
  }

  const std::vector<Alternate>& of(const ZelUrl* page) {
    static const std::vector<Alternate> kNone;
    if (auto it = cache_.find(page); it != cache_.end()) return it->second;
    std::vector<Alternate> found = gather(page);
    // Most pages name none: asked again, such a page is read again (its links'
    // flags), rather than a site's worth of empty entries kept.
    if (found.empty()) return kNone;
    return cache_.emplace(page, std::move(found)).first->second;
  }

 private:
  std::vector<Alternate> gather(const ZelUrl* page) {
    std::vector<Alternate> out;
    for (const ZelLinkInstance* i : page->getOutboundInstances()) {
      if (!i->alt() || !i->target()) continue;
      std::string lang = i->getHreflang();
      if (!lang.empty()) out.push_back({std::move(lang), i->target()->getLinkUrl(), i->target()});
    }
    for (const std::string& v : run_.headerValues(page, "Link"))
      for (const LinkHeaderEntry& e : parseLinkHeader(v))
        if (relHas(e.rel, "alternate") && !e.hreflang.empty())
          if (auto u = Url::resolve(e.target, page->getActualLinkUrl()))
            out.push_back({e.hreflang, u->absoluteString(), run_.find(u->absoluteString())});
    if (auto it = fromSitemaps_.find(page); it != fromSitemaps_.end())
      for (const auto& [lang, href] : it->second->alternates)
        out.push_back({lang, href, run_.find(href)});
    return out;
  }

  AuditRun& run_;
  std::unordered_map<const ZelUrl*, const SitemapEntry*> fromSitemaps_;
  std::unordered_map<const ZelUrl*, std::vector<Alternate>> cache_;
};

void checkPage(AuditRun& run, Alternates& alternates, const ZelUrl* page) {
  const std::vector<Alternate>& list = alternates.of(page);
  if (list.empty()) return;
  FewOf invalid, non200, redirected, noindex, nonCanonical, noReturn;
  bool self = false, xDefault = false;
  std::string selfLang;
  for (const Alternate& a : list) {
    if (!isValidHreflang(a.lang)) invalid.note("\"" + a.lang + "\"");
    if (equalsIgnoreCase(a.lang, "x-default")) xDefault = true;
    if (a.target == page) {
      if (!self) selfLang = a.lang;
      self = true;
      continue;
    }
    ZelUrl* t = a.target;
    if (!t) continue;
    const int code = statusCode(*t);
    if (t->isDisallowed())
      non200.note(a.href + " (blocked by robots.txt)");
    else if (t->getRedirectCount() > 0)
      redirected.note(a.href);
    else if (code != 200 || isSoft404(*t))
      non200.note(a.href + " (" + t->getFinalStatus() + ")");
    else if (run.isNoindex(t))
      noindex.note(a.href);
    else if (!t->canonicalMatchesUrl())
      nonCanonical.note(a.href);
    else {
      bool back = false;
      for (const Alternate& b : alternates.of(t)) back = back || b.target == page;
      if (!back) noReturn.note(a.href);
    }
  }
  if (invalid.total) run.add(Issue::HreflangInvalidCode, page, invalid.text());
  if (noReturn.total) run.add(Issue::HreflangMissingReturn, page, noReturn.text());
  if (!self) run.add(Issue::HreflangMissingSelf, page);
  if (!xDefault) run.add(Issue::HreflangMissingXDefault, page);
  if (non200.total) run.add(Issue::HreflangToNon200, page, non200.text());
  if (redirected.total) run.add(Issue::HreflangToRedirect, page, redirected.text());
  if (noindex.total) run.add(Issue::HreflangToNoindex, page, noindex.text());
  if (nonCanonical.total) run.add(Issue::HreflangToNonCanonical, page, nonCanonical.text());
  const MarkupFacts* m = self ? run.markup(page) : nullptr;
  if (m && m->lang && !trimWhitespace(*m->lang).empty() &&
      !equalsIgnoreCase(selfLang, "x-default") &&
      primaryLanguage(selfLang) != primaryLanguage(*m->lang))
    run.add(Issue::HreflangLangMismatch, page,
            "hreflang \"" + selfLang + "\", lang \"" + *m->lang + "\"");
}

}  // namespace

void checkHreflang(AuditRun& run) {
  Alternates alternates(run);
  for (const ZelUrl* page : run.pages) checkPage(run, alternates, page);
}

}  // namespace zel::audit
